// The 640 x 480 picture of palette colours that every screen is drawn into.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

enum Colour : uint8_t {
    Black, Blue, Green, Cyan, Red, Magenta, Brown, LightGray,
    DarkGray, LightBlue, LightGreen, LightCyan, LightRed, LightMagenta, Yellow, White
};

struct Rgb {
    uint8_t r, g, b;
};

// How each colour shows on the screen.
extern const std::array<Rgb, 16> kPalette;

struct Framebuffer {
    std::array<uint8_t, kScreenWidth * kScreenHeight> pixels{};

    uint8_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * kScreenWidth + x]; }
    void Set(int x, int y, uint8_t colour) { pixels[static_cast<std::size_t>(y) * kScreenWidth + x] = colour; }
    static bool OnScreen(int x, int y) { return x >= 0 && y >= 0 && x < kScreenWidth && y < kScreenHeight; }
};
