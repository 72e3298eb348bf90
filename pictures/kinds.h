// The twelve picture kinds of Linear mode and the dispatcher that paints one.
#pragma once

namespace pictures {

// Paints a picture of kind 1..12 into the work picture; any other kind paints nothing.
void gen_kind(double& kind);

void gen_kind1();
void gen_kind2();
void gen_kind3();
void gen_kind4();
void gen_kind5();
void gen_kind6();
void gen_kind7();
void gen_kind8();
void gen_kind9();
void gen_kind10();
// Kind 10's draws and layers; the Story's level 10 paints the same plan with its own constants.
struct Kind10Constants {
    double grid_percent, dots_spread, crosses_spread, strokes_spread;
};
void paint_kind10_plan(const Kind10Constants& k);
void gen_kind11();
void gen_kind12();

}  // namespace pictures
