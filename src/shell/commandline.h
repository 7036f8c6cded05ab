// The command line: options for running without a screen, scripted keys and screenshots.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/keyscript.h"

struct Options {
    bool headless = false;
    std::vector<Keystroke> keys;
    std::string shotDir;
    std::string traceFile;
    std::string dir;
    int scale = 0;  // 0: the largest whole factor up to 2 that fits the desktop
    bool help = false;
    bool version = false;
};

// Returns nothing for a malformed command line, with a one-line reason in `error`.
std::optional<Options> ParseCommandLine(const std::vector<std::string>& args, std::string& error);

const char* UsageText();
