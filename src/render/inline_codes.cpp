#include "render/inline_codes.h"
#include "util/text_widths.h"


namespace torvane {
namespace {

bool IsSingleCharacterCode(char16_t x) {
    return x == u'u' || x == u'd' || x == u'c' || x == u'o' || x == u'n' || x == u'b' || x == u'B' || x == u'w';
}

class InlineSplitter {
public:
    InlineSplitter(std::u16string_view s, double h, double w, double sp, int style)
        : s_(s), h_(h), w_(w), sp_(sp), own_style_(style), style_(style) {}

    std::vector<InlineRun> Split() {
        std::size_t i = 0;
        while (i < s_.size()) {
            i = Step(i);
        }
        Flush();
        return std::move(runs_);
    }

private:
    std::size_t Step(std::size_t i) {
        if (s_[i] != u'^') {
            return AppendText(i, CharUnitsAt(s_, i));
        }
        if (i + 1 >= s_.size()) {
            return AppendText(i, 1);
        }
        const char16_t x = s_[i + 1];
        if (!active_) {
            if (x != u'^') return AppendText(i, 1);
            Flush();
            active_ = true;
            return i + 2;
        }
        switch (x) {
            case u'!': return ChangeStyle(style_ | 1, i);
            case u'/': return ChangeStyle(style_ | 2, i);
            case u'_': return ChangeStyle(style_ | 4, i);
            case u'-': return ChangeStyle(style_ | 8, i);
            case u'#': return ChangeStyle(own_style_, i);
            case u'%':
                Flush();
                style_ = own_style_;
                color_ = 0;
                return i + 2;
            case u'$':
                if (i + 2 < s_.size() && s_[i + 2] >= u'1' && s_[i + 2] <= u'9') {
                    Flush();
                    color_ = s_[i + 2] - u'0';
                    return i + 3;
                }
                return AppendText(i, i + 3 <= s_.size() ? 3 : s_.size() - i);
            case u'\\':
                if (i + 2 < s_.size() && s_[i + 2] == u'"') {
                    Flush();
                    gothic_ = true;
                    return i + 3;
                }
                return i + 2;
            case u'&':
                Flush();
                gothic_ = false;
                return i + 2;
            case u'*':
                Flush();
                active_ = false;
                return i + 2;
            default:
                break;
        }
        if (IsSingleCharacterCode(x)) {
            if (i + 2 >= s_.size() || s_[i + 2] == u'^') return AppendText(i, 2);
            return SingleCharacter(x, i + 2);
        }
        return AppendText(i, 1);
    }

    std::size_t AppendText(std::size_t i, std::size_t n) {
        run_ += s_.substr(i, n);
        has_character_ = true;
        return i + n;
    }

    std::size_t ChangeStyle(int style, std::size_t i) {
        Flush();
        style_ = style;
        return i + 2;
    }

    InlineRun Make(std::u16string text, double offset, double raise, double h, double w, double sp) const {
        return {std::move(text), offset, raise, h, w, sp, style_, color_, gothic_};
    }

    void Flush() {
        if (run_.empty()) return;
        runs_.push_back(Make(run_, position_, 0, h_, w_, sp_));
        position_ += TextUnits(run_) * (w_ + sp_) / 2;
        run_.clear();
    }

    // A code that acts on the one character (for "^w" up to two half-width ones) after it.
    std::size_t SingleCharacter(char16_t code, std::size_t j) {
        Flush();
        std::size_t n = CharUnitsAt(s_, j);
        const double p = has_character_ ? 1 : 0;
        const double back = p * (sp_ / 2 + w_ / 4);
        std::u16string ch(s_.substr(j, n));
        switch (code) {
            case u'u':
            case u'd':
            case u'c': {
                const double raise = code == u'u' ? h_ / 2 : code == u'c' ? h_ / 4 : 0;
                runs_.push_back(Make(ch, position_, raise, h_ / 2, w_, sp_));
                position_ += (w_ + sp_) / 2;
                break;
            }
            case u'o': runs_.push_back(Make(ch, position_ - back - w_ / 8, h_ / 4, h_ / 2, w_ / 2, sp_)); break;
            case u'n': runs_.push_back(Make(ch, position_ - back - w_ / 4, 0, h_, w_, sp_)); break;
            case u'b': runs_.push_back(Make(ch, position_ - back - w_ / 8, 0, h_, w_, sp_)); break;
            case u'B': runs_.push_back(Make(ch, position_ - back - 0.15 * w_, 0, h_, w_, sp_)); break;
            default: {  // "^w"
                int k = 1;
                if (IsHalfWidthAt(s_, j) && j + n < s_.size() && IsHalfWidthAt(s_, j + n)) {
                    ch += s_[j + n];
                    n += 1;
                    k = 2;
                }
                runs_.push_back(Make(ch, position_ - back - k * w_ / 8, h_ / 4, h_ / 2, w_ / 2, 0));
                break;
            }
        }
        has_character_ = true;
        return j + n;
    }

    std::u16string_view s_;
    double h_, w_, sp_;
    int own_style_;
    int style_;
    int color_ = 0;
    bool gothic_ = false;
    bool active_ = true;
    bool has_character_ = false;
    double position_ = 0;
    std::u16string run_;
    std::vector<InlineRun> runs_;
};

}  // namespace

std::vector<InlineRun> SplitInlineCodes(std::u16string_view s, double h, double w, double sp, int style) {
    return InlineSplitter(s, h, w, sp, style).Split();
}

}  // namespace torvane
