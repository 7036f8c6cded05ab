// Drawing primitives over the framebuffer: lines, boxes, fills and text.
#include "platform/draw.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/font.h"

namespace {

// 16-pixel patterns of the line styles, first pixel in the high bit.
uint16_t LinePattern(int style) {
    switch (style) {
        case DottedLn: return 0xCCCC;
        case CenterLn: return 0xFE38;
        case DashedLn: return 0xF0F0;
        default: return 0xFFFF;
    }
}

// 8 x 8 fill patterns, aligned on the screen so that neighbouring bars match.
const uint8_t kSolidPattern[8] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
const uint8_t kCloseDotPattern[8] = {0x44, 0x00, 0x11, 0x00, 0x44, 0x00, 0x11, 0x00};
const uint8_t kEmptyPattern[8] = {0, 0, 0, 0, 0, 0, 0, 0};

const uint8_t* FillPattern(int style) {
    switch (style) {
        case CloseDotFill: return kCloseDotPattern;
        case EmptyFill: return kEmptyPattern;
        default: return kSolidPattern;
    }
}

bool InClip(const DrawState& st, int ax, int ay) {
    if (!Framebuffer::OnScreen(ax, ay)) return false;
    const ViewPort& p = st.port;
    return !p.clip || (ax >= p.x1 && ax <= p.x2 && ay >= p.y1 && ay <= p.y2);
}

void FillPixelAbs(Framebuffer& fb, const DrawState& st, int ax, int ay) {
    bool set = FillPattern(st.fillStyle)[ay & 7] & (0x80 >> (ax & 7));
    fb.Set(ax, ay, set ? st.fillColour : st.background);
}

// One Bresenham line of one pixel width, the pattern running along it.
void ThinLine(Framebuffer& fb, const DrawState& st, int x1, int y1, int x2, int y2) {
    uint16_t pattern = LinePattern(st.lineStyle);
    int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    for (int step = 0;; ++step) {
        if (pattern & (0x8000 >> (step & 15))) DrawPixel(fb, st, x1, y1, st.colour);
        if (x1 == x2 && y1 == y2) break;
        int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x1 += sx; }
        if (e2 <= dx) { err += dx; y1 += sy; }
    }
}

}  // namespace

int TextAdvance(int textSize) { return textSize >= 4 ? 16 : 8; }

void DrawPixel(Framebuffer& fb, const DrawState& st, int x, int y, uint8_t colour) {
    int ax = st.port.x1 + x, ay = st.port.y1 + y;
    if (InClip(st, ax, ay)) fb.Set(ax, ay, colour);
}

void DrawLine(Framebuffer& fb, const DrawState& st, int x1, int y1, int x2, int y2) {
    if (st.lineWidth != ThickWidth) {
        ThinLine(fb, st, x1, y1, x2, y2);
        return;
    }
    // A thick line is three thin ones side by side, across its main direction.
    bool flat = std::abs(x2 - x1) >= std::abs(y2 - y1);
    for (int d = -1; d <= 1; ++d) {
        int ox = flat ? 0 : d, oy = flat ? d : 0;
        ThinLine(fb, st, x1 + ox, y1 + oy, x2 + ox, y2 + oy);
    }
}

void DrawRectangle(Framebuffer& fb, const DrawState& st, int x1, int y1, int x2, int y2) {
    DrawLine(fb, st, x1, y1, x2, y1);
    DrawLine(fb, st, x2, y1, x2, y2);
    DrawLine(fb, st, x2, y2, x1, y2);
    DrawLine(fb, st, x1, y2, x1, y1);
}

void DrawBar(Framebuffer& fb, const DrawState& st, int x1, int y1, int x2, int y2) {
    if (x1 > x2 || y1 > y2) return;
    // Only the part on the screen matters; this also keeps huge bars cheap.
    int left = std::max(x1, -st.port.x1), right = std::min(x2, kScreenWidth - 1 - st.port.x1);
    int top = std::max(y1, -st.port.y1), bottom = std::min(y2, kScreenHeight - 1 - st.port.y1);
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            int ax = st.port.x1 + x, ay = st.port.y1 + y;
            if (InClip(st, ax, ay)) FillPixelAbs(fb, st, ax, ay);
        }
}

void DrawFloodFill(Framebuffer& fb, const DrawState& st, int x, int y, uint8_t border) {
    int sx = st.port.x1 + x, sy = st.port.y1 + y;
    if (!InClip(st, sx, sy) || fb.At(sx, sy) == border) return;
    // The region is decided on the picture as it was, so a fill colour equal
    // to a colour inside the region cannot make the fill run on forever. The
    // work lists are kept between fills: every screen fills its boxes anew.
    static std::vector<uint8_t> seen;
    static std::vector<std::pair<int, int>> todo, region;
    seen.assign(static_cast<size_t>(kScreenWidth) * kScreenHeight, 0);
    todo.assign(1, {sx, sy});
    region.clear();
    seen[static_cast<size_t>(sy) * kScreenWidth + sx] = 1;
    while (!todo.empty()) {
        auto [px, py] = todo.back();
        todo.pop_back();
        region.emplace_back(px, py);
        const int nx[4] = {px + 1, px - 1, px, px}, ny[4] = {py, py, py + 1, py - 1};
        for (int k = 0; k < 4; ++k) {
            if (!InClip(st, nx[k], ny[k])) continue;
            size_t i = static_cast<size_t>(ny[k]) * kScreenWidth + nx[k];
            if (seen[i] || fb.At(nx[k], ny[k]) == border) continue;
            seen[i] = 1;
            todo.emplace_back(nx[k], ny[k]);
        }
    }
    for (auto [px, py] : region) FillPixelAbs(fb, st, px, py);
}

void DrawText(Framebuffer& fb, const DrawState& st, int x, int y, std::string_view utf8) {
    std::u32string text = DecodeUtf8(utf8);
    if (text.size() > 255) text.resize(255);
    int scale = st.textSize >= 4 ? 2 : 1;
    int advance = TextAdvance(st.textSize);
    for (size_t i = 0; i < text.size(); ++i) {
        const uint8_t* rows = GlyphFor(text[i]);
        if (!rows) continue;
        int cx = x + static_cast<int>(i) * advance;
        for (int r = 0; r < 16 * scale; ++r)
            for (int c = 0; c < 8 * scale; ++c)
                if (rows[r / scale] & (0x80 >> (c / scale))) DrawPixel(fb, st, cx + c, y + r, st.colour);
    }
}

void ClearPort(Framebuffer& fb, const DrawState& st) {
    for (int y = st.port.y1; y <= st.port.y2; ++y)
        for (int x = st.port.x1; x <= st.port.x2; ++x)
            if (Framebuffer::OnScreen(x, y)) fb.Set(x, y, st.background);
}
