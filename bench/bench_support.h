// What the benchmarks share: one headless application with the main window and its work picture.
#pragma once

namespace bench {

// Creates the application and the main window once (offscreen); safe to call from every benchmark.
void ensure_game_window();

}  // namespace bench
