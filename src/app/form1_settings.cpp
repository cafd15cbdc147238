#include <algorithm>
#include <optional>
#include <string>
#include <system_error>

#include "app/clip_names.h"
#include "app/form1.h"
#include "app/form1_globals.h"
#include "app/settings_lines.h"
#include "util/encodings.h"
#include "util/files.h"
#include "util/numbers.h"

namespace torvane {
namespace {

int ClampedOr(int value, int low, int high, int otherwise) { return value < low || value > high ? otherwise : value; }

int Bounded(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

int Flag(int value) { return value != 0 ? 1 : 0; }

// Reads the lines of the settings file as typed values.
class SettingsReader {
public:
    explicit SettingsReader(std::string_view bytes) : lines_(bytes) {}
    std::u16string Text() { return AnsiToStr(lines_.Next()); }
    int Int() { return ValInt(Text()); }
    bool Bool() { return ValBool(Text()); }
    std::u16string Hex() { return HexUtf8ToStr(Text()); }
    TWindowBounds Bounds() {
        TWindowBounds bounds;
        bounds.Left = Int();
        bounds.Top = Int();
        bounds.Width = Int();
        bounds.Height = Int();
        return bounds;
    }
    // `count` plain text lines, never more than the file still holds.
    std::vector<std::u16string> TextList(int count) {
        std::vector<std::u16string> list;
        for (int i = 0; i < count && !lines_.AtEnd(); ++i) list.push_back(Text());
        return list;
    }
    bool AtEnd() const { return lines_.AtEnd(); }

private:
    SettingsLineReader lines_;
};

// Writes the lines of the settings file.
class SettingsWriter {
public:
    void Int(int value) { lines_.Add(value); }
    void Bool(bool value) { lines_.Add(value ? 1 : 0); }
    // Plain text, one line: a line break inside would shift every later line.
    void Text(std::u16string text) {
        for (auto& c : text) {
            if (c == u'\r' || c == u'\n') c = u' ';
        }
        lines_.Add(StrToAnsi(text));
    }
    void Hex(const std::u16string& text) { lines_.Add(StrToAnsi(StrToHexUtf8(text))); }
    void Bounds(const TWindowBounds& bounds) {
        Int(bounds.Left);
        Int(bounds.Top);
        Int(bounds.Width);
        Int(bounds.Height);
    }
    const std::string& Bytes() const { return lines_.Bytes(); }

private:
    SettingsLineWriter lines_;
};

// A name beside `path` that nothing holds yet: "x.dat.unreadable", "x.dat.unreadable2" …
std::optional<std::filesystem::path> FreeAsideName(const std::filesystem::path& path) {
    for (int n = 1; n <= 99; ++n) {
        std::filesystem::path aside = path;
        aside += n == 1 ? std::string(".unreadable") : ".unreadable" + std::to_string(n);
        std::error_code error;
        if (!std::filesystem::exists(aside, error) && !error) return aside;
    }
    return std::nullopt;
}

}  // namespace

void TForm1::SetUnreadableAside(const std::filesystem::path& path) {
    const std::u16string name = path.u16string();
    if (const auto aside = FreeAsideName(path)) {
        std::error_code error;
        std::filesystem::rename(path, *aside, error);
        if (!error) {
            ui_.Message(u"設定ファイル " + name + u" を読み込めませんでした。" + aside->u16string() +
                        u" として残し、既定の設定で始めます。");
            return;
        }
    }
    SettingsWritable = false;
    ui_.Message(u"設定ファイル " + name + u" を読み込めませんでした。終了時にもこのファイルは書き換えません。");
}

void TForm1::SetDefaults() {
    static_cast<TForm1Settings&>(*this) = TForm1Settings{};
    BackColorNo = 0;
    Geometry.Form1 = {32, 32, 400, 240};
    for (auto& page : StringGrid1) page.fill(std::u16string());
    BrowserFolders.clear();
}

bool TForm1::SettingsIn(const std::filesystem::path& path) {
    SetDefaults();
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) {
        std::error_code error;
        return !std::filesystem::exists(path, error) && !error;
    }
    SettingsReader in(*bytes);

    Geometry.Form1 = in.Bounds();
    const int interval = in.Int();
    Ktime = interval < 1 ? 1000 : std::min(interval, 60000);
    Histo = Flag(in.Int());
    BackColorNo = Flag(in.Int());
    OnTop = in.Int();
    KanBoot = Flag(in.Int());
    KanClip = Flag(in.Int());
    LocateLoc = Flag(in.Int());
    ColBacc = in.Int();
    ColEdge = in.Int();
    ColMnuB = in.Int();
    SwSize = in.Int();
    BtnXn = Bounded(in.Int(), 1, 100);
    BtnYn = Bounded(in.Int(), 1, 100);
    if (BtnXn * BtnYn > ClipRows) BtnYn = ClipRows / BtnXn;
    BtnWi = Bounded(in.Int(), 16, 999);
    BtnHe = Bounded(in.Int(), 16, 999);
    AlphaCheck1 = ClampedOr(in.Int(), 0, 1, 0);
    AlphaCheck2 = ClampedOr(in.Int(), 0, 1, 0);
    AlphaValue1 = ClampedOr(in.Int(), 0, 255, 128);
    AlphaValue2 = ClampedOr(in.Int(), 0, 255, 128);
    BootJwwHnd = in.Int();
    TranKyo = ClampedOr(in.Int(), 0, 2, 0);
    TranCol = ClampedOr(in.Int(), 0, 25, 0);
    TranLtp = ClampedOr(in.Int(), 0, 33, 0);
    TranAut = Flag(in.Int());
    PasteBa = in.TextList(in.Int());
    PasteBaN = static_cast<int>(PasteBa.size());
    PasteAn = in.TextList(in.Int());
    PasteAnN = static_cast<int>(PasteAn.size());
    PasteBai = in.Text();
    PasteAng = in.Text();
    PasteMoj = in.Bool();
    PasteTen = in.Bool();
    ZukeiType = ClampedOr(in.Int(), 0, 4, 0);
    ZukeiFold = in.Hex();
    ZukeiImgX = ClampedOr(in.Int(), 1, 5, 4);
    ZukeiImgY = ClampedOr(in.Int(), 1, 5, 4);
    ZukeiBrwX = ClampedOr(in.Int(), 1, 10, 5);
    ZukeiBrwY = ClampedOr(in.Int(), 1, 10, 5);
    if (ZukeiBrwX * ZukeiBrwY > 30) ZukeiBrwY = 30 / ZukeiBrwX;
    ZukeiBrwT = ClampedOr(in.Int(), 0, 4, 0);
    ZukeiBrwF = in.Int();

    Geometry.Form2Left = in.Int();
    Geometry.Form2Top = in.Int();
    Geometry.Form3 = in.Bounds();
    Geometry.Form5 = in.Bounds();
    Geometry.Form5PanelWidth = in.Int();
    for (int& width : Geometry.Form5ColWidths) width = in.Int();
    Geometry.Form6 = in.Bounds();
    const int folders = in.Int();
    for (int i = 0; i < folders && !in.AtEnd(); ++i) {
        std::u16string folder = in.Hex();
        if (!folder.empty()) BrowserFolders.push_back(std::move(folder));
    }
    Geometry.Form7 = in.Bounds();

    // Rows are stored page after page, R rows each; rows past the index's 100 are skipped.
    const long long rows = in.Int();
    for (long long line = 0; line < 4 * rows && !in.AtEnd(); ++line) {
        std::u16string name = in.Hex();
        const long long page = line / rows;
        const long long row = line % rows;
        if (row >= ClipRows || (page == 0 && Histo == 0) || !IsPlainClipName(name)) continue;
        StringGrid1[page][row] = std::move(name);
    }
    // Lines after the index: older files end before them, and older versions stop reading there.
    Geometry.ClipSearch = in.Bounds();
    return true;
}

bool TForm1::SettingsOut(const std::filesystem::path& path) {
    view_.ReadWindowGeometry(Geometry);
    SettingsWriter out;
    out.Bounds(Geometry.Form1);
    for (int value : {Ktime, Histo, BackColorNo, OnTop, KanBoot, KanClip, LocateLoc, ColBacc, ColEdge, ColMnuB, SwSize,
                      BtnXn, BtnYn, BtnWi, BtnHe, AlphaCheck1, AlphaCheck2, AlphaValue1, AlphaValue2, BootJwwHnd,
                      TranKyo, TranCol, TranLtp, TranAut})
        out.Int(value);

    const TPaletteInputs inputs = view_.GetPaletteInputs();
    PasteBai = inputs.Scale;
    PasteAng = inputs.Angle;
    PasteMoj = inputs.TextScale;
    PasteTen = inputs.PointScale;
    PasteBaN = static_cast<int>(PasteBa.size());
    out.Int(PasteBaN);
    for (const auto& entry : PasteBa) out.Text(entry);
    PasteAnN = static_cast<int>(PasteAn.size());
    out.Int(PasteAnN);
    for (const auto& entry : PasteAn) out.Text(entry);
    out.Text(PasteBai);
    out.Text(PasteAng);
    out.Bool(PasteMoj);
    out.Bool(PasteTen);
    out.Int(ZukeiType);
    out.Hex(ZukeiFold);
    for (int value : {ZukeiImgX, ZukeiImgY, ZukeiBrwX, ZukeiBrwY, ZukeiBrwT, ZukeiBrwF}) out.Int(value);

    out.Int(Geometry.Form2Left);
    out.Int(Geometry.Form2Top);
    out.Bounds(Geometry.Form3);
    out.Bounds(Geometry.Form5);
    out.Int(Geometry.Form5PanelWidth);
    for (int width : Geometry.Form5ColWidths) out.Int(width);
    out.Bounds(Geometry.Form6);
    const std::size_t folders = std::min(BrowserFolders.size(), MaxBrowserFolders);
    out.Int(static_cast<int>(folders));
    for (std::size_t i = 0; i < folders; ++i) out.Hex(BrowserFolders[i]);
    out.Bounds(Geometry.Form7);

    out.Int(ClipRows);
    for (int page = 0; page < PageCount; ++page) {
        for (const auto& name : StringGrid1[page]) out.Hex(page == 0 && Histo == 0 ? std::u16string() : name);
    }
    out.Bounds(Geometry.ClipSearch);
    return WriteFileAtomic(path, out.Bytes());
}

}  // namespace torvane
