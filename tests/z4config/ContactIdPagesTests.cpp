#include <gtest/gtest.h>

#include "ImageTestSupport.h"
#include "z4config/ContactIdDefaults.h"
#include "z4config/ContactIdPages.h"
#include "controls/Utf8.h"

using namespace vardeck::z4config;
using namespace vardeck::z4config::testing;
using namespace vardeck::controls;

TEST(DefaultEventCodes, RowsAsInstallersKnowThemQuirksIncluded) {
    const auto& rows = defaultEventCodes();
    EXPECT_STREQ(rows[0].code, "E130");
    EXPECT_STREQ(rows[0].name, "Betores");
    EXPECT_STREQ(rows[10].code, "E302");  // row 11
    EXPECT_STREQ(rows[22].code, "E302");  // row 23, another name
    EXPECT_STRNE(rows[10].name, rows[22].name);
    EXPECT_STREQ(rows[44].code, rows[45].code);  // rows 45 and 46 are one row twice
    EXPECT_STREQ(rows[44].name, rows[45].name);
    for (const CodeRow& r : rows) {
        EXPECT_EQ(std::string(r.code).size(), 4u) << r.code;
        EXPECT_TRUE(r.code[0] == 'E' || r.code[0] == 'R') << r.code;
        EXPECT_LE(utf8Length(r.name), 26u) << r.name;
    }
}

TEST(ContactIdPage, LoadingTheDefaultsKeepsLaterRowsAndEveryMask) {
    Z4Editor editor(kTypeCid);
    EventTable& table = editor.eventTable();
    for (int row = 1; row <= 120; ++row) {
        table.setCell(row, kCodeColumn, "R999");
        table.setCell(row, kNameColumn, "mine " + std::to_string(row));
        table.setMask(row, static_cast<std::uint8_t>(row));
    }
    table.setCell(161, kCodeColumn, "E602");
    editor.loadDefaultEventCodes();
    EXPECT_EQ(table.cell(1, kCodeColumn), "E130");
    EXPECT_EQ(table.cell(100, kNameColumn), "Kilep PRG modbol");
    EXPECT_EQ(table.cell(101, kCodeColumn), "R999");
    EXPECT_EQ(table.cell(120, kNameColumn), "mine 120");
    EXPECT_EQ(table.cell(161, kCodeColumn), "E602");
    for (int row = 1; row <= 120; ++row) ASSERT_EQ(table.mask(row), row);
}

TEST(ContactIdPage, TheZoneTemplateEndsWithTheCatchAllRowAndSurvivesTheImage) {
    Z4Editor editor(kTypeCid);
    editor.loadZoneTemplate();
    EXPECT_EQ(editor.StringGrid2.cell(1, kCodeColumn), "01001");
    EXPECT_EQ(editor.StringGrid2.cell(15, kNameColumn), "Zona 15");
    EXPECT_EQ(editor.StringGrid2.cell(16, kCodeColumn), "?????");
    Image image = filledImage(0xFF);
    encodeImage(editor, image, {});
    Z4Editor reread(kTypeCid);
    decodeImage(image, reread);
    EXPECT_EQ(reread.StringGrid2.cell(16, kCodeColumn), "?????");
    EXPECT_EQ(reread.StringGrid2.cell(16, kNameColumn), "Egyeb Zóna");
}

TEST(CodeCells, CodesAreCutToTheirLengthAndUpperCasedWhenFull) {
    EXPECT_EQ(editedCodeCell("e130", kEventCodeLength), "E130");
    EXPECT_EQ(editedCodeCell("E1300", kEventCodeLength), "E130");
    EXPECT_EQ(editedCodeCell("e1300", kEventCodeLength), "E130");
    EXPECT_EQ(editedCodeCell("e13", kEventCodeLength), "e13");
    EXPECT_EQ(editedCodeCell("010011", kZoneCodeLength), "01001");
    EXPECT_EQ(editedCodeCell("??b??", kZoneCodeLength), "??B??");
    EXPECT_EQ(editedCodeCell("éé", kEventCodeLength), "éé");  // characters, not bytes
    EXPECT_EQ(editedCodeCell(std::string(5000, 'r'), kEventCodeLength), "RRRR");
}

TEST(CodeCells, NamesKeepTwentySixCharactersThatTheRecordCanHold) {
    EXPECT_EQ(editedNameCell(std::string(30, 'n')), std::string(26, 'n'));
    EXPECT_EQ(editedNameCell("Zóna Ł"), "Zóna Ł");  // code page 1250 letters stay
    EXPECT_EQ(editedNameCell("Зона 😀"), "???? ?");
    EXPECT_EQ(editedNameCell(std::string("a\0b", 3)), "a?b");  // a NUL would end the name
    EXPECT_EQ(editedNameCell("a\xFF" "b"), "a?b");             // broken UTF-8
    EXPECT_EQ(editedNameCell("dot \u02D9"), "dot ?");           // its byte ends a name
    const std::string pasted(20000, 'x');
    EXPECT_EQ(editedNameCell(pasted).size(), 26u);
}

TEST(CodeCells, TheEditorAppliesTheRulesToTheEditedCellOnly) {
    Z4Editor editor(kTypeCid);
    editor.StringGrid3.setCell(3, kCodeColumn, "e1300");
    editor.StringGrid3.setCell(4, kCodeColumn, "e130");
    editor.gridCellEdited("StringGrid3", 3, kCodeColumn);
    EXPECT_EQ(editor.StringGrid3.cell(3, kCodeColumn), "E130");
    EXPECT_EQ(editor.StringGrid3.cell(4, kCodeColumn), "e130");
    editor.gridCellEdited("StringGrid3", 0, kCodeColumn);    // header: no data
    editor.gridCellEdited("StringGrid3", 160, kCodeColumn);  // kept row: nothing edits it
    editor.gridCellEdited("StringGrid9", 1, kCodeColumn);
    // A binder that cannot name the cell reports the grid; every cell gets its rule.
    editor.StringGrid2.setCell(2, kNameColumn, std::string(40, 'z'));
    editor.userChanged("StringGrid2");
    editor.userChanged("StringGrid3");
    EXPECT_EQ(editor.StringGrid3.cell(4, kCodeColumn), "E130");
    EXPECT_EQ(editor.StringGrid2.cell(2, kNameColumn), std::string(26, 'z'));
}

TEST(EventRecipients, ARowClickShowsItsMaskAndTheListRebuildsIt) {
    Z4Editor editor(kTypeCid);
    EXPECT_EQ(editor.Label87.caption(), "???");
    editor.eventTable().setCell(7, kNameColumn, "Altalanos hiba");
    editor.eventTable().setMask(7, 0x81);
    editor.selectEventRow(7);
    EXPECT_TRUE(editor.SMSst7.checked(0));
    EXPECT_TRUE(editor.SMSst7.checked(7));
    EXPECT_FALSE(editor.SMSst7.checked(2));
    EXPECT_EQ(editor.Label87.caption(), "Altalanos hiba");

    editor.SMSst7.setCheckedBits(0);
    editor.SMSst7.setChecked(2, true);  // item 3 alone
    editor.userChanged("SMSst7");
    EXPECT_EQ(editor.eventTable().mask(7), 4);
    EXPECT_EQ(editor.eventTable().mask(1), 0);

    editor.selectEventRow(160);  // not a row of the grid
    EXPECT_EQ(editor.selectedEventRow(), 7);
}

TEST(EventRecipients, ADecodeShowsTheNewMaskOfTheSelectedRow) {
    // Otherwise the next click in the list would rebuild the decoded mask from the
    // marks of the row as it was before.
    Z4Editor editor(kTypeCid);
    editor.eventTable().setCell(2, kCodeColumn, "R130");
    editor.eventTable().setMask(2, 0x03);
    editor.selectEventRow(2);
    Image image = filledImage(0xFF);
    put(image, static_cast<std::size_t>(kFirstEventRecord + 1) * kRecordSize, {3, 1, 3, 10, 0x40, 0});
    decodeImage(image, editor);
    EXPECT_EQ(editor.SMSst7.checkedBits(), 0x40u);
    editor.SMSst7.setChecked(0, true);
    editor.userChanged("SMSst7");
    EXPECT_EQ(editor.eventTable().mask(2), 0x41);
}

TEST(EventRecipients, ShowingThePageCaptionsTheListFromThePhones) {
    Z4Editor editor(kTypeCid);
    editor.MaskEdit[0]->setText("+36301111111");
    editor.MaskEdit[1]->setText(" 2222");  // blank first position: empty
    editor.setWarningFlag(true);
    editor.refreshPage(Z4Page::CidSms);
    EXPECT_EQ(editor.SMSst7.itemCaption(0), "+36301111111");
    EXPECT_TRUE(editor.SMSst7.itemEnabled(0));
    EXPECT_EQ(editor.SMSst7.itemCaption(1), "Phone2");
    EXPECT_FALSE(editor.SMSst7.itemEnabled(1));
    EXPECT_FALSE(editor.warningFlag());

    auto& opening = editor.get<CheckList>("SMSst16");
    EXPECT_EQ(opening.itemCaption(0), "Szám 1.");
    editor.refreshPage(Z4Page::OpenClose);
    EXPECT_EQ(opening.itemCaption(0), "+36301111111");
    EXPECT_EQ(editor.get<CheckList>("SMSst17").itemCaption(7), "Phone8");
    EXPECT_FALSE(opening.itemEnabled(7));
}

TEST(ReportingPages, EveryCaptionBelongsToAControlOfTheEditor) {
    Z4Editor editor;
    for (auto captions : {remoteMonitoringCaptions(), openCloseCaptions()})
        for (const FieldCaption& c : captions) EXPECT_NE(editor.controls().find(c.control), nullptr) << c.control;
}
