#include "platform/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace torvane {
namespace {

// Converts with iconv, replacing each unconvertible input unit by `replacement`.
template <typename Out, typename In>
Out Convert(iconv_t cd, const In* data, std::size_t units, const Out& replacement) {
    Out out;
    if (units == 0) return out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    auto* in = reinterpret_cast<char*>(const_cast<In*>(data));
    std::size_t in_left = units * sizeof(In);
    std::string buffer(units * 4 + 16, '\0');
    while (in_left > 0) {
        char* dst = buffer.data();
        std::size_t dst_left = buffer.size();
        std::size_t rc = iconv(cd, &in, &in_left, &dst, &dst_left);
        std::size_t produced = buffer.size() - dst_left;
        out.append(reinterpret_cast<const typename Out::value_type*>(buffer.data()),
                   produced / sizeof(typename Out::value_type));
        if (rc != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) continue;
        // Invalid or truncated input: skip one unit (a lone surrogate takes its unit only).
        out += replacement;
        std::size_t skip = std::min(in_left, sizeof(In));
        in += skip;
        in_left -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

class IconvCodePage final : public CodePage {
public:
    IconvCodePage()
        : to_utf16_(iconv_open("UTF-16LE", "CP932")), from_utf16_(iconv_open("CP932", "UTF-16LE")) {
        if (to_utf16_ == reinterpret_cast<iconv_t>(-1) || from_utf16_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv has no CP932");
    }
    ~IconvCodePage() override {
        iconv_close(to_utf16_);
        iconv_close(from_utf16_);
    }
    IconvCodePage(const IconvCodePage&) = delete;
    IconvCodePage& operator=(const IconvCodePage&) = delete;

    std::u16string Decode(std::string_view bytes) const override {
        return Convert<std::u16string>(to_utf16_, bytes.data(), bytes.size(), std::u16string(1, u'\uFFFD'));
    }
    std::string Encode(std::u16string_view text) const override {
        return Convert<std::string>(from_utf16_, text.data(), text.size(), std::string("?"));
    }

private:
    iconv_t to_utf16_;
    iconv_t from_utf16_;
};

}  // namespace

const CodePage& ShiftJisCodePage() {
    static const IconvCodePage code_page;
    return code_page;
}

const CodePage& SystemCodePage() { return ShiftJisCodePage(); }

}  // namespace torvane
