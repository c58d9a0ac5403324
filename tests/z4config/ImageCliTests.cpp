// Runs the built vardeck-cli on image and JSON files in a temporary folder.
#include <random>

#include "CliTestSupport.h"
#include "z4config/ImageEncodings.h"
#include "controls/Json.h"

namespace fs = std::filesystem;
using vardeck::controls::JsonValue;
using namespace vardeck::z4config::testing;

namespace {

using Result = CliResult;

class ImageCli : public CliTest {
protected:
    void expectRoundTrip(const std::string& image, const std::string& type);

    static void expectSameBytes(const std::string& actual, const std::string& expected) {
        ASSERT_EQ(actual.size(), expected.size());
        for (std::size_t i = 0; i < actual.size(); ++i)
            ASSERT_EQ(static_cast<int>(static_cast<unsigned char>(actual[i])), static_cast<int>(static_cast<unsigned char>(expected[i])))
                << "byte " << i;
    }

    JsonValue decodeJson(const std::string& args) const {
        Result r = cli("decode " + args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        std::string error;
        auto doc = vardeck::controls::parseJson(r.out, error);
        EXPECT_TRUE(doc) << error;
        return doc ? *doc : JsonValue();
    }
};

}  // namespace

// The decode printed by the program, applied over the image it came from, writes that
// image again.
void ImageCli::expectRoundTrip(const std::string& image, const std::string& type) {
    const JsonValue first = decodeJson(image + " --type " + type);
    spit(file("first.json"), vardeck::controls::writeJson(first));
    Result r = cli("encode first.json --type " + type + " --company '*Kft' --base " + image + " --out again.img");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    expectSameBytes(slurp(file("again.img")), slurp(file(image)));
    EXPECT_EQ(vardeck::controls::writeJson(decodeJson("again.img --type " + type)), vardeck::controls::writeJson(first));
}

TEST_F(ImageCli, EncodeOfASubsetThenDecodeAndEncodeAgainGivesTheSameImage) {
    std::string base(8192, '\xFF');
    base[254] = 33;  // a Z-CID without the remote-monitoring page
    spit(file("base.img"), base);
    std::string events = "[[\"E130\", \"Betores\"]";
    std::string masks = "[7";
    for (int i = 1; i < 161; ++i) events += ", [\"\", \"\"]", masks += ", " + std::to_string(i);
    spit(file("edit.json"), R"({"controls": {
        "MaskEdit1": {"text": "+36301234567"}, "MaskEdit2": {"text": "0620 555"},
        "SMSst1": {"items": [true, true, true, false, false, false, false, false]},
        "riasztas": {"text": "Betörés a raktárban"}, "SpinEdit4": {"value": 60},
        "KI1SECMIN": {"index": 1}, "SpinKI1": {"value": 5}, "CheckBox11": {"checked": true},
        "ComboBox20": {"index": 8}, "CIDbe1": {"text": "A3"}, "ComboBox14": {"index": 1},
        "Edit12": {"text": "Riasztó"}},
      "tables": {"StringGrid3": )" + events + "], \"masks\": " + masks + "]}}");
    Result r = cli("encode edit.json --type 100 --company '*Kft' --base base.img --out a.img");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string a = slurp(file("a.img"));
    ASSERT_EQ(a.size(), 8192u);
    EXPECT_EQ(a.substr(256, 13), "+36301234567\xFF");
    EXPECT_EQ(a.substr(272, 5), "0620\xFF");
    EXPECT_EQ(a[9], '\x03');  // phone 3 is empty: its recipient item is unchecked
    EXPECT_EQ(a.substr(512, 20), "Bet\xF6r\xE8s a rakt\xE0rban\xFF");
    EXPECT_EQ(a.substr(65, 2), std::string("\x01\x2C", 2));  // 5 minutes
    EXPECT_EQ(a[114], 83);
    EXPECT_EQ(a.substr(1040, 3), std::string(3, '\xFF'));  // no monitoring page: zone names stay
    EXPECT_EQ(a.substr(1536, 6), std::string("\x01\x01\x03\x0A\x07\x00", 6));
    EXPECT_EQ(a.substr(384, 4), "Kft\xFF");

    const JsonValue first = decodeJson("a.img --type 100");
    EXPECT_EQ(first.find("controls")->find("SpinKI1")->find("value")->asInteger(), 300);
    EXPECT_EQ(first.find("controls")->find("ComboBox20")->find("item")->asString(), "12V");
    EXPECT_EQ(first.find("controls")->find("ComboBox14")->find("index")->asInteger(), 1);
    EXPECT_EQ(first.find("tables")->find("masks")->asArray()[0].asInteger(), 7);
    EXPECT_EQ(first.find("tables")->find("StringGrid3")->asArray()[0].asArray()[1].asString(), "Betores");
    expectRoundTrip("a.img", "100");

    r = cli("encode edit.json --type 71 --company '*Kft' --out b.img");  // no base: defaults over zeros
    ASSERT_EQ(r.exitCode, 0) << r.err;
    expectRoundTrip("b.img", "71");
}

TEST_F(ImageCli, DecodePrintsTheFirmwareAndTheVersionDependentControls) {
    std::string image(8192, '\xFF');
    image[254] = 33;
    image[252] = 2;
    spit(file("m.img"), image);
    JsonValue doc = decodeJson("m.img --type 70");
    const JsonValue& controls = *doc.find("controls");
    EXPECT_EQ(controls.find("StatusBar1")->find("panels")->asArray()[2].asString(), "Sw: 3.3.2");
    EXPECT_FALSE(controls.find("best15")->find("visible")->asBool());
    doc = decodeJson("m.img --type 70 --firmware 41");
    EXPECT_TRUE(doc.find("controls")->find("best15")->find("visible")->asBool());
    EXPECT_TRUE(doc.find("controls")->find("TabSheet27")->find("visible")->asBool());
}

TEST_F(ImageCli, ErrorsNameTheProblemExitNonZeroAndWriteNothing) {
    spit(file("short.img"), std::string(100, '\0'));
    spit(file("ok.img"), std::string(8192, '\xFF'));
    spit(file("previous.img"), "previous");
    struct Case {
        std::string args;
        std::string message;
    };
    spit(file("unknown.json"), R"({"controls": {"SpinEdit99": {"value": 1}}})");
    spit(file("kind.json"), R"({"controls": {"best11": {"checked": "yes"}}})");
    spit(file("range.json"), R"({"controls": {"SpinEdit8": {"value": 251}}})");
    spit(file("broken.json"), R"({"controls": )");
    spit(file("masks.json"), R"({"tables": {"masks": [256]}})");
    const Case cases[] = {
        {"decode missing.img --type 71", "missing.img"},
        {"decode short.img --type 71", "holds 100 bytes"},
        {"decode ok.img", "--type"},
        {"decode ok.img --type 72", "unknown device type"},
        {"encode unknown.json --type 71 --out new.img", "unknown control \"SpinEdit99\""},
        {"encode kind.json --type 71 --out new.img", "must be a boolean"},
        {"encode range.json --type 71 --out new.img", "outside 10 to 250"},
        {"encode broken.json --type 71 --out new.img", "line 1"},
        {"encode masks.json --type 71 --out new.img", "masks"},
        {"encode missing.json --type 71 --out new.img", "missing.json"},
        {"encode range.json --type 71 --base short.img --out new.img", "holds 100 bytes"},
        {"encode kind.json --type 71", "--out"},
        {"encode range.json --type 90 --out previous.img", "outside 10 to 250"},
    };
    for (const Case& c : cases) {
        Result r = cli(c.args);
        EXPECT_NE(r.exitCode, 0) << c.args;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << "\n" << r.err;
        EXPECT_TRUE(r.out.empty()) << c.args;
        EXPECT_FALSE(fs::exists(file("new.img"))) << c.args;
    }
    EXPECT_EQ(slurp(file("previous.img")), "previous");
    for (auto& entry : fs::directory_iterator(dir_)) EXPECT_EQ(entry.path().string().find(".tmp-"), std::string::npos);
}
