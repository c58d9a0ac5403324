// The GSM modem operations on the configurator's window: the phonebook page's grid
// and gauge, the SMS centre window, and the balance window against vardeck-sim's modem.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <algorithm>

#include "tests/z4ui/Z4WindowRig.h"
#include "ui/z4/Z4MenuViewWindows.h"
#include "controls/Rgb.h"
#include "z4link/TransferStateNumbers.h"

namespace vardeck::testing {
namespace {

using z4screen::MenuView;

QColor qcolor(controls::Rgb c) { return QColor(c.r, c.g, c.b); }

class GsmWindows : public Z4WindowRig {
protected:
    ui::z4::MenuViewWindow* openFromMenu(const char* menuItem, MenuView which) {
        choose(menuItem);
        ui::z4::MenuViewWindow* shown = window_->menuView(which);
        EXPECT_TRUE(shown->isVisible()) << menuItem;
        EXPECT_EQ(shown->windowModality(), Qt::ApplicationModal);
        return shown;
    }
    bool messageShown(const std::string& text) const {
        return std::find(dialogs.messages.begin(), dialogs.messages.end(), text) != dialogs.messages.end();
    }
    int engineState() { return window_->model().engine().vars().state; }
};

TEST_F(GsmWindows, ThePhonebookGridTakesNewRowsAndTypedNumbersAndShowsItsGauge) {
    settings.set("comport", "/nonexistent/z4ui");
    open(71);
    showPage("TabSheet15");
    auto* table = widget<QTableWidget>("StringGrid1");
    ASSERT_EQ(table->rowCount(), 1);
    widget<QPushButton>("Button2")->click();  // "Új"
    ASSERT_EQ(table->rowCount(), 2);

    // Typed into the new row's number cell and confirmed with Enter, as a user does.
    table->setCurrentCell(1, 1);
    QTest::keyClick(table, Qt::Key_F2);
    auto* editor = table->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "+36301234567");
    QTest::keyClick(editor, Qt::Key_Return);
    // The item view commits the editor's text after the key event.
    const auto& grid = window_->model().targets().get<controls::Grid>("StringGrid1");
    EXPECT_TRUE(waitUntil([&] { return grid.cell(2, 1) == "+36301234567"; })) << grid.cell(2, 1);

    auto* gauge = widget<QProgressBar>("Gauge2");
    EXPECT_FALSE(gauge->isVisible());
    window_->model().gsm().phonebook.onGauge(3, 10, true);
    window_->refresh();
    EXPECT_TRUE(gauge->isVisible());
    EXPECT_EQ(gauge->maximum(), 10);
    EXPECT_EQ(gauge->value(), 3);
    saveShot(window_, "phonebook");
}

TEST_F(GsmWindows, TheSmsCentreWindowTakesPresetsAndRefusesAnEmptyNumber) {
    settings.set("comport", "/nonexistent/z4ui");
    open(71);
    auto* smsCentre = openFromMenu("SMSkzponttelefonszm1", MenuView::SmsCentre);
    auto* number = smsCentre->findChild<QLineEdit*>("Edit1");
    EXPECT_EQ(smsCentre->findChild<QPushButton*>("Button3")->text(), "Vodafone");
    smsCentre->findChild<QPushButton*>("Button2")->click();
    EXPECT_EQ(number->text(), "+36209300099");
    saveShot(smsCentre, "sms-centre");

    number->selectAll();
    QTest::keyClick(number, Qt::Key_Backspace);
    EXPECT_EQ(window_->model().gsm().smsCentre.Edit1.text(), "");
    smsCentre->findChild<QPushButton*>("BitBtn1")->click();
    EXPECT_TRUE(messageShown("Hiba, nincs megadva a telefonszám"));
    QTest::keyClicks(number, "+36301112233");
    EXPECT_EQ(window_->model().gsm().smsCentre.Edit1.text(), "+36301112233");

    // Closing takes the module out of GSM modem mode.
    smsCentre->findChild<QPushButton*>("BitBtn2")->click();
    EXPECT_FALSE(smsCentre->isVisible());
    EXPECT_EQ(engineState(), z4state::kLeaveMode);
}

TEST_F(GsmWindows, TheBalanceWindowShowsTheNetworksAnswerWhenItComes) {
    attachSimulator({"--device", "71", "--firmware", "43"});
    open(71);
    ASSERT_TRUE(waitUntil([&] { return statusPanel(2) == "Sw: 4.3"; }, 30s)) << statusPanel(2).toStdString();
    auto* balance = openFromMenu("EgyenleglekrdezsTMobile1", MenuView::Balance);
    EXPECT_EQ(balance->windowTitle(), "Ingyenes Egyenleg lekérdezés (csak T-mobile!)");
    auto* panel = balance->findChild<QLabel*>("Panel1");
    EXPECT_EQ(panel->text(), "Lekérés folyamatban, kérem várjon");
    EXPECT_EQ(panel->palette().color(QPalette::Window), qcolor(controls::kRed));

    auto* answer = balance->findChild<QPlainTextEdit*>("Memo1");
    ASSERT_TRUE(waitUntil([&] { return panel->text() == "Sikeresen végrehajtva..."; }, 60s))
        << panel->text().toStdString();
    EXPECT_EQ(panel->palette().color(QPalette::Window), qcolor(controls::kGreen));
    EXPECT_EQ(panel->palette().color(QPalette::WindowText), qcolor(window_->model().gsm().balance.Panel1.fontColor()));
    EXPECT_TRUE(answer->toPlainText().startsWith("Egyenleg: 1234 Ft, érvényes")) << answer->toPlainText().toStdString();
    EXPECT_TRUE(answer->isReadOnly());
    saveShot(balance, "balance");

    balance->findChild<QPushButton*>("BitBtn1")->click();
    EXPECT_FALSE(balance->isVisible());
    // The module answers the leave frame and the engine is idle again.
    EXPECT_TRUE(waitUntil([&] { return engineState() == z4state::kIdle; }, 30s)) << engineState();
}

}  // namespace
}  // namespace vardeck::testing
