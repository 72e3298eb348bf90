// The Story rounds' set-up: level puzzles, secret rounds, castle and star rounds.
#include "modes/story_rounds.h"

#include <cstdint>

#include "core/game_state.h"
#include "core/grid.h"
#include "core/utility.h"
#include "pictures/colour_ramps.h"
#include "pictures/kinds.h"
#include "pictures/layers_shapes_dots.h"
#include "pictures/story_recipes.h"
#include "platform/picture.h"
#include "platform/services.h"
#include "ui/mainform.h"
#include "ui/picture_store.h"

namespace modes {

namespace {

// Columns and rows of the level puzzle of level L: the two digits after the L-th "|".
const std::string kLevelGrids = "|65|65|65|75|75|76|76|86|86|87|87|88|88";
constexpr int kLevelEntries = 13;

int level_pieces(int level) {
    if (level <= 1) return 1;
    if (level <= 4) return 2;
    if (level <= 7) return 3;
    if (level <= 9) return 4;
    return 3;
}

// A name as quoted in a message: one short line of printable characters.
std::string shown(const std::string& name) {
    std::string out;
    for (const char ch : name.substr(0, 40)) out += (ch >= ' ' && ch <= '~') ? ch : '?';
    return name.size() > 40 ? out + "..." : out;
}

// Why a secret round's picture cannot be shown, or "" when it was put in the work picture.
std::string load_secret_picture(int kind) {
    const std::string& name = core::core_state().secret_pic[static_cast<std::size_t>(kind)];
    const std::string round = "secret round " + std::to_string(kind);
    if (name.empty()) return "mappath.dat names no picture for " + round + ".";
    if (!plain_file_name(name)) {
        return "The picture name \"" + shown(name) + "\" of " + round +
               " in mappath.dat is not a plain file name.";
    }
    const platform::Picture pic = platform::load_picture(platform::data_path("pic/" + name));
    const std::string file = "The picture \"pic/" + shown(name) + "\" of " + round;
    if (pic.isNull()) return file + " is missing or cannot be read.";
    // The picture must cover the whole board. A smaller one would leave part of it one blank
    // colour, and pieces cut from there all alike: the round could only be won by guessing.
    constexpr int kBoardWidth = 420;
    constexpr int kBoardHeight = 320;
    if (pic.width() < kBoardWidth || pic.height() < kBoardHeight) {
        return file + " is " + std::to_string(pic.width()) + " x " + std::to_string(pic.height()) +
               ", smaller than the board's " + std::to_string(kBoardWidth) + " x " +
               std::to_string(kBoardHeight) + ".";
    }
    ui::mainform().pbox_temp->set_picture(pic);
    return {};
}

}  // namespace

void gen_round_puzzle() {
    const core::CoreState& s = core::core_state();
    pictures::make_round_colours();
    if (s.round_kind == core::story_round::kLevelPuzzle) {
        gen_level_puzzle();
    } else if (core::secret_picture_round(s.round_kind)) {
        gen_picture_round();
    } else if (s.round_kind == core::story_round::kStar) {
        gen_special_round();
    }
    if (s.round_kind > core::story_round::kLevelPuzzle) {
        core::show_grid(0);
        ui::mainform().Shape_cursor->set_border_style(platform::Shape::kBorderSolid);
    }
}

void gen_level_puzzle() {
    core::CoreState& s = core::core_state();
    if (s.level < 1) s.level = 1;
    const int entry = s.level < kLevelEntries ? s.level : kLevelEntries;
    const auto p = static_cast<std::size_t>(3 * entry - 2);  // the first digit, 0-based
    s.round_cols = static_cast<std::uint8_t>(kLevelGrids[p] - '0');
    s.round_rows = static_cast<std::uint8_t>(kLevelGrids[p + 1] - '0');
    paint_level_picture(s.level);
    s.tgt_count = static_cast<std::int16_t>(level_pieces(s.level));
}

void gen_picture_round() {
    core::CoreState& s = core::core_state();
    platform::PictureBox& temp = *ui::mainform().pbox_temp;
    s.round_cols = s.cur_story_diff.cols;
    s.round_rows = s.cur_story_diff.rows;
    s.tgt_count = s.cur_story_diff.targets;
    // Nothing of the last picture may show around a smaller one.
    temp.set_picture(platform::Picture());
    temp.clear();
    if (s.castle_on) {
        temp.set_picture(ui::form_clip().pclip_castle.cell(0));
        return;
    }
    const std::string problem = load_secret_picture(s.round_kind);
    if (problem.empty()) return;
    // The round must stay winnable, or the story could never be finished: the level's own
    // picture takes the file's place, on the secret round's grid and pieces.
    platform::msgbox(problem + "\rA generated picture is shown instead.", platform::kMsgInfo);
    paint_level_picture(s.level);
}

void gen_special_round() {
    core::CoreState& s = core::core_state();
    s.round_cols = static_cast<std::uint8_t>(core::rnd_range(5, 3));
    s.round_rows = static_cast<std::uint8_t>(core::rnd_range(5, 2));
    double r = -1, g = 0, b = 0, spread = 70;
    pictures::gen_dot_picture(r, g, b, spread);
    s.tgt_count = s.cur_story_diff.targets;
}

void paint_level_picture(int level) {
    if (level <= 8) {
        double kind = level < 1 ? 1 : level;
        pictures::gen_kind(kind);
    } else if (level == 9) {
        pictures::gen_puzzle_l9();
    } else if (level == 10) {
        pictures::gen_puzzle_l10();
    } else {
        pictures::gen_puzzle_l11();
    }
}

bool plain_file_name(const std::string& name) {
    if (name.empty() || name.find("..") != std::string::npos) return false;
    for (const char ch : name) {
        if (ch == '/' || ch == '\\' || ch == ':' || static_cast<unsigned char>(ch) < ' ') return false;
    }
    return true;
}

}  // namespace modes
