// Saved settings: read at start-up, written when the program ends.
#pragma once

namespace core {

// Saves what must be kept and ends the program at once.
[[noreturn]] void save_and_quit();

}  // namespace core
