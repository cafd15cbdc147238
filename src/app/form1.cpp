#include "app/form1.h"

#include <algorithm>
#include <system_error>

#include "app/clip_names.h"
#include "app/form1_globals.h"
#include "figure/jwk_text_types.h"
#include "figure/jwwtype.h"
#include "figure/text_code_context.h"
#include "render/gra_attribute.h"
#include "render/graph1.h"

namespace torvane {

TForm1::TForm1(TForm1View& view, const TPlatformServices& services)
    : view_(view),
      services_(services),
      ui_(services.ui),
      clock_(services.clock),
      clipboards_(services.clipboard, services.clock, services.ui) {}

TForm1::~TForm1() { SystemFree(); }

void TForm1::FormCreate(const std::filesystem::path& exePath) {
    BtnNum = 0;
    PreBtnNo = -1;
    ReadyFlag = false;
    LastJww = 0;
    CurPage = 0;
    StartMonitorFlag = false;
    SetAppPaths(exePath);
    for (const auto& folder : PageFolders) {
        std::error_code ignored;
        std::filesystem::create_directories(folder, ignored);
    }
    HD0 = HD1 = HD2 = 0;
    SystemInit();
}

void TForm1::FormShow() {
    view_.ReadWindowGeometry(Geometry);
    if (!SettingsIn(SettingsFile)) SetUnreadableAside(SettingsFile);
    view_.ApplyWindowGeometry(Geometry);
    // The palette has no border: its client area is the window.
    ClientWidth = std::max(Geometry.Form1.Width, PaletteMinimumSide);
    ClientHeight = std::max(Geometry.Form1.Height, PaletteMinimumSide);
    view_.SetBrowserFolders(BrowserFolders);
    view_.SetPanelColor(ColBacc);
    view_.SetStayOnTop(false);
    if (OnTop != 0) {
        OnTop = 1;
        view_.SetStayOnTop(true);
    }
    if (AlphaCheck1 == 1) view_.SetTranslucent(AlphaValue1);
    auto shown = [](std::vector<std::u16string> entries) {
        for (auto& entry : entries) {
            if (entry.empty()) entry = u" ";
        }
        return entries;
    };
    view_.SetPasteLists(shown(PasteBa), shown(PasteAn));
    view_.SetPaletteInputs({PasteBai, PasteAng, PasteMoj, PasteTen});
    ListBox1.clear();
    ListBox2.clear();
    BuildPalette();
    if (KanBoot == 1) StartMonitorFlag = true;
    // The first tick at once: the paste target is known from the palette's first moment.
    Timer2Timer();
}

void TForm1::ApplicationActivate() {
    if (!StartMonitorFlag) return;
    view_.ProcessMessages();
    MonitorStart();
    StartMonitorFlag = false;
}

void TForm1::FormClose() {
    MonitorStop();
    view_.CloseFigureBrowser();
    FreePalette();
    SystemFree();
    if (SettingsWritable && !SettingsOut(SettingsFile))
        ui_.Message(u"設定ファイル " + SettingsFile.u16string() + u" に書き込めませんでした。");
    if (Histo == 0) {
        for (const auto& name : StringGrid1[0]) DeleteClipFiles(TempPath, name);
    }
}

bool TForm1::WMQueryEndSession() {
    MonitorStop();
    view_.ClosePalette();
    return true;
}

void TForm1::SystemInit() {
    JwcMojiDef = JwcMojiDefStartup;
    DefPenColor = 1;
    DefPenStyle = 1;
    BackColorNo = 0;
    JCF = std::make_unique<TJcfData>();
    JWS = std::make_unique<TJwsData>();
    JWK = std::make_unique<TJwkData>();
    JWW = std::make_unique<TJwwData>();
    SetStartupAttributes();
    ResetTextCodeContext(u"");
    TxtFileDate = clock_.Now();
    GLayScale = 1.0;
    const std::u16string folder = (TempPath / "").u16string();
    JCF->BindImageFolder = folder;
    JWS->BindImageFolder = folder;
    JWW->BindImageFolder = folder;
}

void TForm1::SystemFree() {
    if (!JCF) return;
    JWW->DataFree();
    JWK->DataFree();
    JWS->DataFree();
    JCF->DataFree();
    JWW.reset();
    JWK.reset();
    JWS.reset();
    JCF.reset();
}

}  // namespace torvane
