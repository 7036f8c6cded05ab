// Runs the whole program headless on a key script and collects what it showed.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/framebuffer.h"
#include "platform/png.h"

namespace testsupport {

namespace fs = std::filesystem;

// A fresh directory under the system's temporary directory, removed afterwards.
class TempDir {
public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "duinvelde-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

inline std::string ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteFile(const fs::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

struct ProgramRun {
    int status = -1;
    std::string stderrText;
    std::vector<std::string> trace;
    std::vector<Framebuffer> shots;  // the screen at every wait for a key

    // The screen at the n-th wait for a key, counting from 1.
    const Framebuffer& Shot(size_t n) const {
        static const Framebuffer none{};
        return n >= 1 && n <= shots.size() ? shots[n - 1] : none;
    }
    const Framebuffer& LastShot() const { return Shot(shots.size()); }
    size_t Count(const std::string& line) const {
        size_t n = 0;
        for (const auto& t : trace) n += t == line;
        return n;
    }
};

// Runs the program with --headless in `workDir` (which holds the archive, if
// any) on the key script; extra arguments go after the standard ones.
inline ProgramRun RunHeadless(const fs::path& workDir, const std::string& keys, const std::string& extra = "") {
    fs::path out = workDir / ".run";
    fs::remove_all(out);
    fs::create_directories(out / "shots");
    std::string cmd = std::string(DUINVELDE_EXE) + " --headless --keys " + ShellQuote(keys) + " --shots " +
                      ShellQuote((out / "shots").string()) + " --trace " + ShellQuote((out / "trace").string()) +
                      " --dir " + ShellQuote(workDir.string()) + " " + extra + " 2> " +
                      ShellQuote((out / "stderr").string()) + " < /dev/null";
    ProgramRun run;
    int raw = std::system(cmd.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.stderrText = ReadFile(out / "stderr");
    std::istringstream trace(ReadFile(out / "trace"));
    for (std::string line; std::getline(trace, line);) run.trace.push_back(line);
    for (int i = 1;; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "%04d.png", i);
        if (!fs::exists(out / "shots" / name)) break;
        run.shots.emplace_back();
        ReadPng((out / "shots" / name).string(), run.shots.back());
    }
    return run;
}

// The committed sample archive.
inline fs::path SampleArchive() { return fs::path(DUINVELDE_SOURCE_DIR) / "data" / "WEERDATA.VSs"; }

}  // namespace testsupport
