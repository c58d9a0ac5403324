// vardeck-cli profile show / make on real files.
#include "CliTestSupport.h"
#include "controls/Json.h"

namespace fs = std::filesystem;
using vardeck::controls::JsonValue;
using namespace vardeck::z4config::testing;

namespace {

class ProfileCli : public CliTest {
protected:
    JsonValue show(const std::string& args) const {
        const CliResult r = cli("profile show " + args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        std::string error;
        auto doc = vardeck::controls::parseJson(r.out, error);
        EXPECT_TRUE(doc) << error;
        return doc ? *doc : JsonValue();
    }
    static std::string customer(const JsonValue& doc, const char* field) {
        return doc.find("customer")->find(field)->asString();
    }
};

}  // namespace

TEST_F(ProfileCli, MakeThenShowKeepsSettingsAndCustomer) {
    spit(file("site.json"), R"({"controls": {"MaskEdit1": {"text": "+36301234567"}},
                                "customer": {"Edit2": "Kovács Éva", "Edit7": "2024.05.06."}})");
    CliResult r = cli("profile make site.json --type 71 --out site.dat");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string bytes = slurp(file("site.dat"));
    ASSERT_EQ(bytes.size(), 1792u);
    EXPECT_EQ(bytes.substr(1024, 12), std::string("\0Kov\xE1\x63s \xC9va\0", 12));
    EXPECT_EQ(bytes.substr(1152, 3), std::string("\0 \0", 3));  // empty field saved as a space

    const JsonValue doc = show("site.dat --type 71");
    EXPECT_EQ(customer(doc, "Edit2"), "Kovács Éva");
    EXPECT_EQ(customer(doc, "Edit3"), " ");
    EXPECT_EQ(doc.find("controls")->find("MaskEdit1")->find("text")->asString(), "+36301234567");
    EXPECT_EQ(customer(doc, "Edit7"), "2024.05.06.");
    EXPECT_EQ(doc.find("controls")->find("Edit7"), nullptr);  // once, under "customer"

    // The printed document makes the same file again.
    spit(file("again.json"), vardeck::controls::writeJson(doc));
    r = cli("profile make again.json --type 71 --base site.dat --out again.dat");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::string expected = bytes;
    expected[120] = expected[121] = '\0';  // what reading a module or file leaves there
    EXPECT_EQ(slurp(file("again.dat")), expected);
}

TEST_F(ProfileCli, TheDeviceTypeDecidesTheLengthBothWays) {
    spit(file("cid.json"), R"({"customer": {"Edit2": "CID site"}})");
    ASSERT_EQ(cli("profile make cid.json --type 100 --out cid.dat").exitCode, 0);
    EXPECT_EQ(fs::file_size(file("cid.dat")), 8960u);
    EXPECT_EQ(customer(show("cid.dat --type 70"), "Edit2"), "CID site");

    spit(file("z4.json"), "{}");
    ASSERT_EQ(cli("profile make z4.json --type 70 --out z4.dat").exitCode, 0);
    const CliResult r = cli("profile show z4.dat --type 100");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("holds 1792 bytes"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("8960"), std::string::npos) << r.err;
}

TEST_F(ProfileCli, BadInputIsRefusedAndTheOldFileKept) {
    spit(file("previous.dat"), "previous");
    spit(file("unknown.json"), R"({"customer": {"Edit9": "x"}})");
    spit(file("long.json"), R"({"customer": {"Edit2": ")" + std::string(129, 'x') + "\"}}");
    spit(file("both.json"), R"({"controls": {"Edit2": {"text": "a"}}, "customer": {"Edit2": "b"}})");
    spit(file("huge.dat"), std::string(20000, 'x'));
    struct Case {
        std::string args;
        std::string message;
    };
    const Case cases[] = {
        {"profile make unknown.json --type 71 --out previous.dat", "Edit9"},
        {"profile make long.json --type 71 --out previous.dat", "at most 128"},
        {"profile make both.json --type 71 --out previous.dat", "also given"},
        {"profile make unknown.json --type 71 --base huge.dat --out previous.dat", "longer than any profile"},
        {"profile make unknown.json --type 71", "--out"},
        {"profile show huge.dat --type 71", "longer than any profile"},
        {"profile show missing.dat --type 71", "missing.dat"},
        {"profile show previous.dat", "--type"},
        {"profile show previous.dat --type 71 --firmware 300", "firmware"},
        {"profile list", "unknown profile command"},
    };
    for (const Case& c : cases) {
        const CliResult r = cli(c.args);
        EXPECT_NE(r.exitCode, 0) << c.args;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << "\n" << r.err;
        EXPECT_TRUE(r.out.empty()) << c.args;
    }
    EXPECT_EQ(slurp(file("previous.dat")), "previous");
}
