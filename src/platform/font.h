// The 8 x 16 console font and UTF-8 decoding of the program's texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

struct FontGlyph {
    uint32_t code;
    uint8_t rows[16];  // top row first, leftmost pixel in the high bit
};

extern const FontGlyph kFontGlyphs[];
extern const std::size_t kFontGlyphCount;

// The glyph of a character, or nullptr when the font has none.
const uint8_t* GlyphFor(char32_t code);

// Decodes UTF-8; a malformed byte stands for itself (Latin-1), so every
// byte of an archive record still takes one cell.
std::u32string DecodeUtf8(std::string_view text);
