#include "z4config/ImageLayout.h"

#include <initializer_list>
#include <string_view>
#include <vector>

namespace vardeck::z4config {
namespace {

using C = Coding;

Field field(Coding coding, int offset, int width, const char* control, int decodeStep, int encodeStep) {
    Field f;
    f.coding = coding;
    f.offset = static_cast<std::uint16_t>(offset);
    f.width = static_cast<std::uint8_t>(width);
    f.control = control;
    f.decodeStep = static_cast<std::uint8_t>(decodeStep);
    f.encodeStep = static_cast<std::uint8_t>(encodeStep);
    return f;
}

Field withPartner(Field f, const char* partner) {
    f.partner = partner;
    return f;
}

Field inScope(Field f, DeviceScope scope) {
    f.scope = scope;
    return f;
}

Field spin(Coding coding, int offset, const char* control, int minValue, int maxValue, int defaultValue, int decodeStep,
           int encodeStep, const char* partner = nullptr) {
    const int width = coding == C::Word || coding == C::OutputTime || coding == C::TwoDigits ? 2 : 1;
    Field f = withPartner(field(coding, offset, width, control, decodeStep, encodeStep), partner);
    f.minValue = minValue;
    f.maxValue = maxValue;
    f.defaultValue = defaultValue;
    return f;
}

Field flags(int offset, std::initializer_list<BitControl> bits, int decodeStep, int encodeStep, int constantBits = 0) {
    Field f = field(C::FlagBits, offset, 1, nullptr, decodeStep, encodeStep);
    for (const BitControl& b : bits) f.bits[f.bitCount++] = b;
    f.constantBits = static_cast<std::uint8_t>(constantBits);
    return f;
}

Field text(int offset, const char* control, int decodeStep, int encodeStep, int width = 32) {
    return field(C::TextSlot, offset, width, control, decodeStep, encodeStep);
}

Field mask(int offset, const char* control, int decodeStep) { return field(C::RecipientMask, offset, 1, control, decodeStep, 5); }

Field type(int offset, const char* combo, const char* inversion, int decodeStep, Coding coding = C::TypeByte) {
    return withPartner(field(coding, offset, 1, combo, decodeStep, 4), inversion);
}

// Option byte of an input record: bit 0 notify on restore, 2 siren, 3 voice message,
// 4 report to remote monitoring, 5 call need not be answered, 6 DTMF acknowledgement.
Field options(int offset, std::initializer_list<BitControl> bits, int decodeStep) { return flags(offset, bits, decodeStep, 6); }

Field monitoring(int offset, int width, const char* control) {
    return inScope(field(C::DigitCode, offset, width, control, 29, 16), DeviceScope::RemoteMonitoringArea);
}

std::vector<Field> buildFields() {
    std::vector<Field> f;
    // Phone numbers.
    const char* phones[] = {"MaskEdit1", "MaskEdit2", "MaskEdit3", "MaskEdit4", "MaskEdit5", "MaskEdit6", "MaskEdit7", "MaskEdit8"};
    for (int i = 0; i < 8; ++i) f.push_back(field(C::PhoneSlot, 256 + 16 * i, 16, phones[i], 1, 11));

    // Inputs 1 to 4.
    f.push_back(type(8, "ComboBox1", "CheckBox1", 2));
    f.push_back(options(11, {{0, "best11"}, {2, "best13"}, {3, "best14"}, {4, "best15"}, {5, "best16"}, {6, "best17"}}, 2));
    f.push_back(text(512, "riasztas", 2, 9));
    f.push_back(mask(9, "SMSst1", 2));
    f.push_back(mask(10, "VOICEst1", 2));
    f.push_back(type(12, "ComboBox2", "CheckBox2", 3));
    f.push_back(options(15, {{0, "best21"}, {2, "best23"}, {3, "best24"}, {4, "best25"}, {5, "best26"}, {6, "best27"}}, 3));
    f.push_back(text(544, "riasztas2", 3, 9));
    f.push_back(mask(13, "SMSst2", 3));
    f.push_back(mask(14, "VOICEst2", 3));
    f.push_back(type(16, "ComboBox3", "CheckBox3", 3));
    f.push_back(options(19, {{0, "best31"}, {2, "best33"}, {3, "best34"}, {4, "best35"}, {5, "best36"}, {6, "best37"}}, 3));
    f.push_back(text(576, "riasztas3", 3, 9));
    f.push_back(mask(17, "SMSst3", 3));
    f.push_back(mask(18, "VOICEst3", 3));
    f.push_back(type(20, "ComboBox4", "CheckBox4", 3));
    f.push_back(options(23, {{0, "best41"}, {2, "best43"}, {3, "best44"}, {4, "best45"}, {5, "best46"}, {6, "best47"}}, 3));
    f.push_back(text(608, "riasztas4", 3, 9));
    f.push_back(mask(21, "SMSst4", 3));
    f.push_back(mask(22, "VOICEst4", 3));

    // Speed limit and lift detection.
    f.push_back(type(24, "ComboBox5", "CheckBox5", 4));
    f.push_back(options(27, {{0, "BEst51"}}, 4));
    f.push_back(text(640, "riasztas5", 4, 9));
    f.push_back(mask(25, "SMSst5", 4));
    f.push_back(mask(26, "VOICEst5", 4));
    f.push_back(spin(C::Byte, 85, "SpinEdit8", 10, 250, 120, 4, 10));
    f.push_back(type(28, "ComboBox6", "CheckBox6", 5));
    f.push_back(options(31, {{0, "BEst61"}}, 5));
    f.push_back(text(672, "riasztas6", 5, 9));
    f.push_back(mask(29, "SMSst6", 5));
    f.push_back(mask(30, "VOICEst6", 5));
    f.push_back(spin(C::Byte, 86, "SpinEdit9", 1, 32, 6, 5, 10));

    // Tamper and power monitor.
    f.push_back(type(40, "ComboBox9", "CheckBox9", 6));
    f.push_back(options(43, {{0, "best91"}, {2, "best93"}, {4, "best95"}, {5, "best96"}, {6, "best97"}}, 6));
    f.push_back(text(768, "riasztas9", 6, 9));
    f.push_back(mask(41, "SMSst9", 6));
    f.push_back(mask(42, "VOICEst9", 6));
    f.push_back(type(44, "ComboBox10", "CheckBox10", 7, C::PowerTypeByte));
    f.push_back(options(47, {{0, "best101"}, {2, "best103"}, {4, "best105"}, {5, "best106"}, {6, "best107"}}, 7));
    f.push_back(text(800, "riasztas10", 7, 9));
    f.push_back(mask(45, "SMSst10", 7));
    f.push_back(mask(46, "VOICEst10", 7));

    // Life signal.
    f.push_back(spin(C::DaysOrOff, 70, "SpinEdit1", 1, 255, 7, 8, 8, "CheckBox11"));
    f.push_back(spin(C::TwoDigits, 71, "SpinEdit2", 0, 23, 12, 8, 8));
    f.push_back(spin(C::DaysPlusOne, 73, "SpinEdit3", 0, 255, 0, 0, 8));
    f.push_back(text(864, "riasztas11", 8, 9));
    f.push_back(field(C::RecipientMask, 74, 1, "SMSst11", 8, 8));

    // Temperature.
    f.push_back(type(48, "ComboBox13", "CheckBox13", 9));
    f.push_back(options(51, {{0, "best131"}}, 9));
    f.push_back(text(896, "Edit17", 9, 9));
    f.push_back(text(928, "Edit18", 9, 9));
    f.push_back(mask(49, "SMSst13", 9));
    f.push_back(mask(50, "VOICEst13", 9));
    f.push_back(spin(C::TemperatureLimit, 82, "SpinEdit6", 0, 120, 0, 9, 10, "hkompmax"));
    f.push_back(spin(C::TemperatureLimit, 83, "SpinEdit7", 0, 120, 0, 9, 10, "hkompmin"));

    // Opening and closing, restore text, "Egyéb".
    f.push_back(mask(118, "SMSst16", 10));
    f.push_back(mask(119, "SMSst17", 10));
    f.push_back(text(992, "Edit8", 11, 9));
    f.push_back(withPartner(field(C::RedirectTarget, 77, 1, "ComboBox11", 12, 10), "CheckEgyeb2"));
    f.push_back(spin(C::Byte, 78, "SpinEdit4", 3, 180, 30, 13, 10));
    f.push_back(spin(C::Byte, 79, "SpinEdit5", 1, 180, 50, 13, 10));
    f.push_back(field(C::FilterLevel, 80, 1, "ComboBox12", 14, 10));
    f.push_back(field(C::SecurityCode, 0, 4, "Edit1", 15, 1));
    f.push_back(field(C::AlarmVoltage, 114, 1, "ComboBox20", 16, 10));
    f.push_back(field(C::ClearedOnRead, 120, 2, nullptr, 17, 0));

    // Outputs (flag bits before the mode, which keeps them when encoding) and flags.
    f.push_back(flags(64, {{1, "CheckBox2KI1"}, {2, "CheckBox1KI1"}, {3, "CheckBox3KI1"}}, 19, 7));
    f.push_back(field(C::OutputMode, 64, 1, "ComboKi1", 19, 7));
    f.push_back(spin(C::OutputTime, 65, "SpinKI1", 1, 65535, 3, 19, 7, "KI1SECMIN"));
    f.push_back(flags(67, {{1, "CheckBox2KI2"}, {2, "CheckBox1KI2"}}, 20, 7));
    f.push_back(field(C::OutputMode, 67, 1, "ComboKi2", 20, 7));
    f.push_back(flags(76, {{0, "CheckEgyeb1"}, {1, "CheckEgyeb3"}, {2, "CheckEgyeb4"}, {3, "CheckEgyeb5"}, {4, "CheckEgyeb6"}, {6, "ELETcid"}},
                      21, 10));
    f.push_back(flags(122, {{1, "CheckEgyeb2_1"}}, 21, 10, 0x10));
    f.push_back(spin(C::OutputTime, 68, "SpinKI2", 1, 65535, 3, 22, 7, "KI2SECMIN"));
    f.push_back(flags(81, {{0, "GPSbit0", true}, {1, "GPSbit1"}}, 23, 10));
    f.push_back(spin(C::Word, 92, "SpinEdit10", 10, 65000, 10, 23, 10));

    // SMS header: in the opening-text slot on the Z-CID, else after the monitoring block.
    f.push_back(inScope(text(896, "Edit12", 25, 13, 32), DeviceScope::Type100));
    f.push_back(inScope(text(1280, "Edit12", 25, 13, 127), DeviceScope::NotType100));
    f.push_back(spin(C::Byte, 94, "SpinEdit11", 3, 80, 20, 26, 10));
    f.push_back(spin(C::Byte, 95, "SpinEdit12", 1, 80, 5, 26, 10));
    f.push_back(spin(C::Byte, 96, "SpinEdit13", 1, 80, 40, 26, 10));
    f.push_back(spin(C::Byte, 97, "SpinEdit14", 1, 80, 40, 26, 10));

    // Remote monitoring.
    f.push_back(inScope(field(C::PlainPhoneSlot, 1248, 16, "TAV1", 28, 15), DeviceScope::RemoteMonitoringArea));
    f.push_back(inScope(field(C::PlainPhoneSlot, 1264, 16, "TAV2", 28, 15), DeviceScope::RemoteMonitoringArea));
    f.push_back(inScope(field(C::DigitCode, 1024, 4, "CIDUGYFEL", 28, 16), DeviceScope::RemoteMonitoringArea));
    f.push_back(monitoring(1040, 3, "CIDbe1"));
    f.push_back(monitoring(1043, 3, "ZONAbe1"));
    f.push_back(monitoring(1048, 3, "CIDbe2"));
    f.push_back(monitoring(1051, 3, "ZONAbe2"));
    f.push_back(monitoring(1056, 3, "CIDbe3"));
    f.push_back(monitoring(1059, 3, "ZONAbe3"));
    f.push_back(monitoring(1064, 3, "CIDbe4"));
    f.push_back(monitoring(1067, 3, "ZONAbe4"));
    f.push_back(monitoring(1104, 3, "CIDtamper"));
    f.push_back(monitoring(1107, 3, "ZONAtamper"));
    f.push_back(monitoring(1112, 3, "CIDtap"));
    f.push_back(monitoring(1115, 3, "ZONAtap"));
    f.push_back(monitoring(1168, 3, "CIDelet"));
    f.push_back(field(C::TransmitLevel, 102, 1, "ComboBox17", 30, 10));
    f.push_back(field(C::ReceiveLevel, 103, 1, "ComboBox16", 30, 10));
    f.push_back(spin(C::Word, 104, "SpinEdit17", 1, 65000, 1440, 30, 10));
    return f;
}

}  // namespace

std::span<const Field> imageFields() {
    static const std::vector<Field> fields = buildFields();
    return fields;
}

const Field* spinField(std::string_view control) {
    for (const Field& f : imageFields()) {
        if (f.maxValue > f.minValue && f.control && control == f.control) return &f;
    }
    return nullptr;
}

}  // namespace vardeck::z4config
