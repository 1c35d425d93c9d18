// The host's own rules: needle angles from nonlinearity tables and routing through nested
// mouse rectangles.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "common/gauge_records.h"
#include "host/mouse_routing.h"
#include "host/needle_math.h"

namespace {

using host::needle_angle;

struct TableCase {
    const char* what;
    std::vector<NONLINEARITY> table;
    PIXPOINT centre;
    double value;
    double expected_degrees;
};

void PrintTo(const TableCase& c, std::ostream* os) { *os << c.what; }

class NeedleTable : public ::testing::TestWithParam<TableCase> {};

TEST_P(NeedleTable, AngleFollowsTheTable) {
    TableCase c = GetParam();
    host::compute_table_angles(c.table.data(), c.table.size(), c.centre);
    EXPECT_NEAR(needle_angle(c.table.data(), c.table.size(), c.value), c.expected_degrees, 0.05) << c.what;
}

// Points about the centre (100,100): up (0°), right (90°), down (180°), left (270°).
const PIXPOINT C{100, 100};
const PIXPOINT UP{100, 0}, RIGHT{200, 100}, DOWN{100, 200}, LEFT{0, 100};

INSTANTIATE_TEST_SUITE_P(
    Rules, NeedleTable,
    ::testing::Values(
        TableCase{"linear between entries", {{UP, 0, 0}, {DOWN, 10, 0}}, C, 5, 90},
        TableCase{"continues along the last segment", {{UP, 0, 0}, {RIGHT, 10, 0}}, C, 30, 270},
        TableCase{"continues along the first segment", {{UP, 0, 0}, {RIGHT, 10, 0}}, C, -10, -90},
        TableCase{"wraps through 360 degrees clockwise", {{LEFT, 0, 0}, {UP, 10, 0}, {RIGHT, 20, 0}}, C, 15, 405},
        TableCase{"repeated end points stop the needle (below)", {{LEFT, -1, 0}, {LEFT, 0, 0}, {RIGHT, 10, 0}}, C, -50, 270},
        TableCase{"repeated end points stop the needle (above)", {{LEFT, 0, 0}, {RIGHT, 10, 0}, {RIGHT, 20, 0}}, C, 99, 450},
        TableCase{"a descending table turns clockwise as the value falls",
                  {{UP, 300, 0}, {RIGHT, 200, 0}, {DOWN, 100, 0}}, C, 150, 135},
        TableCase{"a descending table continues past its last entry", {{UP, 300, 0}, {RIGHT, 200, 0}}, C, 100, 180},
        TableCase{"a full turn when two entries share a point", {{UP, 0, 0}, {RIGHT, 1, 0}, {UP, 4, 0}, {UP, 8, 0}}, C, 2, 180},
        TableCase{"equal adjacent values take the first entry's angle", {{UP, 0, 0}, {RIGHT, 5, 0}, {DOWN, 5, 0}}, C, 5, 90}));

TEST(NeedleTable, InstallFillsCumulativeAngles) {
    std::vector<NONLINEARITY> t{{LEFT, 0, 0}, {UP, 1, 0}, {RIGHT, 2, 0}, {DOWN, 3, 0}};
    host::compute_table_angles(t.data(), t.size(), C);
    EXPECT_DOUBLE_EQ(t[0].degrees, 270);
    EXPECT_DOUBLE_EQ(t[1].degrees, 360);
    EXPECT_DOUBLE_EQ(t[2].degrees, 450);
    EXPECT_DOUBLE_EQ(t[3].degrees, 540);
}

TEST(NeedleTable, WithoutATableTheValueIsTheAngle) {
    EXPECT_DOUBLE_EQ(needle_angle(nullptr, 0, 123.5), 123.5);
    EXPECT_DOUBLE_EQ(needle_angle(nullptr, 0, -40), -40);
}

// ---- mouse routing ----

using namespace records;
using host::find_click_target;
using host::MouseButton;

BOOL32 GAUGE_API no_op(PIXPOINT*, UINT32) { return 0; }

// Whole gauge 200 x 100; region A at (10,10) holds area A1 (5,5,20,20); region B at
// (150,60) holds area B1 (0,0,100,100) that runs past B and past the gauge; a right-button
// area overlaps A1 and comes later in the list.
const MOUSERECT LIST[] = {
    help_region(WHOLE_GAUGE, 0xA100),
    help_region({10, 10, 50, 50}, 0xA101),
    click_callback({5, 5, 20, 20}, CURSOR_HAND, MOUSE_LEFTSINGLE, no_op),
    end_region(),
    help_region({150, 60, 20, 20}, 0xA102),
    tooltip_help(0x3094),
    click_event({0, 0, 100, 100}, CURSOR_UPARROW, MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT, 0x1015B),
    end_region(),
    click_event({0, 0, 60, 60}, CURSOR_DOWNARROW, MOUSE_RIGHTSINGLE, 0x1015C),
    end_region(),
    end_list(),
};
const host::GaugeSize SIZE{200, 100};

TEST(MouseRouting, BoxesAreRelativeToTheirRegion) {
    auto t = find_click_target(LIST, SIZE, 15, 15, MouseButton::left);
    ASSERT_TRUE(t);
    EXPECT_EQ(t.area, &LIST[2]);
    EXPECT_EQ(t.box.x, 15);
    EXPECT_EQ(t.box.y, 15);
    EXPECT_FALSE(find_click_target(LIST, SIZE, 14, 15, MouseButton::left));
    EXPECT_FALSE(find_click_target(LIST, SIZE, 35, 35, MouseButton::left));
}

TEST(MouseRouting, AreasAreClippedToTheGaugeNotToTheirRegion) {
    auto t = find_click_target(LIST, SIZE, 199, 99, MouseButton::left);
    ASSERT_TRUE(t);
    EXPECT_EQ(t.area, &LIST[6]);
    EXPECT_EQ(t.box.size_x, 50);  // 150..200
    EXPECT_EQ(t.box.size_y, 40);  // 60..100
    EXPECT_FALSE(find_click_target(LIST, SIZE, 200, 99, MouseButton::left));
}

TEST(MouseRouting, TheButtonMustBeAccepted) {
    auto right = find_click_target(LIST, SIZE, 15, 15, MouseButton::right);
    ASSERT_TRUE(right);
    EXPECT_EQ(right.area, &LIST[8]);  // the left-button area before it does not take it
    EXPECT_FALSE(find_click_target(LIST, SIZE, 100, 90, MouseButton::right));
}

TEST(MouseRouting, HelpComesFromTheInnermostRegion) {
    auto inner = host::find_help_target(LIST, SIZE, 155, 65);
    ASSERT_NE(inner.region, nullptr);
    EXPECT_EQ(inner.region->help_id, 0xA102u);
    ASSERT_NE(inner.tooltip, nullptr);
    EXPECT_EQ(inner.tooltip->help_id, 0x3094u);
    EXPECT_EQ(host::find_help_target(LIST, SIZE, 100, 5).region->help_id, 0xA100u);
    EXPECT_EQ(host::find_help_target(LIST, SIZE, 100, 5).tooltip, nullptr);
}

TEST(MouseRouting, AListWithOnlyTheHelpRegionTakesNoClick) {
    const MOUSERECT help_only[] = {help_region(WHOLE_GAUGE, 0xAB70), end_region(), end_list()};
    EXPECT_FALSE(find_click_target(help_only, SIZE, 50, 50, MouseButton::left));
    EXPECT_EQ(host::find_help_target(help_only, SIZE, 50, 50).region->help_id, 0xAB70u);
    EXPECT_FALSE(find_click_target(nullptr, SIZE, 50, 50, MouseButton::left));
}

}  // namespace
