// The window backend: the picture in a desktop window, keys from the keyboard, tones.
#include "platform/window.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <string>
#include <vector>

#include "platform/font.h"
#include "platform/graph.h"

namespace {

constexpr int kAudioRate = 22050;
constexpr int kEventSlice = 20;  // ms between checks for a stop signal while waiting

class WindowBackend : public Backend {
public:
    explicit WindowBackend(int scale) : scale_(scale) {}
    ~WindowBackend() override { Close(); }

    void Open(const std::string& caption) override;
    void Close() override;
    void Present(const Framebuffer& fb) override;
    bool KeyPressed() override;
    char WaitKey(const Framebuffer& fb) override;
    void Tone(int hertz, int milliseconds) override;
    void Alert() override { Tone(880, 120); }
    void Pause(int milliseconds, const Framebuffer& fb) override;

private:
    int ChooseScale() const;
    void OpenAudio();
    void Handle(const SDL_Event& ev, const Framebuffer* fb);
    void HandleKeyDown(const SDL_Keysym& key);
    void HandleText(const char* utf8);
    void Special(int code) { keys_.insert(keys_.end(), {'\0', static_cast<char>(code)}); }

    int scale_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    SDL_AudioDeviceID audio_ = 0;
    std::deque<char> keys_;
    std::vector<uint32_t> argb_ = std::vector<uint32_t>(kScreenWidth * kScreenHeight);
};

// Without a reachable display SDL falls back on drivers that show nothing, and
// the program would wait for keys that nobody can type. Only drivers that put
// a window in front of someone are tried; SDL_VIDEODRIVER still overrides.
void InitVideo() {
    const bool x11 = SDL_getenv("DISPLAY"), wayland = SDL_getenv("WAYLAND_DISPLAY");
    std::string drivers = std::string(x11 ? "x11," : "") + (wayland ? "wayland," : "") + "KMSDRM";
    SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0) return;
    throw NoDisplay{x11 || wayland ? SDL_GetError() : "neither DISPLAY nor WAYLAND_DISPLAY is set"};
}

void WindowBackend::Open(const std::string& caption) {
    // Ctrl+C in the terminal must end the program, not arrive as a window event.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    InitVideo();
    int scale = scale_ > 0 ? scale_ : ChooseScale();
    // Hidden until the renderer exists: making an OpenGL renderer replaces the
    // window, and a window already shown would appear, vanish and come back.
    window_ = SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               kScreenWidth * scale, kScreenHeight * scale,
                               SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
    if (!window_) throw NoDisplay{SDL_GetError()};
    SDL_SetWindowMinimumSize(window_, kScreenWidth, kScreenHeight);
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (!renderer_) throw NoDisplay{SDL_GetError()};
    SDL_RenderSetLogicalSize(renderer_, kScreenWidth, kScreenHeight);
    SDL_RenderSetIntegerScale(renderer_, SDL_TRUE);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                 kScreenWidth, kScreenHeight);
    if (!texture_) throw NoDisplay{SDL_GetError()};
    SDL_ShowWindow(window_);
    SDL_StartTextInput();
    OpenAudio();
}

int WindowBackend::ChooseScale() const {
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return 1;
    return (usable.w >= 2 * kScreenWidth && usable.h >= 2 * kScreenHeight) ? 2 : 1;
}

void WindowBackend::OpenAudio() {
    // Without a sound device the program runs silently.
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    SDL_AudioSpec want{};
    want.freq = kAudioRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 512;
    audio_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (audio_) SDL_PauseAudioDevice(audio_, 0);
}

void WindowBackend::Close() {
    if (audio_) SDL_CloseAudioDevice(audio_);
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    if (window_ || renderer_ || texture_ || audio_) SDL_Quit();
    audio_ = 0;
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
}

void WindowBackend::Present(const Framebuffer& fb) {
    if (!renderer_) return;
    std::transform(fb.pixels.begin(), fb.pixels.end(), argb_.begin(), [](uint8_t c) {
        const Rgb& p = kPalette[c & 15];
        return 0xFF000000u | uint32_t(p.r) << 16 | uint32_t(p.g) << 8 | p.b;
    });
    SDL_UpdateTexture(texture_, nullptr, argb_.data(), kScreenWidth * 4);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
}

// With NumLock off the keypad is the keyboard's second set of arrows and
// editing keys; with NumLock on its digits arrive as text.
SDL_Keycode KeypadAsEditing(const SDL_Keysym& key) {
    if (key.mod & KMOD_NUM) return key.sym;
    switch (key.sym) {
        case SDLK_KP_8: return SDLK_UP;
        case SDLK_KP_2: return SDLK_DOWN;
        case SDLK_KP_4: return SDLK_LEFT;
        case SDLK_KP_6: return SDLK_RIGHT;
        case SDLK_KP_7: return SDLK_HOME;
        case SDLK_KP_1: return SDLK_END;
        case SDLK_KP_9: return SDLK_PAGEUP;
        case SDLK_KP_3: return SDLK_PAGEDOWN;
        case SDLK_KP_0: return SDLK_INSERT;
        case SDLK_KP_PERIOD: return SDLK_DELETE;
        default: return key.sym;
    }
}

void WindowBackend::HandleKeyDown(const SDL_Keysym& key) {
    switch (KeypadAsEditing(key)) {
        case SDLK_UP: Special(72); break;
        case SDLK_DOWN: Special(80); break;
        case SDLK_LEFT: Special(75); break;
        case SDLK_RIGHT: Special(77); break;
        case SDLK_HOME: Special(71); break;
        case SDLK_END: Special(79); break;
        case SDLK_PAGEUP: Special(73); break;
        case SDLK_PAGEDOWN: Special(81); break;
        case SDLK_INSERT: Special(82); break;
        case SDLK_DELETE: Special(83); break;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: keys_.push_back('\r'); break;
        case SDLK_ESCAPE: keys_.push_back('\x1b'); break;
        case SDLK_BACKSPACE: keys_.push_back('\b'); break;
        case SDLK_TAB: keys_.push_back('\t'); break;
        default:
            if (key.sym >= SDLK_F1 && key.sym <= SDLK_F10) Special(59 + (key.sym - SDLK_F1));
            break;
    }
}

// Typed characters come from text input, so a letter never arrives twice.
void WindowBackend::HandleText(const char* utf8) {
    for (char32_t c : DecodeUtf8(utf8))
        if (c > 0 && c <= 0xFF) keys_.push_back(static_cast<char>(c));
}

void WindowBackend::Handle(const SDL_Event& ev, const Framebuffer* fb) {
    switch (ev.type) {
        case SDL_QUIT:
            // The close button confirms like a key; it does not close the window.
            Special(107);
            break;
        case SDL_KEYDOWN: HandleKeyDown(ev.key.keysym); break;
        case SDL_TEXTINPUT: HandleText(ev.text.text); break;
        case SDL_WINDOWEVENT:
            if (fb && (ev.window.event == SDL_WINDOWEVENT_EXPOSED || ev.window.event == SDL_WINDOWEVENT_SIZE_CHANGED))
                Present(*fb);
            break;
        default: break;
    }
}

bool WindowBackend::KeyPressed() {
    SDL_Event ev;
    while (SDL_PollEvent(&ev)) Handle(ev, nullptr);
    return !keys_.empty();
}

char WindowBackend::WaitKey(const Framebuffer& fb) {
    while (keys_.empty()) {
        ThrowIfStopSignalled();
        SDL_Event ev;
        if (SDL_WaitEventTimeout(&ev, kEventSlice)) Handle(ev, &fb);
    }
    char c = keys_.front();
    keys_.pop_front();
    return c;
}

void WindowBackend::Pause(int milliseconds, const Framebuffer& fb) {
    Uint64 end = SDL_GetTicks64() + static_cast<Uint64>(std::max(0, milliseconds));
    for (Uint64 now = SDL_GetTicks64(); now < end; now = SDL_GetTicks64()) {
        ThrowIfStopSignalled();
        SDL_Event ev;
        if (SDL_WaitEventTimeout(&ev, static_cast<int>(std::min<Uint64>(end - now, kEventSlice)))) Handle(ev, &fb);
    }
}

void WindowBackend::Tone(int hertz, int milliseconds) {
    if (!audio_ || hertz <= 0 || milliseconds <= 0) return;
    // A square wave, as a PC speaker would give it.
    size_t samples = static_cast<size_t>(kAudioRate) * static_cast<size_t>(milliseconds) / 1000;
    std::vector<int16_t> wave(samples);
    for (size_t i = 0; i < samples; ++i)
        wave[i] = (static_cast<long long>(i) * hertz * 2 / kAudioRate) % 2 ? -6000 : 6000;
    SDL_QueueAudio(audio_, wave.data(), static_cast<Uint32>(wave.size() * sizeof(int16_t)));
}

}  // namespace

std::unique_ptr<Backend> MakeWindowBackend(int scale) { return std::make_unique<WindowBackend>(scale); }
