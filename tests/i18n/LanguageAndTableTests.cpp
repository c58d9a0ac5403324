// The language setting and the shape of the text table: keys, copy order, which rows
// have which languages.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "i18n/Language.h"
#include "i18n/TextTable.h"
#include "RecordingTargets.h"

namespace vardeck::i18n {
namespace {

using test::keyOf;

TEST(LanguageSetting, DigitsZeroToThreeNameTheLanguagesAnythingElseIsHungarian) {
    EXPECT_EQ(languageFromSetting("0"), Language::Hungarian);
    EXPECT_EQ(languageFromSetting("1"), Language::English);
    EXPECT_EQ(languageFromSetting("2"), Language::German);
    EXPECT_EQ(languageFromSetting("3"), Language::Slovenian);
    for (const char* other : {"7", "", "4", "-1", " 1", "1 ", "01", "English"}) {
        EXPECT_EQ(languageIndexFromSetting(other), 0) << '"' << other << '"';
    }
    EXPECT_EQ(settingText(Language::German), "2");
    EXPECT_EQ(languageMenuItem(Language::Hungarian), "Magyar1");
    EXPECT_EQ(languageMenuItem(Language::Slovenian), "Sloven1");
}

TEST(TextTableShape, EveryTargetHasOneRowAndEveryCopyComesAfterItsSource) {
    std::set<test::Key> seen;
    for (const TextRow& row : textTable()) {
        EXPECT_TRUE(seen.insert(keyOf(row.target)).second) << "second row for " << row.target.control;
        if (row.isCopy()) {
            EXPECT_TRUE(seen.count(keyOf(*row.copyOf))) << row.target.control << " copies a later row";
            EXPECT_EQ(row.copyOf->kind, row.target.kind);
        }
    }
    // The screens with their own Label1 each have a row of their own.
    EXPECT_NE(findTextRow(test::caption("Label1", Screen::StatusView)), nullptr);
    EXPECT_NE(findTextRow(test::caption("Label1", Screen::MonitorView)), nullptr);
    EXPECT_NE(findTextRow(test::caption("Label1")), nullptr);
    EXPECT_EQ(findTextRow(test::caption("Label1", Screen::WindowSizeView)), nullptr);
}

TEST(TextTableShape, EveryOwnRowHasEnglishAndOnlyTheKnownRowsLackGermanOrSlovenian) {
    const std::set<std::string> hungarianEnglishOnly = {"Belltsok1", "best13", "best14", "Label97", "TabSheet22",
                                                        "Button8", "Kpernyfelbontsbelltsa1"};
    for (const TextRow& row : textTable()) {
        if (row.isCopy()) continue;
        const std::string name(row.target.control);
        EXPECT_TRUE(row.hasText(Language::English)) << name;
        const bool windowSizeView = row.target.screen == Screen::WindowSizeView;
        const bool noOthers = windowSizeView || (row.target.screen == Screen::Configurator &&
                                                 hungarianEnglishOnly.count(name));
        EXPECT_EQ(row.hasText(Language::German), !noOthers) << name;
        const bool noSlovenian = noOthers || (row.target.screen == Screen::Configurator && name == "Contact1");
        EXPECT_EQ(row.hasText(Language::Slovenian), !noSlovenian) << name;
    }
}

TEST(TextTableShape, InputTypeListsRepeatAllSixItemsOfTheFirstList) {
    for (const char* list : {"ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5", "ComboBox9", "ComboBox10",
                             "ComboBox13"}) {
        for (int i = 0; i < 6; ++i) {
            const TextRow* row = findTextRow(test::item(list, i));
            ASSERT_NE(row, nullptr) << list << " item " << i;
            ASSERT_TRUE(row->isCopy());
            EXPECT_EQ(keyOf(*row->copyOf), keyOf(test::item("ComboBox1", i)));
        }
    }
    // The third output mode keeps its design text in every language.
    EXPECT_EQ(findTextRow(test::item("ComboKi1", 2)), nullptr);
}

}  // namespace
}  // namespace vardeck::i18n
