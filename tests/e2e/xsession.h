// Child processes, a private virtual X server and pictures read back from a window.
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/framebuffer.h"
#include "support/programrun.h"

extern char** environ;

namespace e2e {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// How long anything on the virtual display may take before the test gives up.
constexpr auto kPatience = std::chrono::seconds(15);

// Polls `done` until it holds or the patience runs out.
template <typename F>
bool Eventually(F done, Clock::duration patience = kPatience) {
    const auto deadline = Clock::now() + patience;
    while (!done()) {
        if (Clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

inline bool ToolInstalled(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// This process's environment with some variables set (a value) or removed (none).
inline std::vector<std::string> EnvironmentWith(const std::map<std::string, std::optional<std::string>>& changes) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        std::string entry = *e;
        if (!changes.count(entry.substr(0, entry.find('=')))) env.push_back(entry);
    }
    for (const auto& [name, value] : changes)
        if (value) env.push_back(name + "=" + *value);
    return env;
}

inline std::vector<char*> CStrings(std::vector<std::string>& strings) {
    std::vector<char*> out;
    for (auto& s : strings) out.push_back(s.data());
    out.push_back(nullptr);
    return out;
}

// A process started by the test; killed and reaped when the test is done with it.
class Child {
public:
    // Standard output and error go to files in `outputDir`; `inheritFd` stays open in the child.
    Child(std::vector<std::string> argv, std::vector<std::string> env, const fs::path& outputDir,
          int inheritFd = -1) {
        std::vector<char*> args = CStrings(argv), envp = CStrings(env);
        pid_ = ::fork();
        if (pid_ == 0) Exec(args, envp, outputDir, inheritFd);
    }
    // Asked to stop first, so that an X server removes its lock and socket.
    ~Child() {
        if (pid_ <= 0 || Ended()) return;
        Signal(SIGTERM);
        if (Eventually([&] { return Ended(); }, std::chrono::seconds(3))) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    pid_t pid() const { return pid_; }
    void Signal(int sig) const { ::kill(pid_, sig); }

    // The exit status once the process has ended; minus the signal when a signal killed it.
    std::optional<int> ExitStatus() {
        int raw = 0;
        if (!status_ && pid_ > 0 && ::waitpid(pid_, &raw, WNOHANG) == pid_)
            status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : -WTERMSIG(raw);
        return status_;
    }
    bool Ended() { return ExitStatus().has_value(); }
    std::optional<int> WaitEnded() {
        Eventually([&] { return Ended(); });
        return ExitStatus();
    }

private:
    [[noreturn]] static void Exec(std::vector<char*>& args, std::vector<char*>& envp, const fs::path& outputDir,
                                  int inheritFd) {
        ::dup2(::open("/dev/null", O_RDONLY), 0);
        ::dup2(::open((outputDir / "stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
        ::dup2(::open((outputDir / "stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        if (inheritFd >= 0) ::fcntl(inheritFd, F_SETFD, 0);
        ::execvpe(args[0], args.data(), envp.data());
        ::_exit(127);
    }

    pid_t pid_ = -1;
    std::optional<int> status_;
};

// Reads the display number Xvfb reports once it accepts connections.
inline std::string ReadDisplayNumber(int fd) {
    std::string number;
    const auto deadline = Clock::now() + kPatience;
    while (Clock::now() < deadline && number.find('\n') == std::string::npos) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0) continue;
        char buf[16];
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n <= 0) break;
        number.append(buf, static_cast<size_t>(n));
    }
    return number.find('\n') == std::string::npos ? "" : number.substr(0, number.find('\n'));
}

// A window that is gone makes Xlib report an error; the test looks at the result instead.
inline int IgnoreXError(Display*, XErrorEvent*) { return 0; }

// A virtual X server of its own on a display number it picks itself, so
// tests running side by side never meet, and a connection to it.
class VirtualDisplay {
public:
    explicit VirtualDisplay(const std::string& size) {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) return;
        server_ = std::make_unique<Child>(
            std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", size + "x24",
                                     "-nolisten", "tcp"},
            EnvironmentWith({}), dir_.path(), fds[1]);
        ::close(fds[1]);
        std::string number = ReadDisplayNumber(fds[0]);
        ::close(fds[0]);
        if (number.empty()) return;
        name_ = ":" + number;
        XSetErrorHandler(IgnoreXError);
        x_ = XOpenDisplay(name_.c_str());
        if (!x_) return;
        XSelectInput(x_, DefaultRootWindow(x_), SubstructureNotifyMask);
        XSync(x_, False);
    }
    ~VirtualDisplay() {
        if (x_) XCloseDisplay(x_);
    }
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    bool Up() const { return x_ != nullptr; }
    const std::string& Name() const { return name_; }
    Display* X() const { return x_; }
    std::string Log() const { return testsupport::ReadFile(dir_.path() / "stderr"); }

    // How often a window was put on the screen since the server started.
    int WindowsMapped() {
        XSync(x_, False);
        for (XEvent ev; XPending(x_);) {
            XNextEvent(x_, &ev);
            mapped_ += ev.type == MapNotify;
        }
        return mapped_;
    }

    // Runs an xdotool command on this display; its standard output, or none when it failed.
    std::optional<std::string> Xdotool(const std::string& args) const {
        std::string cmd = "DISPLAY=" + name_ + " xdotool " + args + " 2>/dev/null";
        FILE* p = ::popen(cmd.c_str(), "r");
        if (!p) return std::nullopt;
        std::string out;
        char buf[256];
        while (size_t n = std::fread(buf, 1, sizeof buf, p)) out.append(buf, n);
        return ::pclose(p) == 0 ? std::optional<std::string>(out) : std::nullopt;
    }

private:
    testsupport::TempDir dir_;
    std::unique_ptr<Child> server_;
    std::string name_;
    Display* x_ = nullptr;
    int mapped_ = 0;
};

// What a window shows, in the colours of the screen.
struct Picture {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;
    const Rgb& At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

inline uint8_t Component(unsigned long pixel, unsigned long mask) {
    if (mask == 0) return 0;
    int shift = __builtin_ctzl(mask);
    unsigned long max = mask >> shift;
    return static_cast<uint8_t>(((pixel & mask) >> shift) * 255 / max);
}

// The window's contents as the X server holds them; empty when the window is gone.
inline Picture Capture(Display* x, Window w) {
    Picture pic;
    XWindowAttributes attr;
    if (!XGetWindowAttributes(x, w, &attr)) return pic;
    XImage* img = XGetImage(x, w, 0, 0, static_cast<unsigned>(attr.width), static_cast<unsigned>(attr.height),
                            AllPlanes, ZPixmap);
    if (!img) return pic;
    pic.width = attr.width;
    pic.height = attr.height;
    for (int y = 0; y < pic.height; ++y)
        for (int xx = 0; xx < pic.width; ++xx) {
            unsigned long p = XGetPixel(img, xx, y);
            pic.pixels.push_back({Component(p, img->red_mask), Component(p, img->green_mask),
                                  Component(p, img->blue_mask)});
        }
    XDestroyImage(img);
    return pic;
}

// A headless screenshot as a window of the given size shows it: each pixel
// `scale` times as large, centred on black.
inline Picture Expected(const Framebuffer& fb, int scale, int width, int height) {
    Picture pic{width, height, std::vector<Rgb>(static_cast<size_t>(width) * height, Rgb{0, 0, 0})};
    const int left = (width - kScreenWidth * scale) / 2, top = (height - kScreenHeight * scale) / 2;
    for (int y = 0; y < kScreenHeight * scale; ++y)
        for (int x = 0; x < kScreenWidth * scale; ++x)
            pic.pixels[static_cast<size_t>(top + y) * width + left + x] = kPalette[fb.At(x / scale, y / scale) & 15];
    return pic;
}

inline Picture Expected(const Framebuffer& fb, int scale) {
    return Expected(fb, scale, kScreenWidth * scale, kScreenHeight * scale);
}

inline std::ostream& operator<<(std::ostream& os, const Rgb& c) {
    return os << '(' << int{c.r} << ", " << int{c.g} << ", " << int{c.b} << ')';
}

// Empty when the pictures are equal; otherwise where and how they differ.
inline std::string Difference(const Picture& want, const Picture& got) {
    std::ostringstream out;
    if (want.width != got.width || want.height != got.height) {
        out << "the window is " << got.width << " x " << got.height << ", expected " << want.width << " x "
            << want.height;
        return out.str();
    }
    size_t count = 0, first = 0;
    for (size_t i = want.pixels.size(); i-- > 0;) {
        const Rgb &a = want.pixels[i], &b = got.pixels[i];
        if (a.r != b.r || a.g != b.g || a.b != b.b) ++count, first = i;
    }
    if (count == 0) return "";
    const int x = static_cast<int>(first % static_cast<size_t>(want.width));
    const int y = static_cast<int>(first / static_cast<size_t>(want.width));
    out << count << " pixels differ; the first at (" << x << ", " << y << "): window " << got.At(x, y)
        << ", headless " << want.At(x, y);
    return out.str();
}

// Asks the window to close as a window manager's close button does.
inline void RequestClose(Display* x, Window w) {
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = w;
    ev.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(XInternAtom(x, "WM_DELETE_WINDOW", False));
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(x, w, False, NoEventMask, &ev);
    XFlush(x);
}

}  // namespace e2e
