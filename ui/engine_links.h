// Where the screens and the modes lend the round engine what it calls above its own layer.
#pragma once

namespace ui {

class MainForm;

// Lends the engine the window's board and its screens (core::Screens), and has each mode
// register its own round steps.
void lend_round_engine(MainForm& f);
// Takes back what this window lent, as it goes.
void take_back_round_engine(const MainForm& f);

}  // namespace ui
