#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form1_globals.h"
#include "figure/jwk_text_types.h"
#include "figure/jwwtype.h"
#include "figure/text_code_context.h"
#include "render/gra_attribute.h"
#include "form1_fakes.h"

namespace torvane::test {
namespace {

// Records what FormShow hands to the palette besides the clip buttons.
class ShowView final : public RecordingView {
public:
    void SetStayOnTop(bool onTop) override { stayOnTop.push_back(onTop); }
    void SetTranslucent(int alpha) override { translucent = alpha; }
    void SetPanelColor(int color) override { panelColor = color; }
    void SetPasteLists(const std::vector<std::u16string>& s, const std::vector<std::u16string>& a) override {
        scales = s;
        angles = a;
    }
    void StartTrackingTimer(int interval) override { tracker = interval; }
    void SetMonitorIndicator(bool running) override { indicator = running; }
    std::vector<bool> stayOnTop;
    int translucent = -1;
    int panelColor = -1;
    int tracker = 0;
    bool indicator = false;
    std::vector<std::u16string> scales, angles;
};

struct ShownForm {
    TempDir dir;
    ShowView view;
    RecordingUi ui;
    FixedClock clock;
    MemoryClipboard clipboard;
    ScriptedWindowList windows;
    KeyRecorder keys;
    TForm1 form{view, {clipboard, windows, keys, ui, clock}};
};

TEST(Form1Lifecycle, FormShowHandsTheSettingsToTheView) {
    ShownForm s;
    s.form.FormCreate(s.dir / "torvane.exe");
    s.form.OnTop = 5;
    s.form.AlphaCheck1 = 1;
    s.form.AlphaValue1 = 77;
    s.form.KanBoot = 1;
    s.form.ColBacc = 0x0000FF;
    s.form.PasteBa = {u"2", u""};
    s.view.SetPaletteInputs({u"3", u"90", false, true});
    s.form.SettingsOut(SettingsFile);

    s.form.FormShow();
    EXPECT_EQ(s.form.OnTop, 1);
    EXPECT_EQ(s.view.stayOnTop, (std::vector<bool>{false, true}));
    EXPECT_EQ(s.view.translucent, 77);
    EXPECT_EQ(s.view.panelColor, 0x0000FF);
    EXPECT_EQ(s.view.scales, (std::vector<std::u16string>{u"2", u" "}));
    EXPECT_TRUE(s.view.angles.empty());
    EXPECT_EQ(s.view.GetPaletteInputs(), (TPaletteInputs{u"3", u"90", false, true}));
    EXPECT_EQ(s.view.tracker, 500);
    EXPECT_EQ(s.view.current.Form1, (TWindowBounds{32, 32, 400, 240}));

    // The monitor starts the first time the application becomes active, and only then.
    EXPECT_TRUE(s.form.StartMonitorFlag);
    s.view.Take();
    s.form.ApplicationActivate();
    s.form.ApplicationActivate();
    EXPECT_TRUE(s.view.indicator);
    EXPECT_EQ(s.view.Take(), std::vector<std::string>{"timer on 1000"});
}

TEST(Form1Lifecycle, CloseStopsTheMonitorAndWritesTheSettings) {
    ShownForm s;
    s.form.FormCreate(s.dir / "torvane.exe");
    s.form.Ktime = 300;
    s.view.SetPaletteInputs({u"1.0", u"0.0", true, true});
    s.form.FormClose();
    EXPECT_EQ(s.view.Take().front(), "timer off 300");
    EXPECT_EQ(s.form.BtnNum, 0);
    s.form.SettingsIn(SettingsFile);
    EXPECT_EQ(s.form.Ktime, 300);
}

TEST(Form1Lifecycle, SystemInitPreparesTheSharedObjects) {
    ShownForm s;
    BackColorNo = 1;
    gGraAtt.SetBackColor(1);
    gGraAtt.SetAll1Color(true);
    DefPenColor = 7;
    TxtMemo = u"old";
    JwcMojiDef[0].hei = 99.0;
    s.form.FormCreate(s.dir / "torvane.exe");
    ASSERT_TRUE(s.form.JCF && s.form.JWS && s.form.JWK);
    EXPECT_EQ(JwcMojiDef[0].hei, 2.0);
    EXPECT_EQ(JwcMojiDef[9].wid, 10.0);
    EXPECT_EQ(s.form.JCF->BindImageFolder, (TempPath / "").u16string());
    EXPECT_EQ(s.form.JWS->BindImageFolder, (TempPath / "").u16string());
    EXPECT_EQ(BackColorNo, 0);
    EXPECT_EQ(gGraAtt.GetBackColorNo(), 0);
    EXPECT_FALSE(gGraAtt.GetAll1ColorState());
    EXPECT_EQ(gGraAtt.GetGrayColor(), 0xFF808080U);
    EXPECT_EQ(gGraAtt.GetDispHojo(), 1);
    EXPECT_EQ(DefPenColor, 1);
    EXPECT_TRUE(TxtMemo.empty());
    EXPECT_EQ(TxtFileDate, s.clock.now);
    s.form.SystemFree();
    EXPECT_FALSE(s.form.JCF || s.form.JWS || s.form.JWK);
    s.form.SystemFree();
}

}  // namespace
}  // namespace torvane::test
