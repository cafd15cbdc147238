#include "app/clip_text_cache.h"

#include "app/clip_names.h"
#include "figure/figure_texts.h"
#include "util/search_fold.h"

namespace torvane {

const std::vector<std::u16string>& TClipTextCache::Texts(int page, const std::u16string& name,
                                                        const std::filesystem::path& folder) {
    auto [entry, added] = texts_.try_emplace({page, name});
    if (!added) return entry->second;
    const std::filesystem::path file = ClipFile(folder, name, ".1");
    ++files_read_;
    figure_.DataInit();
    if (figure_.FileCheck(file)) {
        figure_.FileIn(file);
        for (const std::u16string& text : FigureTexts(figure_)) entry->second.push_back(SearchFold(text));
    }
    figure_.DataFree();
    return entry->second;
}

void TClipTextCache::Forget(int page, const std::u16string& name) { texts_.erase({page, name}); }

void TClipTextCache::KeepOnly(const std::function<bool(int page, const std::u16string& name)>& named) {
    std::erase_if(texts_, [&](const auto& entry) { return !named(entry.first.first, entry.first.second); });
}

}  // namespace torvane
