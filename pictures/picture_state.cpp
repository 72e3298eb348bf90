// The shared state of the picture generators.
#include "pictures/picture_state.h"

namespace pictures {

PictureState& picture_state() {
    static PictureState s;
    return s;
}

}  // namespace pictures
