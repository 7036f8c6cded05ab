// The 640 x 480 picture of palette colours that every screen is drawn into.
#include "platform/framebuffer.h"

// The screens were designed on a display where white and light cyan look
// alike and cyan is the bright one; the colours keep that look.
const std::array<Rgb, 16> kPalette = {{
    {0, 0, 0},       {0, 0, 168},     {0, 168, 0},     {84, 252, 252},
    {168, 0, 0},     {168, 0, 168},   {168, 84, 0},    {168, 168, 168},
    {84, 84, 84},    {84, 84, 252},   {84, 252, 84},   {252, 252, 252},
    {252, 84, 84},   {252, 84, 252},  {252, 252, 84},  {252, 252, 252},
}};
