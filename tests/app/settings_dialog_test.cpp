#include <gtest/gtest.h>

#include <tuple>

#include "dialog_fakes.h"
#include "support/recording_ui.h"

namespace torvane::test {
namespace {

constexpr std::u16string_view kCountMessage = u"クリップ数は 最大100 までです。";
constexpr std::u16string_view kOpacityMessage = u"透明度の指定範囲は、0 ～ 255 です。";

// A dialog on valid settings with a 3 x 10 grid.
class SettingsDialogTest : public ::testing::Test {
protected:
    SettingsDialogTest() {
        form.S_P10 = 3;
        form.S_P11 = 10;
        form.S_P12 = form.S_P13 = 64;
        form.S_P14 = 16;
    }
    // Shows the dialog and presses OK with one control changed: the message shown, or empty.
    std::u16string OkWith(std::u16string TForm2Controls::*field, std::u16string value) {
        form.FormShow(view);
        view.controls.*field = std::move(value);
        ui.messages.clear();
        form.Button1Click(view);
        return ui.messages.empty() ? u"" : ui.messages.back();
    }
    RecordingUi ui;
    FakeSettingsDialog view;
    TForm2 form{ui};
};

TEST_F(SettingsDialogTest, ShowFillsTheControlsAndNormalisesTheConversions) {
    form.S_P1 = 1500;
    form.S_P2 = 7;
    form.S_T1 = 3;   // no such choice: unticked
    form.S_T2 = 30;  // past the 25 colours: ticked, entry 0
    form.S_T3 = -4;
    form.S_T99 = 1;
    form.FormShow(view);
    const TForm2Controls& c = view.controls;
    EXPECT_EQ(std::tuple(c.Edit1, c.RadioGroup1, c.Edit6), std::tuple(u"1.5", 1, u"10"));
    EXPECT_EQ(std::tuple(c.CB01, c.CB02, c.CBX01, c.CB03, c.CB99), std::tuple(false, true, 0, false, true));
    EXPECT_EQ(std::tuple(form.S_T1, form.S_T2, form.S_T3), std::tuple(0, 30, 0));
    EXPECT_EQ(view.focus.back(), TForm2Focus::Edit1);
    form.S_T2 = 0;  // automatic transfer shows unticked without any conversion
    form.FormShow(view);
    EXPECT_FALSE(view.controls.CB99);
}

TEST_F(SettingsDialogTest, ChecksInOrderWithTheirMessagesAndFocus) {
    EXPECT_EQ(OkWith(&TForm2Controls::Edit1, u"0.0004"), u"");
    EXPECT_EQ(std::tuple(form.S_P1, view.controls.Edit1, view.closed), std::tuple(1000, u"1", true));
    EXPECT_EQ(OkWith(&TForm2Controls::Edit1, u"60"), u"");
    EXPECT_EQ(form.S_P1, 60000);
    EXPECT_EQ(OkWith(&TForm2Controls::Edit1, u"60.5"), u"監視割込時間は、0より大きく、60秒以内で入力して下さい。");
    EXPECT_EQ(OkWith(&TForm2Controls::Edit5, u"10"), u"");
    EXPECT_EQ(OkWith(&TForm2Controls::Edit5, u"11"), kCountMessage);
    EXPECT_EQ(view.focus.back(), TForm2Focus::Edit5);
    EXPECT_EQ(OkWith(&TForm2Controls::Edit5, u"-1"), kCountMessage);
    EXPECT_EQ(OkWith(&TForm2Controls::Edit8, u"1000"), u"クリップ画像サイズの指定範囲は、16×16～999×999 までです。");
    EXPECT_EQ(view.focus.back(), TForm2Focus::Edit8);
    EXPECT_EQ(OkWith(&TForm2Controls::Edit9, u"3"), u"ボタンサイズの指定範囲は、4 ～ 99 までです。");
    EXPECT_EQ(OkWith(&TForm2Controls::Edit11, u"256"), kOpacityMessage);
    EXPECT_EQ(view.focus.back(), TForm2Focus::Edit11);
    EXPECT_FALSE(form.OKflag);

    // Only the first refusal is reported.
    form.FormShow(view);
    ui.messages.clear();
    view.controls.RadioGroup1 = -1;
    view.controls.Edit10 = u"x";
    form.Button1Click(view);
    EXPECT_EQ(ui.messages, std::vector<std::u16string>{u"背景色を指定して下さい。"});
    EXPECT_EQ(view.focus.back(), TForm2Focus::RadioGroup1);
}

TEST_F(SettingsDialogTest, OkTakesEveryFieldFromItsControl) {
    form.FormShow(view);
    TForm2Controls& c = view.controls;
    c.RadioGroup1 = 1;
    c.CheckBox1 = c.CheckBox3 = c.CheckBox5 = c.CheckBox7 = true;
    c.Edit2 = 0x112233;
    c.Edit4 = 0x445566;
    c.Edit5 = u"4";
    c.Edit6 = u"25";
    c.Edit7 = u"16";
    c.Edit8 = u"999";
    c.Edit9 = u"99";
    c.Edit10 = u"0";
    c.Edit11 = u"255";
    c.CB01 = c.CB03 = c.CB99 = true;
    c.RG01 = 1;
    c.CBX02 = 32;
    c.Memo2 = {u"", u" 90 "};
    form.Button1Click(view);
    ASSERT_TRUE(form.OKflag);
    EXPECT_EQ((std::vector<int>{form.S_P2, form.S_P3, form.S_P4, form.S_P5, form.S_P6, form.S_P7, form.S_P8,
                                form.S_P9, form.S_P10, form.S_P11, form.S_P12, form.S_P13, form.S_P14, form.S_P15,
                                form.S_P16, form.S_P17, form.S_P18, form.S_P19, form.S_T1, form.S_T2, form.S_T3,
                                form.S_T99}),
              (std::vector<int>{1, 1, 0, 1, 0, 0x112233, 0, 0x445566, 4, 25, 16, 999, 99, 1, 0, 0, 1, 255, 2, 0,
                                33, 1}));
    EXPECT_EQ(form.Memo2, c.Memo2);

    // Automatic transfer alone is not stored; unticking the curve box unticks it on screen.
    form.FormShow(view);
    c.CB01 = c.CB03 = false;
    form.CB01Click(view);
    EXPECT_FALSE(c.CB99);
    c.CB99 = true;
    form.Button1Click(view);
    EXPECT_EQ(form.S_T99, 0);
}

}  // namespace
}  // namespace torvane::test
