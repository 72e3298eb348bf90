// The shape library: small vector figures read from "shapes.txt" and drawn scaled or turned.
#include "pictures/shapes.h"

#include <array>
#include <cfloat>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

#include "core/board.h"
#include "core/rounding.h"
#include "core/utility.h"
#include "pictures/picture_state.h"
#include "platform/picture_box.h"
#include "platform/random.h"
#include "platform/services.h"
#include "platform/surface.h"

namespace pictures {
namespace {

constexpr int kMaxShapes = 100;
constexpr int kFirstSlot = 12;  // slots 0..11 stay empty
constexpr int kLastSlot = 1000;
constexpr int kMaxPicks = 500;

struct Step {
    std::int16_t dx = 0;
    std::int16_t dy = 0;
    bool pen = false;
};

struct ShapeRecord {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t npts = 0;
    std::string name;
    std::vector<Step> steps;
};

// Reading stops at the end of the file: a field that is not there is missing, not empty.
std::optional<std::string> next_field(platform::TextFile& file) {
    if (file.eof()) return std::nullopt;
    return file.read_field();
}

// Numbers go into signed 16-bit slots as the old reader put them: a fraction rounds half to
// even, and what does not fit is refused rather than wrapped.
std::optional<std::int16_t> next_int(platform::TextFile& file) {
    if (file.eof()) return std::nullopt;
    const std::optional<double> value = file.read_number();
    if (!value) return std::nullopt;
    const long long whole = core::round_to<long long>(*value);
    if (whole < -32768 || whole > 32767) return std::nullopt;
    return static_cast<std::int16_t>(whole);
}

// The header and points of the shape after a "----" field. Nothing when a field is missing
// or not a number, or when the points would run past the last slot from start slot `slot`.
std::optional<ShapeRecord> read_shape(platform::TextFile& file, int slot, std::string& why) {
    ShapeRecord shape;
    const auto x = next_int(file);
    const auto y = next_int(file);
    const auto n = next_int(file);
    const auto name = next_field(file);
    if (!x || !y || !n || !name) {
        why = "its header is incomplete or not numeric";
        return std::nullopt;
    }
    shape.x = *x;
    shape.y = *y;
    shape.npts = *n;
    shape.name = *name;
    const int points = shape.npts > 0 ? shape.npts : 0;
    if (slot + points > kLastSlot) {
        why = "its points do not fit the point table";
        return std::nullopt;
    }
    shape.steps.reserve(static_cast<std::size_t>(points));
    for (int k = 0; k < points; ++k) {
        const auto dx = next_int(file);
        const auto dy = next_int(file);
        const auto pen = next_int(file);
        if (!dx || !dy || !pen) {
            why = "point " + std::to_string(k + 1) + " is missing or not numeric";
            return std::nullopt;
        }
        shape.steps.push_back({*dx, *dy, *pen == 1});
    }
    return shape;
}

void clear_library(PictureState& p) {
    p.shape_count = 0;
    p.shape_start.fill(0);
    p.shape_npts.fill(0);
    p.shape_name.fill(std::string());
    p.shape_pt_x.fill(0);
    p.shape_pt_y.fill(0);
    p.shape_pt_pen.fill(false);
}

std::string upper(const std::string& s) {
    std::string out = s;
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

// An empty text contains nothing, not even the empty filter: a nameless shape is never picked.
bool contains(const std::string& text, const std::string& part) {
    return !text.empty() && text.find(part) != std::string::npos;
}

// The scales are single-precision numbers, and the steps were tuned with products formed in
// single precision; a value beyond that range would only saturate anyway.
float single(double v) {
    if (v > FLT_MAX) return FLT_MAX;
    if (v < -FLT_MAX) return -FLT_MAX;
    return static_cast<float>(v);
}

}  // namespace

void load_shapes() {
    PictureState& p = picture_state();
    clear_library(p);
    platform::TextFile file(platform::data_path("shapes.txt"));
    if (!file.ok()) {
        std::fprintf(stderr, "shapes.txt could not be read; the pictures will have no shapes\n");
        return;
    }

    int count = 0;
    int slot = kFirstSlot;
    std::string last;
    while (last != "[END]" && !file.eof()) {
        last = file.read_field();
        if (last.rfind("----", 0) != 0) continue;

        std::string why;
        std::optional<ShapeRecord> shape;
        if (count >= kMaxShapes) why = "the library holds no more than 100 shapes";
        else if (slot > kLastSlot) why = "the point table is full";
        else shape = read_shape(file, slot, why);
        if (!shape) {
            // A damaged shape could not be drawn as meant; the ones before it still can.
            std::fprintf(stderr, "shapes.txt: stopped before shape %d (%s); keeping %d shapes\n",
                         count + 1, why.c_str(), count);
            break;
        }

        ++count;
        p.shape_start[count] = static_cast<std::int16_t>(slot);
        p.shape_npts[count] = shape->npts;
        p.shape_name[count] = shape->name;
        p.shape_pt_x[slot] = shape->x;
        p.shape_pt_y[slot] = shape->y;
        for (std::size_t k = 0; k < shape->steps.size(); ++k) {
            const std::size_t s = static_cast<std::size_t>(slot) + 1 + k;
            p.shape_pt_x[s] = shape->steps[k].dx;
            p.shape_pt_y[s] = shape->steps[k].dy;
            p.shape_pt_pen[s] = shape->steps[k].pen;
        }
        slot += static_cast<int>(shape->steps.size()) + 2;
        last = shape->name;
    }
    p.shape_count = static_cast<std::int16_t>(count);
}

void draw_shape(platform::Surface& surface, std::int16_t& shape_no, double& x, double& y,
                platform::Colour& colour, double& scale_x, double& scale_y, double& draw_width,
                std::int16_t& orient) {
    if (draw_width > 0) surface.set_pen_width(core::cint(draw_width));
    if (shape_no == -1) {
        std::string any;
        shape_no = pick_shape(any);
    }
    if (scale_x == 0) scale_x = 1;
    if (scale_y == 0) scale_y = 1;
    if (orient == -1) {
        const float r = core::rnd_direct();
        orient = core::cint(r);
    }

    // Only shapes that were read are drawn: other numbers would read empty or foreign slots.
    const PictureState& p = picture_state();
    if (shape_no < 1 || shape_no > p.shape_count || shape_no > kMaxShapes) return;
    const int start = p.shape_start[static_cast<std::size_t>(shape_no)];
    const int npts = p.shape_npts[static_cast<std::size_t>(shape_no)];
    if (start < 0 || start + (npts > 0 ? npts : 0) > kLastSlot) return;

    const bool swap = orient == 1;
    const float sx = single(scale_x);
    const float sy = single(scale_y);
    auto scaled = [&](std::size_t slot) {
        float a = p.shape_pt_x[slot];
        float b = p.shape_pt_y[slot];
        if (swap) std::swap(a, b);
        const float ax = a * sx;
        const float by = b * sy;
        return std::pair<double, double>(core::cint(ax), core::cint(by));
    };

    const auto [ax, by] = scaled(static_cast<std::size_t>(start));
    surface.point(x + ax, y + by, colour);
    for (int k = 1; k <= npts; ++k) {
        const std::size_t slot = static_cast<std::size_t>(start + k);
        const auto [ddx, ddy] = scaled(slot);
        const double to_x = surface.current_x() + ddx;
        const double to_y = surface.current_y() + ddy;
        if (p.shape_pt_pen[slot]) surface.line_to(to_x, to_y, colour);
        else surface.point(to_x, to_y, colour);
    }
}

void draw_shape_temp(std::int16_t& shape_no, double& x, double& y, platform::Colour& colour,
                     double& scale_x, double& scale_y, double& draw_width, std::int16_t& orient) {
    platform::PictureBox* temp = core::board().pbox_temp;
    if (!temp) return;
    draw_shape(temp->draw(), shape_no, x, y, colour, scale_x, scale_y, draw_width, orient);
}

std::int16_t pick_shape(std::string& filter) {
    const std::string wanted = upper(filter);
    const PictureState& p = picture_state();
    std::string candidate;
    int draws = 0;
    int result = 0;
    while (!contains(candidate, wanted) && draws <= kMaxPicks) {
        ++draws;
        result = core::rnd_range(1, p.shape_count - 1);
        const bool in_table = result >= 0 && result <= kMaxShapes;
        candidate = in_table ? upper(p.shape_name[static_cast<std::size_t>(result)]) : "";
    }
    // A hit as late as the 500th draw still gives up: the loop's count had already run out.
    if (draws >= kMaxPicks) result = 1;
    return static_cast<std::int16_t>(result);
}

}  // namespace pictures
