// The drawing surface: a small exact rasteriser that writes straight into the image bits.
#include "platform/surface.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <utility>

namespace platform {
namespace {

using ll = long long;

// Coordinates beyond this are clipped (lines) or clamped (everything else): far off any
// surface, and small enough that products of two of them cannot overflow.
constexpr double kFar = 16777216.0;
constexpr double kEps = 1e-7;
constexpr double kTwoPi = 6.283185307179586476925286766559;
constexpr double kInf = std::numeric_limits<double>::infinity();
// Wider than any picture; a wide arc costs the square of its pen, so it must stop somewhere.
constexpr int kMaxPen = 1024;
// Larger surfaces get their pixels at once (64 MB).
constexpr ll kMaxPlainPixels = 16LL * 1024 * 1024;
constexpr std::uint32_t kOpaque = 0xFF000000u;
constexpr std::uint32_t kRgbBits = 0x00FFFFFFu;

bool finite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// Half to even, like every other fractional-to-whole conversion in the game.
ll to_pixel(double v) { return static_cast<ll>(std::nearbyint(std::clamp(v, -kFar, kFar))); }

ll round_half_up(double v) { return static_cast<ll>(std::floor(v + 0.5)); }

// std::ceil and std::floor to a whole number, without the library call that every row of a
// wide line paid for twice. The cast cuts towards zero and the comparison steps back over
// the value when it cut the wrong way; past 2^53 a double is whole and the cast is exact.
ll ceil_ll(double v) {
    const ll t = static_cast<ll>(v);
    return static_cast<double>(t) < v ? t + 1 : t;
}
ll floor_ll(double v) {
    const ll t = static_cast<ll>(v);
    return static_cast<double>(t) > v ? t - 1 : t;
}

ll floor_div(ll a, ll b) {  // b > 0
    ll q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// Keeps the part of a segment inside the far box, so a huge coordinate cannot make a line
// walk for ever; false when nothing is left. Untouched ends stay bit-exact.
bool clip_far(double& x0, double& y0, double& x1, double& y1) {
    const double dx = x1 - x0, dy = y1 - y0;
    double t0 = 0, t1 = 1;
    auto edge = [&](double p, double q) {  // keeps the t with p * t <= q
        if (p == 0) return q >= 0;
        const double t = q / p;
        if (p < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
        return t0 <= t1;
    };
    if (!edge(-dx, x0 + kFar) || !edge(dx, kFar - x0) || !edge(-dy, y0 + kFar) ||
        !edge(dy, kFar - y0))
        return false;
    const double ox = x0, oy = y0;
    if (t1 < 1) x1 = ox + t1 * dx, y1 = oy + t1 * dy;
    if (t0 > 0) x0 = ox + t0 * dx, y0 = oy + t0 * dy;
    return true;
}

// Every pixel whose centre lies within r of the segment a-b, row by row between top and
// bottom: a wide line with round caps, or a round dot when a == b. Each row of a convex
// shape is one run, the hull of the runs of the two end discs and the band between them.
template <class Span>
void capsule(double ax, double ay, double bx, double by, double r, ll top, ll bottom, Span&& span) {
    // The same pixels whichever way round the line was given.
    if (ay > by || (ay == by && ax > bx)) std::swap(ax, bx), std::swap(ay, by);
    const double r2 = r * r, dx = bx - ax, dy = by - ay, len2 = dx * dx + dy * dy;
    const double rl = r * std::sqrt(len2);
    top = std::max(top, static_cast<ll>(std::ceil(ay - r - kEps)));
    bottom = std::min(bottom, static_cast<ll>(std::floor(by + r + kEps)));
    for (ll y = top; y <= bottom; ++y) {
        double lo = kInf, hi = -kInf;
        auto disc = [&](double cx, double cy) {
            const double d = static_cast<double>(y) - cy, q = r2 - d * d;
            if (q < -kEps) return;
            const double half = std::sqrt(std::max(q, 0.0));
            lo = std::min(lo, cx - half);
            hi = std::max(hi, cx + half);
        };
        disc(ax, ay);
        disc(bx, by);
        if (len2 > 0) {
            double from = -kInf, to = kInf;
            auto limit = [&](double k, double qlo, double qhi) {  // qlo <= k * (x - ax) <= qhi
                if (k == 0) {
                    if (qlo > kEps || qhi < -kEps) from = kInf;
                    return;
                }
                double p = qlo / k, q = qhi / k;
                if (k < 0) std::swap(p, q);
                from = std::max(from, ax + p);
                to = std::min(to, ax + q);
            };
            const double across = (static_cast<double>(y) - ay) * dx;
            limit(dy, across - rl, across + rl);  // distance from the line
            const double along = (static_cast<double>(y) - ay) * dy;
            limit(dx, -along, len2 - along);  // between the two ends
            if (from <= to) lo = std::min(lo, from), hi = std::max(hi, to);
        }
        if (lo <= hi)
            span(y, ceil_ll(lo - kEps), floor_ll(hi + kEps));
    }
}

// Visits the pixels of an ellipse outline that fall inside [left, right] x [top, bottom].
// Each quarter mirrors the first, so the outline is symmetric; the flat parts are walked by
// column and the steep parts by row, so it stays one pixel thin without gaps, and the work
// is bounded by the area visited rather than by the radius. Each walk yields two mirror
// images at once; visit is told which (0 or 1), so that each one, taken alone, is an unbroken
// path whose rows only ever go one way.
template <class Visit>
void ellipse_outline(ll cx, ll cy, double rx, double ry, ll left, ll top, ll right, ll bottom,
                     Visit&& visit) {
    auto put = [&](ll x, ll y, int mirror) {
        if (x >= left && x <= right && y >= top && y <= bottom) visit(x, y, mirror);
    };
    if (rx <= 0 && ry <= 0) {
        put(cx, cy, 0);
        return;
    }
    const double diag = std::sqrt(rx * rx + ry * ry);
    const ll last_col = static_cast<ll>(std::floor(rx * rx / diag + kEps));
    const ll last_row = static_cast<ll>(std::floor(ry * ry / diag + kEps));
    auto dy_of = [&](ll dx) {
        const double t = static_cast<double>(dx) / rx;
        return rx > 0 ? round_half_up(ry * std::sqrt(std::max(0.0, 1 - t * t))) : round_half_up(ry);
    };
    auto dx_of = [&](ll dy) {
        const double t = static_cast<double>(dy) / ry;
        return ry > 0 ? round_half_up(rx * std::sqrt(std::max(0.0, 1 - t * t))) : round_half_up(rx);
    };
    for (ll dx = std::max(0LL, left - cx); dx <= std::min(last_col, right - cx); ++dx) {
        const ll dy = dy_of(dx);
        put(cx + dx, cy - dy, 0);
        if (dy != 0) put(cx + dx, cy + dy, 1);
    }
    for (ll dx = std::max(0LL, cx - right); dx <= std::min(last_col, cx - left); ++dx) {
        const ll dy = dy_of(dx);
        put(cx - dx, cy - dy, 0);
        if (dy != 0) put(cx - dx, cy + dy, 1);
    }
    for (ll dy = std::max(0LL, top - cy); dy <= std::min(last_row, bottom - cy); ++dy) {
        const ll dx = dx_of(dy);
        put(cx - dx, cy + dy, 0);
        if (dx != 0) put(cx + dx, cy + dy, 1);
    }
    for (ll dy = std::max(0LL, cy - bottom); dy <= std::min(last_row, cy - top); ++dy) {
        const ll dx = dx_of(dy);
        put(cx - dx, cy - dy, 0);
        if (dx != 0) put(cx + dx, cy - dy, 1);
    }
}

double normal_angle(double a) {
    a = std::fmod(a, kTwoPi);
    return a < 0 ? a + kTwoPi : a;
}

// A cheap stand-in for the angle of (x, y) (y up), rising with it from 0 to 4 round the
// circle: arcs test it on every outline pixel, where atan2 cost more than the drawing.
double turn(double x, double y) {
    double t;
    if (y >= 0) t = x >= 0 ? y / (x + y) : 1 + (-x) / (y - x);
    else t = x < 0 ? 2 + (-y) / (-x - y) : 3 + x / (x - y);
    return t >= 4 ? t - 4 : t;
}

// Sets n pixels from d on to v. Four at a time: a plain fill loop compiles to one store per
// pixel, and the spans of wide pens, thick lines and backgrounds were a good part of every
// picture's time. The last four are stored at the very end, over pixels already set.
void fill_pixels(std::uint32_t* d, ll n, std::uint32_t v) {
    if (n < 4) {
        for (ll i = 0; i < n; ++i) d[i] = v;
        return;
    }
    const std::uint32_t four[4] = {v, v, v, v};
    for (ll i = 0; i + 4 <= n; i += 4) std::memcpy(d + i, four, sizeof four);
    std::memcpy(d + n - 4, four, sizeof four);
}

}  // namespace

// Where a primitive writes: the image bits and the pixel value, every write clipped.
struct Surface::Raster {
    std::uint32_t* bits = nullptr;
    ll stride = 0;  // in pixels
    ll w = 0, h = 0;
    std::uint32_t value = 0;

    void plot(ll x, ll y) const {
        if (x >= 0 && y >= 0 && x < w && y < h) bits[y * stride + x] = value;
    }
    void span(ll y, ll x0, ll x1) const {
        if (y < 0 || y >= h) return;
        x0 = std::max(x0, 0LL);
        x1 = std::min(x1, w - 1);
        if (x0 <= x1) fill_pixels(bits + y * stride + x0, x1 - x0 + 1, value);
    }
    void rect(ll x0, ll y0, ll x1, ll y1) const {
        for (ll y = std::max(y0, 0LL); y <= std::min(y1, h - 1); ++y) span(y, x0, x1);
    }
    // One pixel thin, one pixel per step along the longer axis, both ends included.
    void thin_line(ll x0, ll y0, ll x1, ll y1) const {
        if (std::llabs(x1 - x0) >= std::llabs(y1 - y0)) {
            if (x0 > x1) std::swap(x0, x1), std::swap(y0, y1);
            const ll dx = x1 - x0, dy = y1 - y0;
            if (dx == 0) return plot(x0, y0);
            for (ll i = std::max(0LL, -x0); i <= std::min(dx, w - 1 - x0); ++i)
                plot(x0 + i, y0 + floor_div(2 * i * dy + dx, 2 * dx));
        } else {
            if (y0 > y1) std::swap(x0, x1), std::swap(y0, y1);
            const ll dx = x1 - x0, dy = y1 - y0;
            for (ll i = std::max(0LL, -y0); i <= std::min(dy, h - 1 - y0); ++i)
                plot(x0 + floor_div(2 * i * dx + dy, 2 * dy), y0 + i);
        }
    }
};

// A window builds every box of every screen up front, most of which are not drawn on until
// their screen comes, if ever: filling them all at once cost the first screen milliseconds and
// a page fault for every 4 KB. A plain surface waits with its pixels until they are needed.
Surface::Surface(int w, int h, Colour back, bool transparent)
    : plain_fill_(back), back_(back), transparent_(transparent) {
    if (!make_plain(w, h)) {
        plain_w_ = w;
        plain_h_ = h;
        allocate();
    }
}

Surface::~Surface() = default;
Surface::Surface(const Surface& other) = default;
Surface& Surface::operator=(const Surface& other) = default;

int Surface::width() const { return img_.isNull() ? plain_w_ : img_.width(); }
int Surface::height() const { return img_.isNull() ? plain_h_ : img_.height(); }

bool Surface::make_plain(int w, int h) {
    w = std::max(w, 0);
    h = std::max(h, 0);
    // A size too large to be sure of its memory is tried at once, as it always was, so that a
    // failure leaves the surface empty from the start rather than at some later stroke.
    if (static_cast<ll>(w) * h > kMaxPlainPixels) return false;
    img_ = Picture();
    plain_w_ = w > 0 && h > 0 ? w : 0;
    plain_h_ = w > 0 && h > 0 ? h : 0;
    return true;
}

bool Surface::allocate() const {
    if (!img_.isNull()) return true;
    if (!plain()) return false;
    Picture pixels(plain_w_, plain_h_, pixel_format());
    plain_w_ = plain_h_ = 0;
    if (pixels.isNull()) return false;
    pixels.fill(transparent_ ? 0u : to_qrgb(plain_fill_));
    img_ = pixels;
    return true;
}

Colour Surface::plain_colour() const { return transparent_ ? -1 : from_qrgb(to_qrgb(plain_fill_)); }

void Surface::resize(int w, int h) {
    w = std::max(w, 0);
    h = std::max(h, 0);
    if (w == width() && h == height()) return;
    if (img_.isNull()) {
        // Still one colour as long as whatever it gains is of that colour too.
        const bool had_area = plain();
        if (!had_area || transparent_ || plain_fill_ == back_ || (w <= plain_w_ && h <= plain_h_)) {
            if (!had_area) plain_fill_ = back_;
            if (make_plain(w, h)) return;
        }
        allocate();
    }
    Picture next(w, h, pixel_format());
    if (next.isNull()) {
        img_ = Picture();
        return;
    }
    next.fill(transparent_ ? 0u : to_qrgb(back_));
    const int keep_w = std::min(w, width()), keep_h = std::min(h, height());
    for (int y = 0; y < keep_h; ++y)
        std::memcpy(next.scanLine(y), img_.constScanLine(y), static_cast<std::size_t>(keep_w) * 4);
    img_ = next;
}

void Surface::clear() {
    record({Primitive::Kind::Clear, 0, 0, 0, 0, back_, pen_});
    if (img_.isNull())
        plain_fill_ = back_;
    else
        img_.fill(transparent_ ? 0u : to_qrgb(back_));
    cur_x_ = cur_y_ = 0;
}

void Surface::set_pen_width(int w) { pen_ = std::clamp(w, 1, kMaxPen); }

void Surface::set_current(double x, double y) {
    cur_x_ = x;
    cur_y_ = y;
}

Surface::Raster Surface::raster(Colour c) {
    Raster r;
    if (!allocate()) return r;
    r.bits = reinterpret_cast<std::uint32_t*>(img_.bits());
    r.stride = img_.bytesPerLine() / 4;
    r.w = img_.width();
    r.h = img_.height();
    r.value = to_qrgb(c);
    return r;
}

namespace {

using DotRows = std::vector<std::array<int, 3>>;

// An even width has no middle pixel, so its dot sits up and left of the centre: a width-2
// dot at (x, y) covers (x-1..x, y-1..y). Lines are placed the same way.
double pen_offset(int pen) { return pen % 2 == 0 ? -0.5 : 0.0; }

DotRows make_dot(int pen) {
    DotRows rows;
    const double c = pen_offset(pen);
    capsule(c, c, c, c, pen / 2.0, -pen, pen, [&](ll dy, ll x0, ll x1) {
        rows.push_back({static_cast<int>(dy), static_cast<int>(x0), static_cast<int>(x1)});
    });
    return rows;
}

// Generators switch pens between nearly every primitive, so the usual widths are made once.
constexpr int kSharedDots = 64;
const DotRows* shared_dot(int pen) {
    static const std::vector<DotRows> dots = [] {
        std::vector<DotRows> all(kSharedDots + 1);
        for (int pen = 1; pen <= kSharedDots; ++pen) all[pen] = make_dot(pen);
        return all;
    }();
    return pen <= kSharedDots ? &dots[static_cast<std::size_t>(pen)] : nullptr;
}

// Whether dots along a path can be drawn as one run per row: every row, top to bottom with
// none missing, holds the middle column (both middle columns of an even pen), so the dots of
// two neighbouring pixels meet or overlap on every row they share.
bool dot_joins(const DotRows& rows, int pen) {
    const int left = pen % 2 == 0 ? -1 : 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& row = rows[i];
        if (row[1] > left || row[2] < 0) return false;
        if (i > 0 && row[0] != rows[i - 1][0] + 1) return false;
    }
    return true;
}

// The dots of a wide pen stamped along a path of neighbouring pixels. A wide arc stamps a dot
// on every pixel of its outline, each overlapping the last on nearly every row, and filling
// them one by one was a quarter of a busy picture's time; so each row of the trail
// keeps only the leftmost and rightmost column it reaches and is filled once. That is the
// very same set of pixels as long as every dot touches the one before (dot_joins, and each
// pixel next to the last) and the rows only go one way, since then each row is reached by an
// unbroken stretch of the path; where either fails, the trail so far is drawn and a new one
// begins.
template <class Raster>
class DotTrail {
public:
    DotTrail(const Raster& r, const DotRows& rows, std::vector<ll>& lo, std::vector<ll>& hi)
        : r_(r), rows_(rows), lo_(lo), hi_(hi) {
        if (lo_.size() < static_cast<std::size_t>(r_.h)) {
            lo_.assign(static_cast<std::size_t>(r_.h), kNone);
            hi_.assign(static_cast<std::size_t>(r_.h), -kNone);
        }
    }
    ~DotTrail() { flush(); }
    DotTrail(const DotTrail&) = delete;
    DotTrail& operator=(const DotTrail&) = delete;

    void add(ll x, ll y) {
        if (started_) {
            const ll step_x = x - x_, step_y = y - y_;
            const int way = (step_y > 0) - (step_y < 0);
            if (step_x < -1 || step_x > 1 || step_y < -1 || step_y > 1 || (way != 0 && way == -way_)) {
                flush();
            } else if (way != 0) {
                way_ = way;
            }
        }
        started_ = true;
        x_ = x;
        y_ = y;
        // The rows of the dot that fall on the surface, as a single stamp would visit them.
        if (rows_.empty()) return;
        const ll first_dy = rows_[0][0], count = static_cast<ll>(rows_.size());
        const ll from = std::max(0LL, -y - first_dy), to = std::min(count - 1, r_.h - 1 - y - first_dy);
        const std::array<int, 3>* row = rows_.data() + from;
        ll* lo = lo_.data() + (y + first_dy + from);
        ll* hi = hi_.data() + (y + first_dy + from);
        for (ll i = from; i <= to; ++i, ++row, ++lo, ++hi) {
            *lo = std::min(*lo, x + (*row)[1]);
            *hi = std::max(*hi, x + (*row)[2]);
        }
        if (from <= to) {
            top_ = std::min(top_, y + first_dy + from);
            bottom_ = std::max(bottom_, y + first_dy + to);
        }
    }

    void flush() {
        for (ll t = top_; t <= bottom_; ++t) {
            const auto i = static_cast<std::size_t>(t);
            if (lo_[i] <= hi_[i]) r_.span(t, lo_[i], hi_[i]);
            lo_[i] = kNone;
            hi_[i] = -kNone;
        }
        top_ = std::numeric_limits<ll>::max();
        bottom_ = std::numeric_limits<ll>::min();
        started_ = false;
        way_ = 0;
    }

private:
    static constexpr ll kNone = std::numeric_limits<ll>::max();
    const Raster& r_;
    const DotRows& rows_;
    std::vector<ll>& lo_;  // per surface row; kNone (and -kNone) where the trail has not been
    std::vector<ll>& hi_;
    ll top_ = std::numeric_limits<ll>::max(), bottom_ = std::numeric_limits<ll>::min();
    bool started_ = false;
    ll x_ = 0, y_ = 0;
    int way_ = 0;  // the way the rows go so far: 1 down, -1 up, 0 not yet known
};

}  // namespace

// A dot of the pen width centred on (x, y).
void Surface::stamp(const Raster& r, ll x, ll y) {
    if (pen_ <= 1) return r.plot(x, y);
    const DotRows* rows = shared_dot(pen_);
    if (!rows) {
        if (dot_pen_ != pen_) dot_ = make_dot(pen_), dot_pen_ = pen_;
        rows = &dot_;
    }
    // The rows run top to bottom one apart: visit only those on the surface, so a pen far
    // wider than the surface costs no more than the surface is high.
    if (rows->empty()) return;
    const ll first_dy = (*rows)[0][0], count = static_cast<ll>(rows->size());
    const ll from = std::max(0LL, -y - first_dy), to = std::min(count - 1, r.h - 1 - y - first_dy);
    for (ll i = from; i <= to; ++i) {
        const auto& row = (*rows)[static_cast<std::size_t>(i)];
        r.span(y + row[0], x + row[1], x + row[2]);
    }
}

void Surface::point(double x, double y, Colour c) {
    record({Primitive::Kind::Point, x, y, x, y, c, pen_});
    if (!finite({x, y})) return;
    set_current(x, y);
    stamp(raster(c), to_pixel(x), to_pixel(y));
}

void Surface::point_relative(double dx, double dy, Colour c) { point(cur_x_ + dx, cur_y_ + dy, c); }

void Surface::line(double x1, double y1, double x2, double y2, Colour c) {
    record({Primitive::Kind::Line, x1, y1, x2, y2, c, pen_});
    if (!finite({x1, y1, x2, y2})) return;
    set_current(x2, y2);
    if (!clip_far(x1, y1, x2, y2)) return;
    const Raster r = raster(c);
    const ll ax = to_pixel(x1), ay = to_pixel(y1), bx = to_pixel(x2), by = to_pixel(y2);
    if (pen_ <= 1) return r.thin_line(ax, ay, bx, by);
    // Same placement as the dot, so a wide line is exactly the dots at its ends swept along.
    const double c0 = pen_offset(pen_);
    capsule(ax + c0, ay + c0, bx + c0, by + c0, pen_ / 2.0, 0, r.h - 1,
            [&](ll y, ll from, ll to) { r.span(y, from, to); });
}

void Surface::line_to(double x2, double y2, Colour c) { line(cur_x_, cur_y_, x2, y2, c); }

void Surface::box(double x1, double y1, double x2, double y2, Colour c, bool filled) {
    record({filled ? Primitive::Kind::FilledBox : Primitive::Kind::Box, x1, y1, x2, y2, c, pen_});
    if (!finite({x1, y1, x2, y2})) return;
    set_current(x2, y2);
    const Raster r = raster(c);
    const ll left = to_pixel(std::min(x1, x2)), right = to_pixel(std::max(x1, x2));
    const ll top = to_pixel(std::min(y1, y2)), bottom = to_pixel(std::max(y1, y2));
    if (filled) return r.rect(left, top, right, bottom);
    // The outline is centred on the edges, placed like the pen's dots.
    const ll lead = pen_ / 2, trail = pen_ - 1 - lead;
    const ll ol = left - lead, ot = top - lead, orr = right + trail, ob = bottom + trail;
    const ll il = left + trail + 1, it = top + trail + 1, ir = right - lead - 1, ib = bottom - lead - 1;
    if (il > ir || it > ib) return r.rect(ol, ot, orr, ob);
    r.rect(ol, ot, orr, it - 1);
    r.rect(ol, ib + 1, orr, ob);
    r.rect(ol, it, il - 1, ib);
    r.rect(ir + 1, it, orr, ib);
}

void Surface::arc(double cx, double cy, double radius, Colour c, double start, double end,
                  double aspect) {
    Primitive p{Primitive::Kind::Arc, cx, cy, cx, cy, c, pen_};
    p.radius = radius;
    p.start = start;
    p.end = end;
    p.aspect = aspect;
    record(p);
    if (!finite({cx, cy, radius, start, end, aspect})) return;
    set_current(cx, cy);
    radius = std::min(std::fabs(radius), kFar);
    aspect = std::fabs(aspect);
    const double rx = aspect > 1 ? radius / aspect : radius;
    const double ry = aspect > 1 ? radius : radius * aspect;
    const double a0 = normal_angle(start), a1 = normal_angle(end);
    const bool whole = std::fabs(a0 - a1) < 1e-12;
    const double from = turn(std::cos(a0), std::sin(a0)), to = turn(std::cos(a1), std::sin(a1));
    const ll x = to_pixel(cx), y = to_pixel(cy);
    // Angles are measured from the centre to each pixel, as seen on screen (y grows down).
    auto on_arc = [&](ll px, ll py) {
        if (whole || (px == x && py == y)) return true;
        const double a = turn(static_cast<double>(px - x), static_cast<double>(y - py));
        const double eps = 1e-9;
        return from <= to ? (a >= from - eps && a <= to + eps) : (a >= from - eps || a <= to + eps);
    };
    const Raster r = raster(c);
    const ll pad = pen_ <= 1 ? 0 : pen_ / 2 + 1;
    const DotRows* rows = nullptr;
    if (pen_ > 1 && r.bits) {
        rows = shared_dot(pen_);
        if (!rows) {
            if (dot_pen_ != pen_) dot_ = make_dot(pen_), dot_pen_ = pen_;
            rows = &dot_;
        }
        if (!dot_joins(*rows, pen_)) rows = nullptr;
    }
    if (!rows) {
        ellipse_outline(x, y, rx, ry, -pad, -pad, r.w - 1 + pad, r.h - 1 + pad,
                        [&](ll px, ll py, int) {
                            if (on_arc(px, py)) stamp(r, px, py);
                        });
        return;
    }
    // One trail for each mirror image of the outline; the scratch rows stay with the thread.
    thread_local std::vector<ll> lo[2], hi[2];
    DotTrail<Raster> trail0(r, *rows, lo[0], hi[0]), trail1(r, *rows, lo[1], hi[1]);
    ellipse_outline(x, y, rx, ry, -pad, -pad, r.w - 1 + pad, r.h - 1 + pad,
                    [&](ll px, ll py, int mirror) {
                        if (on_arc(px, py)) (mirror == 0 ? trail0 : trail1).add(px, py);
                    });
}

void Surface::circle(double cx, double cy, double radius, Colour c, double aspect) {
    arc(cx, cy, radius, c, 0, 0, aspect);
}

Colour Surface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return -1;
    if (img_.isNull()) return plain_colour();
    const std::uint32_t v = reinterpret_cast<const std::uint32_t*>(img_.constScanLine(y))[x];
    if (transparent_ && (v & kOpaque) == 0) return -1;
    return from_qrgb(v);
}

void Surface::set_pixel(int x, int y, Colour c) {
    record({Primitive::Kind::Point, double(x), double(y), double(x), double(y), c, 1});
    raster(c).plot(x, y);
}

const Picture& Surface::image() const {
    allocate();
    return img_;
}

void Surface::draw_picture(const Picture& pic, int x, int y) {
    record({Primitive::Kind::Blit, double(x), double(y), double(x) + pic.width() - 1,
            double(y) + pic.height() - 1, 0, pen_});
    // A picture that covers the whole surface is shared rather than copied: a box shows the
    // same picture for as long as nothing is drawn on it, often for good.
    if (!transparent_ && x == 0 && y == 0 && pic.width() == width() && pic.height() == height() &&
        pic.format() == QImage::Format_RGB32) {
        img_ = pic;
        plain_w_ = plain_h_ = 0;
        return;
    }
    if (!allocate()) return;
    // Taken first: pic may be this surface's own image.
    const Picture source = pic;
    img_.fill(transparent_ ? 0u : to_qrgb(back_));
    copy_rect(x, y, source.width(), source.height(), source, 0, 0, RasterOp::Copy);
}

void Surface::assign(const Picture& pic) {
    record({Primitive::Kind::Blit, 0, 0, double(pic.width()) - 1, double(pic.height()) - 1, 0, pen_});
    img_ = pic.format() == pixel_format() ? pic : pic.convertToFormat(pixel_format());
    plain_w_ = plain_h_ = 0;
}

void Surface::blit(int dx, int dy, int w, int h, const Surface& src, int sx, int sy, RasterOp op) {
    blit(dx, dy, w, h, src.image(), sx, sy, op);
}

void Surface::blit(int dx, int dy, int w, int h, const Picture& src, int sx, int sy, RasterOp op) {
    record({Primitive::Kind::Blit, double(dx), double(dy), double(dx) + w - 1, double(dy) + h - 1, 0,
            pen_});
    copy_rect(dx, dy, w, h, src, sx, sy, op);
}

namespace {

// Pixels copied with their top byte set, four at a time: a plain loop goes one pixel a step,
// and a copy of a banner across the board every frame is thousands of them.
void copy_opaque(std::uint32_t* d, const std::uint32_t* s, long long n) {
    constexpr std::uint64_t kOpaquePair = 0xFF000000FF000000ull;
    long long i = 0;
    for (; i + 4 <= n; i += 4) {
        std::uint64_t v[2];
        std::memcpy(v, s + i, 16);
        v[0] |= kOpaquePair;
        v[1] |= kOpaquePair;
        std::memcpy(d + i, v, 16);
    }
    for (; i < n; ++i) d[i] = s[i] | kOpaque;
}

}  // namespace

void Surface::copy_rect(int dx, int dy, int w, int h, const Picture& src, int sx, int sy,
                        RasterOp op) {
    if (src.isNull() || w <= 0 || h <= 0 || !allocate()) return;
    ll tx = dx, ty = dy, fx = sx, fy = sy, cw = w, ch = h;
    // Trim whatever lies outside either picture, keeping source and target in step.
    auto trim = [](ll& a, ll& b, ll& len) {
        if (a < 0) b -= a, len += a, a = 0;
    };
    trim(fx, tx, cw);
    trim(tx, fx, cw);
    trim(fy, ty, ch);
    trim(ty, fy, ch);
    cw = std::min({cw, ll(src.width()) - fx, ll(width()) - tx});
    ch = std::min({ch, ll(src.height()) - fy, ll(height()) - ty});
    if (cw <= 0 || ch <= 0) return;

    Picture held;
    const Picture* from = &src;
    const auto f = src.format();
    if (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32 &&
        f != QImage::Format_ARGB32_Premultiplied) {
        held = src.copy(int(fx), int(fy), int(cw), int(ch)).convertToFormat(QImage::Format_RGB32);
        from = &held, fx = fy = 0;
    } else if (src.constBits() == img_.constBits()) {
        // Copying within one surface: take the source out first so overlaps read old pixels.
        held = src.copy(int(fx), int(fy), int(cw), int(ch));
        from = &held, fx = fy = 0;
    }

    const Raster r = raster(0);
    for (ll row = 0; row < ch; ++row) {
        const auto* s = reinterpret_cast<const std::uint32_t*>(from->constScanLine(int(fy + row))) + fx;
        std::uint32_t* d = r.bits + (ty + row) * r.stride + tx;
        // A copy covers every pixel it writes, on a see-through layer as on an opaque one.
        if (!transparent_ || op == RasterOp::Copy) {
            switch (op) {
                case RasterOp::Copy: copy_opaque(d, s, cw); break;
                case RasterOp::And: for (ll i = 0; i < cw; ++i) d[i] &= s[i] | kOpaque; break;
                case RasterOp::Paint: for (ll i = 0; i < cw; ++i) d[i] |= s[i] | kOpaque; break;
            }
            continue;
        }
        // On a see-through layer a pixel the operation leaves unchanged (AND with white, OR
        // with black) stays see-through, so a masked sprite still only covers its own shape.
        for (ll i = 0; i < cw; ++i) {
            const std::uint32_t v = s[i] & kRgbBits;
            switch (op) {
                case RasterOp::Copy: d[i] = v | kOpaque; break;
                case RasterOp::And:
                    if (v != kRgbBits) d[i] = (d[i] & v) | kOpaque;
                    break;
                case RasterOp::Paint:
                    if (v != 0) d[i] = (d[i] | v) | kOpaque;
                    break;
            }
        }
    }
}

void Surface::record(const Primitive& p) {
    if (rec_) rec_->push_back(p);
}

}  // namespace platform
