#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui_services.h"

namespace torvane {

// Entries of the conversion targets, values 1 up in this order: the colour SXF user colours
// become (CBX01) and the line type SXF user line types become (CBX02).
std::span<const std::u16string_view> LineColorEntries();
std::span<const std::u16string_view> LineTypeEntries();

// The settings dialog's controls as it shows them.
struct TForm2Controls {
    // Tab "監視／画面".
    std::u16string Edit1;   // monitor interval, seconds
    int RadioGroup1 = 0;    // background: 0 white, 1 black, -1 none chosen
    bool CheckBox1 = false; // keep the work page
    bool CheckBox2 = false; // monitor from the start
    bool CheckBox3 = false; // monitor after each operation
    bool CheckBox4 = false; // palette fixed
    bool CheckBox5 = false; // palette on top
    bool CheckBox6 = false; // palette translucent
    bool CheckBox7 = false; // figure browser translucent
    int Edit2 = 0;          // colour swatches: background, edge, clip buttons
    int Edit3 = 0;
    int Edit4 = 0;
    std::u16string Edit5, Edit6;   // clip buttons across and down
    std::u16string Edit7, Edit8;   // picture width and height
    std::u16string Edit9;          // command button size
    std::u16string Edit10, Edit11; // opacities
    // Tab "倍率・角度": one entry a line.
    std::vector<std::u16string> Memo1, Memo2;
    // Tab "変換".
    bool CB01 = false;  // curve attributes
    int RG01 = 0;
    bool CB02 = false;  // SXF user colours
    int CBX01 = 0;
    bool CB03 = false;  // SXF user line types
    int CBX02 = 0;
    bool CB99 = false;  // convert and transfer each capture
    bool operator==(const TForm2Controls&) const = default;
};

// Controls a refused value puts the focus on; all on the first tab.
enum class TForm2Focus { Edit1, RadioGroup1, Edit5, Edit7, Edit8, Edit9, Edit10, Edit11 };
enum class TForm2Swatch { Edit2, Edit3, Edit4 };

// The settings dialog's window as TForm2 drives it.
class TForm2View {
public:
    virtual ~TForm2View() = default;
    virtual void ShowControls(const TForm2Controls& controls) = 0;
    virtual TForm2Controls ReadControls() = 0;
    // Brings the first tab to the front and puts the focus on `control`.
    virtual void Focus(TForm2Focus control) = 0;
    // The colour dialog on `color`; the chosen colour, or nothing when cancelled.
    virtual std::optional<int> ChooseColor(int color) = 0;
    virtual void Close() = 0;
};

// The settings dialog. It edits copies of the settings held in its fields; OKflag tells the
// main window to take them back.
class TForm2 {
public:
    explicit TForm2(UiServices& ui) : ui_(ui) {}

    // Fills the controls from the fields; the first tab shown, the focus on the interval.
    void FormShow(TForm2View& view);
    // "ＯＫ(&Y)": checks the values in order; the first refused one is reported and focused and
    // the dialog stays open. Otherwise every field is taken from its control and it closes.
    void Button1Click(TForm2View& view);
    // "キャンセル(&N)".
    void Button2Click(TForm2View& view);
    // The curve attribute box was clicked: without any conversion the automatic one goes off.
    void CB01Click(TForm2View& view);
    // A colour swatch was clicked: the colour dialog recolours it.
    void SwatchClick(TForm2View& view, TForm2Swatch swatch);

    bool OKflag = false;
    int S_P1 = 1000;  // Ktime, ms
    int S_P2 = 0;     // BackColorNo
    int S_P3 = 0;     // Histo
    int S_P4 = 0;     // KanBoot
    int S_P5 = 0;     // KanClip
    int S_P6 = 0;     // LocateLoc
    int S_P7 = 0;     // ColBacc, ColEdge, ColMnuB
    int S_P8 = 0;
    int S_P9 = 0;
    int S_P10 = 0;    // BtnXn, BtnYn
    int S_P11 = 0;
    int S_P12 = 0;    // BtnWi, BtnHe
    int S_P13 = 0;
    int S_P14 = 0;    // SwSize
    int S_P15 = 0;    // OnTop
    int S_P16 = 0;    // AlphaCheck1, AlphaValue1
    int S_P17 = 0;
    int S_P18 = 0;    // AlphaCheck2, AlphaValue2
    int S_P19 = 0;
    int S_T1 = 0;     // TranKyo, TranCol, TranLtp, TranAut
    int S_T2 = 0;
    int S_T3 = 0;
    int S_T99 = 0;
    std::vector<std::u16string> Memo1;  // scale list, one entry a line
    std::vector<std::u16string> Memo2;  // angle list
    int Left = 0;                       // window position
    int Top = 0;

private:
    // Reports a refused value and focuses its control.
    void Refuse(TForm2View& view, std::u16string_view message, TForm2Focus focus);

    UiServices& ui_;
};

}  // namespace torvane
