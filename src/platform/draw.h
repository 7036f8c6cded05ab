// Drawing primitives over the framebuffer: lines, boxes, fills and text.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/framebuffer.h"

enum LineStyle : int { SolidLn = 0, DottedLn = 1, CenterLn = 2, DashedLn = 3 };
enum LineWidth : int { NormWidth = 1, ThickWidth = 3 };
enum FillStyle : int { EmptyFill = 0, SolidFill = 1, CloseDotFill = 11 };
constexpr bool ClipOn = true;
constexpr bool ClipOff = false;

struct ViewPort {
    int x1 = 0, y1 = 0, x2 = kScreenWidth - 1, y2 = kScreenHeight - 1;
    bool clip = true;
};

struct DrawState {
    uint8_t colour = White;
    uint8_t background = Black;
    int fillStyle = SolidFill;
    uint8_t fillColour = White;
    int lineStyle = SolidLn;
    int lineWidth = NormWidth;
    ViewPort port;
    int cpX = 0, cpY = 0;  // current position, relative to the port
    int textSize = 2;
};

// All coordinates are relative to the state's viewport.
void DrawPixel(Framebuffer& fb, const DrawState& st, int x, int y, uint8_t colour);
void DrawLine(Framebuffer& fb, const DrawState& st, int x1, int y1, int x2, int y2);
void DrawRectangle(Framebuffer& fb, const DrawState& st, int x1, int y1, int x2, int y2);
void DrawBar(Framebuffer& fb, const DrawState& st, int x1, int y1, int x2, int y2);
void DrawFloodFill(Framebuffer& fb, const DrawState& st, int x, int y, uint8_t border);
void DrawText(Framebuffer& fb, const DrawState& st, int x, int y, std::string_view utf8);
void ClearPort(Framebuffer& fb, const DrawState& st);

// Pixels a text takes across at the given size: 8 per character at size 2.
int TextAdvance(int textSize);
