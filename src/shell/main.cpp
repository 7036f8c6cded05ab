// Duinvelde: the weather observations of the Duinvelde lysimeter site, 1941-1971.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/graph.h"
#include "platform/window.h"
#include "shell/commandline.h"
#include "shell/duinvelde.h"
#include "toolkit/runerror.h"

#ifndef DUINVELDE_VERSION
#define DUINVELDE_VERSION "0"
#endif

namespace {

constexpr int kUsageStatus = 64;

int UsageError(const std::string& message) {
    std::fprintf(stderr, "duinvelde: %s (see --help)\n", message.c_str());
    return kUsageStatus;
}

// Sets up the run as the options ask; an error message when that fails.
std::string Prepare(const Options& o) {
    if (!o.dir.empty() && ::chdir(o.dir.c_str()) != 0)
        return "cannot work in " + o.dir + ": " + std::strerror(errno);
    if (!o.traceFile.empty() && !OpenTrace(o.traceFile)) return "cannot write the trace " + o.traceFile;
    if (!o.shotDir.empty()) SetShotDirectory(o.shotDir);
    UseBackend(o.headless ? std::make_unique<HeadlessBackend>() : MakeWindowBackend(o.scale));
    SetKeyScript(o.keys);
    InstallStopSignals();
    return {};
}

int RunProgram() {
    try {
        InitialiseerModules();
        Hoofdprogramma programma;
        programma.Run();
        SluitModules();
        return 0;
    } catch (const RunErrorException& e) {
        CloseGraph();
        std::fprintf(stderr, "Runtime error %d: %s\n", e.code(), e.what());
        return e.code();
    } catch (const KeysExhausted&) {
        TraceEvent("end keys");
        CloseGraph();
        SluitModules();
        return 0;
    } catch (const Interrupted& stop) {
        CloseGraph();
        SluitModules();
        return stop.status;
    } catch (const NoDisplay& e) {
        std::fprintf(stderr, "duinvelde: no display for the window (%s); try --headless\n", e.reason.c_str());
        SluitModules();
        return 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    auto options = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) return UsageError(error);
    if (options->help) {
        std::fputs(UsageText(), stdout);
        return 0;
    }
    if (options->version) {
        std::printf("duinvelde %s\n", DUINVELDE_VERSION);
        return 0;
    }
    if (std::string problem = Prepare(*options); !problem.empty()) {
        std::fprintf(stderr, "duinvelde: %s\n", problem.c_str());
        return 1;
    }
    return RunProgram();
}
