// Linear mode: the level ladder, its rounds and rewards.
#pragma once

namespace modes {

// "play game" in Linear mode: a new game, its first round prepared behind the transition.
void begin_linear_game();
void init_linear();
// Closes the board for the next Linear round.
void genpuzzle_pane();
// The Linear round set-up: bonus round, grid, picture kind and pieces, and the picture itself.
void linear_round();
// The debug text of the wins against the level's quota, shown in debug mode.
void show_quota_debug();
// The rewards of a won bonus round, below level 13 and from level 13 on.
void level_up();
void bonus_reward();
// Paints the bonus round's picture.
void bonus_round();
// Hands the round engine Linear mode's steps; run once at start-up.
void register_linear_steps();

}  // namespace modes
