// Key scripts: the keys a run types by itself, written as text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One keystroke as the keyboard delivers it: one character, or #0 and a code.
using Keystroke = std::string;

// Characters stand for themselves (UTF-8 letters of the Latin-1 range too);
// named keys are written in braces, with an optional count: "{Down 3}".
// Returns nothing when the script is malformed, with the reason in `error`.
std::optional<std::vector<Keystroke>> ParseKeyScript(std::string_view script, std::string& error);

// The keystroke the window's close button produces.
Keystroke CloseButtonKeystroke();
