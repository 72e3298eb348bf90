// Where the screens and the modes lend the round engine what it calls above its own layer.
#pragma once

#include <memory>

namespace core {
class Screens;
}

namespace ui {

class MainForm;

// The window's screens as the round engine reaches them (core::Screens). The window keeps them,
// so that they go with it.
std::unique_ptr<core::Screens> make_window_screens(MainForm& f);
// Lends the engine the window's board and its screens, and has each mode register its own
// round steps.
void lend_round_engine(MainForm& f, core::Screens& screens);
// Takes back what the window with these screens lent, as it goes; a window made since has lent
// its own, which stay.
void take_back_round_engine(const core::Screens& screens);

}  // namespace ui
