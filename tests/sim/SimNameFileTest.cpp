// The SIM name file the simulator keeps its phonebook in: what it writes, what
// it reads back, and what it refuses.
#include "sim/SimNameFile.h"
#include "sim/SimOptions.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

using namespace vardeck::sim;

namespace {

std::string asText(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

std::vector<std::string> split(const std::string& text, const std::string& end) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(end, start)) != std::string::npos; start = at + end.size()) {
        lines.push_back(text.substr(start, at - start));
    }
    EXPECT_EQ(start, text.size()) << "text after the last line end";
    return lines;
}

}  // namespace

TEST(SimNameFile, SavedPhonebookReadsBackWithEitherLineEnd) {
    testfiles::TempDir dir("vardeck-sim-names");
    const std::string file = dir.file("numbers.sim");
    SimPhonebook missing;
    std::string error;
    ASSERT_TRUE(loadSimNameFile(file, missing, error)) << error;
    EXPECT_EQ(missing.occupied(), 0);

    SimPhonebook book;
    book.set(1, "+36301234567", "Kov\xE1" "cs");
    book.set(7, "06201112222", "");
    book.set(250, "112", "Last");
    ASSERT_TRUE(saveSimNameFile(file, book, error)) << error;
    const std::string saved = asText(testfiles::readFile(file));
    const std::vector<std::string> lines = split(saved, "\r\n");
    ASSERT_EQ(lines.size(), 501u);
    // The grid's row count: every location up to 250 and the header row.
    EXPECT_EQ(lines[0], "251");
    EXPECT_EQ(lines[1], "+36301234567");
    EXPECT_EQ(lines[2], "Kov\xE1" "cs");
    EXPECT_EQ(lines[13], "06201112222");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[500], "Last");

    SimPhonebook loaded;
    ASSERT_TRUE(loadSimNameFile(file, loaded, error)) << error;
    EXPECT_EQ(loaded, book);
    std::string lf = saved;
    for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;) lf.erase(at, 1);
    SimPhonebook fromLf;
    ASSERT_TRUE(parseSimNameFile(lf, fromLf, error)) << error;
    EXPECT_EQ(fromLf, book);

    // A short file leaves the rest empty; long texts are cut to the SIM's 40 bytes.
    SimPhonebook shortFile;
    ASSERT_TRUE(parseSimNameFile("3\n" + std::string(45, '5') + "\nname\n\nonly a name\n", shortFile, error)) << error;
    EXPECT_EQ(shortFile.at(1).number, std::string(40, '5'));
    EXPECT_EQ(shortFile.occupied(), 1);
}

TEST(SimNameFile, RefusesWhatIsNotThatFormatAsAUsageError) {
    testfiles::TempDir dir("vardeck-sim-names-bad");
    std::string full = "0\r\n";
    for (int i = 0; i < 500; ++i) full += "\r\n";
    const std::vector<std::pair<std::string, std::string>> bad{
        {"502 lines", full + "\r\n"},
        {"no count", ""},
        {"count not a number", "x\r\n"},
        {"count too high", "252\r\n"},
        {"negative count", "-1\r\n"},
        {"NUL byte", std::string("1\r\n12\0\r\n", 8)},
        {"lone CR", "1\r\n12\r34\r\n"},
        {"CR before CR LF", "1\r\n12\r\r\n"},
        {"CR at the end", "1\r\n12\r"},
    };
    for (std::size_t i = 0; i < bad.size(); ++i) {
        SCOPED_TRACE(bad[i].first);
        const std::string file = dir.file("bad" + std::to_string(i) + ".sim");
        testfiles::writeFile(file, Bytes(bad[i].second.begin(), bad[i].second.end()));
        std::string error;
        auto options = parseSimOptions({"--device", "71", "--phonebook", file}, error);
        ASSERT_TRUE(options) << error;
        EXPECT_FALSE(makeModelOptions(*options, error));
        EXPECT_NE(error.find(file), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
    SimPhonebook book;
    std::string error;
    EXPECT_TRUE(parseSimNameFile(full, book, error)) << error;
}
