#include "convert/text_length.h"

#include <string>

#include "platform/code_page.h"

namespace torvane {

double TextLengthFromCharacters(std::u16string_view text, double width, double spacing) {
    const std::string bytes = SystemCodePage().Encode(text);
    double length = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const bool double_byte = ((lead >= 0x80 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFD)) && i + 1 < bytes.size();
        i += double_byte ? 2 : 1;
        const double share = double_byte ? 1 : 0.5;
        length += width * share;
        if (i < bytes.size()) length += spacing * share;
    }
    return length;
}

}  // namespace torvane
