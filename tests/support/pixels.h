// Pixel sets of a screen: which pixels of a place have a colour.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "platform/draw.h"
#include "platform/font.h"
#include "platform/framebuffer.h"

namespace testsupport {

using Pixels = std::set<std::pair<int, int>>;  // (x, y)

// The pixels of one colour inside a rectangle, corners included.
inline Pixels ColourIn(const Framebuffer& fb, uint8_t colour, int x1, int y1, int x2, int y2) {
    Pixels p;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (Framebuffer::OnScreen(x, y) && fb.At(x, y) == colour) p.insert({x, y});
    return p;
}

// Every pixel of a rectangle, corners included.
inline Pixels Rect(int x1, int y1, int x2, int y2) {
    Pixels p;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) p.insert({x, y});
    return p;
}

inline Pixels Union(Pixels a, const Pixels& b) {
    a.insert(b.begin(), b.end());
    return a;
}

// The pixels of `p` inside the rectangle.
inline Pixels Within(const Pixels& p, int x1, int y1, int x2, int y2) {
    Pixels out;
    for (auto [x, y] : p)
        if (x >= x1 && x <= x2 && y >= y1 && y <= y2) out.insert({x, y});
    return out;
}

// The pixels a size-2 text sets with its top-left corner at (x, y).
inline Pixels TextPixels(int x, int y, std::string_view text) {
    static Framebuffer scratch;
    scratch = Framebuffer{};
    DrawState st;
    st.colour = White;
    DrawText(scratch, st, x, y, text);
    return ColourIn(scratch, White, 0, 0, kScreenWidth - 1, kScreenHeight - 1);
}

// True when every pixel of `p` has the colour.
inline bool AllOf(const Framebuffer& fb, const Pixels& p, uint8_t colour) {
    for (auto [x, y] : p)
        if (!Framebuffer::OnScreen(x, y) || fb.At(x, y) != colour) return false;
    return !p.empty();
}

// True when the pixels of colour `fg` in the cells of `text` at (x, y), size
// 2, are exactly the strokes of that text, whatever lies behind them. The
// columns from skipFrom to skipTo (a frame over the text, say) are not compared.
inline bool ShowsText(const Framebuffer& fb, int x, int y, std::string_view text, uint8_t fg, int skipFrom = -1,
                      int skipTo = -1) {
    int x2 = x + 8 * static_cast<int>(DecodeUtf8(text).size()) - 1, y2 = y + 15;
    auto outsideSkip = [&](Pixels p) {
        std::erase_if(p, [&](const auto& xy) { return xy.first >= skipFrom && xy.first <= skipTo; });
        return p;
    };
    return outsideSkip(ColourIn(fb, fg, x, y, x2, y2)) == outsideSkip(Within(TextPixels(x, y, text), x, y, x2, y2));
}

}  // namespace testsupport
