// Reading texts off a screen: does a picture show a given text at a place.
#pragma once

#include <string_view>

#include "platform/draw.h"
#include "platform/font.h"

namespace testsupport {

// True when the pixels of colour `fg` in the cells of `text` at (x, y), size
// 2, are exactly the strokes of that text, whatever lies behind them. The
// columns from skipFrom to skipTo (a frame over the text, say) are not compared.
inline bool ShowsText(const Framebuffer& fb, int x, int y, std::string_view text, uint8_t fg,
                      int skipFrom = -1, int skipTo = -1) {
    Framebuffer expected;
    expected.pixels.fill(fg == 0 ? 1 : 0);
    DrawState st;
    st.colour = fg;
    DrawText(expected, st, x, y, text);
    int cells = static_cast<int>(DecodeUtf8(text).size());
    for (int py = y; py < y + 16 && py < kScreenHeight; ++py)
        for (int px = x; px < x + 8 * cells && px < kScreenWidth; ++px)
            if ((px < skipFrom || px > skipTo) && (fb.At(px, py) == fg) != (expected.At(px, py) == fg)) return false;
    return true;
}

}  // namespace testsupport
