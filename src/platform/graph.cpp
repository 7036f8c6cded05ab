// The graphics library: one 640 x 480 window in 16 colours, keys and sound.
#include "platform/graph.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>

#include "platform/png.h"

namespace {

struct Session {
    std::unique_ptr<Backend> backend = std::make_unique<HeadlessBackend>();
    Framebuffer fb;
    DrawState st;
    bool open = false;
    std::deque<Keystroke> script;
    std::deque<char> pending;  // rest of a keystroke already delivered in part
    std::string shotDir;
    int shotCount = 0;
    std::ofstream trace;
};

Session& S() {
    static Session session;
    return session;
}

std::atomic<int> g_stopSignal{0};

extern "C" void OnStopSignal(int sig) { g_stopSignal.store(sig); }

uint8_t ColourIndex(unsigned colour) { return static_cast<uint8_t>(colour & 15u); }

void SaveShot() {
    Session& s = S();
    if (s.shotDir.empty()) return;
    char name[16];
    std::snprintf(name, sizeof name, "%04d.png", ++s.shotCount);
    WritePng(s.fb, (std::filesystem::path(s.shotDir) / name).string());
}

// The program is about to wait for a key: show the picture, record the wait.
void BeginWait() {
    TraceEvent("wait");
    SaveShot();
    S().backend->Present(S().fb);
}

char Deliver(char c) {
    TraceEvent("key " + std::to_string(static_cast<unsigned char>(c)));
    return c;
}

}  // namespace

void UseBackend(std::unique_ptr<Backend> backend) { S().backend = std::move(backend); }

void SetKeyScript(std::vector<Keystroke> keys) { S().script.assign(keys.begin(), keys.end()); }

void SetShotDirectory(const std::string& dir) {
    S().shotDir = dir;
    if (!dir.empty()) std::filesystem::create_directories(dir);
}

bool OpenTrace(const std::string& path) {
    S().trace.open(path, std::ios::out | std::ios::trunc);
    return S().trace.is_open();
}

void TraceEvent(const std::string& line) {
    if (S().trace.is_open()) S().trace << line << '\n' << std::flush;
}

void InstallStopSignals() {
    std::signal(SIGINT, OnStopSignal);
    std::signal(SIGTERM, OnStopSignal);
}

int PendingStopSignal() { return g_stopSignal.load(); }

void ThrowIfStopSignalled() {
    if (int sig = g_stopSignal.load()) throw Interrupted{128 + sig};
}

const Framebuffer& Screen() { return S().fb; }
const DrawState& CurrentDrawState() { return S().st; }
bool GraphOpen() { return S().open; }

void InitGraph(int /*driver*/, int /*mode*/, const std::string& caption) {
    Session& s = S();
    s.fb = Framebuffer{};
    s.st = DrawState{};
    s.backend->Open(caption);
    s.open = true;
}

void SetGraphMode(int /*mode*/) {}

void CloseGraph() {
    if (!S().open) return;
    S().open = false;
    S().backend->Close();
}

int GetMaxX() { return kScreenWidth - 1; }
int GetMaxY() { return kScreenHeight - 1; }

void SetViewPort(int x1, int y1, int x2, int y2, bool clip) {
    DrawState& st = S().st;
    st.port = ViewPort{x1, y1, x2, y2, clip};
    st.cpX = st.cpY = 0;
}

void ClearViewPort() {
    ClearPort(S().fb, S().st);
    S().st.cpX = S().st.cpY = 0;
}

void SetColor(unsigned colour) { S().st.colour = ColourIndex(colour); }
void SetBkColor(unsigned colour) { S().st.background = ColourIndex(colour); }

void SetFillStyle(int pattern, unsigned colour) {
    S().st.fillStyle = pattern;
    S().st.fillColour = ColourIndex(colour);
}

void SetLineStyle(int style, unsigned /*pattern*/, int width) {
    S().st.lineStyle = style;
    S().st.lineWidth = width;
}

void SetTextStyle(int /*font*/, int /*direction*/, int size) { S().st.textSize = size; }

void OutTextXY(int x, int y, std::string_view text) { DrawText(S().fb, S().st, x, y, text); }

void MoveTo(int x, int y) {
    S().st.cpX = x;
    S().st.cpY = y;
}

void LineTo(int x, int y) {
    DrawLine(S().fb, S().st, S().st.cpX, S().st.cpY, x, y);
    MoveTo(x, y);
}

void Line(int x1, int y1, int x2, int y2) { DrawLine(S().fb, S().st, x1, y1, x2, y2); }
void Rectangle(int x1, int y1, int x2, int y2) { DrawRectangle(S().fb, S().st, x1, y1, x2, y2); }
void Bar(int x1, int y1, int x2, int y2) { DrawBar(S().fb, S().st, x1, y1, x2, y2); }
void FloodFill(int x, int y, unsigned border) { DrawFloodFill(S().fb, S().st, x, y, ColourIndex(border)); }

bool KeyPressed() {
    ThrowIfStopSignalled();
    return !S().pending.empty() || S().backend->KeyPressed();
}

char ReadKey() {
    ThrowIfStopSignalled();
    Session& s = S();
    if (!s.pending.empty()) {
        char c = s.pending.front();
        s.pending.pop_front();
        return Deliver(c);
    }
    if (s.backend->KeyPressed()) return Deliver(s.backend->WaitKey(s.fb));
    BeginWait();
    if (!s.script.empty()) {
        Keystroke k = s.script.front();
        s.script.pop_front();
        s.pending.assign(k.begin() + 1, k.end());
        return Deliver(k.front());
    }
    return Deliver(s.backend->WaitKey(s.fb));
}

void Sound(int hertz, int milliseconds) { S().backend->Tone(hertz, milliseconds); }

void Delay(int milliseconds) {
    ThrowIfStopSignalled();
    TraceEvent("delay " + std::to_string(milliseconds));
    S().backend->Present(S().fb);
    S().backend->Pause(milliseconds, S().fb);
    ThrowIfStopSignalled();
}

void Alert() { S().backend->Alert(); }
