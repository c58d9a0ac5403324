// Applying the text table to a recording fake screen: language switches, rows without a
// text, copy rows, screens sharing control names, and values the user owns.
#include <gtest/gtest.h>

#include "i18n/ApplyTextTable.h"
#include "RecordingTargets.h"

namespace vardeck::i18n {
namespace {

using test::caption;
using test::content;
using test::item;

constexpr Language kAllLanguages[] = {Language::Hungarian, Language::English, Language::German, Language::Slovenian};

// A screen in its design state, for the targets these tests look at.
test::RecordingTargets designedScreen() {
    test::RecordingTargets t;
    t.design(caption("Contact1"), "Contact");
    t.design(caption("Label1"), "Hívandó számok:");
    t.design(caption("TabSheet16"), "Hőméséklet");
    t.design(item("ComboBox1", 2), "02/ Központi bemenet");
    t.design(item("ComboKi1", 2), "Élesítés/Hatástalanítás");
    return t;
}

TEST(ApplyTextTable, UnknownLanguageSettingGivesTheHungarianTexts) {
    auto t = designedScreen();
    applyTextTable(languageFromSetting("7"), t);
    EXPECT_EQ(t.text(caption("TabSheet2")), "Be1");
    EXPECT_EQ(t.text(caption("TabSheet16")), "Hőmérséklet");
    EXPECT_EQ(t.text(item("ComboBox1", 2)), "02/ tartalék");
    EXPECT_EQ(t.text(item("ComboBox13", 5)), "05/ Ki/be kapcsolás");
    EXPECT_EQ(t.text(caption("Contact1")), "Kontakt");
    EXPECT_EQ(t.text(content("riasztas13")), "Homerseklet riasztas max");
    EXPECT_EQ(t.text(item("ComboKi1", 2)), "Élesítés/Hatástalanítás");
}

TEST(ApplyTextTable, RowsWithoutTextInTheNewLanguageKeepThePreviousLanguage) {
    auto t = designedScreen();
    applyTextTable(Language::English, t);
    applyTextTable(Language::German, t);
    EXPECT_EQ(t.text(caption("TabSheet22")), "Voice");
    EXPECT_EQ(t.text(caption("Belltsok1")), "Setting");
    EXPECT_EQ(t.text(caption("best23")), "Siren");
    EXPECT_EQ(t.text(caption("Button11")), "Upload");
    EXPECT_EQ(t.text(caption("Contact1")), "Kontakt");
    EXPECT_EQ(t.text(caption("TabSheet11")), "Gehäuseschalter");
    EXPECT_EQ(t.text(caption("Label97")), "Voice format: 8Khz, 8bit, mono, PCM");
    EXPECT_EQ(t.text(caption("RadioGroup1", Screen::WindowSizeView)), "Size screen");

    applyTextTable(Language::Slovenian, t);
    EXPECT_EQ(t.text(caption("Contact1")), "Kontakt");
    EXPECT_EQ(t.text(caption("Label70")), "Sporočilo za max temperaturo:");
}

TEST(ApplyTextTable, StartingInSlovenianLeavesContactWithItsDesignCaption) {
    auto t = designedScreen();
    applyTextTable(Language::Slovenian, t);
    EXPECT_EQ(t.text(caption("Contact1")), "Contact");
    EXPECT_EQ(t.text(caption("TabSheet13")), "Signal statusa");
    EXPECT_EQ(t.text(caption("Label10", Screen::StatusView)), "Napajanje:");
}

TEST(ApplyTextTable, SmsDefaultsFollowTheLanguage) {
    auto t = designedScreen();
    applyTextTable(Language::English, t);
    EXPECT_EQ(t.text(content("riasztas5")), "speed alarm");
    EXPECT_EQ(t.text(content("riasztas4")), "4th input alarm");
    EXPECT_EQ(t.text(content("Edit8")), "Restore:");
    applyTextTable(Language::Slovenian, t);
    EXPECT_EQ(t.text(content("riasztas5")), "hitrostni alarm");
    EXPECT_EQ(t.text(content("riasztas4")), "4. vhodni alarm");
    EXPECT_EQ(t.text(content("Edit8")), "Obnova:");
}

TEST(ApplyTextTable, CopyRowsShowTheirSourceInEveryLanguage) {
    for (Language language : kAllLanguages) {
        auto t = designedScreen();
        applyTextTable(Language::English, t);  // copies must follow a switch, not only a start
        applyTextTable(language, t);
        for (const TextRow& row : textTable()) {
            if (!row.isCopy()) continue;
            EXPECT_EQ(t.text(row.target), t.text(*row.copyOf))
                << row.target.control << " item " << row.target.item << " language " << column(language);
            EXPECT_FALSE(t.text(row.target).empty()) << row.target.control;
        }
    }
    auto t = designedScreen();
    applyTextTable(Language::Hungarian, t);
    EXPECT_EQ(t.text(caption("Label92")), "Be1");
    EXPECT_EQ(t.text(caption("Button3")), "Mentés");
    applyTextTable(Language::German, t);
    EXPECT_EQ(t.text(caption("Label95")), "In4");
    EXPECT_EQ(t.text(caption("Button4")), "Öffnen");
    EXPECT_EQ(t.text(item("ComboBox10", 1)), "01/ immer aktiv");
}

TEST(ApplyTextTable, ViewsWithTheSameControlNamesGetTheirOwnTexts) {
    auto t = designedScreen();
    applyTextTable(Language::English, t);
    EXPECT_EQ(t.text(caption("BitBtn3")), "Quit");
    EXPECT_EQ(t.text(caption("BitBtn3", Screen::StatusView)), "Exit");
    EXPECT_EQ(t.text(caption("Label1", Screen::MonitorView)), "After monitoring please restart GSM module!!!");
    EXPECT_EQ(t.text(caption("Button1", Screen::MonitorView)), "Delete");
    EXPECT_EQ(t.text(caption("Button1", Screen::WindowSizeView)), "OK");
    EXPECT_EQ(t.text(caption(kStatusViewName, Screen::StatusView)), "Modul status");
    EXPECT_EQ(t.text(caption("Label10")), "Select the phone numbers to send SMS to");
}

TEST(ApplyTextTable, BackToHungarianShowsTheDesignTextOfRowsWithoutHungarian) {
    auto t = designedScreen();
    applyTextTable(Language::English, t);
    EXPECT_EQ(t.text(caption("Label1")), "Phone numbers to call:");
    applyTextTable(Language::Hungarian, t);
    EXPECT_EQ(t.text(caption("Label1")), "Hívandó számok:");
}

TEST(ApplyTextTable, ValuesTheUserOwnsSurviveActivationAndLanguageChange) {
    auto t = designedScreen();
    applyTextTable(Language::Hungarian, t);
    t.setText(content("riasztas"), "Bejarati ajto");
    t.ownByUser(content("riasztas"));
    t.ownByUser(TargetKey{Screen::Configurator, "ComboBox12", -1, TargetKind::Selection});

    applyTextTable(Language::English, t);
    applySelectionDefaults(t);
    EXPECT_EQ(t.text(content("riasztas")), "Bejarati ajto");
    EXPECT_EQ(t.text(content("riasztas2")), "2nd input alarm");
    EXPECT_EQ(t.text(caption("TabSheet2")), "In1");
    EXPECT_EQ(t.selections.count(test::keyOf({Screen::Configurator, "ComboBox12", -1, TargetKind::Selection})), 0u);
    EXPECT_EQ(t.selections.at(test::keyOf({Screen::Configurator, "ComboBox1", -1, TargetKind::Selection})), 1);
    EXPECT_EQ(t.selections.at(test::keyOf({Screen::Configurator, "ComboKi2", -1, TargetKind::Selection})), 0);
}

}  // namespace
}  // namespace vardeck::i18n
