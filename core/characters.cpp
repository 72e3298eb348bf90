// The Story characters: the name a player types to pick one and the line it says when picked.
#include "core/characters.h"

namespace core {

const std::array<CharacterRow, kCharacterRows>& character_rows() {
    // The typed word is found by searching the whole key buffer in table order, so no name may
    // be the start of another or contain a cheat word: an earlier row would win every time.
    static const std::array<CharacterRow, kCharacterRows> rows = {{
        {"?", ""},
        {"turtle", "See.. see me go. I can beat the hare!"},
        {"puppy", "Woof woof!"},
        {"piggy", "Oink...! Oink...!"},
        {"birdy", "Chirpy chirp chirp..!"},
        {"penguin", "Brr...! It's hot here!"},
        // The Tinkertins, a family of wind-up tin robots.
        {"boxbolt", "Beep boop! Square and proud of it!"},
        {"cogsy", "Wind me up and watch me go!"},
        {"whirlee", "Whirr whirr! Up, up and away!"},
        {"springo", "Boing! Boing! Boing! Who needs legs?"},
        {"beepsy", "Beep beep! Happy face loading... ^_^"},
        {"ufo", "Bzzzz... Wzzzzz... Szzz..."},
        {"smiley", "^_^"},
        {"shit", "Want some?"},
        {"jellyfish", "What am I? A jelly or a fish?"},
        {"ricebowl", "Staple food of Chinese people everywhere."},
        {"snailbert", "I bring my house on every trip!"},
        {"cloudlet", "Drip drop! Who wants a tiny shower?"},
        {"strawbee", "Berry nice to meet you!"},
    }};
    return rows;
}

}  // namespace core
