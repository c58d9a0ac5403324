// The two rules of the editor pages that speak to the user: the accent warning and the
// security-code message.
#include <gtest/gtest.h>

#include "ImageTestSupport.h"
#include "ScriptedDialogs.h"

using namespace vardeck::z4config;
using namespace vardeck::z4config::testing;
using namespace vardeck::controls;

namespace {

struct EditorMessages : ::testing::Test {
    EditorMessages() { editor.attachDialogs(&dialogs); }

    void type(const char* field, const std::string& text) {
        editor.get<Edit>(field).setText(text);
        editor.userChanged(field);
    }

    Z4Editor editor;
    ScriptedDialogs dialogs;
};

}  // namespace

TEST_F(EditorMessages, TheAccentWarningComesOncePerPageVisit) {
    editor.refreshPage(Z4Page::Speed);
    type("riasztas5", "sebesseg");
    EXPECT_TRUE(dialogs.messages.empty());
    type("riasztas5", "sebességé");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], kAccentMessage);
    type("riasztas5", "sebességéő");
    EXPECT_EQ(dialogs.messages.size(), 1u);
    editor.refreshPage(Z4Page::Speed);  // shown again: re-armed
    type("riasztas5", "Ő");
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST_F(EditorMessages, OnlyTheLastCharacterCountsAndNotTheLetterI) {
    type("Edit17", "nyitás ok");
    type("Edit18", "zárí");
    type("Edit8", "Í");
    type("riasztas11", "");
    EXPECT_TRUE(dialogs.messages.empty());
    type("Edit17", "Ü");
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(EditorMessages, NewerFirmwareShowsAccentsAndGetsNoWarning) {
    editor.setFirmwareVersion(38);
    type("riasztas", "riasztás");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(editor.warningFlag());
}

TEST_F(EditorMessages, TheRemoteMonitoringPageAlsoReArmsTheWarning) {
    type("Edit18", "zárás é");
    editor.refreshPage(Z4Page::RemoteMonitoring);
    EXPECT_FALSE(editor.warningFlag());
}

TEST_F(EditorMessages, MessagesFollowTheLookupAndNeedDialogs) {
    editor.attachDialogs(&dialogs, [](const std::string& key) { return key == kAccentMessage ? "EN accent" : key; });
    type("riasztas9", "é");
    EXPECT_EQ(dialogs.messages.back(), "EN accent");

    Z4Editor silent;  // no dialogs: nothing shown, the warning stays armed
    silent.get<Edit>("riasztas9").setText("é");
    silent.userChanged("riasztas9");
    EXPECT_FALSE(silent.warningFlag());
}

TEST_F(EditorMessages, LeavingOtherWithoutAFourCharacterCodeSaysSo) {
    type("Edit1", "123");
    editor.pageLeft(Z4Page::Other);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], kSecurityCodeMessage);
    type("Edit1", "12é4");  // four characters, one of them two bytes
    editor.pageLeft(Z4Page::Other);
    editor.pageLeft(Z4Page::Be1);
    EXPECT_EQ(dialogs.messages.size(), 1u);

    // The write goes on with the old code.
    Image image = filledImage(0xFF);
    put(image, 0, {'9', '8', '7', '6'});
    type("Edit1", "12");
    encodeImage(editor, image, {});
    EXPECT_EQ(bytesAt(image, 0, 4), "9876");
}
