// Drawing primitives on a bare framebuffer.
#include "platform/draw.h"

#include <gtest/gtest.h>

#include "platform/font.h"

namespace {

class DrawTest : public ::testing::Test {
protected:
    Framebuffer fb;
    DrawState st;

    int CountColour(uint8_t colour, int x1 = 0, int y1 = 0, int x2 = kScreenWidth - 1, int y2 = kScreenHeight - 1) {
        int n = 0;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) n += fb.At(x, y) == colour;
        return n;
    }
};

TEST_F(DrawTest, LinesIncludeBothEndPointsInEveryDirection) {
    struct Case { int x1, y1, x2, y2, pixels; };
    const Case cases[] = {
        {10, 10, 20, 10, 11}, {20, 10, 10, 10, 11}, {10, 10, 10, 30, 21},
        {10, 10, 20, 20, 11}, {20, 20, 10, 10, 11}, {5, 5, 5, 5, 1},
    };
    for (const Case& c : cases) {
        fb = Framebuffer{};
        DrawLine(fb, st, c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(fb.At(c.x1, c.y1), White) << c.x1 << "," << c.y1;
        EXPECT_EQ(fb.At(c.x2, c.y2), White) << c.x2 << "," << c.y2;
        EXPECT_EQ(CountColour(White), c.pixels);
    }
}

TEST_F(DrawTest, PatternedLinesLeaveGapsAndThickLinesAreThreeWide) {
    st.lineStyle = DottedLn;
    DrawLine(fb, st, 0, 10, 63, 10);
    int dotted = CountColour(White, 0, 10, 63, 10);
    EXPECT_GT(dotted, 8);
    EXPECT_LT(dotted, 64);

    st.lineStyle = DashedLn;
    DrawLine(fb, st, 0, 20, 63, 20);
    int dashed = CountColour(White, 0, 20, 63, 20);
    EXPECT_GT(dashed, 8);
    EXPECT_LT(dashed, 64);

    st.lineStyle = SolidLn;
    st.lineWidth = ThickWidth;
    DrawLine(fb, st, 100, 100, 120, 100);  // flat: rows 99 to 101
    EXPECT_EQ(CountColour(White, 100, 99, 120, 101), 63);
    DrawLine(fb, st, 200, 100, 200, 120);  // steep: columns 199 to 201
    EXPECT_EQ(CountColour(White, 199, 100, 201, 120), 63);
}

TEST_F(DrawTest, ClippingKeepsDrawingInsideTheViewportOnlyWhenOn) {
    st.port = ViewPort{100, 100, 199, 149, ClipOn};
    DrawLine(fb, st, -50, 10, 300, 10);  // relative to the port
    EXPECT_EQ(CountColour(White), 100);
    EXPECT_EQ(fb.At(100, 110), White);
    EXPECT_EQ(fb.At(99, 110), Black);

    fb = Framebuffer{};
    st.port.clip = ClipOff;
    DrawLine(fb, st, -50, 10, 300, 10);
    EXPECT_EQ(fb.At(50, 110), White);
    EXPECT_EQ(fb.At(400, 110), White);
    EXPECT_EQ(fb.At(401, 110), Black);

    // Off the screen nothing is drawn, whatever the clipping.
    DrawLine(fb, st, -500, -300, 900, -300);
    EXPECT_EQ(CountColour(White), 351);
}

TEST_F(DrawTest, BarFillsCornersIncludedAndNothingWhenCornersAreSwapped) {
    st.fillColour = Red;
    DrawBar(fb, st, 10, 20, 14, 22);
    EXPECT_EQ(CountColour(Red), 15);
    EXPECT_EQ(fb.At(14, 22), Red);

    Framebuffer before = fb;
    DrawBar(fb, st, 40, 20, 30, 25);
    DrawBar(fb, st, 30, 25, 40, 20);
    EXPECT_EQ(fb.pixels, before.pixels);
}

TEST_F(DrawTest, CloseDotFillDrawsTheClearPixelsInTheBackgroundColour) {
    for (auto& p : fb.pixels) p = Yellow;
    st.fillStyle = CloseDotFill;
    st.fillColour = LightCyan;
    st.background = Blue;
    DrawBar(fb, st, 0, 0, 15, 15);
    int dots = CountColour(LightCyan, 0, 0, 15, 15);
    EXPECT_GT(dots, 0);
    EXPECT_EQ(dots + CountColour(Blue, 0, 0, 15, 15), 256);
    EXPECT_EQ(fb.At(16, 0), Yellow);
}

TEST_F(DrawTest, FloodFillStopsAtTheBorderColourAndIgnoresASeedOnTheBorder) {
    st.colour = Yellow;
    DrawRectangle(fb, st, 10, 10, 30, 20);
    fb.Set(15, 15, Red);  // another colour inside is filled over
    st.fillColour = Blue;
    DrawFloodFill(fb, st, 12, 12, Yellow);
    EXPECT_EQ(CountColour(Blue), 19 * 9);
    EXPECT_EQ(fb.At(9, 9), Black);
    EXPECT_EQ(fb.At(10, 10), Yellow);

    Framebuffer before = fb;
    st.fillColour = Red;
    DrawFloodFill(fb, st, 10, 15, Yellow);
    EXPECT_EQ(fb.pixels, before.pixels);
}

TEST_F(DrawTest, FloodFillWithTheRegionsOwnColourEnds) {
    st.colour = Yellow;
    DrawRectangle(fb, st, 0, 0, 639, 479);
    st.fillColour = Black;  // the region is black already
    DrawFloodFill(fb, st, 5, 5, Yellow);
    EXPECT_EQ(CountColour(Black), 638 * 478);
}

TEST_F(DrawTest, TextDrawsOnlyStrokesAndIsErasedByRedrawingInTheBackground) {
    for (auto& p : fb.pixels) p = Blue;
    st.colour = Yellow;
    DrawText(fb, st, 100, 100, "Duinvelde");
    int strokes = CountColour(Yellow);
    EXPECT_GT(strokes, 50);
    EXPECT_EQ(CountColour(Yellow, 100, 100, 100 + 9 * 8 - 1, 115), strokes);
    st.colour = Blue;
    DrawText(fb, st, 100, 100, "Duinvelde");
    EXPECT_EQ(CountColour(Blue), kScreenWidth * kScreenHeight);
}

TEST_F(DrawTest, TextAtTheFootOfTheWindowShowsItsUpperFourteenRows) {
    DrawText(fb, st, 0, 466, "█");  // the full block: every pixel of the cell set
    EXPECT_EQ(CountColour(White), 8 * 14);
    EXPECT_EQ(CountColour(White, 0, 466, 7, 479), 8 * 14);
}

TEST_F(DrawTest, TextCountsCharactersNotBytes) {
    // "übrg" takes four cells: a following character lands where a fifth would.
    DrawText(fb, st, 0, 0, "übrgX");
    Framebuffer single;
    DrawText(single, st, 32, 0, "X");
    for (int y = 0; y < 16; ++y)
        for (int x = 32; x < 40; ++x) EXPECT_EQ(fb.At(x, y), single.At(x, y));
    EXPECT_NE(GlyphFor(U'ü'), nullptr);
    EXPECT_NE(GlyphFor(U'ä'), nullptr);
    EXPECT_NE(GlyphFor(U'ö'), nullptr);
}

TEST_F(DrawTest, SizeFourDoublesTheGlyph) {
    DrawText(fb, st, 0, 0, "A");
    Framebuffer big;
    st.textSize = 4;
    DrawText(big, st, 0, 0, "A");
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 16; ++x) EXPECT_EQ(big.At(x, y), fb.At(x / 2, y / 2));
    EXPECT_EQ(TextAdvance(4), 16);
    EXPECT_EQ(TextAdvance(2), 8);
}

TEST(Utf8Test, DecodesLettersAndKeepsStrayBytesAsSingleCells) {
    EXPECT_EQ(DecodeUtf8("äöü"), std::u32string(U"äöü"));
    EXPECT_EQ(DecodeUtf8("a\xFCz"), (std::u32string{U'a', 0xFC, U'z'}));
    EXPECT_EQ(DecodeUtf8("\xC3"), (std::u32string{0xC3}));
}

}  // namespace
