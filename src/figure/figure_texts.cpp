#include "figure/figure_texts.h"

#include <algorithm>
#include <span>

namespace torvane {
namespace {

void Add(std::vector<std::u16string>& texts, const std::u16string& text) {
    if (!text.empty()) texts.push_back(text);
}

// The first `count` records of `records` (a count beyond them is cut to their number).
template <class Record>
std::span<const Record> Valid(const std::vector<Record>& records, std::int32_t count) {
    return std::span<const Record>(records).first(std::min(static_cast<std::size_t>(std::max(count, 0)), records.size()));
}

void AddTexts(std::vector<std::u16string>& texts, const std::vector<TEntJwwMoji>& moji, std::int32_t mojiN,
              const std::vector<TEntJwwSunpo>& sunpo, std::int32_t sunpoN) {
    for (const TEntJwwMoji& m : Valid(moji, mojiN)) Add(texts, m.str);
    for (const TEntJwwSunpo& d : Valid(sunpo, sunpoN)) Add(texts, d.Moji.str);
}

}  // namespace

std::vector<std::u16string> FigureTexts(const TJwwFigureData& figure) {
    std::vector<std::u16string> texts;
    AddTexts(texts, figure.EntMoji, figure.EntMojiN, figure.EntSunpo, figure.EntSunpoN);
    for (const TEntJwwBlockDef& def : Valid(figure.EntBlockDef, figure.EntBlockDefN)) {
        Add(texts, def.strName);
        const TEntJwwBlockMembers& members = def.Members();
        AddTexts(texts, members.mMoji, members.mMojiN, members.mSunpo, members.mSunpoN);
    }
    return texts;
}

std::vector<std::u16string> FigureTexts(const TJwkData& figure) {
    std::vector<std::u16string> texts;
    for (const TEntJwcMoji2& m : Valid(figure.EntMoji, figure.mojiN)) Add(texts, m.s);
    return texts;
}

}  // namespace torvane
