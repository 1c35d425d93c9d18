// What the switch gauges keep for other instruments.
#pragma once

namespace zephel {

// The RMI source selector: 1 (at load) makes the RMI follow the NAV1 side, 0 the NAV2 side.
// RMI_Switch flips it.
extern int rmi_source_selector;

}  // namespace zephel
