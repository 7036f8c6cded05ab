// Key reading, the arrow-key selection, day numbers and field conversion.
#include "toolkit/untprogdelen.h"

#include <gtest/gtest.h>

#include <deque>

#include "platform/graph.h"

namespace {

TEST(KiesStapTest, ArrowsStepAndWrapAndOtherKeysConfirm) {
    struct Case { char key; int16_t from, to; bool confirms; };
    const Case cases[] = {
        {'P', 1, 2, false},  {'M', 3, 4, false},  {'P', 12, 1, false}, {'M', 12, 1, false},
        {'H', 2, 1, false},  {'K', 5, 4, false},  {'H', 1, 12, false}, {'K', 1, 12, false},
        {'\r', 7, 7, true},  {' ', 7, 7, true},   {'5', 7, 7, true},   {'p', 7, 7, true},
        {'h', 7, 7, true},   {'k', 7, 7, true},   {'m', 7, 7, true},   {'x', 7, 7, true},
        {'\x1b', 7, 7, true},
    };
    for (const Case& c : cases) {
        int16_t kk = c.from;
        EXPECT_EQ(KIESSTAP(c.key, kk, 1, 12), c.confirms) << c.key;
        EXPECT_EQ(kk, c.to) << "key " << int(c.key) << " from " << c.from;
    }
}

// A keyboard on which the keys are already typed before anyone asks.
class TypedAheadKeyboard : public HeadlessBackend {
public:
    std::deque<char> keys;
    bool KeyPressed() override { return !keys.empty(); }
    char WaitKey(const Framebuffer&) override {
        if (keys.empty()) throw KeysExhausted{};
        char c = keys.front();
        keys.pop_front();
        return c;
    }
};

TEST(LeesKeyTest, KeysTypedAheadAreDroppedAndOnlyTheNextKeyCounts) {
    auto keyboard = std::make_unique<TypedAheadKeyboard>();
    TypedAheadKeyboard* kb = keyboard.get();
    UseBackend(std::move(keyboard));
    InitGraph(2, 4, "test");
    kb->keys = {'a', '\0', 'P', 'b'};
    char ch = '?';
    EXPECT_THROW(LEESKEY(ch), KeysExhausted);  // all four were typed ahead

    SetKeyScript({std::string("\0H", 2)});
    LEESKEY(ch);
    EXPECT_EQ(ch, 'H');  // the #0 of a special key never reaches the caller
    CloseGraph();
    UseBackend(std::make_unique<HeadlessBackend>());
}

TEST(DagnummerTest, DayNumbersOfDateTexts) {
    struct Case { const char* date; int32_t day; };
    const Case cases[] = {
        {"410601", 14762}, {"711231", 25932}, {"010101", 1},     {"440229", 14762 + 1003},
        {"440301", 14762 + 1004}, {"411301", 14945}, {"411201", 14945}, {"410005", 14615},
        {"410105", 14615}, {"410600", 14761}, {"410531", 14761}, {"410632", 14793},
        {"4106011234", 14762}, {"000101", -364}, {"  0601", -365 + 151 + 1 + 1},
    };
    for (const Case& c : cases) EXPECT_EQ(DAGNUMMER(c.date), c.day) << c.date;
}

TEST(DagnummerTest, ShortOrGarbledTextsGiveADayNumberWithoutFailing) {
    EXPECT_EQ(DAGNUMMER(""), DAGNUMMER("000100"));
    EXPECT_EQ(DAGNUMMER("41"), DAGNUMMER("410100"));
    EXPECT_EQ(DAGNUMMER("4x06y1"), DAGNUMMER("000600"));
}

TEST(FieldNumberTest, ConvertsFixedColumnFields) {
    struct Case { const char* field; int32_t value; };
    const Case cases[] = {
        {" 123", 123}, {"-12", -12}, {"  -5", -5}, {"    ", 0}, {"", 0},  {"12 ", 0},
        {"1a2", 0},    {"-", 0},     {"+5", 0},    {"0042", 42}, {"\xFF\x01", 0}, {"99999999999", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(FieldNumber(c.field), c.value) << '"' << c.field << '"';
}

}  // namespace
