// The window background: one of ten tiled schemes.
#include "ui/background.h"

#include "ui/mainform.h"

namespace ui {

// Only a plain colour so far; the tiled schemes are not painted yet.
void draw_bg(std::int16_t& bg) {
    if (bg < 0 || bg > 9) bg = 0;
    MainForm& f = mainform();
    f.set_auto_redraw(true);
    f.draw().box(0, 0, f.scale_width() - 1, f.scale_height() - 1, platform::rgb(0x3D, 0x8F, 0xD6), true);
}

}  // namespace ui
