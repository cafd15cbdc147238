#pragma once
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/form1.h"
#include "app/form1_view.h"
#include "platform/clock.h"
#include "platform/ui_services.h"
#include "support/fixed_clock.h"
#include "support/recording_ui.h"
#include "support/test_files.h"

namespace torvane::test {

// A view that records what the form shows, one line per call ("image 3 name.bmp").
class RecordingView : public THeadlessForm1View {
public:
    void ClearButtonImage(int button) override { Record("clear " + std::to_string(button)); }
    void LoadButtonImage(int button, const std::filesystem::path& bitmap) override {
        Record("image " + std::to_string(button) + " " + bitmap.filename().string());
    }
    void SetButtonRaised(int button) override { Record("raise " + std::to_string(button)); }
    void SetPageLabel(std::u16string_view text) override {
        Record("label " + std::string(text.begin(), text.end()));
    }
    void SetMonitorTimer(bool enabled, int interval) override {
        Record(std::string(enabled ? "timer on " : "timer off ") + std::to_string(interval));
    }
    void ReadWindowGeometry(TWindowGeometry& geometry) override {
        if (windowsOpen) geometry = current;
    }
    void ApplyWindowGeometry(const TWindowGeometry& geometry) override { current = geometry; }

    // Calls recorded so far, then forgets them.
    std::vector<std::string> Take() { return std::exchange(calls_, {}); }
    // While true, ReadWindowGeometry reports `current` as the windows' positions.
    bool windowsOpen = false;
    TWindowGeometry current;

private:
    void Record(std::string call) { calls_.push_back(std::move(call)); }
    std::vector<std::string> calls_;
};

// A form started beside an executable in a fresh folder.
struct Form1Fixture {
    TempDir dir;
    RecordingView view;
    RecordingUi ui;
    FixedClock clock;
    TForm1 form{view, ui, clock};
    Form1Fixture() { form.FormCreate(dir / "torvane.exe"); }
};

}  // namespace torvane::test
