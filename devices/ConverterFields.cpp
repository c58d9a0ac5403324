#include "devices/ConverterFields.h"

#include <algorithm>

#include "controls/Controls.h"
#include "controls/DigitConversions.h"
#include "z4config/Cp1250.h"

namespace vardeck::devices {

using controls::CheckBox;
using controls::ComboBox;
using controls::Edit;
using controls::SpinEdit;

const std::vector<ConverterField>& converterFields() {
    using K = ConverterFieldKind;
    static const std::vector<ConverterField> fields = {
        {K::ItemIndex, 111, 1, "ComboBox1", nullptr, "Tartalék ág"},
        {K::Text, 128, kAccessPointMaxChars + 1, "Edit3", nullptr, "GPRS APN kapcsolodási név"},
        {K::ItemIndex, 110, 1, "ComboBox2", nullptr, "Külső kommunikáció"},
        {K::ItemIndex, 112, 1, "ComboBox3", nullptr, "Vonalszimulátor"},
        {K::LowHighWord, 113, 2, "SpinEdit1", nullptr, "Handshake jelérzékenység"},
        {K::DigitCode, 106, 4, "Edit10", nullptr, "Renszerüzenetek ügyfélazonositó kód:"},
        {K::SwitchableCode, 0, 11, "Edit1", "CheckBox1", nullptr},
        {K::SwitchableCode, 22, 11, "Edit2", "CheckBox2", nullptr},
        {K::SwitchableCode, 33, 11, "Edit12", "CheckBox12", nullptr},
    };
    return fields;
}

namespace {

// The access point name: the characters up to the end mark. A slot without an end
// mark gives at most as many characters as the field takes, so that writing it back
// puts the end mark inside the slot.
std::string decodeText(std::span<const uint8_t> bytes) {
    const std::size_t limit = std::min<std::size_t>(bytes.size(), kAccessPointMaxChars);
    std::size_t length = 0;
    while (length < limit && bytes[length] != kTextEnd) ++length;
    return z4config::cp1250ToUtf8(bytes.data(), length);
}

void encodeText(const std::string& text, std::span<uint8_t> slot) {
    std::vector<uint8_t> bytes = z4config::utf8ToCp1250(text);
    // A name longer than the field (set from outside the screen) is cut, never
    // written over the bytes that follow the slot.
    if (bytes.size() > static_cast<std::size_t>(kAccessPointMaxChars)) bytes.resize(kAccessPointMaxChars);
    std::copy(bytes.begin(), bytes.end(), slot.begin());
    slot[bytes.size()] = kTextEnd;
}

}  // namespace

void decodeConverterImage(std::span<const uint8_t> image, controls::ControlRegistry& controls) {
    for (const ConverterField& f : converterFields()) {
        const std::span<const uint8_t> bytes = image.subspan(static_cast<std::size_t>(f.address),
                                                             static_cast<std::size_t>(f.width));
        switch (f.kind) {
            case ConverterFieldKind::SwitchableCode: {
                const bool on = bytes[0] < kCodeSwitchedOff;
                controls.get<CheckBox>(f.switchControl).setChecked(on);
                Edit& edit = controls.get<Edit>(f.control);
                edit.setText(BytesToDigitText(bytes));
                edit.setEnabled(on);
                break;
            }
            case ConverterFieldKind::DigitCode: controls.get<Edit>(f.control).setText(BytesToDigitText(bytes)); break;
            case ConverterFieldKind::ItemIndex: controls.get<ComboBox>(f.control).setItemIndex(bytes[0]); break;
            case ConverterFieldKind::LowHighWord:
                controls.get<SpinEdit>(f.control).setValue(bytes[0] + 256 * bytes[1]);
                break;
            case ConverterFieldKind::Text: controls.get<Edit>(f.control).setText(decodeText(bytes)); break;
        }
    }
}

void encodeConverterImage(const controls::ControlRegistry& controls, std::span<uint8_t> image) {
    for (const ConverterField& f : converterFields()) {
        const std::span<uint8_t> bytes = image.subspan(static_cast<std::size_t>(f.address),
                                                       static_cast<std::size_t>(f.width));
        switch (f.kind) {
            case ConverterFieldKind::SwitchableCode:
                DigitTextToBytes(controls.get<Edit>(f.control).text(), f.width, bytes, 0);
                if (!controls.get<CheckBox>(f.switchControl).checked()) bytes[0] += kCodeSwitchedOff;
                break;
            case ConverterFieldKind::DigitCode:
                DigitTextToBytes(controls.get<Edit>(f.control).text(), f.width, bytes, 0);
                break;
            case ConverterFieldKind::ItemIndex: {
                const int index = controls.get<ComboBox>(f.control).itemIndex();
                if (index >= 0) bytes[0] = static_cast<uint8_t>(index);
                break;
            }
            case ConverterFieldKind::LowHighWord: {
                const int value = controls.get<SpinEdit>(f.control).value();
                bytes[0] = static_cast<uint8_t>(value & 0xFF);
                bytes[1] = static_cast<uint8_t>((value >> 8) & 0xFF);
                break;
            }
            case ConverterFieldKind::Text: encodeText(controls.get<Edit>(f.control).text(), bytes); break;
        }
    }
}

}  // namespace vardeck::devices
