// Golden screens: a picture compared exactly with a PNG committed under tests/golden.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/framebuffer.h"
#include "platform/png.h"

namespace testsupport {

// Compares `fb` with tests/golden/NAME.png. With DUINVELDE_UPDATE_GOLDEN=1 in
// the environment the golden file is written instead: a deliberate refresh
// whose diff a reviewer looks at.
inline void ExpectGolden(const Framebuffer& fb, const std::string& name) {
    namespace fs = std::filesystem;
    fs::path golden = fs::path(DUINVELDE_SOURCE_DIR) / "tests" / "golden" / (name + ".png");
    const char* update = std::getenv("DUINVELDE_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        fs::create_directories(golden.parent_path());
        ASSERT_TRUE(WritePng(fb, golden.string())) << "cannot write " << golden;
        return;
    }
    Framebuffer expected;
    ASSERT_TRUE(ReadPng(golden.string(), expected)) << "missing golden screen " << golden;
    int differing = 0, firstX = -1, firstY = -1;
    for (int y = 0; y < kScreenHeight; ++y)
        for (int x = 0; x < kScreenWidth; ++x)
            if (fb.At(x, y) != expected.At(x, y) && differing++ == 0) {
                firstX = x;
                firstY = y;
            }
    if (differing == 0) return;
    fs::path actual = fs::temp_directory_path() / (name + ".actual.png");
    WritePng(fb, actual.string());
    ADD_FAILURE() << name << ": " << differing << " pixels differ from the golden screen, the first at (" << firstX
                  << ", " << firstY << "): " << int(fb.At(firstX, firstY)) << " instead of "
                  << int(expected.At(firstX, firstY)) << "; the picture is in " << actual;
}

}  // namespace testsupport
