// The bonus chooser after a won secret round, the hint icon, and the secret marks.
#pragma once

namespace modes {

void apply_bonus(int choice);
void use_hint();
void show_secret_marks();

}  // namespace modes
