// The 8 x 16 console font and UTF-8 decoding of the program's texts.
#include "platform/font.h"

#include <algorithm>

const uint8_t* GlyphFor(char32_t code) {
    const FontGlyph* end = kFontGlyphs + kFontGlyphCount;
    const FontGlyph* it = std::lower_bound(kFontGlyphs, end, code,
                                           [](const FontGlyph& g, char32_t c) { return g.code < c; });
    return (it != end && it->code == code) ? it->rows : nullptr;
}

namespace {
// Length of the UTF-8 sequence a lead byte announces, 0 when it is no lead byte.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead < 0xE0) return 2;
    if (lead >= 0xE0 && lead < 0xF0) return 3;
    if (lead >= 0xF0 && lead < 0xF5) return 4;
    return 0;
}
}  // namespace

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        auto lead = static_cast<unsigned char>(text[i]);
        int len = SequenceLength(lead);
        bool valid = len > 0 && i + len <= text.size();
        for (int k = 1; valid && k < len; ++k) valid = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        if (!valid) {
            out.push_back(lead);
            ++i;
            continue;
        }
        char32_t code = len == 1 ? lead : lead & (0x7F >> len);
        for (int k = 1; k < len; ++k) code = code << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        out.push_back(code);
        i += len;
    }
    return out;
}
