// The three side panels that slide up over the dice and the message panel, and back down.
#pragma once

namespace ui {

// slide_in != 0 slides panel sel (0 ending text, 1 fireworks, 2 bonus chooser) in, 0 out. A
// slide started while another runs starts over from its first position.
void start_box_slide(int slide_in, int sel);
void Timer_box_Timer();

// Where the frame and its panel slide: the panel lies 5 pixels right of and below the frame.
constexpr int kPanelFrameX = 150;
constexpr int kPanelInset = 5;

}  // namespace ui
