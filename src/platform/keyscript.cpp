// Key scripts: the keys a run types by itself, written as text.
#include "platform/keyscript.h"

#include <cctype>
#include <map>

#include "platform/font.h"

namespace {

Keystroke Special(int code) { return Keystroke{'\0', static_cast<char>(code)}; }

const std::map<std::string, Keystroke, std::less<>>& NamedKeys() {
    static const std::map<std::string, Keystroke, std::less<>> keys = {
        {"Up", Special(72)},    {"Down", Special(80)},   {"Left", Special(75)},   {"Right", Special(77)},
        {"Home", Special(71)},  {"End", Special(79)},    {"PgUp", Special(73)},   {"PgDn", Special(81)},
        {"Ins", Special(82)},   {"Del", Special(83)},    {"Enter", "\r"},         {"Esc", "\x1b"},
        {"Tab", "\t"},          {"Backspace", "\b"},     {"Close", CloseButtonKeystroke()},
        {"F1", Special(59)},    {"F2", Special(60)},     {"F3", Special(61)},     {"F4", Special(62)},
        {"F5", Special(63)},    {"F6", Special(64)},     {"F7", Special(65)},     {"F8", Special(66)},
        {"F9", Special(67)},    {"F10", Special(68)},
    };
    return keys;
}

// "{Name}" or "{Name count}" without the braces.
bool ParseBraced(std::string_view body, std::vector<Keystroke>& out, std::string& error) {
    size_t space = body.find(' ');
    std::string_view name = body.substr(0, space);
    long count = 1;
    if (space != std::string_view::npos) {
        std::string_view digits = body.substr(space + 1);
        if (digits.empty() || digits.size() > 4) {
            error = "bad count in {" + std::string(body) + "}";
            return false;
        }
        count = 0;
        for (char c : digits) {
            if (!std::isdigit(static_cast<unsigned char>(c))) {
                error = "bad count in {" + std::string(body) + "}";
                return false;
            }
            count = count * 10 + (c - '0');
        }
    }
    auto it = NamedKeys().find(name);
    if (it == NamedKeys().end()) {
        error = "unknown key {" + std::string(name) + "}";
        return false;
    }
    out.insert(out.end(), static_cast<size_t>(count), it->second);
    return true;
}

}  // namespace

Keystroke CloseButtonKeystroke() { return Special(107); }

std::optional<std::vector<Keystroke>> ParseKeyScript(std::string_view script, std::string& error) {
    std::vector<Keystroke> keys;
    std::u32string chars = DecodeUtf8(script);
    for (size_t i = 0; i < chars.size(); ++i) {
        char32_t c = chars[i];
        if (c == U'}') {
            error = "unmatched }";
            return std::nullopt;
        }
        if (c != U'{') {
            if (c > 0xFF || c == 0) {
                error = "character beyond the keyboard's range";
                return std::nullopt;
            }
            keys.push_back(Keystroke(1, static_cast<char>(c)));
            continue;
        }
        size_t close = chars.find(U'}', i);
        if (close == std::u32string::npos) {
            error = "unmatched {";
            return std::nullopt;
        }
        std::string body;
        for (size_t k = i + 1; k < close; ++k) body.push_back(chars[k] < 0x80 ? static_cast<char>(chars[k]) : '?');
        if (!ParseBraced(body, keys, error)) return std::nullopt;
        i = close;
    }
    return keys;
}
