#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <utility>

#include "figure/jcf_data.h"
#include "support/recording_ui.h"
#include "support/test_files.h"
#include "win32ui/clip_viewer_window.h"
#include "win32ui/settings_dialog.h"

namespace torvane {
namespace {

// The range of the up-down control that steps `edit`.
std::pair<int, int> UpDownRange(HWND edit) {
    for (HWND sibling = GetWindow(GetParent(edit), GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (reinterpret_cast<HWND>(SendMessageW(sibling, UDM_GETBUDDY, 0, 0)) != edit) continue;
        int low = 0, high = 0;
        SendMessageW(sibling, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
        return {low, high};
    }
    return {0, 0};
}

// Whether the page holding `control` is the one shown; the dialog itself stays hidden, since
// Wine hides a shown window slowly without a window manager.
bool OnShownPage(HWND control) { return (GetWindowLongW(GetParent(control), GWL_STYLE) & WS_VISIBLE) != 0; }

TEST(SettingsDialog, ShowsAndReadsBackEveryControlWithinItsLimits) {
    test::RecordingUi ui;
    TForm2 form(ui);
    SettingsDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr, form));
    RECT client{};
    GetClientRect(dialog.Handle(), &client);
    EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(506L, 334L));

    // Every field differs from its neighbours, so that two controls swapped show.
    TForm2Controls c;
    c.Edit1 = u"1.5";
    c.RadioGroup1 = 1;
    c.CheckBox1 = c.CheckBox3 = c.CheckBox5 = c.CheckBox7 = true;
    c.Edit2 = 0x123456;
    c.Edit3 = 0xABCDEF;
    c.Edit4 = 0x00FF00;
    c.Edit5 = u"2";
    c.Edit6 = u"5";
    c.Edit7 = u"100";
    c.Edit8 = u"120";
    c.Edit9 = u"20";
    c.Edit10 = u"30";
    c.Edit11 = u"200";
    c.Memo1 = {u"1.0", u" 1/2 ", u""};
    c.Memo2 = {u"90"};
    c.CB01 = c.CB03 = c.CB99 = true;
    c.RG01 = 1;
    c.CBX01 = 24;
    c.CBX02 = 32;
    dialog.ShowControls(c);
    EXPECT_EQ(dialog.ReadControls(), c);

    EXPECT_EQ(SendMessageW(dialog.Control(kSettingsCBX01), CB_GETCOUNT, 0, 0), 25);
    EXPECT_EQ(SendMessageW(dialog.Control(kSettingsCBX02), CB_GETCOUNT, 0, 0), 33);
    EXPECT_EQ(SendMessageW(dialog.Control(kSettingsEdit9), EM_GETLIMITTEXT, 0, 0), 2);
    EXPECT_EQ(UpDownRange(dialog.Control(kSettingsEdit9)), std::pair(4, 99));
    for (int id : {kSettingsEdit5, kSettingsEdit6}) EXPECT_EQ(UpDownRange(dialog.Control(id)), std::pair(1, 10));
    for (int id : {kSettingsEdit7, kSettingsEdit8}) EXPECT_EQ(UpDownRange(dialog.Control(id)), std::pair(16, 999));
    for (int id : {kSettingsEdit10, kSettingsEdit11}) EXPECT_EQ(UpDownRange(dialog.Control(id)), std::pair(0, 255));
    for (int id : {kSettingsEdit5, kSettingsEdit6, kSettingsEdit7, kSettingsEdit8, kSettingsEdit10, kSettingsEdit11}) {
        EXPECT_EQ(SendMessageW(dialog.Control(id), EM_GETLIMITTEXT, 0, 0), 3) << id;
    }
}

// A new settings file puts the dialog at the origin: it opens centred on the screen instead; a
// position the user left is kept.
TEST(SettingsDialog, OpensCentredUntilPlacedAndThenWhereItWasLeft) {
    test::RecordingUi ui;
    TForm2 form(ui);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    for (const auto& [left, top] : {std::pair(0, 0), std::pair(40, 30)}) {
        form.Left = left;
        form.Top = top;
        SettingsDialog dialog;
        ASSERT_TRUE(dialog.Create(nullptr, form));
        RECT bounds{};
        GetWindowRect(dialog.Handle(), &bounds);
        if (left == 0) {
            EXPECT_NEAR((bounds.left + bounds.right) / 2, (work.left + work.right) / 2, 1);
            EXPECT_NEAR((bounds.top + bounds.bottom) / 2, (work.top + work.bottom) / 2, 1);
        } else {
            EXPECT_EQ(std::pair(bounds.left, bounds.top), std::pair(40L, 30L));
        }
    }
}

// A value refused on the third tab's OK brings the first tab back with the field focused.
TEST(SettingsDialog, ARefusedValueShowsTheFirstTabWithItsFieldFocused) {
    test::RecordingUi ui;
    TForm2 form(ui);
    form.S_P10 = form.S_P11 = 3;
    form.S_P12 = form.S_P13 = 64;
    form.S_P14 = 16;
    SettingsDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr, form));
    form.FormShow(dialog);
    HWND tabs = dialog.Control(kSettingsTabs);
    SendMessageW(tabs, TCM_SETCURSEL, 2, 0);
    NMHDR change{tabs, static_cast<UINT_PTR>(kSettingsTabs), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(dialog.Handle(), WM_NOTIFY, kSettingsTabs, reinterpret_cast<LPARAM>(&change));
    ASSERT_TRUE(OnShownPage(dialog.Control(kSettingsCB99)));

    SetWindowTextW(dialog.Control(kSettingsEdit8), L"1000");
    SendMessageW(dialog.Handle(), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(dialog.CurrentPage(), 0);
    EXPECT_TRUE(OnShownPage(dialog.Control(kSettingsEdit8)));
    EXPECT_EQ(GetFocus(), dialog.Control(kSettingsEdit8));
    EXPECT_FALSE(form.OKflag);

    SetWindowTextW(dialog.Control(kSettingsEdit8), L"999");
    SendMessageW(dialog.Handle(), WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(form.OKflag);
    EXPECT_EQ(form.S_P13, 999);
}

// Keys and the wheel reach the form before the focused field; a click on the picture centres it.
TEST(ClipViewerWindow, KeysWheelAndClicksReachTheFormWhateverHasTheFocus) {
    const auto data = test::DataDir();
    if (!data) GTEST_SKIP() << "no real data";
    TJcfData document;
    TForm3 form;
    form.JCF = &document;
    form.S_FName = *data / "streams" / "Test1.1";
    ClipViewerWindow viewer;
    ASSERT_TRUE(viewer.Create(nullptr, form));
    form.FormShow(viewer);
    ASSERT_FALSE(form.S_FName.empty()) << "the clip was read";
    EXPECT_EQ(std::pair(viewer.DrawingSize().Width, viewer.DrawingSize().Height), std::pair(602, 474 - 25));
    HWND edit = GetDlgItem(viewer.Handle(), kViewerEdit1);
    RECT field{};
    GetWindowRect(edit, &field);
    EXPECT_EQ(field.right - field.left, 9);
    wchar_t status[32]{};
    GetWindowTextW(GetDlgItem(viewer.Handle(), kViewerStatus), status, 32);
    EXPECT_STREQ(status, L"※図形は簡易表示です");

    EXPECT_TRUE(viewer.FilterMessage(MSG{edit, WM_KEYDOWN, VK_PRIOR, 0, 0, {}}));
    EXPECT_FALSE(viewer.FilterMessage(MSG{edit, WM_KEYDOWN, 'A', 0, 0, {}}));
    HWND button = GetDlgItem(viewer.Handle(), kViewerFirstZoom);
    EXPECT_TRUE(viewer.FilterMessage(MSG{button, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0, 0, {}}));
    EXPECT_EQ(form.bai, 4);
    SendMessageW(viewer.DrawingArea(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(401, 124));
    EXPECT_EQ(std::pair(form.px, form.py), std::pair(100, 100));  // about the centre (301, 224)
    form.FormClose(viewer);
}

}  // namespace
}  // namespace torvane
