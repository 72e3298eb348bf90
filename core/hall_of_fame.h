// The Hall of Fame: the ten best scores and the end-of-game step that places a new one.
#pragma once

namespace core {

// Places the score of the game just ended, asking for a name when it enters the table.
void check_highscore();

}  // namespace core
