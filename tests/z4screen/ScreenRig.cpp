#include "tests/z4screen/ScreenRig.h"

#include <chrono>

#include "brand/Brand.h"
#include "brand/ModelTexts.h"
#include "controls/Controls.h"

namespace vardeck::testing {

namespace {

z4screen::Z4ScreenEnvironment environment(int brand, const std::string& startDir, ModuleClockTime& clock,
                                          std::vector<std::string>& captions, ReportClient* reportClient) {
    z4screen::Z4ScreenEnvironment env;
    env.reportClient = reportClient;
    env.brandCode = brand;
    env.startDir = startDir;
    env.clock = [&clock] { return clock; };
    env.setSearchCaption = [&captions](const std::string& text) { captions.push_back(text); };
    return env;
}

}  // namespace

ScreenRig::ScreenRig(int code, int firmware, int brand, const std::string& startDir, ReportClient* reportClient)
    : model(code, firmware),
      endpoint(model),
      channel(endpoint),
      screen(channel, dialogs, environment(brand, startDir, clock, searchCaptions, reportClient)),
      typeCode(code) {}

void ScreenRig::handOverAndActivate(int demoFirmware) {
    screen.hideOptionalPages();
    Z4Handover handover;
    handover.typeCode = typeCode;
    handover.statusText = z4ModelTexts(screen.brandCode(), typeCode).statusText;
    handover.demoFirmwareVersion = demoFirmware;
    screen.handOver(handover);
    screen.activate();
}

void ScreenRig::tick() {
    const sim::SimTime end = channel.now() + std::chrono::milliseconds(z4screen::Z4Configurator::kTickPeriodMs);
    for (int guard = 0; guard < 20000; ++guard) {
        const std::optional<sim::SimTime> next = endpoint.nextEvent();
        if (!next || *next > end) break;
        channel.advanceToNextEvent();
    }
    channel.advance(end - channel.now());
    screen.tick();
    while (channel.deliver() > 0) {
    }
}

bool ScreenRig::runUntilIdle(int maxTicks) {
    for (int i = 0; i < maxTicks; ++i) {
        if (screen.engine().vars().state == 0) return true;
        tick();
    }
    return screen.engine().vars().state == 0;
}

void ScreenRig::typeText(const std::string& edit, const std::string& text) {
    control<controls::Edit>(edit).setText(text);
    screen.userChanged(edit);
}

std::string ScreenRig::setting(const std::string& name) {
    return store->read(brandInfo(screen.brandCode()).brandKey, name).value_or("");
}

void ScreenRig::setSetting(const std::string& name, const std::string& value) {
    store->write(brandInfo(screen.brandCode()).brandKey, name, value);
}

}  // namespace vardeck::testing
