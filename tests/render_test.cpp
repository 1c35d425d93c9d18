// The renderer's geometry: where each kind of element lands, read back from the pixels drawn.
// The probe gauge's bitmaps are replaced by plain pictures made here, so each test knows
// exactly which colour belongs to which part; the engine dials are drawn with their real art.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>

#include "gauge_test_support.h"
#include "host/render.h"

namespace {

constexpr std::uint32_t BACKGROUND = 0x102030, RED = 0xFF0000, GREEN = 0x00FF00, BLUE = 0x0000FF,
                        WHITE = 0xFFFFFF, YELLOW = 0xFFFF00, LAMP = 0xFFA000, KEY = 0x000000;

host::Bitmap picture(int w, int h, const std::function<std::uint32_t(int x, int y)>& colour) {
    host::Bitmap b{w, h, 24, std::vector<std::uint32_t>(static_cast<std::size_t>(w) * h)};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.argb[static_cast<std::size_t>(y) * w + x] = 0xFF000000u | colour(x, y);
    return b;
}
host::Bitmap solid(int w, int h, std::uint32_t rgb) {
    return picture(w, h, [=](int, int) { return rgb; });
}

// A drawn frame, read back pixel by pixel.
struct Frame {
    int width = 0, height = 0;
    std::vector<std::uint32_t> rgb;
    std::uint32_t at(int x, int y) const { return rgb[static_cast<std::size_t>(y) * width + x]; }
    int red(int x, int y) const { return at(x, y) >> 16 & 0xFF; }
};

Frame draw(host::Renderer& renderer, const host::GaugeInstance& gauge, double scale = 1,
           host::DrawOptions options = {}) {
    const host::GaugeSize size = host::gauge_pixel_size(gauge);
    Frame f{static_cast<int>(std::ceil(size.width * scale)), static_cast<int>(std::ceil(size.height * scale)), {}};
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, f.width, f.height);
    cairo_t* cr = cairo_create(s);
    renderer.draw(cr, gauge, {0, 0, scale, scale}, options);
    cairo_destroy(cr);
    cairo_surface_flush(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    for (int y = 0; y < f.height; ++y)
        for (int x = 0; x < f.width; ++x)
            f.rgb.push_back(reinterpret_cast<const std::uint32_t*>(data + y * cairo_image_surface_get_stride(s))[x] &
                            0xFFFFFF);
    cairo_surface_destroy(s);
    return f;
}

// The farthest point from (cx, cy) where the two frames differ by at least half the
// channel's range, with its distance and its angle clockwise from twelve o'clock.
struct Tip {
    double x = 0, y = 0, distance = -1, degrees = 0;
};
Tip farthest_difference(const Frame& with, const Frame& without, double cx, double cy) {
    Tip tip;
    for (int y = 0; y < with.height; ++y)
        for (int x = 0; x < with.width; ++x) {
            int diff = 0;
            for (int shift : {0, 8, 16})
                diff = std::max(diff, std::abs(int(with.at(x, y) >> shift & 0xFF) - int(without.at(x, y) >> shift & 0xFF)));
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (diff >= 128 && d > tip.distance) tip = {x + 0.5, y + 0.5, d, 0};
        }
    tip.degrees = std::atan2(tip.x - cx, cy - tip.y) * 180 / std::numbers::pi;
    if (tip.degrees < 0) tip.degrees += 360;
    return tip;
}

double angle_between(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360 - d);
}

// The probe gauge with plain pictures: every element's colours are known.
class RenderProbe : public ::testing::Test {
protected:
    enum Element { BACKDROP, NEEDLE, ICON, DRUM, WINDOWED_DRUM, SLIDER, SPRITE, TEXT, LAMP_ICON };

    LoadedModule m{fixture_module_path("RenderProbe")};
    host::GaugeInstance& probe = m.place("Render_Probe");
    host::Renderer renderer;
    // Needle: a white line from the pivot (5,3) to the bitmap's far end, on the colour key.
    host::Bitmap needle = picture(60, 7, [](int x, int y) { return y == 3 && x >= 5 ? WHITE : KEY; });
    host::Bitmap icons[3] = {solid(10, 10, RED), solid(10, 10, GREEN), solid(10, 10, BLUE)};
    // Eleven 20-pixel cells, each its own shade of red.
    host::Bitmap strip = picture(20, 220, [](int, int y) { return cell_colour(y / 20); });
    host::Bitmap windowed_strip = picture(20, 400, [](int, int y) { return cell_colour(y / 40); });
    host::Bitmap slider = solid(12, 12, YELLOW);
    // Quadrants: red, green / blue, white.
    host::Bitmap texture = picture(80, 80, [](int x, int y) { return y < 40 ? (x < 40 ? RED : GREEN) : (x < 40 ? BLUE : WHITE); });
    host::Bitmap lamp = solid(12, 12, LAMP);
    host::Bitmap backdrop = solid(200, 160, BACKGROUND);

    static std::uint32_t cell_colour(int cell) { return static_cast<std::uint32_t>(0x100000 * (cell + 1) + 0x3040); }

    void SetUp() override {
        auto& el = probe.elements();
        ASSERT_EQ(el.size(), 9u);
        el[BACKDROP].pictures = {&backdrop};
        el[NEEDLE].pictures = {&needle};
        el[ICON].pictures = {&icons[0], &icons[1], &icons[2]};
        el[DRUM].pictures = {&strip};
        el[WINDOWED_DRUM].pictures = {&windowed_strip};
        el[SLIDER].pictures = {&slider};
        el[SPRITE].pictures = {&texture};
        el[LAMP_ICON].pictures = {&lamp};
    }

    // Sets the variables and runs a frame.
    void frame(std::initializer_list<std::pair<UINT32, double>> vars = {}) {
        for (auto [id, v] : vars) m.host.set_var(id, v);
        m.host.frame();
    }

    // Hides every element but the backdrop and the one given, as a callback would.
    void show_only(Element kept) {
        for (std::size_t i = 1; i < probe.elements().size(); ++i) {
            UINT32& flags = probe.elements()[i].element->image_flags;
            flags = i == static_cast<std::size_t>(kept) ? flags & ~IMAGE_HIDDEN : flags | IMAGE_HIDDEN;
        }
    }
};

TEST_F(RenderProbe, NeedleTipLandsWhereItsAnglePoints) {
    const double length = 54.5;  // the pivot pixel (5,3)'s middle to the far edge of the 60-pixel bitmap
    for (double degrees : {0.0, 30.0, 90.0, 135.0, 200.0, 271.5, 315.0}) {
        frame({{0x20, degrees}});
        show_only(NEEDLE);
        const Frame with = draw(renderer, probe);
        probe.elements()[NEEDLE].element->image_flags |= IMAGE_HIDDEN;
        const Tip tip = farthest_difference(with, draw(renderer, probe), 100.5, 80.5);
        EXPECT_NEAR(tip.distance, length, 1.5) << "at " << degrees;
        EXPECT_LT(angle_between(tip.degrees, degrees), 1.5) << "at " << degrees << ": " << tip.degrees;
    }
}

TEST_F(RenderProbe, TheColourKeyLetsTheBackgroundShowAroundTheNeedle) {
    frame({{0x20, 90}});
    show_only(NEEDLE);
    const Frame f = draw(renderer, probe);
    EXPECT_EQ(f.at(130, 80), WHITE);       // on the needle, three o'clock
    EXPECT_EQ(f.at(130, 78), BACKGROUND);  // its bitmap's key-black rows are not drawn
    probe.elements()[NEEDLE].element->image_flags &= ~IMAGE_USE_TRANSPARENCY;
    EXPECT_EQ(draw(renderer, probe).at(130, 78), KEY);  // without 0x2 black is black
}

TEST_F(RenderProbe, IconShowsThePictureItsValueChooses) {
    const struct {
        double value;
        std::uint32_t colour;
    } cases[] = {{0, RED}, {1, GREEN}, {2.7, BLUE}, {3, BACKGROUND}, {-1, BACKGROUND}};
    for (const auto& c : cases) {
        frame({{0x21, c.value}});
        const Frame f = draw(renderer, probe);
        EXPECT_EQ(f.at(15, 15), c.colour) << "value " << c.value;
        EXPECT_EQ(f.at(9, 15), BACKGROUND) << "value " << c.value;  // nothing left of its position
    }
}

TEST_F(RenderProbe, DrumShowsItsDigitInItsWindow) {
    // Range 0…10 over eleven 20-pixel cells: the window is one cell, the value picks it.
    for (int digit = 0; digit <= 10; ++digit) {
        frame({{0x22, double(digit)}});
        const Frame f = draw(renderer, probe);
        EXPECT_EQ(f.at(160, 21), cell_colour(digit)) << digit;
        EXPECT_EQ(f.at(160, 38), cell_colour(digit)) << digit;
        EXPECT_EQ(f.at(160, 41), BACKGROUND) << digit;  // nothing below the window
        EXPECT_EQ(f.at(160, 19), BACKGROUND) << digit;  // nor above
    }
    // Half-way from 3 to 4 the window shows the lower half of 3 above the upper half of 4.
    frame({{0x22, 3.5}});
    const Frame f = draw(renderer, probe);
    EXPECT_EQ(f.at(160, 24), cell_colour(3));
    EXPECT_EQ(f.at(160, 35), cell_colour(4));
}

TEST_F(RenderProbe, StripWithItsOwnWindowShowsOneOfItsCells) {
    // Ten 40-pixel cells, range 0…9, window 40 from the strip's "STRIP" resource.
    for (int digit : {0, 4, 9}) {
        frame({{0x23, double(digit)}});
        const Frame f = draw(renderer, probe);
        EXPECT_EQ(f.at(185, 21), cell_colour(digit)) << digit;
        EXPECT_EQ(f.at(185, 58), cell_colour(digit)) << digit;
        EXPECT_EQ(f.at(185, 61), BACKGROUND) << digit;
    }
}

TEST_F(RenderProbe, SliderMovesByItsValuesTimesItsScales) {
    frame({{0x24, 5.25}, {0x25, -3}});  // x: 10.5 pixels right; y: 3 up
    const Frame f = draw(renderer, probe);
    EXPECT_EQ(f.at(20, 100), BACKGROUND);  // its resting corner is empty
    EXPECT_EQ(f.at(31, 97), YELLOW);       // it covers (30.5,97) to (42.5,109)
    EXPECT_EQ(f.at(41, 108), YELLOW);
    EXPECT_EQ(f.at(35, 109), BACKGROUND);
    EXPECT_EQ(f.at(44, 100), BACKGROUND);
    // The half pixels at each side are shared with the background.
    for (int x : {30, 42}) {
        EXPECT_GT(f.red(x, 100), 0x60) << x;
        EXPECT_LT(f.red(x, 100), 0xB0) << x;
    }
}

TEST_F(RenderProbe, SpriteMovesAndTurnsItsTextureInsideItsWindow) {
    const struct {
        const char* what;
        double x, y, rotation;
        std::uint32_t top_left, top_right, bottom_left, bottom_right;
    } cases[] = {
        {"at rest: the texture's middle on the centre", 0, 0, 0, RED, GREEN, BLUE, WHITE},
        // x = 10: the texture point 10 pixels right of its middle sits on the centre
        {"shifted along x", 12, 0, 0, GREEN, GREEN, WHITE, WHITE},
        {"shifted along y", 0, 12, 0, BLUE, WHITE, BLUE, WHITE},
        {"turned 90 degrees anticlockwise", 0, 0, 90, GREEN, WHITE, RED, BLUE},
        // shifts run along the texture's own axes, before the turn
        {"shifted along x, then turned", 12, 0, 90, GREEN, WHITE, GREEN, WHITE},
    };
    for (const auto& c : cases) {
        frame({{0x26, c.x}, {0x27, c.y}, {0x28, c.rotation}});
        const Frame f = draw(renderer, probe);
        // Points 5 pixels from the centre (150,120), one in each quarter.
        EXPECT_EQ(f.at(144, 114), c.top_left) << c.what;
        EXPECT_EQ(f.at(155, 114), c.top_right) << c.what;
        EXPECT_EQ(f.at(144, 125), c.bottom_left) << c.what;
        EXPECT_EQ(f.at(155, 125), c.bottom_right) << c.what;
        // The window runs from (120,90) to (180,150); the 80-pixel texture does not spill out.
        EXPECT_EQ(f.at(118, 100), BACKGROUND) << c.what;
        EXPECT_EQ(f.at(150, 151), BACKGROUND) << c.what;
    }
}

// Where the red ink of a frame lies.
struct Ink {
    int left = 1000, right = -1, top = 1000, bottom = -1;
};
Ink red_ink(const Frame& f) {
    Ink ink;
    for (int y = 0; y < f.height; ++y)
        for (int x = 0; x < f.width; ++x)
            if (f.red(x, y) > 0x80) {
                ink.left = std::min(ink.left, x), ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y), ink.bottom = std::max(ink.bottom, y);
            }
    return ink;
}

TEST_F(RenderProbe, StringFillsItsBoxAndCentresItsText) {
    frame({{0x29, 1234}});
    show_only(TEXT);
    const Frame f = draw(renderer, probe);
    const auto [left, right, top, bottom] = red_ink(f);
    ASSERT_GE(right, 0) << "no text drawn";
    // Inside the box (10,128) 90 × 26, centred both ways.
    EXPECT_GE(left, 10);
    EXPECT_LT(right, 100);
    EXPECT_GE(top, 128);
    EXPECT_LT(bottom, 154);
    EXPECT_NEAR((left + right + 1) / 2.0, 55, 2);
    EXPECT_NEAR((top + bottom + 1) / 2.0, 141, 2);
    EXPECT_GT(right - left, 30) << "four digits of a 26-pixel line";
    EXPECT_EQ(f.at(11, 129), GREEN);      // the box is filled: no colour key
    EXPECT_EQ(f.at(9, 129), BACKGROUND);  // and nothing outside it

    probe.elements()[TEXT].element->image_flags |= IMAGE_USE_TRANSPARENCY;
    EXPECT_EQ(draw(renderer, probe).at(11, 129), BACKGROUND);  // with 0x2 the box is not filled

    // Other text flags: right (0x2) and at the bottom (0x8) of the box.
    reinterpret_cast<ELEMENT_STRING*>(probe.elements()[TEXT].element)->draw_text_flags = 0x2A;
    const Ink moved = red_ink(draw(renderer, probe));
    EXPECT_NEAR(moved.right, 99, 2);
    EXPECT_GT(moved.bottom, bottom);
    EXPECT_EQ(moved.right - moved.left, right - left);
}

TEST_F(RenderProbe, HiddenOrUndrawnElementsLeaveNoPixels) {
    frame({{0x2A, 0}});
    EXPECT_EQ(draw(renderer, probe).at(66, 16), LAMP);
    frame({{0x2A, 1}});  // its callback hides it
    const Frame hidden = draw(renderer, probe);
    for (int y = 10; y < 22; ++y)
        for (int x = 60; x < 72; ++x) ASSERT_EQ(hidden.at(x, y), BACKGROUND) << x << "," << y;
    frame({{0x2A, 0}});
    m.host.fail(22);  // its failure list stops drawing it
    frame();
    EXPECT_EQ(draw(renderer, probe).at(66, 16), BACKGROUND);
}

TEST_F(RenderProbe, ScaledGaugesKeepTheirGeometry) {
    frame({{0x21, 1}, {0x20, 90}});
    const Frame f = draw(renderer, probe, 1.5);
    EXPECT_EQ(f.width, 300);
    EXPECT_EQ(f.at(22, 22), GREEN);  // the icon at (10,10) × 1.5
    EXPECT_EQ(f.at(14, 22), BACKGROUND);
    EXPECT_GT(f.red(190, 120), 0xC0);  // the needle from (150.75,120.75) towards three o'clock
    EXPECT_EQ(f.at(190, 123), BACKGROUND);
}

TEST_F(RenderProbe, NightDimsAllButLuminousAndBrightElements) {
    frame({{0x21, 0}});
    const Frame night = draw(renderer, probe, 1, {.night = true});
    EXPECT_LT(night.red(15, 15), 0x80);         // the icon's flags 0x3: dimmed
    EXPECT_EQ(night.at(66, 16), LAMP);          // the lamp is bright (0x4)
    EXPECT_EQ(night.at(5, 5), BACKGROUND);      // the background is luminous (0x4000)
}

// The engine dials with their own art: the needle's far end lands on the dial mark its
// table names.
struct DialCase {
    const char* gauge;
    UINT32 var;
    double value;
    std::size_t needle;
    PIXPOINT mark;
};

void PrintTo(const DialCase& c, std::ostream* os) { *os << c.gauge << " at " << c.value; }

class DialNeedleTip : public ::testing::TestWithParam<DialCase> {};

TEST_P(DialNeedleTip, LandsOnItsTablePoint) {
    const DialCase& c = GetParam();
    LoadedModule m(gauge_module_path("Zephel_Instr"));
    host::GaugeInstance& g = m.place(c.gauge);
    host::Renderer renderer;
    m.host.set_var(c.var, c.value);
    m.host.frame();
    const ELEMENT_HEADER& needle = *g.elements().at(c.needle).element;
    const Frame with = draw(renderer, g);
    g.elements()[c.needle].element->image_flags |= IMAGE_HIDDEN;
    const Tip tip = farthest_difference(with, draw(renderer, g), needle.position.x + 0.5, needle.position.y + 0.5);
    const double mark_distance = std::hypot(c.mark.x - needle.position.x, c.mark.y - needle.position.y);
    const double mark_degrees =
        std::fmod(std::atan2(c.mark.x - needle.position.x, needle.position.y - c.mark.y) * 180 / std::numbers::pi + 360, 360);
    EXPECT_LT(angle_between(tip.degrees, mark_degrees), 2.0) << "tip at " << tip.x << "," << tip.y;
    EXPECT_NEAR(tip.distance, mark_distance, 0.12 * mark_distance) << "tip at " << tip.x << "," << tip.y;
}

INSTANTIATE_TEST_SUITE_P(Marks, DialNeedleTip,
                         ::testing::Values(DialCase{"Torque", 0x275, 0.0, 1, {41, 159}},
                                           DialCase{"Torque", 0x275, 1.315789, 1, {159, 159}},
                                           DialCase{"Oil_Press", 0x232, 0.0, 1, {66, 235}},
                                           DialCase{"Oil_Press", 0x232, 3076.224, 1, {150, 35}},
                                           DialCase{"Oil_Press", 0x232, 6152.448, 1, {235, 235}}));

}  // namespace
