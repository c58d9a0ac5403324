#include "z4config/ImageBinding.h"

#include <algorithm>
#include <string>
#include <vector>

#include "z4config/GprsStrings.h"

namespace vardeck::z4config {

using namespace controls;

namespace {

constexpr int kDecodeSteps = 30;
constexpr int kEncodeSteps = 16;
constexpr std::size_t kFirmwareVersionOffset = 254;
constexpr std::size_t kFirmwareBuildOffset = 252;
constexpr int kFirmwareStatusPanel = 2;
constexpr int kFirstFirmwareWithMonitoring = 34;

// Recipient lists whose disabled items the encode unchecks (the temperature lists are
// encoded as they stand).
constexpr const char* kListsClearedWhenDisabled[] = {
    "SMSst1", "SMSst2", "SMSst3", "SMSst4", "SMSst5",  "SMSst6",    "VOICEst1", "VOICEst2", "VOICEst3",
    "VOICEst4", "VOICEst5", "VOICEst6", "SMSst9", "VOICEst9", "SMSst10", "VOICEst10", "SMSst16", "SMSst17", "SMSst11"};

int outputNumber(const Field& f) { return std::string_view(f.control).back() == '1' ? 1 : 2; }

bool decodeReads(const Field& f, const Z4Editor& editor) {
    switch (f.scope) {
        case DeviceScope::Type100: return editor.deviceType() == kTypeCid;
        case DeviceScope::NotType100: return editor.deviceType() != kTypeCid;
        default: return true;
    }
}

void decodeField(const Field& f, Image& image, Z4Editor& e) {
    Bytes bytes = slotOf(image, f.offset, f.width);
    const std::uint8_t b = bytes[0];
    switch (f.coding) {
        case Coding::PhoneSlot:
        case Coding::PlainPhoneSlot: e.get<Edit>(f.control).setText(readPhoneSlot(bytes)); break;
        case Coding::TextSlot: e.get<Edit>(f.control).setText(readTextSlot(bytes)); break;
        case Coding::SecurityCode: e.get<Edit>(f.control).setText(readChars(bytes)); break;
        case Coding::DigitCode: e.get<Edit>(f.control).setText(readDigitCode(bytes)); break;
        case Coding::TypeByte:
        case Coding::PowerTypeByte:
            e.get<ComboBox>(f.control).setItemIndex(b & 0x7F);
            e.setChecked(e.get<CheckBox>(f.partner), ((b & 0x80) != 0) == (f.coding == Coding::TypeByte));
            break;
        case Coding::RecipientMask: e.get<CheckList>(f.control).setCheckedBits(b); break;
        case Coding::FlagBits:
            for (int i = 0; i < f.bitCount; ++i)
                e.setChecked(e.get<CheckBox>(f.bits[i].control), (((b >> f.bits[i].bit) & 1) != 0) != f.bits[i].inverted);
            break;
        case Coding::OutputMode:
            e.get<ComboBox>(f.control).setItemIndex((b & 0x10) ? 2 : (b & 0x01) ? 1 : 0);
            e.outputModeChanged(outputNumber(f));
            break;
        case Coding::OutputTime: {
            // Seconds view first, so the time is limited to the seconds range, whatever
            // unit the user had chosen; the time then takes the value the spin shows.
            const int n = outputNumber(f);
            e.setTimeUnit(n, kSecondsItem);
            e.get<SpinEdit>(f.control).setValue(readWord(bytes));
            e.timeSpinChanged(n);
            break;
        }
        case Coding::Byte: e.get<SpinEdit>(f.control).setValue(b); break;
        case Coding::Word: e.get<SpinEdit>(f.control).setValue(readWord(bytes)); break;
        case Coding::TwoDigits: e.get<SpinEdit>(f.control).setValue(readTwoDigits(bytes)); break;
        case Coding::DaysOrOff:
            e.setChecked(e.get<CheckBox>(f.partner), b != 0);
            e.get<SpinEdit>(f.control).setValue(b);
            break;
        case Coding::DaysPlusOne: break;
        case Coding::RedirectTarget:
            if (b == 255) {
                e.setChecked(e.get<CheckBox>(f.partner), false);  // the target list keeps its item
            } else {
                e.setChecked(e.get<CheckBox>(f.partner), true);
                auto& list = e.get<ComboBox>(f.control);
                list.setItemIndex(b);
                e.setRememberedRedirection(list.itemIndex());
            }
            break;
        case Coding::TemperatureLimit: {
            auto& spin = e.get<SpinEdit>(f.control);
            auto& box = e.get<CheckBox>(f.partner);
            const bool inUse = e.ComboBox13.itemIndex() > 0;
            spin.setEnabled(inUse);
            box.setEnabled(inUse);
            if (!inUse) {
                spin.setValue(0);
            } else if (b == 255) {
                spin.setValue(0);
                e.setChecked(box, false);
            } else {
                spin.setValue(b);
                e.setChecked(box, true);
            }
            break;
        }
        case Coding::FilterLevel: {
            auto& list = e.get<ComboBox>(f.control);
            list.setItemIndex(filterItemOf(b, list.itemIndex()));
            break;
        }
        case Coding::AlarmVoltage: {
            auto& list = e.get<ComboBox>(f.control);
            list.setItemIndex(kVoltageDefaultItem);
            if (voltageItemOf(b) >= 0) list.setItemIndex(voltageItemOf(b));
            break;
        }
        case Coding::ReceiveLevel: e.get<ComboBox>(f.control).setItemIndex(receiveItemOf(b)); break;
        case Coding::TransmitLevel: e.get<ComboBox>(f.control).setItemIndex(b - 1); break;
        case Coding::ClearedOnRead: std::fill(bytes.begin(), bytes.end(), std::uint8_t{0}); break;
    }
}

void encodeField(const Field& f, Image& image, const Z4Editor& e) {
    Bytes bytes = slotOf(image, f.offset, f.width);
    auto checked = [&](const char* name) { return e.get<CheckBox>(name).checked(); };
    auto index = [&] { return e.get<ComboBox>(f.control).itemIndex(); };
    auto spinValue = [&] { return e.get<SpinEdit>(f.control).value(); };
    auto byteOf = [](long v) { return static_cast<std::uint8_t>(std::clamp<long>(v, 0, 255)); };
    switch (f.coding) {
        case Coding::PhoneSlot: writePhoneSlot(bytes, e.get<Edit>(f.control).text(), PhoneChars::Dialable); break;
        case Coding::PlainPhoneSlot: writePhoneSlot(bytes, e.get<Edit>(f.control).text(), PhoneChars::AsTyped); break;
        case Coding::TextSlot: writeTextSlot(bytes, e.get<Edit>(f.control).text()); break;
        case Coding::SecurityCode: writeExactChars(bytes, e.get<Edit>(f.control).text()); break;
        case Coding::DigitCode: writeDigitCode(bytes, e.get<Edit>(f.control).text()); break;
        case Coding::TypeByte:
        case Coding::PowerTypeByte: {
            // No selected type (a code outside the list was read) is written as "not used".
            const bool bit7 = checked(f.partner) == (f.coding == Coding::TypeByte);
            bytes[0] = static_cast<std::uint8_t>(std::max(0, index()) | (bit7 ? 0x80 : 0));
            break;
        }
        case Coding::RecipientMask: bytes[0] = static_cast<std::uint8_t>(e.get<CheckList>(f.control).checkedBits() & 0xFF); break;
        case Coding::FlagBits: {
            std::uint8_t v = f.constantBits;
            for (int i = 0; i < f.bitCount; ++i)
                if (checked(f.bits[i].control) != f.bits[i].inverted) v |= static_cast<std::uint8_t>(1u << f.bits[i].bit);
            bytes[0] = v;
            break;
        }
        case Coding::OutputMode:
            bytes[0] = static_cast<std::uint8_t>((bytes[0] & ~0x11) | (index() == 1 ? 0x01 : 0) | (index() == 2 ? 0x10 : 0));
            break;
        case Coding::OutputTime: writeWord(bytes, static_cast<unsigned>(std::clamp(e.outputTime(outputNumber(f)), 0, 65535))); break;
        case Coding::Byte: bytes[0] = byteOf(spinValue()); break;
        case Coding::Word: writeWord(bytes, static_cast<unsigned>(std::clamp(spinValue(), 0, 65535))); break;
        case Coding::TwoDigits: writeTwoDigits(bytes, spinValue()); break;
        case Coding::DaysOrOff: bytes[0] = checked(f.partner) ? byteOf(spinValue()) : 0; break;
        case Coding::DaysPlusOne: bytes[0] = static_cast<std::uint8_t>((spinValue() + 1) & 0xFF); break;
        case Coding::RedirectTarget: bytes[0] = checked(f.partner) && index() >= 0 ? byteOf(index()) : 255; break;
        case Coding::TemperatureLimit: bytes[0] = checked(f.partner) ? byteOf(spinValue()) : 255; break;
        case Coding::FilterLevel: bytes[0] = codeOfItem(kFilterCodes, index(), kFilterDefault); break;
        case Coding::AlarmVoltage: bytes[0] = codeOfItem(kVoltageCodes, index(), kVoltageDefault); break;
        case Coding::ReceiveLevel: bytes[0] = codeOfItem(kReceiveThresholds, index(), kReceiveDefault); break;
        case Coding::TransmitLevel: bytes[0] = byteOf(index() + 1); break;
        case Coding::ClearedOnRead: break;
    }
}

// ---- steps that are more than field conversions ----

void decodeGprs(Image& image, Z4Editor& e) {
    e.Edit10.setText(readAccessPointName(image));
    e.Edit11.setText(readServerAddress(image));
    e.ComboBox14.setItemIndex(e.Edit10.text() == kPresetAccessPoint && e.Edit11.text() == kPresetServer ? 1 : 0);
}

void decodeFirmware(const Image& image, Z4Editor& e) {
    const int version = image[kFirmwareVersionOffset];
    const int build = image[kFirmwareBuildOffset] == 255 ? 0 : image[kFirmwareBuildOffset];
    e.setFirmwareVersion(version);
    e.StatusBar1.setPanel(kFirmwareStatusPanel, "Sw: " + std::to_string(version / 10) + "." + std::to_string(version % 10) +
                                                    "." + std::to_string(build));
}

void decodeEpilogue(int step, Image& image, Z4Editor& e) {
    switch (step) {
        case 2: e.refreshPage(Z4Page::Be1); break;
        case 3:
            for (Z4Page p : {Z4Page::Be2, Z4Page::Be3, Z4Page::Be4}) e.refreshPage(p);
            break;
        case 4: e.refreshPage(Z4Page::Speed); break;
        case 5: e.refreshPage(Z4Page::Lift); break;
        case 6: e.refreshPage(Z4Page::Tamper); break;
        case 7: e.refreshPage(Z4Page::PowerMonitor); break;
        case 8: e.refreshPage(Z4Page::LifeSignal); break;
        case 9: e.refreshPage(Z4Page::Temperature); break;
        case 10: e.refreshPage(Z4Page::OpenClose); break;
        case 17: e.refreshPage(Z4Page::Other); break;
        case 18: decodeGprs(image, e); break;
        case 24: decodeFirmware(image, e); break;
        case 25: e.userChanged("Edit12"); break;  // the counter follows the header text
        case 27:
            decodeCodeTables(image, e.StringGrid2, e.eventTable());
            // The recipient list shows the new mask of the selected row, so that a click
            // in it does not rebuild the mask from the marks of the replaced one.
            e.selectEventRow(e.selectedEventRow());
            break;
        default: break;
    }
}

void writeCompany(Image& image, const EncodeContext& context) {
    // The field is 16 bytes; a longer name is cut there instead of running on over the
    // server string and beyond it into the alarm texts.
    std::vector<std::uint8_t> bytes = terminatedTextBytes(companyFieldText(context));
    const std::size_t n = std::min(bytes.size(), kCompanyMaxLength);
    Bytes slot = slotOf(image, kCompanyOffset, kCompanyMaxLength + 1);
    std::copy_n(bytes.begin(), n, slot.begin());
    slot[n] = kEnd;
}

void encodePrologue(int step, Z4Editor& e, Image& image, const EncodeContext& context) {
    switch (step) {
        case 2: std::fill(image.begin() + 24, image.begin() + 64, std::uint8_t{0}); break;
        case 3:
            for (const char* name : kListsClearedWhenDisabled) {
                auto& list = e.get<CheckList>(name);
                for (int i = 0; i < list.count(); ++i)
                    if (!list.itemEnabled(i)) list.setChecked(i, false);
            }
            break;
        case 12: writeCompany(image, context); break;
        case 13:
            // Only the Z-CID keeps name records; on the other models these bytes hold the
            // remote-monitoring block and bytes the editor must leave as they were read.
            if (e.deviceType() == kTypeCid) encodeCodeTables(image, e.StringGrid2, e.eventTable());
            break;
        case 14:
            writeServerString(image, e.Edit11.text());
            // The GPS model keeps its speed and lift texts in these bytes.
            if (e.deviceType() != kTypeGps) writeAccessPointString(image, e.Edit10.text());
            break;
        default: break;
    }
}

}  // namespace

std::string companyFieldText(const EncodeContext& context) {
    if (!context.company.empty() && context.company[0] == '*') return context.company.substr(1);
    return context.brandCompanyName;
}

bool encodeWrites(const Field& f, const Z4Editor& editor) {
    if (f.encodeStep == 0) return false;
    switch (f.scope) {
        case DeviceScope::Type100: return editor.deviceType() == kTypeCid;
        case DeviceScope::NotType100: return editor.deviceType() != kTypeCid;
        case DeviceScope::RemoteMonitoringArea:
            return !(editor.deviceType() == kTypeCid && editor.firmwareVersion() < kFirstFirmwareWithMonitoring);
        case DeviceScope::Any: return true;
    }
    return true;
}

void decodeImage(Image& image, Z4Editor& editor) {
    const auto fields = imageFields();
    for (int step = 1; step <= kDecodeSteps; ++step) {
        for (const Field& f : fields)
            if (f.decodeStep == step && decodeReads(f, editor)) decodeField(f, image, editor);
        decodeEpilogue(step, image, editor);
    }
}

void encodeImage(Z4Editor& editor, Image& image, const EncodeContext& context) {
    const auto fields = imageFields();
    for (int step = 1; step <= kEncodeSteps; ++step) {
        encodePrologue(step, editor, image, context);
        for (const Field& f : fields)
            if (f.encodeStep == step && encodeWrites(f, editor)) encodeField(f, image, editor);
    }
}

}  // namespace vardeck::z4config
