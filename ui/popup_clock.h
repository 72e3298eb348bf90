// The blinking pop-up banner over the board and the round clock.
#pragma once

#include <string>

namespace ui {

// core::kPmsgShow starts the banner with text, blinking for blinks ticks; core::kPmsgHide clears it.
void show_pmsg(int show, const std::string& text, int blinks);
void Timer_pmsg_Timer();
void Timer_timer_Timer();

}  // namespace ui
