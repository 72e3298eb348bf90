// Start-up initialisation of the game state.
#pragma once

namespace core {

// Runs once, from the main window's start-up.
void init_game();

}  // namespace core
