// End to end: the real window on a virtual X server, typed at with xdotool, shows what a headless run shows.
#include <gtest/gtest.h>

#include <csignal>
#include <sstream>

#include "e2e/xsession.h"
#include "support/programrun.h"

namespace {

using namespace e2e;
using testsupport::ReadFile;
using testsupport::TempDir;

const std::string kCaptionPattern = "'^Duinvelde data presentation$'";

// The environment of a program run on the display. A sanitized program checks
// its leaks at exit; the suppressions name those of the system libraries that
// the window brings in.
std::vector<std::string> ProgramEnvironment(const std::optional<std::string>& display) {
    std::map<std::string, std::optional<std::string>> env = {
        {"DISPLAY", display},
        {"WAYLAND_DISPLAY", std::nullopt},
        {"SDL_VIDEODRIVER", std::nullopt},
        {"LSAN_OPTIONS", "suppressions=" +
                             (fs::path(DUINVELDE_SOURCE_DIR) / "tests" / "e2e" / "lsan.supp").string() +
                             ":print_suppressions=0"}};
#ifdef __SANITIZE_ADDRESS__
    // SDL unloads the OpenGL driver before the leak report, and the driver's
    // own leaks then carry no name that a suppression could match. Drawn in
    // software, the window loads no OpenGL; the other builds cover OpenGL.
    env["SDL_RENDER_DRIVER"] = "software";
    env["SDL_FRAMEBUFFER_ACCELERATION"] = "0";
#endif
    return EnvironmentWith(env);
}

// A work directory holding an archive the program can open.
void PutArchive(const TempDir& dir) { testsupport::WriteFile(dir.path() / "WEERDATA.VSs", ""); }

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// What a headless run of the same keys showed at each wait, and its trace.
testsupport::ProgramRun Headless(const std::string& keys) {
    TempDir dir;
    PutArchive(dir);
    return testsupport::RunHeadless(dir.path(), keys);
}

// The program in its window on the virtual display, started on a key script.
class WindowedProgram {
public:
    WindowedProgram(const VirtualDisplay& display, const std::string& keys,
                    std::vector<std::string> options = {"--scale", "1"})
        : display_(display) {
        PutArchive(dir_);
        std::vector<std::string> argv = {DUINVELDE_EXE, "--keys", keys, "--trace", TracePath().string(),
                                         "--dir", dir_.path().string()};
        argv.insert(argv.end(), options.begin(), options.end());
        process_ = std::make_unique<Child>(argv, ProgramEnvironment(display.Name()), dir_.path());
    }

    Child& Process() { return *process_; }
    std::string Errors() const { return ReadFile(dir_.path() / "stderr"); }
    std::vector<std::string> Trace() const { return Lines(ReadFile(TracePath())); }

    // Empty once the window is on the screen and has the keyboard; otherwise what went wrong.
    std::string WaitForWindow() {
        Eventually([&] {
            auto ids = display_.Xdotool("search --onlyvisible --name " + kCaptionPattern);
            window_ = ids ? std::strtoul(ids->c_str(), nullptr, 10) : 0;
            return window_ != 0 || process_->Ended();
        });
        if (window_ == 0)
            return process_->Ended() ? "the program ended with " + std::to_string(*process_->ExitStatus()) + ": " +
                                           Errors()
                                     : "no window appeared";
        const std::string focus = "windowfocus --sync " + std::to_string(window_);
        return Eventually([&] { return display_.Xdotool(focus).has_value(); }) ? "" : "the window took no focus";
    }

    // Empty once the window shows the headless screenshot at the scale; otherwise how it differs.
    std::string Shows(const Framebuffer& shot, int scale = 1) const { return Shows(Expected(shot, scale)); }
    std::string Shows(const Picture& want) const {
        std::string difference;
        Eventually([&] {
            difference = Difference(want, Capture(display_.X(), window_));
            return difference.empty();
        });
        return difference;
    }

    // Runs an xdotool command in which {w} stands for the window.
    bool Do(std::string command) const {
        for (size_t at; (at = command.find("{w}")) != std::string::npos;)
            command.replace(at, 3, std::to_string(window_));
        return display_.Xdotool(command).has_value();
    }
    bool Type(const std::string& key) const { return display_.Xdotool("key " + key).has_value(); }
    void PressCloseButton() const { RequestClose(display_.X(), window_); }
    bool WindowGone() const { return !display_.Xdotool("search --name " + kCaptionPattern); }

private:
    fs::path TracePath() const { return dir_.path() / "trace"; }

    const VirtualDisplay& display_;
    TempDir dir_;
    std::unique_ptr<Child> process_;
    Window window_ = 0;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {"Xvfb", "xdotool"})
            ASSERT_TRUE(ToolInstalled(tool)) << tool << " is not installed; scripts/setup.sh installs it "
                                             << "(Debian packages xvfb and xdotool)";
    }
    void StartDisplay(const std::string& size) {
        display_ = std::make_unique<VirtualDisplay>(size);
        ASSERT_TRUE(display_->Up()) << "Xvfb did not start: " << display_->Log();
    }

    std::unique_ptr<VirtualDisplay> display_;
};

// --- The picture and its scale ---

struct ScaleCase {
    const char* name;
    const char* screen;
    std::vector<std::string> options;
    int factor;
};

void PrintTo(const ScaleCase& c, std::ostream* os) { *os << c.name; }

class WindowScaleTest : public WindowTest, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(WindowScaleTest, ShowsTheScriptedLanguageScreenAtItsScale) {
    const ScaleCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(StartDisplay(c.screen));
    testsupport::ProgramRun headless = Headless("{Right}");
    ASSERT_EQ(headless.shots.size(), 2u);
    WindowedProgram program(*display_, "{Right}", c.options);
    ASSERT_EQ(program.WaitForWindow(), "");
    EXPECT_EQ(program.Shows(headless.shots.back(), c.factor), "");
    EXPECT_EQ(display_->WindowsMapped(), 1) << "the window appeared more than once";
}

INSTANTIATE_TEST_SUITE_P(Screens, WindowScaleTest,
                         ::testing::Values(ScaleCase{"AskedOnce", "1280x1024", {"--scale", "1"}, 1},
                                           ScaleCase{"TwiceFits", "1280x1024", {}, 2},
                                           ScaleCase{"TwiceTooLarge", "1024x768", {}, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

// The window paints the picture again when it is shown again or resized:
// a larger window takes the largest whole factor that fits, centred on black.
struct RepaintCase {
    const char* name;
    std::vector<std::string> commands;
    int width, height, factor;
};

void PrintTo(const RepaintCase& c, std::ostream* os) { *os << c.name; }

class WindowRepaintTest : public WindowTest, public ::testing::WithParamInterface<RepaintCase> {};

TEST_P(WindowRepaintTest, ShowsThePictureAgain) {
    const RepaintCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(StartDisplay("1280x1024"));
    testsupport::ProgramRun headless = Headless("{Right}");
    ASSERT_EQ(headless.shots.size(), 2u);
    WindowedProgram program(*display_, "{Right}");
    ASSERT_EQ(program.WaitForWindow(), "");
    ASSERT_EQ(program.Shows(headless.shots.back()), "");
    for (const std::string& command : c.commands) ASSERT_TRUE(program.Do(command)) << command;
    EXPECT_EQ(program.Shows(Expected(headless.shots.back(), c.factor, c.width, c.height)), "");
}

// Resized windows first move to the corner: only what is on the screen can be read back.
INSTANTIATE_TEST_SUITE_P(
    Windows, WindowRepaintTest,
    ::testing::Values(RepaintCase{"HiddenAndShown", {"windowunmap --sync {w}", "windowmap --sync {w}"}, 640, 480, 1},
                      RepaintCase{"Widened", {"windowmove --sync {w} 0 0", "windowsize --sync {w} 1000 700"},
                                  1000, 700, 1},
                      RepaintCase{"Doubled", {"windowmove --sync {w} 0 0", "windowsize --sync {w} 1280 1000"},
                                  1280, 1000, 2}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Keys, the close button and the end ---

TEST_F(WindowTest, KeysTypedAtTheWindowArriveAsTheKeyboardsCodes) {
    ASSERT_NO_FATAL_FAILURE(StartDisplay("1280x1024"));
    // Down, Right and the keypad's Down (NumLock off) step as arrows; a capital
    // P typed as a letter steps too; Return confirms.
    const std::vector<std::string> keys = {"Down", "Right", "KP_Down", "shift+p", "Return"};
    testsupport::ProgramRun headless = Headless("{Enter}{Down}{Right}{Down}P{Enter}");
    ASSERT_EQ(headless.shots.size(), keys.size() + 2);
    ASSERT_EQ(headless.trace.back(), "end keys");

    WindowedProgram program(*display_, "{Enter}");
    ASSERT_EQ(program.WaitForWindow(), "");
    ASSERT_EQ(program.Shows(headless.shots[1]), "") << "the menu after the script";
    for (size_t i = 0; i < keys.size(); ++i) {
        ASSERT_TRUE(program.Type(keys[i]));
        ASSERT_EQ(program.Shows(headless.shots[i + 2]), "") << "after " << keys[i];
    }
    const std::vector<std::string> expected(headless.trace.begin(), headless.trace.end() - 1);
    Eventually([&] { return program.Trace().size() >= expected.size(); });
    EXPECT_EQ(program.Trace(), expected);
}

TEST_F(WindowTest, CloseButtonConfirmsTheFramedLanguageAndQuitEndsTheRun) {
    ASSERT_NO_FATAL_FAILURE(StartDisplay("1280x1024"));
    testsupport::ProgramRun headless = Headless("{Right}{Close}{Up}{Enter}");
    ASSERT_EQ(headless.status, 0);
    ASSERT_EQ(headless.shots.size(), 4u);

    WindowedProgram program(*display_, "");
    ASSERT_EQ(program.WaitForWindow(), "");
    ASSERT_EQ(program.Shows(headless.shots[0]), "") << "the first picture, before any key";
    ASSERT_TRUE(program.Type("Right"));
    ASSERT_EQ(program.Shows(headless.shots[1]), "") << "English framed";
    program.PressCloseButton();
    ASSERT_EQ(program.Shows(headless.shots[2]), "") << "the English menu after the close button";
    ASSERT_FALSE(program.WindowGone());
    ASSERT_TRUE(program.Type("Up"));
    ASSERT_EQ(program.Shows(headless.shots[3]), "") << "the last entry framed";
    ASSERT_TRUE(program.Type("Return"));
    EXPECT_EQ(program.Process().WaitEnded(), 0) << program.Errors();
    EXPECT_TRUE(program.WindowGone());
    EXPECT_EQ(program.Trace(), headless.trace);
}

struct StopCase {
    const char* name;
    int signal;
    int status;
};

void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }

class WindowStopTest : public WindowTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(WindowStopTest, SignalClosesTheWindowAndEndsWithItsStatus) {
    ASSERT_NO_FATAL_FAILURE(StartDisplay("1280x1024"));
    testsupport::ProgramRun headless = Headless("{Enter}");
    ASSERT_EQ(headless.shots.size(), 2u);
    WindowedProgram program(*display_, "{Enter}");
    ASSERT_EQ(program.WaitForWindow(), "");
    ASSERT_EQ(program.Shows(headless.shots[1]), "") << "waiting in the menu";
    program.Process().Signal(GetParam().signal);
    EXPECT_EQ(program.Process().WaitEnded(), GetParam().status) << program.Errors();
    EXPECT_TRUE(program.WindowGone());
}

INSTANTIATE_TEST_SUITE_P(Signals, WindowStopTest,
                         ::testing::Values(StopCase{"Terminate", SIGTERM, 143}, StopCase{"Interrupt", SIGINT, 130}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- No display to be had ---

class WindowWithoutDisplay : public ::testing::TestWithParam<std::optional<std::string>> {};

TEST_P(WindowWithoutDisplay, SaysSoInOneLineAndEndsWithStatus1) {
    TempDir dir;
    PutArchive(dir);
    Child program({DUINVELDE_EXE, "--dir", dir.path().string()}, ProgramEnvironment(GetParam()), dir.path());
    auto status = program.WaitEnded();
    ASSERT_TRUE(status.has_value()) << "still running without a display";
    EXPECT_EQ(*status, 1);
    const std::string errors = ReadFile(dir.path() / "stderr");
    EXPECT_EQ(Lines(errors).size(), 1u) << errors;
    EXPECT_NE(errors.find("--headless"), std::string::npos) << errors;
    EXPECT_EQ(ReadFile(dir.path() / "stdout"), "");
}

// No DISPLAY at all, and one that names a display where no X server runs.
INSTANTIATE_TEST_SUITE_P(Displays, WindowWithoutDisplay,
                         ::testing::Values(std::nullopt, std::optional<std::string>(":65000")),
                         [](const auto& info) { return std::string(info.param ? "NoServer" : "Unset"); });

}  // namespace
