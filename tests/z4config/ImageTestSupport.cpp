#include "ImageTestSupport.h"

#include "controls/Utf8.h"

namespace vardeck::z4config::testing {

using namespace controls;

namespace {

std::string randomText(std::mt19937& rng, const std::u32string& alphabet, std::size_t minLength, std::size_t maxLength) {
    std::uniform_int_distribution<std::size_t> length(minLength, maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::u32string text;
    for (std::size_t n = length(rng); n > 0; --n) text.push_back(alphabet[pick(rng)]);
    return utf8Encode(text);
}

bool startsWith(const std::string& name, const char* prefix) { return name.rfind(prefix, 0) == 0; }

}  // namespace

void randomEditorState(Z4Editor& editor, std::uint32_t seed, const Image& base) {
    std::mt19937 rng(seed);
    auto coin = [&] { return (rng() & 1) != 0; };
    const std::u32string words = U"abcxyzABCXYZ 0123456789.,!?-_:áéíóöőúüűÁÉÍÓÖŐÚÜŰäßčšžĐ€ñ漢˙";
    const std::u32string digitCode = U"0123456789ABCDEFR?xe";
    for (Control* c : editor.controls().all()) {
        const std::string& name = c->name();
        if (auto* box = dynamic_cast<CheckBox*>(c)) {
            box->setChecked(coin());
        } else if (auto* spin = dynamic_cast<SpinEdit*>(c)) {
            spin->setValue(std::uniform_int_distribution<int>(spin->minValue(), spin->maxValue())(rng));
        } else if (auto* list = dynamic_cast<ComboBox*>(c)) {
            list->setItemIndex(std::uniform_int_distribution<int>(-1, list->count() - 1)(rng));
        } else if (auto* checks = dynamic_cast<CheckList*>(c)) {
            checks->setCheckedBits(rng());
        } else if (auto* edit = dynamic_cast<Edit*>(c)) {
            const std::size_t max = edit->maxLength();
            if (startsWith(name, "MaskEdit")) {
                std::string phone = coin() ? "+" : "";
                edit->setText(coin() ? "" : phone + randomText(rng, U"0123456789 ", 0, 15));
            } else if (startsWith(name, "CID") || startsWith(name, "ZONA")) {
                edit->setText(randomText(rng, digitCode, 0, max));
            } else if (name == "Edit10" || name == "Edit11" || name == "TAV1" || name == "TAV2" || name == "Edit1") {
                edit->setText(randomText(rng, U"abc.-+0123456789", name == "Edit1" ? 3 : 0, max));
            } else {
                edit->setText(randomText(rng, words, 1, max));
            }
        }
    }
    for (int r = 1; r <= kZoneRows; ++r) {
        editor.StringGrid2.setCell(r, kCodeColumn, coin() ? "" : randomText(rng, U"ER0123456789?x", 1, kZoneCodeLength));
        editor.StringGrid2.setCell(r, kNameColumn, randomText(rng, words, 0, kNameLength));
    }
    for (int r = 1; r <= kEventRows; ++r) {
        editor.eventTable().setCell(r, kCodeColumn, coin() ? "" : randomText(rng, U"ER0123456789?x", 1, kEventCodeLength));
        editor.eventTable().setCell(r, kNameColumn, randomText(rng, words, 0, kNameLength));
    }
    for (auto& m : editor.eventMasks()) m = static_cast<std::uint8_t>(rng());
    if (editor.ComboBox13.itemIndex() <= 0) {
        editor.setChecked(editor.hkompmax, false);
        editor.setChecked(editor.hkompmin, false);
    }
    editor.setOutputTime(1, coin() ? editor.SpinKI1.value() : 60 * std::uniform_int_distribution<int>(1, 1092)(rng));
    editor.setOutputTime(2, editor.SpinKI2.value());
    editor.setFirmwareVersion(base[254]);
    for (Z4Page page : {Z4Page::Be1, Z4Page::Be2, Z4Page::Be3, Z4Page::Be4, Z4Page::Tamper, Z4Page::PowerMonitor,
                        Z4Page::LifeSignal, Z4Page::Other, Z4Page::Temperature, Z4Page::Speed, Z4Page::Lift, Z4Page::OpenClose})
        editor.refreshPage(page);
}

}  // namespace vardeck::z4config::testing
