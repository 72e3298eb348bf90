// Start-up initialisation: the random seed, the fixed tables and everything read from disk.
#pragma once

namespace core {

// Runs once, from the main window's start-up, before anything is drawn.
void init_game();
// The Linear and Story difficulty tables.
void init_difficulty_tables();

}  // namespace core
