// The command line: options for running without a screen, scripted keys and screenshots.
#include "shell/commandline.h"

#include <cctype>

namespace {

bool ParseScale(const std::string& text, int& scale) {
    if (text.empty() || text.size() > 2) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    scale = std::stoi(text);
    return scale >= 1 && scale <= 16;
}

// Applies an option that takes a value; false when the value is bad.
bool ApplyValue(Options& o, const std::string& opt, const std::string& value, std::string& error) {
    if (opt == "--keys") {
        auto keys = ParseKeyScript(value, error);
        if (!keys) {
            error = "bad key script: " + error;
            return false;
        }
        o.keys = std::move(*keys);
    } else if (opt == "--shots") {
        o.shotDir = value;
    } else if (opt == "--trace") {
        o.traceFile = value;
    } else if (opt == "--dir") {
        o.dir = value;
    } else if (!ParseScale(value, o.scale)) {
        error = "--scale wants a whole number from 1 to 16";
        return false;
    }
    return true;
}

bool TakesValue(const std::string& opt) {
    return opt == "--keys" || opt == "--shots" || opt == "--trace" || opt == "--dir" || opt == "--scale";
}

}  // namespace

std::optional<Options> ParseCommandLine(const std::vector<std::string>& args, std::string& error) {
    Options o;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string opt = args[i], value;
        bool inlineValue = false;
        if (size_t eq = opt.find('='); opt.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = opt.substr(eq + 1);
            opt = opt.substr(0, eq);
            inlineValue = true;
        }
        if (opt == "--headless" && !inlineValue) o.headless = true;
        else if (opt == "--help" && !inlineValue) o.help = true;
        else if (opt == "--version" && !inlineValue) o.version = true;
        else if (TakesValue(opt)) {
            if (!inlineValue) {
                if (i + 1 >= args.size()) {
                    error = opt + " wants a value";
                    return std::nullopt;
                }
                value = args[++i];
            }
            if (!ApplyValue(o, opt, value, error)) return std::nullopt;
        } else {
            error = "unknown option " + args[i];
            return std::nullopt;
        }
    }
    return o;
}

const char* UsageText() {
    return "usage: duinvelde [--headless] [--keys SCRIPT] [--shots DIR] [--trace FILE] [--dir DIR]\n"
           "                 [--scale N] [--help] [--version]\n"
           "Shows the Duinvelde weather archive WEERDATA.VSs of the working directory.\n"
           "  --headless     run without a window\n"
           "  --keys SCRIPT  type these keys first: characters as themselves, {Up} {Down} {Left}\n"
           "                 {Right} {Enter} {Esc} {Close} {F1}..{F10}, with a count: {Down 3}\n"
           "  --shots DIR    save the screen as DIR/0001.png, 0002.png, ... at every wait for a key\n"
           "  --trace FILE   write the waits, keys, signals and delays to FILE\n"
           "  --dir DIR      run in DIR\n"
           "  --scale N      enlarge the window N times\n";
}
