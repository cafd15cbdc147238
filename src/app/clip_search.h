#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "app/clip_search_view.h"
#include "app/form1.h"
#include "platform/device.h"
#include "platform/ui_services.h"

namespace torvane {

// A clip whose texts hold what was searched for.
struct TClipSearchResult {
    int Page = 0;
    int Row = 0;
    std::u16string Name;
    bool operator==(const TClipSearchResult&) const = default;
};

// "P" + page + "-" + clip button number (row + 1): "P0-12".
std::u16string ResultLabel(const TClipSearchResult& result);

// The clips of the index whose texts (TClipTextCache, read from the page folders) contain
// `text` after folding: page 0 newest first, then pages 1 to 3 in row order. The cache first
// drops the clips the index no longer names. Nothing for an empty text.
std::vector<TClipSearchResult> SearchClips(const TClipIndex& index, TClipTextCache& cache, std::u16string_view text);

// The clip search window "クリップ検索" as a presenter: results follow the typed text after a
// pause, as a grid of pictures of the clips; a click on one transfers that clip as a click on its
// clip button does, Enter the first one, Escape closes.
class TClipSearch {
public:
    static constexpr int PictureCount = 48;
    static constexpr int PauseMs = 300;
    // Pictures are about this many pixels square: as many columns and rows as fit.
    static constexpr int CellSide = 100;

    TClipSearch(TClipSearchView& view, TForm1& form, UiServices& ui, DeviceFactory device = CreateDevice);

    // Every opening: the results of the text already typed.
    void FormShow(std::u16string_view text);
    // The text changed: the search waits for the pause.
    void TextChange(std::u16string_view text);
    void PauseElapsed();
    void Resize();
    void ScrollChange(int position);
    // Transfers the result shown by the picture with this tag; Enter the first result.
    void ResultClick(int tag);
    void EnterKey();
    void EscapeKey();

    const std::vector<TClipSearchResult>& Results() const { return results_; }

private:
    void Search();
    void LayOut();
    void DrawPictures();
    void DrawPicture(int picture);
    // Transfers a result where its clip is now; a beep and new results when it is gone.
    void Transfer(const TClipSearchResult& result);

    TClipSearchView& view_;
    TForm1& form_;
    UiServices& ui_;
    DeviceFactory device_;
    std::u16string text_;
    std::vector<TClipSearchResult> results_;
    std::vector<TRect> cells_;
    int position_ = 0;
    bool pending_ = false;  // typed, not yet searched
};

}  // namespace torvane
