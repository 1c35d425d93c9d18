// The gauge headers of Zephel_Instr, in catalogue order. Each is defined in its
// instrument's own file; Linkage lists them in this order.
#pragma once

#include "common/gauge_host.h"

namespace zephel {

inline constexpr int GAUGE_COUNT = 73;

extern GAUGEHDR registration_gauge;
extern GAUGEHDR atc_toggle_gauge;
extern GAUGEHDR kneeboard_toggle_gauge;
extern GAUGEHDR map_toggle_gauge;
extern GAUGEHDR invisible_toggle_gauge;
extern GAUGEHDR radios_toggle_gauge;
extern GAUGEHDR gps_toggle_gauge;
extern GAUGEHDR throttle_toggle_gauge;
extern GAUGEHDR compass_toggle_gauge;
extern GAUGEHDR close_subpanel_gauge;
extern GAUGEHDR landing_view_toggle_gauge;
extern GAUGEHDR electricity_toggle_gauge;
extern GAUGEHDR overhead_toggle_gauge;
extern GAUGEHDR nav_instruments_toggle_gauge;
extern GAUGEHDR autopilot_toggle_gauge;
extern GAUGEHDR vfr_panel_toggle_gauge;
extern GAUGEHDR ifr_panel_toggle_gauge;
extern GAUGEHDR fuel_toggle_gauge;
extern GAUGEHDR radio_iff_xpdr_gauge;
extern GAUGEHDR radio_adf_gauge;
extern GAUGEHDR radio_nav1_gauge;
extern GAUGEHDR radio_nav2_gauge;
extern GAUGEHDR radio_com1_gauge;
extern GAUGEHDR autopilot_main_switches_gauge;
extern GAUGEHDR autopilot_gauge;
extern GAUGEHDR altimeter_gauge;
extern GAUGEHDR airspeed_gauge;
extern GAUGEHDR turn_coordinator_gauge;
extern GAUGEHDR hsi_gauge;
extern GAUGEHDR vertical_speed_gauge;
extern GAUGEHDR homing_indicator_gauge;
extern GAUGEHDR rmi_gauge;
extern GAUGEHDR attitude_indicator_gauge;
extern GAUGEHDR torque_gauge;
extern GAUGEHDR fuel_quantity_gauge;
extern GAUGEHDR turb_temp_gauge;
extern GAUGEHDR propeller_rpm_gauge;
extern GAUGEHDR fuel_flow_gauge;
extern GAUGEHDR oil_press_gauge;
extern GAUGEHDR oil_temperature_gauge;
extern GAUGEHDR hydraulic_pressure_gauge;
extern GAUGEHDR ins_hdg_switch_gauge;
extern GAUGEHDR ins_mode_selector_unit_gauge;
extern GAUGEHDR ins_control_display_unit_gauge;
extern GAUGEHDR ins_msu_toggle_gauge;
extern GAUGEHDR rmi_switch_gauge;
extern GAUGEHDR gear_lever_gauge;
extern GAUGEHDR radio_altimeter_switch_gauge;
extern GAUGEHDR avionics_switch_gauge;
extern GAUGEHDR nav_gps_switch_gauge;
extern GAUGEHDR radome_switch_gauge;
extern GAUGEHDR bomb_bay_switch_gauge;
extern GAUGEHDR parking_brake_gauge;
extern GAUGEHDR wing_folding_gauge;
extern GAUGEHDR talvane_timer_gauge;
extern GAUGEHDR accelerometer_gauge;
extern GAUGEHDR standby_attitude_gauge;
extern GAUGEHDR flaps_indicator_gauge;
extern GAUGEHDR standby_altimeter_gauge;
extern GAUGEHDR oat_indicator_gauge;
extern GAUGEHDR radio_altimeter_gauge;
extern GAUGEHDR magnetic_compass_gauge;
extern GAUGEHDR angle_of_attack_lights_gauge;
extern GAUGEHDR gear_lamps_gauge;
extern GAUGEHDR panel_lights_switch_gauge;
extern GAUGEHDR landing_lights_switch_gauge;
extern GAUGEHDR navigation_lights_switch_gauge;
extern GAUGEHDR beacon_lights_switch_gauge;
extern GAUGEHDR speed_brake_light_gauge;
extern GAUGEHDR nav_gps_light_gauge;
extern GAUGEHDR armament_lights_gauge;
extern GAUGEHDR shut_down_gauge;
extern GAUGEHDR ap_tester_gauge;

}  // namespace zephel
