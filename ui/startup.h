// Start-up initialisation: the random seed, the fixed tables and everything read from disk.
#pragma once

namespace ui {

// Runs once, from the main window's start-up, before anything is drawn. It lies above the
// round engine and the pictures because it readies both.
void init_game();

}  // namespace ui
