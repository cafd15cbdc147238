#include "app/form2.h"

#include <charconv>
#include <cmath>

#include "util/numbers.h"

namespace torvane {

std::span<const std::u16string_view> LineColorEntries() {
    static constexpr std::u16string_view entries[] = {
        u"線色１", u"線色２", u"線色３", u"線色４", u"線色５", u"線色６", u"線色７", u"線色８", u"補助線色",
        u"SXF- 1　black", u"SXF- 2　red", u"SXF- 3　green", u"SXF- 4　blue", u"SXF- 5　yellow",
        u"SXF- 6　magenta", u"SXF- 7　cyan", u"SXF- 8　white", u"SXF- 9　deeppink", u"SXF-10　brown",
        u"SXF-11　orange", u"SXF-12　lightgreen", u"SXF-13　lightblue", u"SXF-14　lavender",
        u"SXF-15　lightgray", u"SXF-16　darkgray"};
    return entries;
}

std::span<const std::u16string_view> LineTypeEntries() {
    static constexpr std::u16string_view entries[] = {
        u"線種１　実線", u"線種２　点線１", u"線種３　点線２", u"線種４　点線３", u"線種５　一点鎖１",
        u"線種６　一点鎖２", u"線種７　二点鎖１", u"線種８　二点鎖２", u"補助線種", u"ランダム線１",
        u"ランダム線２", u"ランダム線３", u"ランダム線４", u"ランダム線５", u"倍長線種１", u"倍長線種２",
        u"倍長線種３", u"倍長線種４", u"SXF- 1　実線", u"SXF- 2　破線", u"SXF- 3　跳び破線",
        u"SXF- 4　一点長鎖線", u"SXF- 5　二点長鎖線", u"SXF- 6　三点長鎖線", u"SXF- 7　点線",
        u"SXF- 8　一点鎖線", u"SXF- 9　二点鎖線", u"SXF-10　一点短鎖線", u"SXF-11　一点二短鎖線",
        u"SXF-12　二点短鎖線", u"SXF-13　二点二短鎖線", u"SXF-14　三点短鎖線", u"SXF-15　三点二短鎖線"};
    return entries;
}

namespace {

// Seconds as the interval field shows them: the shortest decimal form (1000 ms is "1").
std::u16string SecondsText(int milliseconds) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, milliseconds / 1000.0, std::chars_format::fixed).ptr;
    return std::u16string(text, end);
}

bool Between(int value, int low, int high) { return value >= low && value <= high; }

// Entry `value` - 1 of a list of targets; entry 0 for a value past its end.
int TargetIndex(int value, std::span<const std::u16string_view> entries) {
    return value <= static_cast<int>(entries.size()) ? value - 1 : 0;
}

int Flag(bool ticked) { return ticked ? 1 : 0; }

// A choice's value: 0 when unticked, else its entry index + 1.
int Choice(bool ticked, int index) { return ticked ? index + 1 : 0; }

}  // namespace

void TForm2::FormShow(TForm2View& view) {
    OKflag = false;
    TForm2Controls c;
    c.Edit1 = SecondsText(S_P1);
    c.RadioGroup1 = S_P2 != 0 ? 1 : 0;
    c.CheckBox1 = S_P3 != 0;
    c.CheckBox2 = S_P4 != 0;
    c.CheckBox3 = S_P5 != 0;
    c.CheckBox4 = S_P6 != 0;
    c.CheckBox5 = S_P15 != 0;
    c.CheckBox6 = S_P16 != 0;
    c.CheckBox7 = S_P18 != 0;
    c.Edit2 = S_P7;
    c.Edit3 = S_P8;
    c.Edit4 = S_P9;
    c.Edit5 = IntStr(S_P10);
    c.Edit6 = IntStr(S_P11);
    c.Edit7 = IntStr(S_P12);
    c.Edit8 = IntStr(S_P13);
    c.Edit9 = IntStr(S_P14);
    c.Edit10 = IntStr(S_P17);
    c.Edit11 = IntStr(S_P19);
    c.Memo1 = Memo1;
    c.Memo2 = Memo2;
    if (S_T1 != 1 && S_T1 != 2) S_T1 = 0;
    c.CB01 = S_T1 != 0;
    c.RG01 = c.CB01 ? S_T1 - 1 : 0;
    if (S_T2 <= 0) S_T2 = 0;
    c.CB02 = S_T2 > 0;
    c.CBX01 = c.CB02 ? TargetIndex(S_T2, LineColorEntries()) : 0;
    if (S_T3 <= 0) S_T3 = 0;
    c.CB03 = S_T3 > 0;
    c.CBX02 = c.CB03 ? TargetIndex(S_T3, LineTypeEntries()) : 0;
    c.CB99 = S_T99 == 1 && (c.CB01 || c.CB02 || c.CB03);
    view.ShowControls(c);
    view.Focus(TForm2Focus::Edit1);
}

void TForm2::Refuse(TForm2View& view, std::u16string_view message, TForm2Focus focus) {
    ui_.Message(message);
    view.Focus(focus);
}

void TForm2::Button1Click(TForm2View& view) {
    TForm2Controls c = view.ReadControls();
    const double seconds = ValReal(c.Edit1);
    if (!(seconds > 0 && seconds <= 60)) {
        Refuse(view, u"監視割込時間は、0より大きく、60秒以内で入力して下さい。", TForm2Focus::Edit1);
        return;
    }
    S_P1 = static_cast<int>(std::nearbyint(seconds * 1000));
    if (S_P1 == 0) {
        S_P1 = 1000;
        c.Edit1 = u"1";
        view.ShowControls(c);
    }
    const int across = ValInt(c.Edit5);
    const int down = ValInt(c.Edit6);
    const int width = ValInt(c.Edit7);
    const int height = ValInt(c.Edit8);
    const int buttonSize = ValInt(c.Edit9);
    const int opacity1 = ValInt(c.Edit10);
    const int opacity2 = ValInt(c.Edit11);
    // Both factors positive: "-1" × "-1" is no grid of one button.
    const bool countOk = across >= 1 && down >= 1 && static_cast<long long>(across) * down <= 100;
    constexpr std::u16string_view sizeMessage = u"クリップ画像サイズの指定範囲は、16×16～999×999 までです。";
    constexpr std::u16string_view opacityMessage = u"透明度の指定範囲は、0 ～ 255 です。";
    struct Check {
        bool passes;
        std::u16string_view message;
        TForm2Focus focus;
    };
    const Check checks[] = {
        {Between(c.RadioGroup1, 0, 1), u"背景色を指定して下さい。", TForm2Focus::RadioGroup1},
        {countOk, u"クリップ数は 最大100 までです。", TForm2Focus::Edit5},
        {Between(width, 16, 999), sizeMessage, TForm2Focus::Edit7},
        {Between(height, 16, 999), sizeMessage, TForm2Focus::Edit8},
        {Between(buttonSize, 4, 99), u"ボタンサイズの指定範囲は、4 ～ 99 までです。", TForm2Focus::Edit9},
        {Between(opacity1, 0, 255), opacityMessage, TForm2Focus::Edit10},
        {Between(opacity2, 0, 255), opacityMessage, TForm2Focus::Edit11},
    };
    for (const Check& check : checks) {
        if (check.passes) continue;
        Refuse(view, check.message, check.focus);
        return;
    }

    OKflag = true;
    S_P2 = c.RadioGroup1;
    S_P3 = Flag(c.CheckBox1);
    S_P4 = Flag(c.CheckBox2);
    S_P5 = Flag(c.CheckBox3);
    S_P6 = Flag(c.CheckBox4);
    S_P7 = c.Edit2;
    S_P8 = c.Edit3;
    S_P9 = c.Edit4;
    S_P10 = across;
    S_P11 = down;
    S_P12 = width;
    S_P13 = height;
    S_P14 = buttonSize;
    S_P15 = Flag(c.CheckBox5);
    S_P16 = Flag(c.CheckBox6);
    S_P17 = opacity1;
    S_P18 = Flag(c.CheckBox7);
    S_P19 = opacity2;
    S_T1 = Choice(c.CB01, c.RG01);
    S_T2 = Choice(c.CB02, c.CBX01);
    S_T3 = Choice(c.CB03, c.CBX02);
    S_T99 = Flag(c.CB99 && (c.CB01 || c.CB02 || c.CB03));
    Memo1 = std::move(c.Memo1);
    Memo2 = std::move(c.Memo2);
    view.Close();
}

void TForm2::Button2Click(TForm2View& view) {
    OKflag = false;
    view.Close();
}

void TForm2::CB01Click(TForm2View& view) {
    TForm2Controls c = view.ReadControls();
    if (c.CB01 || c.CB02 || c.CB03 || !c.CB99) return;
    c.CB99 = false;
    view.ShowControls(c);
}

void TForm2::SwatchClick(TForm2View& view, TForm2Swatch swatch) {
    TForm2Controls c = view.ReadControls();
    int& color = swatch == TForm2Swatch::Edit2 ? c.Edit2 : swatch == TForm2Swatch::Edit3 ? c.Edit3 : c.Edit4;
    const std::optional<int> chosen = view.ChooseColor(color);
    if (!chosen) return;
    color = *chosen;
    view.ShowControls(c);
}

}  // namespace torvane
