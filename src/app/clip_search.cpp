#include "app/clip_search.h"

#include <algorithm>

#include "app/clip_names.h"
#include "app/form1_globals.h"
#include "figure/text_code_context.h"
#include "render/shared_view.h"
#include "render/thumbnail.h"
#include "util/encodings.h"
#include "util/search_fold.h"

namespace torvane {
namespace {

std::u16string Decimal(int n) { return Utf8ToStr(std::to_string(n)); }

}  // namespace

std::u16string ResultLabel(const TClipSearchResult& result) {
    return u"P" + Decimal(result.Page) + u"-" + Decimal(result.Row + 1);
}

std::vector<TClipSearchResult> SearchClips(const TClipIndex& index, TClipTextCache& cache, std::u16string_view text) {
    cache.KeepOnly([&index](int page, const std::u16string& name) {
        const auto& rows = index[static_cast<std::size_t>(page)];
        return std::find(rows.begin(), rows.end(), name) != rows.end();
    });
    std::vector<TClipSearchResult> results;
    const std::u16string needle = SearchFold(text);
    if (needle.empty()) return results;
    for (int page = 0; page < PageCount; ++page) {
        const auto& rows = index[static_cast<std::size_t>(page)];
        for (int row = 0; row < ClipRows; ++row) {
            const std::u16string& name = rows[static_cast<std::size_t>(row)];
            if (!IsPlainClipName(name)) continue;
            const auto& texts = cache.Texts(page, name, PageFolders[static_cast<std::size_t>(page)]);
            if (std::any_of(texts.begin(), texts.end(), [&](const auto& t) { return FoldedContains(t, needle); })) {
                results.push_back({page, row, name});
            }
        }
    }
    // Clip names are their capture times: the greatest is the newest.
    const auto page0_end = std::find_if(results.begin(), results.end(), [](const auto& r) { return r.Page != 0; });
    std::stable_sort(results.begin(), page0_end, [](const auto& a, const auto& b) { return a.Name > b.Name; });
    return results;
}

TClipSearch::TClipSearch(TClipSearchView& view, TForm1& form, UiServices& ui, DeviceFactory device)
    : view_(view), form_(form), ui_(ui), device_(std::move(device)) {}

void TClipSearch::FormShow(std::u16string_view text) {
    text_ = text;
    view_.StopPauseTimer();
    Search();
}

void TClipSearch::TextChange(std::u16string_view text) {
    text_ = text;
    pending_ = true;
    view_.StartPauseTimer(PauseMs);
}

void TClipSearch::PauseElapsed() {
    view_.StopPauseTimer();
    Search();
}

void TClipSearch::Search() {
    pending_ = false;
    results_ = SearchClips(form_.StringGrid1, form_.ClipTexts, text_);
    position_ = 0;
    view_.SetResultCount(SearchFold(text_).empty() ? u"" : Decimal(static_cast<int>(results_.size())) + u" 件");
    view_.SetScrollRange(static_cast<int>(results_.size()));
    view_.SetScrollPosition(0);
    LayOut();
}

void TClipSearch::Resize() { LayOut(); }

void TClipSearch::LayOut() {
    const TSize pane = view_.ThumbnailPaneSize();
    const int width = std::max(pane.Width - view_.ScrollBarWidth(), 20);
    const int height = std::max(pane.Height, 20);
    const int columns = std::clamp(width / CellSide, 1, PictureCount);
    const int rows = std::clamp(height / CellSide, 1, PictureCount / columns);
    const int shown = columns * rows;
    view_.SetScrollSteps(columns, shown);
    cells_.assign(static_cast<std::size_t>(shown), TRect{});
    for (int n = 1; n <= shown; ++n) {
        TRect& cell = cells_[static_cast<std::size_t>(n - 1)];
        cell = {(n - 1) % columns * (width / columns), (n - 1) / columns * (height / rows), width / columns - 1,
                height / rows - 1};
        view_.PlacePicture(n, cell);
    }
    for (int n = shown + 1; n <= PictureCount; ++n) {
        view_.ClearPicture(n);
        view_.HidePicture(n);
    }
    DrawPictures();
}

void TClipSearch::ScrollChange(int position) {
    position_ = std::clamp(position, 0, static_cast<int>(results_.size()));
    DrawPictures();
}

void TClipSearch::DrawPictures() {
    const TSharedView saved = TSharedView::Current();
    for (int n = 1; n <= static_cast<int>(cells_.size()); ++n) {
        view_.ClearPicture(n);
        DrawPicture(n);
    }
    saved.Restore();
}

void TClipSearch::DrawPicture(int picture) {
    const std::size_t index = static_cast<std::size_t>(position_) + static_cast<std::size_t>(picture - 1);
    if (index >= results_.size() || !form_.JCF) return;
    const TClipSearchResult& result = results_[index];
    const TRect& cell = cells_[static_cast<std::size_t>(picture - 1)];
    const std::filesystem::path file = ClipFile(PageFolders[static_cast<std::size_t>(result.Page)], result.Name, ".1");
    TJcfData& figure = *form_.JCF;
    figure.DataInit();
    if (figure.FileCheck(file)) figure.FileIn(file);
    TxtFileDate = FigureFileDate(file).value_or(TxtFileDate);
    view_.ShowPicture(picture, DrawFigurePicture(figure, cell.Width, cell.Height, BackColorNo, device_),
                      ResultLabel(result), BackColorNo);
    figure.DataFree();
}

void TClipSearch::ResultClick(int tag) {
    const long index = static_cast<long>(position_) + tag;
    if (tag < 0 || index >= static_cast<long>(results_.size())) return;
    Transfer(results_[static_cast<std::size_t>(index)]);
}

void TClipSearch::EnterKey() {
    view_.StopPauseTimer();
    // Enter right after typing: the results of the text as it stands now.
    if (pending_) Search();
    if (results_.empty()) {
        ui_.Beep();
        return;
    }
    Transfer(results_.front());
}

void TClipSearch::EscapeKey() {
    view_.StopPauseTimer();
    view_.CloseWindow();
}

void TClipSearch::Transfer(const TClipSearchResult& result) {
    // A capture or a page operation since the search may have moved the clip or removed it.
    const auto& rows = form_.StringGrid1[static_cast<std::size_t>(result.Page)];
    const auto found = std::find(rows.begin(), rows.end(), result.Name);
    if (result.Name.empty() || found == rows.end()) {
        ui_.Beep();
        Search();
        return;
    }
    const int row = static_cast<int>(found - rows.begin());
    if (result.Page == form_.CurPage && row < form_.BtnNum) {
        form_.ClipMouseDown(row + 1, TMouseButton::Left, 0, 0);
    } else {
        form_.TransferClip(result.Page, row);
    }
}

}  // namespace torvane
