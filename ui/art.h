// Turns the SVG sources of the built-in pictures into pictures of exact sizes, with masks.
#pragma once

#include <string>

#include "platform/picture.h"

namespace ui::art {

// ":/art/<name>.svg", compiled into the program.
std::string resource(const std::string& name);
bool exists(const std::string& name);

// Renders an SVG over black to exactly w x h pixels. Smooth edges by default. Hard edges drop
// pixels covered less than half; the SVG renderer smooths edges whatever it is told, so a
// drawing that needs exact colours everywhere (markers, tiles) is built from shapes on whole
// pixels, which come out exact either way. A missing or broken source gives an empty picture.
// The pictures the program keeps were rendered by the build already and are only looked up.
platform::Picture render(const std::string& name, int w, int h, bool smooth = true);

// A sprite on pure black and its mask: black where the sprite shows, white elsewhere. A pixel
// shows when the drawing covers at least half of it; a shown pixel that would be pure black
// is nudged to the outline colour so that it cannot vanish into the background.
struct Sprite {
    platform::Picture sprite;
    platform::Picture mask;
};
Sprite render_sprite(const std::string& name, int w, int h);

// The same, always drawn from the source now, never looked up.
platform::Picture render_direct(const std::string& name, int w, int h, bool smooth = true);
Sprite render_sprite_direct(const std::string& name, int w, int h);

// How many pictures have been drawn from their sources since the program started.
int direct_renders();

}  // namespace ui::art
