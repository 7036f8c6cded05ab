// What the graphics library needs of the outside world: a screen, keys, sound.
#pragma once

#include <string>

#include "platform/framebuffer.h"

class Backend {
public:
    virtual ~Backend() = default;
    virtual void Open(const std::string& caption) = 0;
    virtual void Close() = 0;
    // Shows the picture; called whenever the program waits.
    virtual void Present(const Framebuffer& fb) = 0;
    // True while a key the user typed is queued.
    virtual bool KeyPressed() = 0;
    // Waits for the next key, keeping the window alive meanwhile. A headless
    // backend has no keys of its own and throws KeysExhausted.
    virtual char WaitKey(const Framebuffer& fb) = 0;
    virtual void Tone(int hertz, int milliseconds) = 0;
    virtual void Alert() = 0;
    virtual void Pause(int milliseconds, const Framebuffer& fb) = 0;
};

// The key script ran out while a headless run waited for a key.
struct KeysExhausted {};

// The program was told to stop by a signal; the status to exit with.
struct Interrupted {
    int status;
};

// A backend without a screen: waits take no time, sound is silent.
class HeadlessBackend : public Backend {
public:
    void Open(const std::string&) override {}
    void Close() override {}
    void Present(const Framebuffer&) override {}
    bool KeyPressed() override { return false; }
    char WaitKey(const Framebuffer&) override { throw KeysExhausted{}; }
    void Tone(int, int) override {}
    void Alert() override {}
    void Pause(int, const Framebuffer&) override {}
};
