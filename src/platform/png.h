// Screenshots: the framebuffer as a palette PNG file and back.
#pragma once

#include <string>

#include "platform/framebuffer.h"

// Writes the picture with the 16 colours as its palette; false on failure.
bool WritePng(const Framebuffer& fb, const std::string& path);

// Reads a PNG written by WritePng back into palette indices; false when the
// file is missing or is not a 640 x 480 palette picture.
bool ReadPng(const std::string& path, Framebuffer& fb);
