// The window backend: the picture in a desktop window, keys from the keyboard, tones.
#pragma once

#include <memory>
#include <string>

#include "platform/backend.h"

// No display could be opened for the window.
struct NoDisplay {
    std::string reason;
};

// scale 0 picks the largest whole factor up to 2 that fits the desktop.
std::unique_ptr<Backend> MakeWindowBackend(int scale);
