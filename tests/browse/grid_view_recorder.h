#pragma once
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "browse/thumbnail_grid.h"
#include "util/encodings.h"

namespace torvane::test {

// Records what a figure window shows of its grid, one line per call ("show 2 a.jws").
template <typename View>
class GridViewRecorder : public View {
public:
    void SetFileType(int item) override { fileType = item; }
    void SetGridChoice(int columns, int rows) override { grid = {columns, rows}; }
    TSize ThumbnailPaneSize() override { return pane; }
    int ScrollBarWidth() override { return 17; }
    void SetScrollRange(int maximum) override { scrollMax = maximum; }
    void SetScrollPosition(int position) override { scrollPosition = position; }
    void SetScrollSteps(int small, int large) override { steps = {small, large}; }
    void PlacePicture(int picture, const TRect& r) override {
        Record("place " + std::to_string(picture) + " " + std::to_string(r.Left) + "," + std::to_string(r.Top) + " " +
               std::to_string(r.Width) + "x" + std::to_string(r.Height));
    }
    void ClearPicture(int) override {}
    void HidePicture(int picture) override { Record("hide " + std::to_string(picture)); }
    void ShowPicture(int picture, const Bitmap& drawing, std::u16string_view name, int) override {
        Record("show " + std::to_string(picture) + " " + StrToUtf8(name));
        lastDrawing = drawing;
    }

    // Calls recorded so far, then forgets them.
    std::vector<std::string> Take() { return std::exchange(calls_, {}); }
    // The calls of one kind ("show").
    std::vector<std::string> Taken(const std::string& kind) {
        std::vector<std::string> out;
        for (std::string& call : Take())
            if (call.rfind(kind + " ", 0) == 0) out.push_back(std::move(call));
        return out;
    }

    int fileType = -1;
    std::array<int, 2> grid{};
    TSize pane{617, 400};
    int scrollMax = -1;
    int scrollPosition = -1;
    TScrollSteps steps;
    Bitmap lastDrawing;

protected:
    void Record(std::string call) { calls_.push_back(std::move(call)); }

private:
    std::vector<std::string> calls_;
};

}  // namespace torvane::test
