// The six engine dials: their stops, read-out, flag and the emergency needle.
#include <gtest/gtest.h>

#include <cmath>

#include "gauge_test_support.h"

namespace {

class EngineDials : public ::testing::Test {
protected:
    LoadedModule m{gauge_module_path("Zephel_Instr")};
    // Sets one variable, runs a frame and gives the element's state.
    const host::ElementState& after(host::GaugeInstance& g, UINT32 var, double value, std::size_t element) {
        m.host.set_var(var, value);
        m.host.frame();
        return g.elements().at(element);
    }
};

struct AngleCase {
    const char* gauge;
    UINT32 var;
    double value;
    std::size_t element;
    double degrees;
};

void PrintTo(const AngleCase& c, std::ostream* os) { *os << c.gauge << " element " << c.element << " at " << c.value; }

class DialAngles : public EngineDials, public ::testing::WithParamInterface<AngleCase> {};

TEST_P(DialAngles, NeedleAtItsMark) {
    const AngleCase& c = GetParam();
    host::GaugeInstance& g = m.place(c.gauge);
    EXPECT_NEAR(after(g, c.var, c.value, c.element).angle, c.degrees, 0.1) << c.gauge << " at " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Marks, DialAngles,
    ::testing::Values(
        AngleCase{"Torque", 0x275, 1.315789, 1, 495.0},
        AngleCase{"Torque", 0x275, -0.5, 1, 225.0},          // rests on zero
        AngleCase{"Torque", 0x275, 1.315789 * 1.2, 1, 549.0},  // beyond 500 at the same rate
        AngleCase{"Turb_Temp", 0x277, 1391.67, 2, 360.0},
        AngleCase{"Propeller_RPM", 0x2BD, 1.0, 2, 269.2},
        AngleCase{"Propeller_RPM", 0x2BD, 1.0, 1, 3600.0},   // the vernier: ten turns
        AngleCase{"Oil_Press", 0x232, -100.0, 1, 224.7},
        AngleCase{"Oil_Press", 0x232, 20000.0, 1, 495.0},
        AngleCase{"Oil_Temperature", 0x231, 581.67, 1, 180.0},
        AngleCase{"Oil_Temperature", 0x231, 900.0, 1, 370.0},
        AngleCase{"Hydraulic_Pressure", 0x2DC, 626373, 1, 15.2},  // 300 on the normal half
        AngleCase{"Hydraulic_Pressure", 0x2DC, 900000, 1, 15.2},
        AngleCase{"Hydraulic_Pressure", 0x2DC, -5000, 1, 165.0},
        AngleCase{"Hydraulic_Pressure", 0x2DC, 900000, 2, 345.0}));

TEST_F(EngineDials, TurbineReadOutKeepsFourCharactersWithItsSign) {
    host::GaugeInstance& g = m.place("Turb_Temp");
    struct {
        double rankine;
        const char* text;
    } cases[] = {{491.67, "0000"}, {1391.67, "0500"}, {482.67, "-005"}, {2291.67, "1000"}};
    for (const auto& c : cases) EXPECT_EQ(after(g, 0x277, c.rankine, 1).text, c.text) << c.rankine;
    // An absurd temperature cannot write past the read-out; the value stays whole.
    const auto& absurd = after(g, 0x277, 1e12, 1);
    EXPECT_EQ(absurd.text.size(), 4u);
    EXPECT_NEAR(absurd.value, (1e12 - 491.67) / 1.8, 1e3);
}

TEST_F(EngineDials, TurbineFlagShowsForAnyFailureState) {
    host::GaugeInstance& g = m.place("Turb_Temp");
    EXPECT_EQ(after(g, 0x117, 0, 3).picture, -1);
    EXPECT_EQ(after(g, 0x117, 1, 3).picture, 0);
    EXPECT_EQ(after(g, 0x117, -7, 3).picture, 0);
    EXPECT_EQ(after(g, 0x117, 0.5, 3).picture, -1);  // read as an integer
}

TEST_F(EngineDials, EmergencyNeedleReadsNinetyFivePercent) {
    host::GaugeInstance& g = m.place("Hydraulic_Pressure");
    after(g, 0x2DC, 626373, 0);
    EXPECT_DOUBLE_EQ(g.elements()[1].value, 626373);
    EXPECT_DOUBLE_EQ(g.elements()[2].value, 626373 * 0.95);
    // 285 on the emergency half lies 95 % of the way from zero to the 300 mark.
    const double zero = 194.6, full = 345.0;
    EXPECT_NEAR(g.elements()[2].angle, zero + 0.95 * (full - zero), 0.1);
}

TEST_F(EngineDials, SupplyFailureFreezesOrDropsTheNeedles) {
    host::GaugeInstance& torque = m.place("Torque");
    host::GaugeInstance& prop = m.place("Propeller_RPM");
    m.host.set_var(0x275, 0.6);
    m.host.set_var(0x2BD, 0.9);
    m.host.frame();
    m.host.fail(20);
    m.host.set_var(0x275, 1.2);
    m.host.frame();
    EXPECT_DOUBLE_EQ(torque.elements()[1].value, 0.6);  // frozen
    EXPECT_DOUBLE_EQ(prop.elements()[2].value, 0.0);    // dropped to zero
    EXPECT_NEAR(prop.elements()[2].angle, 0.0, 1e-9);
}

}  // namespace
