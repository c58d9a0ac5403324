#include <gtest/gtest.h>

#include "settings/SettingsStoreFormat.h"

using namespace vardeck::settings;

namespace {

const char* kTrix = "\\software\\GSM\\TRIX";

SettingsDocument roundTrip(const SettingsDocument& doc) { return SettingsDocument::parse(doc.serialize()); }

}  // namespace

TEST(SettingsFormat, AwkwardValuesSurviveTheFile) {
    const std::vector<std::string> values = {
        "line one\nline two\r\n",    "a=b=c",         "[not a section]", "\\\\.\\COM12",
        "100% sure %41 %zz %",        "  padded  ",    "\ttab",          "Fényképező ÁÉŐŰ őű",
        std::string("nul\0byte", 8), "\xC3\x28\xFF",  ";not a comment",  "",
    };
    SettingsDocument doc;
    for (size_t i = 0; i < values.size(); ++i) doc.set(kTrix, "v" + std::to_string(i), values[i]);
    SettingsDocument back = roundTrip(doc);
    ASSERT_TRUE(back.looksLikeSettings());
    for (size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(back.get(kTrix, "v" + std::to_string(i)), values[i]) << "value " << i;
    }
}

TEST(SettingsFormat, AwkwardNamesAndKeysSurviveTheFile) {
    const std::vector<std::string> names = {"a=b", "[x]", ";semi", "#hash", " lead", "trail ", "new\nline", "%", ""};
    SettingsDocument doc;
    for (const auto& name : names) doc.set("\\odd]key\\%20\\x y", name, "value of " + name);
    SettingsDocument back = roundTrip(doc);
    for (const auto& name : names) EXPECT_EQ(back.get("\\odd]key\\%20\\x y", name), "value of " + name) << name;
}

TEST(SettingsFormat, FileStaysReadableForCommonValues) {
    SettingsDocument doc;
    doc.set(kTrix, "comport", "\\\\.\\COM12");
    doc.set(kTrix, "company", "*Fényes Kft.");
    EXPECT_EQ(doc.serialize(), "[\\software\\GSM\\TRIX]\ncomport=\\\\.\\COM12\ncompany=*Fényes Kft.\n");
}

TEST(SettingsFormat, KeysAndNamesIgnoreAsciiCaseAndKeepFirstSpelling) {
    SettingsDocument doc;
    doc.set(kTrix, "Language", "1");
    doc.set("\\SOFTWARE\\gsm\\trix", "LANGUAGE", "2");
    doc.set("software\\\\GSM\\TRIX\\", "comport", "COM3");
    EXPECT_EQ(doc.get("\\Software\\Gsm\\Trix", "language"), "2");
    EXPECT_EQ(doc.serialize(), "[\\software\\GSM\\TRIX]\nLanguage=2\ncomport=COM3\n");
    // Letters outside ASCII are compared as they are.
    doc.set(kTrix, "ÉV", "x");
    EXPECT_EQ(doc.get(kTrix, "év"), std::nullopt);
}

TEST(SettingsFormat, MissingKeyAndMissingValueAreDistinctFromEmptyValue) {
    SettingsDocument doc;
    doc.set(kTrix, "empty", "");
    EXPECT_EQ(doc.get(kTrix, "empty"), "");
    EXPECT_EQ(doc.get(kTrix, "absent"), std::nullopt);
    EXPECT_EQ(doc.get("\\software\\GSM\\KVEX", "empty"), std::nullopt);
    // A parent key holds none of its children's values.
    EXPECT_EQ(doc.get("\\software\\GSM", "empty"), std::nullopt);
}

TEST(SettingsFormat, HandEditedFileIsReadAndItsLinesKeptOnRewrite) {
    const std::string edited =
        "\xEF\xBB\xBF; my settings\r\n"
        "[\\software\\GSM\\TRIX]\r\n"
        "  comport = COM3  \r\n"
        "this line means nothing\r\n"
        "# mode=TRAXO\r\n"
        "mode=0\r\n"
        "\r\n"
        "[\\software\\GSM\\TRIX\\ports]\r\n"
        "COM3=/dev/ttyUSB0\r\n";
    SettingsDocument doc = SettingsDocument::parse(edited);
    EXPECT_TRUE(doc.looksLikeSettings());
    EXPECT_EQ(doc.get(kTrix, "comport"), "COM3");
    EXPECT_EQ(doc.get(kTrix, "mode"), "0");
    EXPECT_EQ(doc.get("\\software\\GSM\\TRIX\\ports", "com3"), "/dev/ttyUSB0");

    doc.set(kTrix, "mode", "TRAXO");
    doc.set(kTrix, "Language", "0");
    std::string text = doc.serialize();
    EXPECT_NE(text.find("; my settings\n"), std::string::npos);
    EXPECT_NE(text.find("  comport = COM3  \n"), std::string::npos);
    EXPECT_NE(text.find("this line means nothing\n# mode=TRAXO\nmode=TRAXO\nLanguage=0\n\n[\\software"),
              std::string::npos)
        << text;
}

TEST(SettingsFormat, PercentWithoutTwoHexDigitsIsTakenLiterally) {
    EXPECT_EQ(unescape("%41%4%zz%"), "A%4%zz%");
    EXPECT_EQ(unescape("a%e9b%4"), "a\xE9" "b%4");
    EXPECT_EQ(unescape("%%41"), "%A");
}

TEST(SettingsFormat, FirstOfDuplicatedValuesIsReadAndReplaced) {
    SettingsDocument doc = SettingsDocument::parse("[\\a]\nx=1\n[\\b]\ny=0\n[\\A]\nx=2\nz=3\n");
    EXPECT_EQ(doc.get("\\a", "x"), "1");
    EXPECT_EQ(doc.get("\\a", "z"), "3");
    ASSERT_EQ(doc.values("\\a").size(), 2u);
    doc.set("\\a", "x", "new");
    doc.set("\\a", "w", "added");
    EXPECT_EQ(doc.serialize(), "[\\a]\nx=new\nw=added\n[\\b]\ny=0\n[\\A]\nx=2\nz=3\n");
}

TEST(SettingsFormat, DamagedTextReadsWhatItCan) {
    // A header cut short hides the values under it: they belong to no known key.
    SettingsDocument cut = SettingsDocument::parse("[\\a]\nx=1\n[\\b\ny=2\n[\\c]\nz=3\nw");
    EXPECT_TRUE(cut.looksLikeSettings());
    EXPECT_EQ(cut.get("\\a", "x"), "1");
    EXPECT_EQ(cut.get("\\b", "y"), std::nullopt);
    EXPECT_EQ(cut.get("\\a", "y"), std::nullopt);
    EXPECT_EQ(cut.get("\\c", "z"), "3");
    EXPECT_EQ(cut.get("\\c", "w"), std::nullopt);

    std::string junk;
    for (int i = 0; i < 4096; ++i) junk += char((i * 7919 + 13) % 256);
    SettingsDocument binary = SettingsDocument::parse(junk);
    EXPECT_FALSE(binary.looksLikeSettings());
    EXPECT_TRUE(binary.values("\\").empty());
}

TEST(SettingsFormat, ValuesReadTheSameBeforeAndAfterARewrite) {
    // Doubled CRs at line ends: the value is the same whether the file was saved since or not.
    const SettingsDocument doc = SettingsDocument::parse("[\\a]\r\r\nx=1\r\r\n;\r\r");
    EXPECT_EQ(doc.get("\\a", "x"), "1");
    EXPECT_EQ(roundTrip(doc).serialize(), doc.serialize());

    // Byte order marks left by two editors in turn: the first line reads the same after a save.
    const SettingsDocument marks = SettingsDocument::parse("\xEF\xBB\xBF\xEF\xBB\xBF[\\a]\nx=1\n");
    EXPECT_EQ(marks.get("\\a", "x"), "1");
    EXPECT_EQ(roundTrip(marks).serialize(), marks.serialize());
}

TEST(SettingsFormat, OnlySettingsLikeTextMayBeRewritten) {
    EXPECT_TRUE(SettingsDocument::parse("").looksLikeSettings());
    EXPECT_TRUE(SettingsDocument::parse("; only a comment\n\n").looksLikeSettings());
    EXPECT_FALSE(SettingsDocument::parse("root:x:0:0:root:/root:/bin/bash\n").looksLikeSettings());
    EXPECT_FALSE(SettingsDocument::parse(std::string("[\\a]\nx=1\n\0\0", 12)).looksLikeSettings());
}
