// The fixed tables of start-up: the Linear and Story difficulties.
#pragma once

namespace core {

// The Linear and Story difficulty tables.
void init_difficulty_tables();

}  // namespace core
