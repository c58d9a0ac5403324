#include <gtest/gtest.h>

#include "shell/SearchBrandLayout.h"
#include "tests/shell/SearchTestSupport.h"

namespace vardeck {
namespace {

using testing::SearchRig;

constexpr const char* kNoRights = "message Nincs windows írási joga! Kérem futtasa a programot Rendszergazdaként!";

struct CaptionCase {
    int brand;
    std::string language;
    std::string caption;
    std::string exitButton;
    std::string portOk;
};

TEST(Form8SearchView, CaptionsByLanguageAndBrand) {
    const CaptionCase cases[] = {
        {1, "0", "Keresés... TRIX", "Kilépés", "Rendben (Exit)"},
        {1, "1", "Search... TRIX", "Exit", "Ok (Exit)"},
        {1, "2", "GSM die inspektion", "Beenden", "Ok (Beenden)"},
        {1, "3", "GSM preverba", "Izhod", "Ok (Izhod)"},
        {40, "0", "Keresés... KVEX", "Kilépés", "Rendben (Exit)"},
        {40, "1", "Search... TRIX", "Exit", "Ok (Exit)"},
        {41, "0", "Keresés... TORVEL", "Kilépés", "Rendben (Exit)"},
        {20, "2", "Search... Galvane GSM", "Beenden", "Ok (Beenden)"},
        {30, "1", "Keresés... VEMTA", "Exit", "Ok (Exit)"},
        {50, "3", "Search... Pemo GSM", "Izhod", "Ok (Izhod)"},
    };
    for (const CaptionCase& c : cases) {
        SearchRig rig(c.brand);
        rig.store("Language", c.language);
        rig.form8().FormActivate();
        EXPECT_EQ(rig.form8().Form8.caption(), c.caption) << c.brand << "/" << c.language;
        EXPECT_EQ(rig.form8().BitBtn1.caption(), c.exitButton) << c.brand << "/" << c.language;
        EXPECT_EQ(rig.comprt().BitBtn1.caption(), c.portOk) << c.brand << "/" << c.language;
    }
}

TEST(Form8SearchView, LanguageLampsByBrand) {
    SearchRig standard(1);
    standard.store("Language", "2");
    standard.form8().FormActivate();
    const Form8Model& s = standard.form8();
    EXPECT_FALSE(s.hhALed1.lit());
    EXPECT_FALSE(s.hhALed2.lit());
    EXPECT_TRUE(s.hhALed3.lit());
    EXPECT_FALSE(s.hhALed4.lit());
    EXPECT_FALSE(s.TILed3.visible());

    SearchRig square(50);
    square.store("Language", "1");
    square.form8().FormActivate();
    const Form8Model& q = square.form8();
    EXPECT_FALSE(q.hhALed2.visible());
    EXPECT_TRUE(q.TILed2.visible());
    EXPECT_EQ(q.TILed2.color(), controls::kGreen);
    EXPECT_EQ(q.TILed1.color(), controls::kRed);
    EXPECT_EQ(q.TILed4.color(), controls::kRed);

    SearchRig none(20);
    none.store("Language", "1");
    none.form8().FormActivate();
    for (const controls::Lamp* lamp : {&none.form8().hhALed2, &none.form8().TILed2}) {
        EXPECT_FALSE(lamp->visible());
        EXPECT_FALSE(lamp->lit());
    }
}

TEST(Form8SearchView, HandWrittenLanguageKeepsTheCaptions) {
    SearchRig rig;
    rig.store("Language", "1");
    rig.form8().FormActivate();
    rig.store("Language", "7");
    rig.form8().FormActivate();
    EXPECT_EQ(rig.form8().Form8.caption(), "Search... TRIX");
    EXPECT_TRUE(rig.form8().hhALed2.lit());
    EXPECT_EQ(rig.stored("Language"), "7");
}

TEST(Form8SearchView, EmptyLanguageIsStoredAsHungarian) {
    SearchRig rig;
    rig.form8().FormActivate();
    EXPECT_EQ(rig.stored("Language"), "0");
    EXPECT_EQ(rig.form8().appliedLanguage(), "0");
    EXPECT_EQ(rig.stored("StartDate").rfind("2024.03.09.", 0), 0u);
    EXPECT_TRUE(rig.host.calls.empty());
}

TEST(Form8SearchView, StoreRefusingWritesIsReportedOnEveryActivation) {
    SearchRig rig;
    rig.memory->setRefuseWrites(true);
    rig.form8().FormActivate();
    EXPECT_EQ(rig.host.count(kNoRights), 1);
    EXPECT_EQ(rig.form8().Form8.caption(), "Keresés... TRIX");  // goes on with defaults
    rig.form8().Image8Click();
    EXPECT_EQ(rig.host.count(kNoRights), 2);
}

TEST(Form8SearchView, FlagStoresTheLanguageAndBlinks) {
    SearchRig rig;
    rig.form8().FormActivate();
    rig.form8().Image9Click();
    EXPECT_EQ(rig.stored("Language"), "2");
    EXPECT_EQ(rig.form8().Form8.caption(), "GSM die inspektion");
    EXPECT_TRUE(rig.form8().zido.enabled());
    std::vector<bool> seen;
    for (int i = 0; i < 6; ++i) {
        rig.clock.advance(200);
        seen.push_back(rig.form8().Image9.visible());
        EXPECT_TRUE(rig.form8().Image7.visible());
    }
    EXPECT_EQ(seen, (std::vector<bool>{false, true, false, true, false, true}));
    EXPECT_FALSE(rig.form8().zido.enabled());
}

TEST(Form8SearchView, SecondFlagDuringABlinkBringsTheFirstBack) {
    SearchRig rig;
    rig.form8().FormActivate();
    rig.form8().Image7Click();
    rig.clock.advance(200);
    ASSERT_FALSE(rig.form8().Image7.visible());
    rig.form8().Image11Click();
    EXPECT_TRUE(rig.form8().Image7.visible());
    rig.clock.advance(1200);
    for (const controls::Picture* f : {&rig.form8().Image7, &rig.form8().Image8, &rig.form8().Image9,
                                    &rig.form8().Image11}) {
        EXPECT_TRUE(f->visible());
    }
    EXPECT_EQ(rig.stored("Language"), "3");
}

TEST(Form8SearchView, GaugeRunsToOneHundredAndStops) {
    SearchRig rig;
    rig.clock.advance(50 * 99);
    EXPECT_EQ(rig.form8().Gauge2.progress(), 99);
    rig.clock.advance(50);
    EXPECT_EQ(rig.form8().Gauge2.progress(), 100);
    EXPECT_FALSE(rig.form8().gaugeido.enabled());
}

TEST(Form8SearchView, BrandLayouts) {
    SearchRig standard(1);
    standard.form8().FormActivate();
    EXPECT_TRUE(standard.form8().Image16.visible());
    EXPECT_FALSE(standard.form8().Panel1.visible());
    EXPECT_TRUE(standard.form8().Panel3.visible());
    EXPECT_FALSE(standard.form8().Panel4.visible());

    SearchRig quorvex(10);
    quorvex.form8().FormActivate();
    EXPECT_EQ(quorvex.form8().Panel1.caption(), "Quorvex Z1");
    EXPECT_EQ(quorvex.form8().Panel3.picture(), "brand10/Panel3");
    EXPECT_TRUE(quorvex.form8().Image12.visible());
    EXPECT_FALSE(quorvex.form8().Image14.visible());
    EXPECT_FALSE(quorvex.form8().Panel7.visible());

    SearchRig galvane(20);
    galvane.form8().FormActivate();
    EXPECT_FALSE(galvane.form8().Image8.visible());
    EXPECT_FALSE(galvane.form8().Panel3.visible());
    EXPECT_TRUE(galvane.form8().Panel1.visible());
    EXPECT_EQ(galvane.form8().Form8.icon(), "brand20/icon");

    SearchRig kvex(40);
    kvex.form8().FormActivate();
    EXPECT_TRUE(kvex.form8().Panel8.visible());
    EXPECT_TRUE(kvex.form8().Panel1.visible());
    EXPECT_EQ(kvex.form8().Panel3.caption(), "K-VEX");
}

TEST(Form8SearchView, Brand50LogoAndOneTimeMove) {
    SearchRig rig(50);
    rig.form8().FormActivate();
    EXPECT_EQ(rig.form8().Image14.placement().left, 24);
    EXPECT_EQ(rig.form8().Image14.picture(), Form8Model::kFallbackPicture);
    EXPECT_EQ(rig.form8().BitBtn1.placement().topShift, -200);
    EXPECT_EQ(rig.form8().Form8.placement().heightShift, -200);
    EXPECT_EQ(rig.form8().Panel3.caption(), "Ostera");
    rig.loadablePicture = "/start/logo.jpg";
    rig.form8().FormActivate();
    EXPECT_EQ(rig.form8().Image14.picture(), "/start/logo.jpg");
    EXPECT_EQ(rig.form8().BitBtn2.placement().topShift, -200);
    EXPECT_EQ(rig.form8().Gauge2.placement().topShift, -200);
}

TEST(Form8SearchView, FlashedPanelGetsItsColourBackOnActivation) {
    SearchRig rig;
    rig.startSearch();
    rig.form8().Panel3.setColor(controls::kRed);
    rig.form8().FormActivate();
    EXPECT_EQ(rig.form8().Panel3.color(), kSearchGrey);
    EXPECT_EQ(rig.form8().Panel3.fontColor(), kCaptionGrey);
}

TEST(Form8SearchView, Buttons) {
    SearchRig rig;
    rig.startSearch();
    ASSERT_TRUE(rig.channel.IsOpen());
    rig.form8().BitBtn3Click();
    EXPECT_FALSE(rig.channel.IsOpen());
    EXPECT_EQ(rig.host.calls, (std::vector<std::string>{"showPortView"}));
    rig.form8().BitBtn1Click();
    EXPECT_EQ(rig.host.calls.back(), "endProgram");

    rig.form8().D1Click(3);
    ASSERT_TRUE(rig.form1().vilogo.enabled());
    rig.form8().FormClose();
    EXPECT_FALSE(rig.form1().vilogo.enabled());
}

TEST(Form8SearchView, LayoutRowsForUnknownControlsAreSkipped) {
    controls::ControlRegistry registry;
    controls::Panel& panel = registry.add<controls::Panel>("Panel1", "x");
    const LayoutChange rows[] = {{"Panel1", LayoutProperty::Caption, "y"},
                                 {"Nothing", LayoutProperty::Hide},
                                 {"Panel1", LayoutProperty::Left, "", 5}};
    applyLayout(rows, registry);
    EXPECT_EQ(panel.caption(), "y");
    EXPECT_EQ(panel.placement().left, 5);
}

}  // namespace
}  // namespace vardeck
