// Writes the seed corpora of the fuzz targets into fuzz/corpus/TARGET/ of the source
// tree: files and replies made by the project's own writers, encoders and simulated
// devices, in the input layout of each target. Run it after a target's input layout
// changes: build-fuzz/fuzz/make_fuzz_seeds
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <jpeglib.h>  // after <cstdio>: it needs FILE and size_t

#include "cli/DeviceJson.h"
#include "controls/Json.h"
#include "devices/GprsModuleConfigurator.h"
#include "fuzz/DeviceMemory.h"
#include "fuzz/DeviceScreenMachine.h"
#include "fuzz/SimulatedLine.h"
#include "fuzz/TransferMachine.h"
#include "settings/SettingsStoreFormat.h"
#include "sim/ConverterModel.h"
#include "sim/GeofenceModel.h"
#include "sim/GprsModuleModel.h"
#include "sim/GsmModem.h"
#include "sim/SimEndpoint.h"
#include "sim/SimNameFile.h"
#include "sim/TrackerModel.h"
#include "tests/shell/SearchTestSupport.h"
#include "sim/Z4FamilyModel.h"
#include "z4config/EditorJson.h"
#include "z4config/ImageBinding.h"
#include "z4config/ProfileFormat.h"
#include "z4config/SimNameFile.h"
#include "z4link/Frame.h"

using namespace vardeck;
using Bytes = std::vector<uint8_t>;
namespace fs = std::filesystem;

namespace {

fs::path root;

void write(const std::string& target, const std::string& name, const Bytes& bytes) {
    fs::create_directories(root / target);
    std::ofstream out(root / target / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes bytesOf(std::string_view text, Bytes prefix = {}) {
    prefix.insert(prefix.end(), text.begin(), text.end());
    return prefix;
}

Bytes readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// --- Lines --------------------------------------------------------------------------

// Appends raw-byte steps of a script for the bytes.
void rawSteps(Bytes& script, const Bytes& bytes) {
    for (std::size_t at = 0; at < bytes.size(); at += 64) {
        const std::size_t n = std::min<std::size_t>(64, bytes.size() - at);
        script.push_back(static_cast<uint8_t>(fuzz::kRawBytes + n - 1));
        script.insert(script.end(), bytes.begin() + static_cast<long>(at), bytes.begin() + static_cast<long>(at + n));
    }
}

// An operation of the transfer engine against the simulated module, recorded as the
// engine's script: what the module answered and when the ticks came.
void recordEngine(const std::string& name, int typeIndex, int firmware, int operation, uint8_t argument,
                  std::size_t limit = 8000, const std::function<void(sim::Z4FamilyModel&)>& setUp = {}) {
    const int type = fuzz::kTypes[typeIndex];
    Bytes script = {static_cast<uint8_t>(typeIndex), static_cast<uint8_t>(firmware), static_cast<uint8_t>(operation),
                    argument};
    fuzz::Machine m;
    m.engine.setDeviceType(type);
    m.engine.setFirmwareVersion(firmware);
    m.engine.queryVersionOnActivation();
    m.start(operation, argument);

    sim::Z4FamilyModel model(type, firmware);
    if (setUp) setUp(model);
    sim::SimEndpoint endpoint(model);
    sim::SimTime now{0};
    auto forward = [&] {
        for (const Bytes& w : m.channel.writes) endpoint.receive(w, now);
        m.channel.writes.clear();
    };
    for (int tick = 0; tick < 3000 && script.size() < limit; ++tick) {
        forward();
        for (Bytes due = endpoint.takeDue(now); !due.empty(); due = endpoint.takeDue(now)) {
            rawSteps(script, due);
            m.channel.deliver(due);
            forward();
        }
        if (tick > 0 && m.engine.vars().state == z4state::kIdle) break;
        now += std::chrono::milliseconds(TransferEngine::kTickPeriodMs);
        endpoint.advanceTo(now);
        script.push_back(fuzz::kTicks);
        m.engine.tick();
    }
    if (script.size() > limit) script.resize(limit);
    write("transfer_engine", name, script);
}

void engineSeeds() {
    recordEngine("version-query", 1, 43, 2, 0);
    recordEngine("read-byte-wise", 1, 32, 0, 0);
    recordEngine("read-large-blocks", 1, 43, 0, 0);
    recordEngine("read-zcid-small-blocks", 4, 30, 0, 0);
    recordEngine("write-large-blocks", 1, 43, 1, 0);
    recordEngine("write-zcid-blocks", 4, 43, 1, 0);
    recordEngine("set-clock", 0, 43, 3, 0);
    recordEngine("phonebook-read", 1, 43, 7, 0, 8000, [](sim::Z4FamilyModel& model) {
        model.gsmModem().phonebook().set(1, "+36301234567", "Kov\xE1" "cs");
        model.gsmModem().phonebook().set(4, "112", "SOS");
    });
    recordEngine("phonebook-write", 1, 43, 8, 3);
    recordEngine("pin-off", 1, 43, 9, 0);
    recordEngine("balance", 1, 43, 11, 0);
    recordEngine("imei", 1, 43, 15, 0);
    recordEngine("status", 4, 43, 16, 0, 3000);
    recordEngine("monitor", 1, 43, 17, 0, 3000);
    recordEngine("event-log", 1, 43, 18, 0);
    recordEngine("signal-history", 1, 43, 19, 0);
    recordEngine("sound-upload", 1, 43, 20, 7);
    recordEngine("data-upload", 1, 43, 21, 0);
    recordEngine("firmware-identify", 1, 43, 22, 0);
}

// A device screen's operations against its simulated device, recorded as the
// screen target's script: the actions, what the device answered and when time passed.
// `prefix` is what the target reads before the script.
void recordScreen(const std::string& target, const std::string& name, sim::DeviceModel& model, int type,
                  const Bytes& prefix, bool oldFormat, const std::vector<Bytes>& actions) {
    Bytes script = prefix;
    fuzz::ScreenMachine m(type, {});
    fuzz::SimulatedLine line(model);
    line.attach(m);
    if (oldFormat) devices::selectOldFormat(*m.screen);
    m.screen->handOver();
    auto answered = [&](const Bytes& due) { rawSteps(script, due); };
    auto stepped = [&] { script.push_back(fuzz::kScreenTime); };  // 25 ms
    auto runUntilReady = [&] {
        if (!line.runUntilReady(60000, answered, stepped)) {
            std::fprintf(stderr, "screen seed %s/%s: the screen did not get ready\n", target.c_str(), name.c_str());
            std::exit(1);
        }
    };
    runUntilReady();
    for (const Bytes& action : actions) {
        script.insert(script.end(), action.begin(), action.end());
        fuzz::FuzzInput in(action.data(), action.size());
        m.step(in);
        runUntilReady();
    }
    write(target, name, script);
}

// The script step of an installer's action.
Bytes action(fuzz::ScreenAction a, Bytes then = {}) {
    then.insert(then.begin(), static_cast<uint8_t>(fuzz::kScreenAction + a));
    return then;
}

// The script step that types `text` into the screen's editable control `name`.
Bytes typeInto(int type, const std::string& name, const std::string& text) {
    fuzz::ScreenMachine m(type, {});
    const auto names = m.screen->editableControls();
    const auto at = std::find(names.begin(), names.end(), name) - names.begin();
    return action(fuzz::kActEdit, bytesOf(text, {static_cast<uint8_t>(at), static_cast<uint8_t>(text.size())}));
}

void screenSeeds() {
    const Bytes read = action(fuzz::kActRead), write = action(fuzz::kActWrite);
    {
        sim::GprsModuleModel model;
        recordScreen("gprs_module_reply", "read-write", model, 30, {}, false, {read, write});
    }
    {
        sim::ConverterModel model;
        recordScreen("converter_reply", "read-write", model, 50, {}, false,
                     {read, typeInto(50, "Edit10", "12AB"), write});
    }
    {
        sim::ConverterModel model;
        recordScreen("converter_reply", "write-reads-first", model, 50, {}, false,
                     {typeInto(50, "Edit10", "1234"), write});
    }
    {
        sim::TrackerModel model;
        recordScreen("tracker_reply", "new-read-write", model, 60, {0}, false, {read, write});
    }
    {
        sim::TrackerModel model;
        recordScreen("tracker_reply", "old-read-write", model, 60, {1}, true, {read, write});
    }
    {
        sim::GeofenceModel model;
        recordScreen("geofence_reply", "read-write", model, 61, {}, false, {read, write});
    }
}

// Each device's memory as it comes from the maker (the converter with its account
// code typed, which its screen asks for before a write).
void deviceMemorySeeds() {
    const char* names[] = {"gprs-module", "converter", "tracker-new", "tracker-old", "geofence"};
    for (std::size_t i = 0; i < fuzz::deviceMemories().size(); ++i) {
        const fuzz::DeviceMemory& device = fuzz::deviceMemories()[i];
        const auto model = fuzz::makeDeviceModel(device.type);
        if (device.type == 50) std::copy_n(Bytes{1, 2, 3, 4}.begin(), 4, model->memory().begin() + 106);
        Bytes seed = fuzz::readPart(device, model->memory());
        seed.insert(seed.begin(), static_cast<uint8_t>(i));
        write("device_round_trip", names[i], seed);
    }
}

// Each screen's controls as `vardeck-cli device read` writes them, and a few edits.
void deviceJsonSeeds() {
    const std::pair<int, uint8_t> screens[] = {{30, 0}, {50, 1}, {60, 2}, {61, 3}};
    for (const auto& [type, selector] : screens) {
        fuzz::ScreenMachine m(type, {});
        const std::string text = controls::writeJson(cli::screenToJson(*m.screen));
        write("device_json", "screen-" + std::to_string(type), bytesOf(text, {selector}));
    }
    write("device_json", "converter-edits",
          bytesOf("{\"controls\": {\"CheckBox1\": {\"checked\": false}, \"Edit10\": {\"text\": \"12ab\"},"
                  " \"SpinEdit1\": {\"value\": 300}}}", {1}));
    write("device_json", "tracker-old-format",
          bytesOf("{\"controls\": {\"Edit1\": {\"text\": \"192.000.002.010\"}, \"Edit2\": {\"text\": \"49000\"}}}",
                  {0x82}));
    write("device_json", "geofence-number", bytesOf("{\"controls\": {\"Edit1\": {\"text\": \"+36301234567\"}}}", {3}));
}

// The search target's script, run on a rig of its own as the target runs it, so that
// each reply goes out right after the frame it answers.
class SearchScript {
public:
    explicit SearchScript(uint8_t choice) : script{choice} {
        if (choice % 2 == 0) {
            if (choice & 0x80) rig.store("mode", "TRAXO");
            rig.startSearch();
        } else {
            rig.usbDevices = {{"ttyUSB0 (usb-adapter)", "ttyUSB0", "/dev/serial/by-id/usb-adapter"}};
            rig.comprt().FormActivate();
            rig.comprt().BitBtn2Click();
            line = &rig.portChannel;
        }
    }
    void wait(int steps) {
        for (int i = 0; i < steps; ++i) tick();
    }
    // Time passes until the line carries the identification frame; then the answer.
    void answerIdentification(int code) {
        for (int i = 0; i < 2000; ++i) {
            const bool probed = !line->writes.empty() && line->writes.back() == Bytes(kIdentificationFrame.begin(),
                                                                                       kIdentificationFrame.end());
            line->writes.clear();
            if (probed) break;
            tick();
        }
        frame(0xAB, 0x00, 0xFF, static_cast<uint8_t>(code));
    }
    void frame(uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3) {
        script.insert(script.end(), {0x80, p0, p1, p2, p3});
        line->deliver(testing::replyFrame(p0, p1, p2, p3));
    }
    void button(uint8_t op) {
        script.push_back(op);
        if (op & 1) rig.form1().BitBtn1Click();
        else rig.form1().BitBtn2Click();
    }
    // The steps so far, after checking that the search did what the seed is for.
    const Bytes& made(const std::string& expectedCall) const {
        if (rig.host.count(expectedCall) != 1) {
            std::fprintf(stderr, "search seed: no \"%s\"\n", expectedCall.c_str());
            std::exit(1);
        }
        return script;
    }

    Bytes script;
    testing::SearchRig rig;
    testing::FakeChannel* line = &rig.channel;

private:
    void tick() {
        script.push_back(0xC0);  // 10 ms
        rig.clock.advance(10);
    }
};

void searchSeeds() {
    const std::pair<int, std::string> found[] = {{30, "showForm1AsGprs"}, {71, "openZ4Configurator 71"},
                                                 {100, "openZ4Configurator 100"},
                                                 {50, "openForm5 1 GPRS to ContacdID konverter"},
                                                 {61, "openForm7 1"}};
    for (const auto& [code, call] : found) {
        SearchScript s(0);
        s.answerIdentification(code);
        s.wait(250);
        write("search_reply", "identify-" + std::to_string(code), s.made(call));
    }
    SearchScript tracker(0x80);
    tracker.answerIdentification(60);
    tracker.wait(250);
    write("search_reply", "identify-tracker", tracker.made("openTraxomain 0"));

    // A GPRS module found, then read and written in the main view, every frame answered.
    SearchScript gprs(0);
    gprs.answerIdentification(30);
    gprs.wait(250);
    gprs.button(0xBC);  // read
    for (int i = 0; i < devices::GprsModuleConfigurator::kReadFrames; ++i) gprs.frame(0xAB, 0x00, static_cast<uint8_t>(i), static_cast<uint8_t>(i * 7));
    gprs.button(0xBD);  // write
    for (int i = 0; i < 400 && gprs.rig.form1().state() == 101; ++i) gprs.frame(0xAB, 0x01, static_cast<uint8_t>(i), 0);
    if (gprs.rig.form1().state() != devices::GprsModuleConfigurator::kAllWritten) {
        std::fprintf(stderr, "search seed: the GPRS module's write did not end (state %d)\n", gprs.rig.form1().state());
        std::exit(1);
    }
    write("search_reply", "gprs-read-write", gprs.made("showForm1AsGprs"));

    SearchScript scan(1);
    scan.answerIdentification(71);
    scan.wait(20);
    write("search_reply", "port-scan", scan.made("message Ready COM1"));
}

void modemSeeds() {
    sim::GsmModemSettings settings;
    settings.phonebook.set(1, "+36301234567", "Kovács");
    settings.phonebook.set(2, "+36209876543", "Ügyelet");
    sim::GsmModem modem(settings);
    sim::SimTime now{0};
    int n = 0;
    for (std::string line : {"AT\r", "AT+CPBS=\"SM\"\r\n", "AT+CPBR=001\r", "AT+CPBR=003\r", "AT+CPIN=\"0000\"\r",
                             "ATD*102#;\r", "AT+CGSN\r"}) {
        modem.receive(Bytes(line.begin(), line.end()), now);
        now += std::chrono::seconds(3);
        modem.advanceTo(now);
        Bytes answer;
        for (const sim::Emission& e : modem.takeOutput()) answer.insert(answer.end(), e.bytes.begin(), e.bytes.end());
        write("modem_answer", "answer-" + std::to_string(++n), answer);
    }
}

// --- Files --------------------------------------------------------------------------

z4config::Image demoImage() {
    const Bytes bytes = readFile(fs::path(VARDECK_SOURCE_DIR) / "resources/demo/trix-demo.img");
    z4config::Image image{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), image.size()), image.begin());
    return image;
}

void imageSeeds() {
    const z4config::Image demo = demoImage();
    write("image_round_trip", "trix-demo", bytesOf({reinterpret_cast<const char*>(demo.data()), demo.size()}, {1}));
    // What a fresh Z-CID editor writes over an erased module.
    z4config::Z4Editor editor(z4config::kTypeCid);
    editor.setUpForDeviceType(z4config::kTypeCid);
    z4config::Image image;
    image.fill(0xFF);
    editor.refreshPagesBeforeWrite();
    z4config::encodeImage(editor, image, {});
    write("image_round_trip", "zcid-defaults", bytesOf({reinterpret_cast<const char*>(image.data()), image.size()}, {4}));
}

void profileSeeds() {
    const z4config::Image demo = demoImage();
    const z4config::CustomerFields customer = {"Kovács Kft.", "Budapest, Fő utca 1.", "+36301234567", "Központ 8",
                                               "T-RIX", "2024.03.09. 17:05"};
    Bytes trix = z4config::makeProfile(demo, z4config::kTypeTrix, customer);
    trix.insert(trix.begin(), 1);
    write("profile_file", "trix-profile", trix);
    Bytes cid = z4config::makeProfile(demo, z4config::kTypeCid, customer);
    cid.insert(cid.begin(), 4);
    write("profile_file", "zcid-profile", cid);
    Bytes personal(demo.begin(), demo.begin() + 1024);
    personal.insert(personal.begin(), 0x81);
    write("profile_file", "personal-profile", personal);
}

void jsonSeeds() {
    z4config::Z4Editor editor(z4config::kTypeTrix);
    editor.setUpForDeviceType(z4config::kTypeTrix);
    const controls::JsonValue all = z4config::editorToJson(editor);
    controls::JsonValue some = controls::JsonValue::object();
    int kept = 0;
    for (const auto& [name, state] : all.find("controls")->asObject())
        if (kept++ % 40 == 0) some.set(name, state);
    controls::JsonValue document = controls::JsonValue::object();
    document.set("controls", some);
    const std::string text = controls::writeJson(document);
    write("editor_json", "controls", bytesOf(text, {1, 43}));
    write("json_reader", "controls", bytesOf(text));
    const std::string profile =
        "{\"customer\": {\"Edit2\": \"Kovács Kft.\", \"Edit7\": \"2024\"},\n"
        " \"controls\": {\"CheckBox11\": {\"checked\": true}},\n"
        " \"tables\": {\"masks\": [0, 255]}}\n";
    write("editor_json", "profile", bytesOf(profile, {0x84, 33}));
    write("json_reader", "values", bytesOf("[null, true, -12, 3.5e-2, \"\\u00e9\\t\\\"\", {\"a\": []}]"));
}

void settingsSeeds() {
    settings::SettingsDocument doc;
    doc.set("\\software\\GSM\\TRIX", "comport", "\\\\.\\COM12");
    doc.set("\\software\\GSM\\TRIX", "company", "*Ügyfél Kft. ");
    doc.set("\\software\\GSM\\TRIX\\ports", "COM3", "/dev/ttyUSB0");
    doc.set("\\software\\GSM\\TRIX", "monitor", "line one\nline two");
    const std::string text = doc.serialize();
    write("settings_file", "written", bytesOf(text, {1}));
    // Set "mode" to "%\r " in the written file: mode byte, three lengths, key, name, value, file.
    const std::string key = "\\software\\GSM\\TRIX", name = "mode", value = "%\r ";
    Bytes set = {0, static_cast<uint8_t>(key.size()), static_cast<uint8_t>(name.size()), static_cast<uint8_t>(value.size())};
    write("settings_file", "set-value", bytesOf(key + name + value + text, set));
}

void simNameSeeds() {
    z4config::SimNames names;
    names.rowCount = 4;
    names.numbers[0] = "+36301234567";
    names.names[0] = "Kovács";
    names.numbers[2] = "+36209876543";
    names.names[2] = "Ügyelet";
    sim::SimPhonebook phonebook;
    phonebook.set(1, "+36301234567", "Kov\xE1" "cs");
    phonebook.set(250, "112", "SIM250");
    // The program and the simulator read the same format: each reader gets both files.
    for (const char* target : {"sim_name_file", "sim_phonebook_file"}) {
        write(target, "program", bytesOf(z4config::writeSimNames(names)));
        write(target, "simulator", bytesOf(sim::formatSimNameFile(phonebook)));
    }
}

void jpegSeed() {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = 16;
    cinfo.image_height = 8;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    Bytes row(16 * 3);
    for (int x = 0; x < 16; ++x) row[static_cast<std::size_t>(x * 3)] = x < 8 ? 255 : 0;
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    write("jpeg_logo", "logo", Bytes(buffer, buffer + size));
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
}

void smallFileSeeds() {
    // A WAV file of the module's format: RIFF header, format chunk, 300 samples.
    Bytes wav = bytesOf("RIFF");
    auto le32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) wav.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    le32(36 + 300);
    wav = bytesOf("WAVEfmt ", wav);
    le32(16);
    wav.insert(wav.end(), {1, 0, 1, 0});  // PCM, mono
    le32(8000);
    le32(8000);
    wav.insert(wav.end(), {1, 0, 8, 0});  // one byte a frame, 8 bits
    wav = bytesOf("data", wav);
    le32(300);
    for (int i = 0; i < 300; ++i) wav.push_back(static_cast<uint8_t>(128 + (i % 32) * 4));
    write("wav_check", "module-format", wav);

    const Bytes firmware = readFile(fs::path(VARDECK_SOURCE_DIR) / "resources/firmware/standin-firmware-4.3.5.hex");
    write("firmware_text", "carried-start", Bytes(firmware.begin(), firmware.begin() + std::min<std::size_t>(firmware.size(), 2048)));
    write("firmware_text", "lines", bytesOf("00 01 02 0a\r\nFFfe\n\tzz80\n"));

    write("contact_text", "utf8", bytesOf("Zelkor szerviz\r\nTel.: +36 1 234 5678\r\nÁrvíztűrő tükörfúrógép\t1.\n"));
    write("contact_text", "cp1250", bytesOf("Szerviz: \xC1rv\xEDzt\xFBr\xF5 t\xFCk\xF6rf\xFAr\xF3g\xE9p\r\n"));
}

}  // namespace

int main() {
    root = fs::path(VARDECK_SOURCE_DIR) / "fuzz/corpus";
    engineSeeds();
    screenSeeds();
    deviceJsonSeeds();
    deviceMemorySeeds();
    searchSeeds();
    modemSeeds();
    imageSeeds();
    profileSeeds();
    jsonSeeds();
    settingsSeeds();
    simNameSeeds();
    jpegSeed();
    smallFileSeeds();
    return 0;
}
