// The board's controls that the round engine draws on, lent to it by the main window.
#pragma once

#include <array>

namespace platform {
class PictureBox;
class Line;
class Shape;
class PictureClip;
}

namespace core {

// The main window fills this in when it creates its controls; the engine only borrows them.
struct BoardControls {
    platform::PictureBox* pbox_main = nullptr;
    platform::PictureBox* pbox_temp = nullptr;
    platform::PictureBox* pbox_temp2 = nullptr;
    std::array<platform::Line*, 25> gridline{};
    platform::Shape* shape_cursor = nullptr;
    std::array<platform::PictureBox*, 5> pbox_cell{};
    // The object icons, 10 x 10 cells of 32 x 24, that the dot picture copies.
    const platform::PictureClip* icons = nullptr;
};

BoardControls& board();

}  // namespace core
