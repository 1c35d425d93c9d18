// artgen's artwork: 8-bit palettes and the colour key, dial scales placed by the needles'
// own tables, digit strips and their "STRIP" resource, needles fitted to their dials, and
// the art file's diagnostics.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <set>
#include <sstream>

#include "host/bitmap.h"
#include "platform/resource_table.h"
#include "tools/artwork/encode.h"
#include "tools/artwork/painter.h"

namespace {

using namespace artwork;

ArtFile art_of(const std::string& text) {
    std::istringstream in(text);
    return parse_art_file(in, "test.art");
}

Painted paint_first(const ArtFile& art, const Records& records = {}) {
    const BitmapSpec& spec = art.bitmaps.front();
    return paint(Job{spec, art, records, records.uses(spec.id)});
}

// The fonts and the caches of cairo and fontconfig go when the tests end.
class ReleaseFonts : public ::testing::Environment {
    void TearDown() override { release_fonts(); }
};
const auto* const release_fonts_at_exit = ::testing::AddGlobalTestEnvironment(new ReleaseFonts);

double luminance(const Rgb& p) { return 0.3 * p.r + 0.59 * p.g + 0.11 * p.b; }
bool white(const Rgb& p) { return luminance(p) > 150 && std::abs(int(p.r) - int(p.b)) < 40; }

// The angle (clockwise from twelve) of the white ink between two radii about a centre,
// within `spread` degrees of `around`; NaN when there is none.
double ink_angle(const Picture& pic, Point centre, double r0, double r1, double around, double spread) {
    double sx = 0, sy = 0;
    int n = 0;
    for (int y = 0; y < pic.height; ++y)
        for (int x = 0; x < pic.width; ++x) {
            const double dx = x + 0.5 - centre.x, dy = y + 0.5 - centre.y, r = std::hypot(dx, dy);
            if (r < r0 || r > r1 || !white(pic.at(x, y))) continue;
            double a = std::atan2(dx, -dy) * 180 / std::numbers::pi;
            double off = std::fmod(a - around + 540.0, 360.0) - 180;
            if (std::abs(off) > spread) continue;
            sx += std::sin(a * std::numbers::pi / 180), sy += std::cos(a * std::numbers::pi / 180), ++n;
        }
    if (n == 0) return std::nan("");
    return std::fmod(std::atan2(sx, sy) * 180 / std::numbers::pi + 360.0, 360.0);
}

double angle_off(double a, double b) { return std::abs(std::fmod(a - b + 540.0, 360.0) - 180); }

// ---- 8-bit pictures ----------------------------------------------------------------------

TEST(EightBitPictures, KeepTheKeyAtIndexZeroAndMatchTheirColours) {
    // A picture with far more than 255 shades, a keyed border and near-black inside.
    Picture pic{96, 64, {}};
    for (int y = 0; y < pic.height; ++y)
        for (int x = 0; x < pic.width; ++x) {
            Rgb p{std::uint8_t(x * 255 / 95), std::uint8_t(y * 4), std::uint8_t((x + y) * 255 / 158)};
            if (x < 3 || y < 3) p = KEY;
            else if (x < 6) p = {1, 1, 1};
            pic.pixels.push_back(p);
        }
    const auto dib = encode_dib(pic, 8);
    ASSERT_EQ(dib[14], 8);
    const std::uint32_t colours = dib[32] | dib[33] << 8;
    ASSERT_GE(colours, 200u);
    ASSERT_LE(colours, 256u);
    const unsigned char* palette = dib.data() + 40;
    EXPECT_EQ(palette[0] | palette[1] | palette[2], 0) << "index 0 is the key";
    for (std::uint32_t i = 1; i < colours; ++i)
        EXPECT_NE(palette[4 * i] | palette[4 * i + 1] | palette[4 * i + 2], 0) << "entry " << i << " is pure black";

    const auto decoded = host::decode_dib(dib.data(), dib.size());
    ASSERT_TRUE(decoded);
    double error = 0;
    for (int y = 0; y < pic.height; ++y)
        for (int x = 0; x < pic.width; ++x) {
            const Rgb want = pic.at(x, y);
            const std::uint32_t got = decoded->argb[static_cast<std::size_t>(y) * pic.width + x];
            const Rgb have{std::uint8_t(got >> 16), std::uint8_t(got >> 8), std::uint8_t(got)};
            EXPECT_EQ(want == KEY, have == KEY) << "at " << x << "," << y;
            error += std::abs(want.r - have.r) + std::abs(want.g - have.g) + std::abs(want.b - have.b);
        }
    EXPECT_LT(error / (3.0 * pic.width * pic.height), 6.0) << "the palette is made for the picture";
}

// ---- the colour key ----------------------------------------------------------------------

struct KeyCase {
    const char* line;
    bool has_key;  // whether some pixels are left to the key
};

class ColourKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ColourKey, PureBlackOnlyWhereTheKeyIsMeant) {
    const Picture pic = paint_first(art_of(GetParam().line)).picture;
    int keyed = 0;
    for (const Rgb& p : pic.pixels) keyed += p == KEY;
    if (GetParam().has_key) EXPECT_GT(keyed, 0);
    else EXPECT_EQ(keyed, 0) << "opaque art uses near-black, never the key";
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ColourKey,
    ::testing::Values(KeyCase{"bitmap 1 120x120 24 dial opaque\n", false},
                      KeyCase{"bitmap 1 120x120 24 dial\n", true},  // the corners show the panel
                      KeyCase{"bitmap 1 120x120 24 glass\n", true},
                      KeyCase{"bitmap 1 60x40 24 panel\n", false},
                      KeyCase{"bitmap 1 40x40 24 lamp\n", true},
                      KeyCase{"bitmap 1 20x220 24 drum\n", false}));

// ---- dial scales ---------------------------------------------------------------------------

// The torque dial of the module: each numeral (0 to 5, hundreds) stands where the needle's own
// table puts its value, read from the module's records.
TEST(DialScales, NumeralsStandAtTheirNeedlesAngles) {
    const Records records = Records::load(RECORDS_DIR "/Zephel_Instr.records.so");
    std::ifstream in(ASSETS_DIR "/Zephel_Instr.art");
    const ArtFile art = parse_art_file(in, "Zephel_Instr.art");
    const BitmapSpec* face = art.find(2170);
    ASSERT_NE(face, nullptr);
    const Picture pic = paint(Job{*face, art, records, records.uses(2170)}).picture;
    const auto needles = records.uses(2180);
    ASSERT_EQ(needles.size(), 1u);
    const NeedleGeometry needle = NeedleGeometry::of(needles[0]);
    const double reach = needle.radius();
    for (double hundreds : {0, 1, 2, 3, 4, 5}) {
        const double at = needle.angle(hundreds * 100 * 0.002631578);
        EXPECT_LT(angle_off(ink_angle(pic, needle.centre, reach * 0.45, reach * 0.85, at, 14), at), 3.0)
            << "numeral " << hundreds << " should stand at " << at;
    }
}

// A scale's ticks sit on the table's angles, also where the table is not linear.
TEST(DialScales, TicksFollowANonLinearTable) {
    const ArtFile art = art_of(
        "bitmap 1 200x200 24 dial opaque needle=7 centre=100,100 table=0:20,100;10:100,20;100:180,100\n"
        "    scale major=0:10:10 radius=80\n"
        "    scale major=55:55:1 radius=80\n");
    const Picture pic = paint_first(art).picture;
    const Point centre{100.5, 100.5};
    // 0 at nine o'clock, 10 at twelve, 100 at three: 55 lies half-way through the second part.
    for (auto [value, degrees] : {std::pair{0.0, 270.0}, {10.0, 360.0}, {55.0, 45.0}}) {
        EXPECT_LT(angle_off(ink_angle(pic, centre, 72, 85, degrees, 10), degrees), 1.5) << "tick for " << value;
        EXPECT_TRUE(std::isnan(ink_angle(pic, centre, 72, 85, degrees + 20, 8))) << "nothing beside the tick for " << value;
    }
}

// ---- digit strips ----------------------------------------------------------------------------

TEST(DigitStrips, AShortStripCarriesItsWindowAsAStripResource) {
    const ArtFile art = art_of("bitmap 4240 29x216 24 drum digits=0123\n");
    const Painted painted = paint_first(art);
    ASSERT_TRUE(painted.strip_window);
    EXPECT_EQ(*painted.strip_window, 54);

    const std::vector<Resource> resources = {{"BITMAP", 4240, encode_dib(painted.picture, 24), {}},
                                             {"STRIP", 4240, strip_resource(*painted.strip_window), {}}};
    const auto blob = resource_table_blob(resources);
    const auto strip = resource_table::find(blob.data(), 4240, "STRIP");
    ASSERT_TRUE(strip);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(strip.data), strip.size), "window=54");
    const auto bitmap = resource_table::find(blob.data(), 4240, "BITMAP");
    ASSERT_TRUE(bitmap);
    const auto decoded = host::decode_dib(bitmap.data, bitmap.size);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->height, 216);

    EXPECT_FALSE(paint_first(art_of("bitmap 1 13x363 24 drum\n")).strip_window) << "eleven cells need no resource";
}

// A range written from high to low reads from the bottom: the strip's cells come reversed.
TEST(DigitStrips, FollowTheirRangesDirection) {
    const ArtFile art = art_of("bitmap 340 20x220 24 drum\n");
    Records reversed;
    ElementUse drum;
    drum.kind = ELEMENT_TYPE_MOVING_IMAGE;
    drum.min_y = 100, drum.max_y = 0;
    reversed.add(340, drum);
    const Picture up = paint_first(art).picture, down = paint_first(art, reversed).picture;
    const int cell = 20;
    for (int i = 0; i < 11; ++i)
        for (int y = 0; y < cell; ++y)
            for (int x = 0; x < 20; ++x)
                ASSERT_EQ(up.at(x, i * cell + y), down.at(x, (10 - i) * cell + y)) << "cell " << i;
}

// ---- needles ---------------------------------------------------------------------------------

ElementUse needle_use(PIXPOINT pivot, double radius) {
    ElementUse use;
    use.kind = ELEMENT_TYPE_NEEDLE;
    use.order = 1;
    use.image_flags = 0x4083;
    use.position = {100, 100};
    use.ofs = pivot;
    use.table = {{{100, static_cast<SINT32>(100 - radius)}, 0, 0}, {{static_cast<SINT32>(100 + radius), 100}, 1, 90}};
    return use;
}

TEST(Needles, PointToThreeOClockFromTheirPivot) {
    Records records;
    records.add(9, needle_use({12, 5}, 60));
    const Picture pic = paint_first(art_of("bitmap 9 73x11 24 needle\n"), records).picture;
    // Ink on the pivot's row out to the tip, nothing above or below it near the tip.
    for (int x : {20, 40, 70}) EXPECT_TRUE(white(pic.at(x, 5))) << "shaft at x " << x;
    for (int y : {0, 10}) EXPECT_EQ(pic.at(70, y), KEY);
}

TEST(Needles, MustReachTheirDialsMarks) {
    Records records;
    records.add(9, needle_use({12, 5}, 60));
    try {
        paint_first(art_of("bitmap 9 40x11 24 needle\n"), records);
        FAIL() << "a needle half as long as its dial's radius was painted";
    } catch (const ArtError& e) {
        EXPECT_NE(std::string(e.what()).find("make it about 73 wide"), std::string::npos) << e.what();
    }
}

// ---- diagnostics -----------------------------------------------------------------------------

struct BadArt {
    const char* text;
    const char* says;
};

class Diagnostics : public ::testing::TestWithParam<BadArt> {};

TEST_P(Diagnostics, NameTheLineAndTheFault) {
    std::string message;
    try {
        const ArtFile art = art_of(GetParam().text);
        for (const BitmapSpec& spec : art.bitmaps) paint(Job{spec, art, {}, {}});
    } catch (const ArtError& e) {
        message = e.what();
    }
    EXPECT_NE(message.find(GetParam().says), std::string::npos) << "got: " << message;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, Diagnostics,
    ::testing::Values(BadArt{"bitmap 1 10x10 16 panel\n", "test.art:1: the colour depth must be 8 or 24"},
                      BadArt{"# a comment\nbitmap 1 10x10 24 panel colr=red\n", "test.art:2: bitmap 1: not understood here: colr=red"},
                      BadArt{"bitmap 1 10x10 24 dial\nbitmap 1 10x10 24 panel\n", "test.art:2: bitmap 1 is listed twice"},
                      BadArt{"bitmap 1 10x10 24 gizmo\n", "unknown kind 'gizmo'"},
                      BadArt{"    text \"A\" at=1,1\n", "test.art:1: a layer line before any bitmap"},
                      BadArt{"bitmap 1 100x100 24 dial\n    scale needle=5 major=0:10:1\n",
                             "test.art:2: scale: needle 5 is not in the records"},
                      BadArt{"bitmap 1 22x200 24 drum\n", "200 px do not divide into 11 cells"},
                      BadArt{"bitmap 1 10x10 24 panel colour=#12345\n", "unknown colour '#12345'"}));

}  // namespace
