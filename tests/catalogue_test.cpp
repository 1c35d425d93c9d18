// The Zephel_Instr catalogue as the host reads it from Linkage.
#include <gtest/gtest.h>

#include <cstring>

#include "gauge_test_support.h"

namespace {

struct Entry {
    const char* name;
    UINT32 width_mm;
    bool has_callback;
};

const Entry CATALOGUE[] = {
    {"Registration", 150, true}, {"ATC_Toggle", 19, false}, {"Kneeboard_Toggle", 19, false},
    {"Map_Toggle", 19, false}, {"Invisible_Toggle", 19, true}, {"Radios_Toggle", 19, true},
    {"GPS_Toggle", 19, true}, {"Throttle_Toggle", 19, true}, {"Compass_Toggle", 19, true},
    {"Close_Subpanel", 19, true}, {"Landing_View_Toggle", 19, true}, {"Electricity_Toggle", 19, true},
    {"Overhead_Toggle", 19, true}, {"Nav_Instruments_Toggle", 19, true}, {"Autopilot_Toggle", 19, true},
    {"VFR_Panel_Toggle", 19, true}, {"IFR_Panel_Toggle", 19, true}, {"Fuel_Toggle", 19, true},
    {"Radio_IFF_XPDR", 100, true}, {"Radio_ADF", 100, true}, {"Radio_NAV1", 100, true},
    {"Radio_NAV2", 100, true}, {"Radio_COM1", 100, true}, {"Autopilot_Main_Switches", 40, true},
    {"Autopilot", 200, true}, {"Altimeter", 100, false}, {"Airspeed", 100, false},
    {"Turn_Coordinator", 100, false}, {"HSI", 120, false}, {"Vertical_Speed", 100, false},
    {"Homing_Indicator", 120, false}, {"RMI", 100, false}, {"Attitude_Indicator", 100, false},
    {"Torque", 100, false}, {"Fuel_Quantity", 100, true}, {"Turb_Temp", 100, false},
    {"Propeller_RPM", 100, false}, {"Fuel_Flow", 100, true}, {"Oil_Press", 100, false},
    {"Oil_Temperature", 100, false}, {"Hydraulic_Pressure", 100, false}, {"INS_HDG_Switch", 20, true},
    {"INS_Mode_Selector_Unit", 50, false}, {"INS_Control_Display_Unit", 20, false}, {"INS_MSU_Toggle", 19, true},
    {"RMI_Switch", 30, true}, {"Gear_Lever", 40, false}, {"Radio_Altimeter_Switch", 30, true},
    {"Avionics_Switch", 40, true}, {"NAV_GPS_Switch", 30, true}, {"Radome_Switch", 30, true},
    {"Bomb_Bay_Switch", 30, true}, {"Parking_Brake", 50, true}, {"Wing_Folding", 40, false},
    {"Talvane_Timer", 100, false}, {"Accelerometer", 100, false}, {"Standby_Attitude", 100, false},
    {"Flaps_Indicator", 100, false}, {"Standby_Altimeter", 100, false}, {"OAT_Indicator", 100, false},
    {"Radio_Altimeter", 100, true}, {"Magnetic_Compass", 100, false}, {"Angle_Of_Attack_Lights", 100, false},
    {"Gear_Lamps", 40, false}, {"Panel_Lights_Switch", 20, true}, {"Landing_Lights_Switch", 20, true},
    {"Navigation_Lights_Switch", 20, true}, {"Beacon_Lights_Switch", 40, true}, {"Speed_Brake_Light", 20, true},
    {"NAV_GPS_Light", 30, false}, {"Armament_Lights", 30, false}, {"Shut_Down", 30, true},
    {"AP_Tester", 100, false},
};

TEST(Catalogue, SeventyThreeGaugesInOrderThenNull) {
    auto module = host::Module::load(gauge_module_path("Zephel_Instr"));
    const GAUGESLINKAGE& l = module->linkage();
    EXPECT_EQ(l.module_id, 0x13u);
    EXPECT_EQ(l.flags, 0u);
    EXPECT_EQ(l.module_priority, 0u);
    EXPECT_EQ(l.module_version, 0x900u);
    EXPECT_EQ(module->import_table().panels_id, 0x0Fu);
    EXPECT_EQ(module->import_table().end_id, 0u);
    ASSERT_EQ(module->gauges().size(), std::size(CATALOGUE));
    EXPECT_EQ(linkage_gauges(&l)[std::size(CATALOGUE)], nullptr);
    for (std::size_t i = 0; i < std::size(CATALOGUE); ++i) {
        const GAUGEHDR* g = module->gauges()[i];
        SCOPED_TRACE(CATALOGUE[i].name);
        EXPECT_STREQ(g->gauge_name, CATALOGUE[i].name);
        EXPECT_EQ(g->size_x_mm, CATALOGUE[i].width_mm);
        EXPECT_EQ(g->size_y_mm, 0u);
        EXPECT_EQ(g->gauge_header_version, 0x320u);
        EXPECT_EQ(g->gauge_callback != nullptr, CATALOGUE[i].has_callback);
        EXPECT_EQ(g->query_routine, nullptr);
        EXPECT_EQ(g->kill_routine, nullptr);
        // One background static image heads the chain.
        ASSERT_NE(g->elements_list, nullptr);
        ASSERT_NE(g->elements_list[0], nullptr);
        EXPECT_EQ(g->elements_list[1], nullptr);
        EXPECT_EQ(g->elements_list[0]->element_type, ELEMENT_TYPE_STATIC_IMAGE);
        EXPECT_EQ(g->elements_list[0]->gauge_header, g);
        // Every mouse list opens with the whole-gauge region; only RMI has none.
        if (std::strcmp(g->gauge_name, "RMI") == 0) {
            EXPECT_EQ(g->mouse_rect, nullptr);
        } else {
            ASSERT_NE(g->mouse_rect, nullptr);
            EXPECT_EQ(g->mouse_rect[0].rect_type, MOUSE_RECT_PARENT);
            EXPECT_EQ(g->mouse_rect[0].relative_box.size_x, 0);
        }
    }
}

TEST(Catalogue, EveryGaugeSetsUpRunsAndTearsDown) {
    LoadedModule m(gauge_module_path("Zephel_Instr"));
    for (const Entry& e : CATALOGUE) {
        host::GaugeInstance& g = m.place(e.name);
        SCOPED_TRACE(e.name);
        EXPECT_GT(g.size().width, 0) << "the background bitmap is missing";
        m.host.frame();
        m.host.kill(g);
    }
}

}  // namespace
