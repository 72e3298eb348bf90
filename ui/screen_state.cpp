// What the main window's screens share.
#include "ui/screen_state.h"

namespace ui {

ScreenState& screen() {
    static ScreenState s;
    return s;
}

}  // namespace ui
