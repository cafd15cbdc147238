// The main job of Torvane shown beside the Jw_cad stand-in, with what happened and how long it
// took: three copies captured as clips with thumbnails, a click that pastes the newest clip
// scaled by 2, a middle click that opens the viewer, and pictures of the palette and the viewer.
//
//   run_demo.exe FOLDER
//
// FOLDER is emptied first; torvane.exe, its settings, its clips and the pictures go there.
// Exit code 0 when every step happened, 1 when one did not (the report says which).
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "clip/key_string.h"
#include "convert/paste_transform.h"
#include "demo_figures.h"
#include "dialog_driver.h"
#include "palette_view.h"
#include "screen_picture.h"
#include "support/test_files.h"
#include "test_host.h"
#include "thumbnail_check.h"
#include "torvane_process.h"

namespace torvane::test {
namespace {

namespace fs = std::filesystem;

// The report goes to a file under Wine: each line is written out at once, so that a run that
// is cut short still shows how far it came.
[[gnu::format(gnu_printf, 1, 2)]] void Say(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::printf("\n");
    std::fflush(stdout);
}

int Failed(const char* step) {
    Say("NOT DONE: %s.", step);
    return 1;
}

double MillisecondsSince(long long start_us) { return static_cast<double>(NowMicroseconds() - start_us) / 1000.0; }

std::string Shown(const fs::path& path) {
    const std::u8string text = path.generic_u8string();
    return {text.begin(), text.end()};
}

// A Linux path as Wine reaches it (the Linux root is drive Z:).
fs::path WindowsPath(const std::wstring& path) {
    return fs::path(path.starts_with(L"/") ? L"Z:" + path : path).make_preferred();
}

class Demo {
public:
    Demo(const fs::path& folder, const fs::path& shown) : folder_(folder), shown_(shown) {}

    int Run() {
        std::error_code ec;
        fs::remove_all(folder_, ec);
        fs::create_directories(folder_);
        const auto figures = DemoFigures(folder_ / "figures");
        if (figures.size() != 3) return Failed("three figures to copy were not at hand");
        Say("Torvane demonstration in %s", Shown(shown_).c_str());
        settings_.Write(folder_ / "torvane.dat");
        TestHost host(L"demo.jww", folder_ / "pasted.1");
        if (host.window() == nullptr) return Failed("the Jw_cad stand-in did not open its window");
        TorvaneProcess torvane(folder_);
        HWND palette = torvane.Start();
        if (palette == nullptr) return Failed("Torvane's palette did not appear");
        Say("The Jw_cad stand-in \"demo.jww - jw_win\" and Torvane's palette are open; Torvane hears of every "
            "change of the clipboard at once (and looks at it every %d ms besides).",
            settings_.Number(SettingsFile::kKtime));
        const PaletteView view(palette, settings_);

        if (const int failed = Capture(host, view, figures)) return failed;
        if (const int failed = Paste(host, view, palette, figures.back())) return failed;
        if (const int failed = View(view)) return failed;
        if (torvane.CloseAndWait() != 0) return Failed("Torvane did not close cleanly");
        Say("Torvane closed cleanly. Every step happened.");
        return 0;
    }

private:
    // The stand-in copies each figure; Torvane makes a clip of it with a thumbnail on disk and
    // on its button.
    int Capture(TestHost& host, const PaletteView& view, const std::vector<DemoFigure>& figures) {
        const auto empty_button = view.ClipPicturePixels(1);
        for (std::size_t i = 0; i < figures.size(); ++i) {
            const DemoFigure& figure = figures[i];
            const long long put = NowMicroseconds();
            if (!host.Put(WindowsPath(figure.stream.wstring()))) return Failed("the stand-in could not copy a figure");
            const bool captured = WaitFor(
                [&] {
                    const auto names = ClipNames(temp());
                    return names.size() == i + 1 && fs::exists(temp() / (names.back() + ".bmp"));
                },
                5000);
            if (!captured) return Failed("Torvane did not capture a copy as a clip with a thumbnail");
            const double ms = MillisecondsSince(put);
            const std::string clip = ClipNames(temp()).back();
            if (!ThumbnailShowsAFigure(temp() / (clip + ".bmp"))) return Failed("a thumbnail shows no figure");
            Say("Copy %zu: the stand-in put %s (%llu bytes) on the clipboard as Jw_cad does; Torvane made clip %s, "
                "its thumbnail on disk %.0f ms later.", i + 1, figure.name.c_str(),
                static_cast<unsigned long long>(fs::file_size(figure.stream)), clip.c_str(), ms);
        }
        const bool shown = WaitFor([&] {
            for (int n = 1; n <= 3; ++n) {
                if (view.ClipPicturePixels(n) == empty_button) return false;
            }
            return true;
        });
        if (!shown) return Failed("the palette does not show the three thumbnails");
        return 0;
    }

    // Scale 2 in the palette's scale box, then a real click on the first clip button (the newest
    // clip): the stand-in receives the clip's figure scaled by 2 about its base point on Ctrl+V.
    int Paste(TestHost& host, const PaletteView& view, HWND palette, const DemoFigure& newest) {
        HWND scale_box = FindChild(palette, L"ComboBox", L"");
        if (scale_box == nullptr) return Failed("the palette has no scale box");
        const Bitmap before = ClientPicture(scale_box);
        SendMessageW(scale_box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"2"));
        if (!WaitFor([&] { return ClientPicture(scale_box) != before; })) return Failed("the scale box does not show 2");
        if (!Picture(palette, "palette.png", "the palette with its three thumbnails")) return Failed("no picture of the palette");

        const std::string clip = ClipNames(temp()).back();
        fs::copy_file(temp() / (clip + ".1"), folder_ / "expected.1");
        TJcfData document;
        PasteTransformFile(folder_ / "expected.1", u"2", u"0.0", true, true, document);
        const std::string expected = ReadBytes(folder_ / "expected.1") + '\0';

        const long long clicked = NowMicroseconds();
        ClickAt(view.ClipButtonCenter(1));
        if (!WaitFor([&] { return host.PasteCount() == 1; }, 5000)) return Failed("no Ctrl+V reached the stand-in");
        const double ms = static_cast<double>(host.LastPasteTime() - clicked) / 1000.0;
        Say("Scale \"2\" entered in the palette's scale box, then a click on the first clip (%s, the newest): Ctrl+V "
            "reached the stand-in %.0f ms later (%u ms of it Torvane's pause before a key).", newest.name.c_str(), ms,
            static_cast<unsigned>(kKeyItemWaitMs));
        std::string received;
        const bool equal = WaitFor([&] { return (received = ReadBytes(folder_ / "pasted.1")) == expected; }, 2000);
        Say("The stand-in received %zu bytes from the clipboard; the clip's figure scaled by 2 is %zu bytes: %s.",
            received.size(), expected.size(), equal ? "the same bytes" : "they DIFFER");
        return equal ? 0 : Failed("the paste was not the clip scaled by 2");
    }

    // A middle click on the first clip opens the viewer with the clip drawn large.
    int View(const PaletteView& view) {
        const long long clicked = NowMicroseconds();
        MouseButton(view.ClipButtonCenter(1), MOUSEEVENTF_MIDDLEDOWN);
        MouseButton(view.ClipButtonCenter(1), MOUSEEVENTF_MIDDLEUP);
        HWND viewer = WaitForWindow(L"TorvaneClipViewer");
        if (viewer == nullptr) return Failed("the middle click did not open the viewer");
        HWND drawing = FindChild(viewer, L"TorvaneClipDrawing", L"");
        if (drawing == nullptr || !WaitFor([&] { return ShowsAFigure(drawing); }))
            return Failed("the viewer does not draw the clip");
        Say("A middle click on the first clip opened the viewer; the clip was drawn %.0f ms after the click.",
            MillisecondsSince(clicked));
        if (!Picture(viewer, "viewer.png", "the viewer")) return Failed("no picture of the viewer");
        return 0;
    }

    // Saves what the screen shows of `window` once it has stopped changing (painting is done).
    bool Picture(HWND window, const char* name, const char* what) {
        Bitmap picture = ClientPicture(window);
        const bool steady = WaitFor([&] {
            Bitmap now = ClientPicture(window);
            const bool same = now == picture;
            picture = std::move(now);
            return same;
        });
        if (!steady || !SavePng(picture, folder_ / name)) return false;
        Say("Picture of %s: %s", what, Shown(shown_ / name).c_str());
        return true;
    }

    fs::path temp() const { return folder_ / "Temp"; }

    fs::path folder_;
    fs::path shown_;
    SettingsFile settings_;
};

}  // namespace
}  // namespace torvane::test

int wmain(int argc, wchar_t** argv) {
    using namespace torvane::test;
    if (argc != 2) {
        std::fprintf(stderr, "usage: run_demo FOLDER\n");
        return 2;
    }
    return Demo(WindowsPath(argv[1]), argv[1]).Run();
}
