// Saved settings: the Hall of Fame, the background and the stories won, kept between runs.
#pragma once

namespace core {

// Reads everything at start-up; a first run gets the built-in Hall of Fame.
void load_settings();
// Writes the Hall of Fame and the background, in one save.
void save_settings();
// Saves, then ends the program at once.
[[noreturn]] void save_and_quit();
// Deletes every saved setting after asking, then ends the program without saving.
void clear_all_settings();

// Each value also reaches the disk the moment it changes, so that a run ended by a logout, a
// lost display or a crash keeps it.
// The Hall of Fame: the entries this run has placed since its last save go into the table as
// stored now, where another copy of the game may have placed entries since this one started.
// That table becomes this run's table too.
void save_hall_of_fame();
// The background scheme.
void save_background();
// A story is won: this run's count goes up by one at once, the count on disk with this save or
// the next one that works, and this run's count becomes the disk's once it is written.
void count_won_story();

// The built-in Hall of Fame.
void default_hall_of_fame();

}  // namespace core
