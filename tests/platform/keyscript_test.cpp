// Key scripts and the command line.
#include "platform/keyscript.h"

#include <gtest/gtest.h>

#include "shell/commandline.h"

namespace {

std::string Flatten(const std::vector<Keystroke>& keys) {
    std::string s;
    for (const auto& k : keys) s += k + "|";
    return s;
}

TEST(KeyScriptTest, ParsesCharactersNamedKeysAndCounts) {
    struct Case { const char* script; std::string keys; };
    const Case cases[] = {
        {"ab", "a|b|"},
        {"{Up}{Down}{Left}{Right}", std::string("\0H|\0P|\0K|\0M|", 12)},
        {"{Down 3}", std::string("\0P|\0P|\0P|", 9)},
        {"{Enter}{Esc}", "\r|\x1b|"},
        {"{Close}", std::string("\0k|", 3)},
        {"{F1}{F10}", std::string("\0;|\0D|", 6)},
        {"1 ü", "1| |\xFC|"},
        {"", ""},
    };
    for (const Case& c : cases) {
        std::string error;
        auto keys = ParseKeyScript(c.script, error);
        ASSERT_TRUE(keys.has_value()) << c.script << ": " << error;
        EXPECT_EQ(Flatten(*keys), c.keys) << c.script;
    }
}

TEST(KeyScriptTest, RejectsMalformedScripts) {
    for (const char* bad : {"{Up", "Up}", "{Bogus}", "{Down x}", "{Down }", "{Down 99999}", "€"}) {
        std::string error;
        EXPECT_FALSE(ParseKeyScript(bad, error).has_value()) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}

TEST(CommandLineTest, AcceptsTheOptions) {
    std::string error;
    auto o = ParseCommandLine({"--headless", "--keys", "{Enter}", "--shots", "s", "--trace=t", "--dir", "d",
                               "--scale", "3"},
                              error);
    ASSERT_TRUE(o.has_value()) << error;
    EXPECT_TRUE(o->headless);
    EXPECT_EQ(o->keys.size(), 1u);
    EXPECT_EQ(o->shotDir, "s");
    EXPECT_EQ(o->traceFile, "t");
    EXPECT_EQ(o->dir, "d");
    EXPECT_EQ(o->scale, 3);
}

TEST(CommandLineTest, RejectsUnknownOptionsMissingValuesAndBadValues) {
    const std::vector<std::vector<std::string>> bad = {
        {"--bogus"}, {"--keys"}, {"--keys", "{Nope}"}, {"--scale", "0"}, {"--scale", "x"}, {"--headless=1"}, {"plain"},
    };
    for (const auto& args : bad) {
        std::string error;
        EXPECT_FALSE(ParseCommandLine(args, error).has_value()) << args[0];
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
