// The side windows the game's steps open: name entry, Hall of Fame, help and about.
#pragma once

#include <string>

namespace ui {

// Asks for the player's name; returns when a valid one is in the Hall of Fame's slot 0
// together with the score and the mode text.
void show_form_entername();
// The Hall of Fame, modal over the main window.
void show_form_topten();
bool form_topten_open();
// Writes row i (1..10) of the open Hall of Fame.
void set_topten_row(int i, const std::string& name, const std::string& score, const std::string& mode);
// The help window and the about box, modal over the main window.
void show_form_inst();
void show_form_about();
// "Linear - " or "Story - " and the difficulty in play.
std::string hof_mode_text();

}  // namespace ui
