// Build-time converter: an 8x16 PSF console font into a C++ glyph table.
//
// Usage: psf2cpp FONT.psf.gz OUTPUT.cpp
// The output defines kFontGlyphs, sorted by code point, and kFontGlyphCount.
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> ReadGzip(const char* path) {
    gzFile f = gzopen(path, "rb");
    if (!f) throw std::runtime_error(std::string("cannot open ") + path);
    std::vector<uint8_t> data;
    uint8_t buf[8192];
    int n;
    while ((n = gzread(f, buf, sizeof buf)) > 0) data.insert(data.end(), buf, buf + n);
    gzclose(f);
    if (n < 0) throw std::runtime_error(std::string("cannot read ") + path);
    return data;
}

uint32_t Le32(const std::vector<uint8_t>& d, size_t at) {
    return d.at(at) | d.at(at + 1) << 8 | d.at(at + 2) << 16 | uint32_t(d.at(at + 3)) << 24;
}

struct Font {
    size_t glyphs = 0, height = 0, offset = 0, bytesPerGlyph = 0;
    std::map<uint32_t, size_t> codeToGlyph;
};

// PSF1: 16-bit little-endian code points per glyph, 0xFFFF ends a glyph, 0xFFFE starts sequences.
void ReadPsf1Table(const std::vector<uint8_t>& d, size_t at, Font& font) {
    for (size_t g = 0; g < font.glyphs; ++g) {
        bool inSequence = false;
        for (;;) {
            uint32_t u = d.at(at) | d.at(at + 1) << 8;
            at += 2;
            if (u == 0xFFFF) break;
            if (u == 0xFFFE) inSequence = true;
            else if (!inSequence) font.codeToGlyph.emplace(u, g);
        }
    }
}

// PSF2: UTF-8 code points per glyph, 0xFF ends a glyph, 0xFE starts sequences.
void ReadPsf2Table(const std::vector<uint8_t>& d, size_t at, Font& font) {
    for (size_t g = 0; g < font.glyphs && at < d.size(); ++g) {
        bool inSequence = false;
        while (at < d.size() && d[at] != 0xFF) {
            if (d[at] == 0xFE) { inSequence = true; ++at; continue; }
            uint32_t u = d[at];
            int extra = u >= 0xF0 ? 3 : u >= 0xE0 ? 2 : u >= 0xC0 ? 1 : 0;
            u &= extra ? (0x3F >> extra) : 0x7F;
            ++at;
            for (int i = 0; i < extra; ++i) u = u << 6 | (d.at(at++) & 0x3F);
            if (!inSequence) font.codeToGlyph.emplace(u, g);
        }
        ++at;
    }
}

Font Parse(const std::vector<uint8_t>& d) {
    Font font;
    if (d.size() > 4 && d[0] == 0x36 && d[1] == 0x04) {
        font.glyphs = (d[2] & 1) ? 512 : 256;
        font.height = font.bytesPerGlyph = d[3];
        font.offset = 4;
        if (d[2] & 2) ReadPsf1Table(d, font.offset + font.glyphs * font.bytesPerGlyph, font);
    } else if (d.size() > 32 && Le32(d, 0) == 0x864AB572u) {
        font.offset = Le32(d, 8);
        font.glyphs = Le32(d, 16);
        font.bytesPerGlyph = Le32(d, 20);
        font.height = Le32(d, 24);
        if (Le32(d, 28) != 8) throw std::runtime_error("font is not 8 pixels wide");
        if (Le32(d, 12) & 1) ReadPsf2Table(d, font.offset + font.glyphs * font.bytesPerGlyph, font);
    } else {
        throw std::runtime_error("not a PSF font");
    }
    if (font.height != 16) throw std::runtime_error("font is not 16 pixels high");
    if (font.codeToGlyph.empty())
        for (size_t g = 0; g < 256 && g < font.glyphs; ++g) font.codeToGlyph.emplace(g, g);
    return font;
}

void Write(const std::vector<uint8_t>& d, const Font& font, const char* path) {
    std::ofstream out(path);
    out << "// Generated from the console font by psf2cpp; do not edit.\n"
        << "#include \"platform/font.h\"\n\n"
        << "const FontGlyph kFontGlyphs[] = {\n";
    size_t count = 0;
    for (const auto& [code, glyph] : font.codeToGlyph) {
        if (code > 0xFFFF) continue;
        out << "    {0x" << std::hex << code << std::dec << ", {";
        for (size_t r = 0; r < 16; ++r)
            out << (r ? "," : "") << unsigned(d.at(font.offset + glyph * font.bytesPerGlyph + r));
        out << "}},\n";
        ++count;
    }
    out << "};\nconst std::size_t kFontGlyphCount = " << count << ";\n";
    if (!out) throw std::runtime_error(std::string("cannot write ") + path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: psf2cpp FONT.psf.gz OUTPUT.cpp\n");
        return 64;
    }
    try {
        auto data = ReadGzip(argv[1]);
        Write(data, Parse(data), argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "psf2cpp: %s\n", e.what());
        return 1;
    }
    return 0;
}
