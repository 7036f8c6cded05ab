// The views the main menu's entries call, by entry number.
#pragma once

#include <cstdint>

using MenuView = void (*)(int16_t TAAL);

// The view of menu entry 1-11, or nullptr for an entry whose screen the
// program does not have yet: that entry returns to the menu at once.
MenuView MenuViewFor(int16_t entry);
