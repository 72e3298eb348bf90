// Saved settings: the Hall of Fame, the background and the stories won, kept between runs.
#pragma once

namespace core {

// Reads everything at start-up; a first run gets the built-in Hall of Fame.
void load_settings();
// Writes the Hall of Fame and the background.
void save_settings();
// Saves, then ends the program at once.
[[noreturn]] void save_and_quit();
// Deletes every saved setting after asking, then ends the program without saving.
void clear_all_settings();
// Writes the number of stories won (the moment a story is won).
void save_stories_won();

// The built-in Hall of Fame.
void default_hall_of_fame();

}  // namespace core
