// The language menu of the configurator's window: every text kind follows the chosen
// language at once — tab pages, labels, list items, menu items, the transfer engine's
// status texts, questions and the editor's warnings — and rows without a text in a
// language keep what the previous one gave them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "tests/z4ui/Z4WindowRig.h"

namespace vardeck::testing {
namespace {

using Language = Z4WindowRig;

// A key press that brings a letter no ASCII key has, as a keyboard layout would.
void typeLetter(QWidget* field, const QString& letter) {
    field->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, letter);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, letter);
    QApplication::sendEvent(field, &press);
    QApplication::sendEvent(field, &release);
}

struct LanguageTexts {
    const char* menuItem;
    const char* lifeSignalPage;  // TabSheet13
    const char* tamperTitle;     // Label42
    const char* inputType1;      // ComboBox1 item 1
    const char* voiceTest;       // menu item Voicehvstest1
    const char* readDone;        // status panel 3 after a read
    const char* restartQuestion;
    const char* accentWarning;
};

const LanguageTexts kLanguages[] = {
    {"Angol1", "Life signal", "Settings of Tamper", "01/ 24h normal input", "Voice calling test (no sound)",
     "Successful readout!", "Are you sure to restart the module?",
     "Please use characters only from the English alphabet!"},
    {"German1", "Statusmeldungen", "Einstellung Gehäuseschalter", "01/ immer aktiv", "Sprachanruf testen",
     "Auslesen Erfolgreich!", "Wollen Sie das Modul wirklich neustarten?", "Bitte keine Umlaute/Sonderzeichen!"},
    {"Sloven1", "Signal statusa", "Settings of Tamper", "01/ 24h normalni vhod", "Test glasovnega klica",
     "Odčitavanje uspešno!", "Ali ste prepričani, da želite ponovno zagnati modul?",
     "Prosimo, uporabite znake samo iz angleške abecede!"},
    {"Magyar1", "Életjel", "Tamper beállításai", "01/ 24h normál bemenet", "Voice hívás test (Hang nélkül)",
     "Összes adat kiolvasása sikeres!", "Biztosan újra akarja inditani az eszközt?",
     "ékezetes karakterek rosszul jelenhetnek meg a telefonon, kérem ne használjon ékezetes karaktereket!"},
};

// A module with firmware 3.3: read in 256-byte blocks, and old enough for the accent
// warning.
TEST_F(Language, EveryKindOfTextFollowsTheLanguageMenu) {
    attachSimulator({"--device", "71", "--firmware", "33"});
    open(71);
    ASSERT_TRUE(waitUntil([&] { return statusPanel(2) == "Sw: 3.3"; }, 30s)) << statusPanel(2).toStdString();

    for (const LanguageTexts& l : kLanguages) {
        SCOPED_TRACE(l.menuItem);
        choose(l.menuItem);
        for (const char* item : {"Magyar1", "Angol1", "German1", "Sloven1"}) {
            EXPECT_EQ(widget<QAction>(item)->isChecked(), std::string(item) == l.menuItem) << item;
        }
        EXPECT_EQ(tabText("TabSheet13"), l.lifeSignalPage);
        EXPECT_EQ(widget<QLabel>("Label42")->text(), l.tamperTitle);
        EXPECT_EQ(widget<QComboBox>("ComboBox1")->itemText(1), l.inputType1);
        EXPECT_EQ(widget<QAction>("Voicehvstest1")->text(), l.voiceTest);

        widget<QPushButton>("BitBtn2")->click();
        EXPECT_TRUE(waitUntil([&] { return statusPanel(3) == l.readDone; }, 60s)) << statusPanel(3).toStdString();

        dialogs.answer = false;
        widget<QPushButton>("BitBtn4")->click();
        ASSERT_FALSE(dialogs.questions.empty());
        EXPECT_EQ(dialogs.questions.back(), l.restartQuestion);

        // Showing a page rearms the warning, which an accented letter then raises.
        showPage("TabSheet1");
        showPage("TabSheet2");
        const std::size_t shown = dialogs.messages.size();
        typeLetter(widget<QLineEdit>("riasztas"), QString::fromUtf8("é"));
        ASSERT_EQ(dialogs.messages.size(), shown + 1);
        EXPECT_EQ(dialogs.messages.back(), l.accentWarning);
    }
}

TEST_F(Language, AnUnknownValueMeansHungarian) {
    settings.set("comport", "/nonexistent/z4ui");
    settings.set("Language", "7");
    open(71);
    ASSERT_TRUE(waitUntil([&] { return widget<QAction>("Magyar1")->isChecked(); }));
    EXPECT_EQ(tabText("TabSheet13"), "Életjel");
    EXPECT_EQ(settings.get("Language"), "7");  // only a choice from the menu writes it
}

TEST_F(Language, RowsWithoutAGermanTextKeepTheEnglishOne) {
    settings.set("comport", "/nonexistent/z4ui");
    open(71);
    choose("Angol1");
    choose("German1");
    EXPECT_EQ(settings.get("Language"), "2");
    EXPECT_EQ(tabText("TabSheet22"), "Voice");
    EXPECT_EQ(widget<QAction>("Belltsok1")->text(), "Setting");
    EXPECT_EQ(tabText("TabSheet13"), "Statusmeldungen");

    choose("Help1");
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back(), "keine Hilfe verfügbar");
}

}  // namespace
}  // namespace vardeck::testing
