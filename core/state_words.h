// The words the screens, the transition and the modes pass to each other, named once so that a
// misspelt word fails to compile. The game's own words and numbers are kept: word() gives the
// text of a state or pane word for a log, and the game modes, round kinds, secret states and
// round results keep their numbers.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string_view>

namespace core {

// The state word of the main window: which screen takes input. Set by the step that enters a
// screen, read by every input handler, the scene timers and the grid.
enum class StateWord : std::uint8_t {
    Starting,     // "": a game is starting, nothing on the board takes input
    MainMenu,     // "mainmenu"
    StartMap,     // "startmap": the Story map just drawn
    RollDice,     // "rolldice"
    WalkMap,      // "walkmap": the map waits for the player's next step
    Walking,      // "walking": the pawn slides one square
    ChooseBonus,  // "choosebonus"
    PlayPuzzle,   // "playpuzzle": a round is being prepared or played
    PlayFirework, // "playfirework"
    GameOver,     // "gameover"
    GameWon,      // "gamewon": the Story ending scene
    PaneClose,    // "paneclose": the closing half of a transition runs
    PaneOpen,     // "paneopen": the opening half runs
};

// The word of a screen transition's half; the pairs are in ui/transition.cpp.
enum class PaneWord : std::uint8_t {
    None,  // "": no word pending
    EndGame,
    EndGame2,
    Firework1,
    Firework2,
    GenPuzzle,
    StartPuzzle,
    StartMap1,
    StartMap2,
    GameWon1,
    GameWon2,
    GameLost,
    GameLost2,
};

// A switch, so that a word added above without its text draws a warning.
constexpr std::string_view word(StateWord w) {
    switch (w) {
        case StateWord::Starting: return "";
        case StateWord::MainMenu: return "mainmenu";
        case StateWord::StartMap: return "startmap";
        case StateWord::RollDice: return "rolldice";
        case StateWord::WalkMap: return "walkmap";
        case StateWord::Walking: return "walking";
        case StateWord::ChooseBonus: return "choosebonus";
        case StateWord::PlayPuzzle: return "playpuzzle";
        case StateWord::PlayFirework: return "playfirework";
        case StateWord::GameOver: return "gameover";
        case StateWord::GameWon: return "gamewon";
        case StateWord::PaneClose: return "paneclose";
        case StateWord::PaneOpen: return "paneopen";
    }
    return "?";
}

constexpr std::string_view word(PaneWord w) {
    switch (w) {
        case PaneWord::None: return "";
        case PaneWord::EndGame: return "ENDGAME";
        case PaneWord::EndGame2: return "ENDGAME2";
        case PaneWord::Firework1: return "FIREWORK1";
        case PaneWord::Firework2: return "FIREWORK2";
        case PaneWord::GenPuzzle: return "GENPUZZLE";
        case PaneWord::StartPuzzle: return "STARTPUZZLE";
        case PaneWord::StartMap1: return "STARTMAP1";
        case PaneWord::StartMap2: return "STARTMAP2";
        case PaneWord::GameWon1: return "GAMEWON1";
        case PaneWord::GameWon2: return "GAMEWON2";
        case PaneWord::GameLost: return "GAMELOST";
        case PaneWord::GameLost2: return "GAMELOST2";
    }
    return "?";
}

// Test failures and logs show the word, not a number.
std::ostream& operator<<(std::ostream& out, StateWord w);
std::ostream& operator<<(std::ostream& out, PaneWord w);

// The game in play; the numbers are the game's own.
enum class GameMode : std::int16_t {
    Menu = 0,       // the title screen and the start screens before a game
    Linear = 1,
    Story = 2,
    Fireworks = 3,  // the fireworks show behind the golden castle
};

// What round_kind holds. One field serves both modes and the two sets of kinds share numbers
// (a level puzzle and a normal round are both 0), so each set is named apart: where the field is
// set or read, the name says which game's kind it is.

// In a Story game: the coming round, decided by the landing. A secret's kind is its slot on the
// map, so secret_col, secret_row and secret_state are indexed by it, the castle's included.
namespace story_round {
constexpr std::int16_t kLanding = -1;     // while the pawn lands; the round start makes it kLevelPuzzle
constexpr std::int16_t kLevelPuzzle = 0;  // a generated picture of the Story level
constexpr std::int16_t kFirstSecret = 1;  // 1..10: a revealed secret's round, by its number
constexpr std::int16_t kLastSecret = 10;
constexpr std::int16_t kCastle = 11;
constexpr std::int16_t kStar = 21;        // the star square's round: a dot picture on a small grid
}  // namespace story_round
// A secret's or the castle's round, whose picture is that secret's: its slot is its kind.
constexpr bool secret_picture_round(std::int16_t kind) {
    return kind >= story_round::kFirstSecret && kind <= story_round::kCastle;
}

// In a Linear game: the coming round, and the round just played when the next set-up begins.
namespace linear_round {
constexpr std::int16_t kNormal = 0;
constexpr std::int16_t kBonus = 1;
}  // namespace linear_round

// A secret's state on the Story map (modes' secret_state). Plain numbers, not an enum: the state
// is also the row of the icon strip that shows the secret, and a secret only ever steps to the
// next number until the story ends and hides them all again.
namespace secret_state {
constexpr std::int16_t kHidden = 0;
constexpr std::int16_t kRevealed = 1;
constexpr std::int16_t kWon = 2;
}  // namespace secret_state

// The castle's column and row (secret_col and secret_row at story_round::kCastle) while it is
// not on the map: until the final level, and from its unveiling until the next stop places it.
// The square lies far off the map, so the castle's icon drawn there clips to nothing.
constexpr std::uint8_t kCastleNotPlaced = 99;

// The ways the pawn steps on the Story map, numbered as the arrow buttons (bt_arrow), the step
// tables (dir_dx, dir_dy, dir_letters "LRUD") and the walk (walk_dir, back_dir) number them;
// the four run from kLeft to kDown.
namespace direction {
constexpr std::int16_t kNone = 0;  // no step chosen; as the way back, every way is open
constexpr std::int16_t kLeft = 1;
constexpr std::int16_t kRight = 2;
constexpr std::int16_t kUp = 3;
constexpr std::int16_t kDown = 4;
}  // namespace direction

// How the last round ended, for the steps that follow it: a Linear bonus earned, a Story secret
// won, the hint offered. Not saved.
enum class RoundResult : std::int16_t {
    None = -1,  // no round ended yet in this game, or the pawn has since stopped on a plain path
    LostOnTime = 0,
    Won = 1,
};

std::ostream& operator<<(std::ostream& out, RoundResult r);

}  // namespace core
