// The radio heads' switch positions and frequency caches. The heads own them; the attitude
// indicator, HSI, homing indicator and RMI read the power flags, and Shut_Down switches the
// heads off by clearing them.
#pragma once

#include "common/gauge_host.h"

namespace zephel {

// A VHF head (Radio_COM1, Radio_NAV1, Radio_NAV2).
struct RadioHeadState {
    SINT32 power_on = 0;   // the head's power switch; cleared at every install
    SINT32 audio_on = 0;   // NAV heads: the audio switch; cleared at every install
    double whole_mhz = 0;  // cached whole megahertz of the frequency
    double fraction = 0;   // cached hundredths of a megahertz, 0 to 99
};

// The ADF head (Radio_ADF). Its switches keep their positions across installs.
struct AdfHeadState {
    SINT32 power_on = 0;
    SINT32 audio_on = 0;
    double frequency_khz = 0;  // cached whole kilohertz
    double tenths_digit = 0;   // cached tenths-of-kilohertz digit
};

// The IFF/transponder head (Radio_IFF_XPDR). Its power keeps its position across installs.
struct TransponderHeadState {
    SINT32 power_on = 0;
    double code = 0;  // cached squawk code as a decimal number, 0 to 7777
};

extern RadioHeadState com1_state;
extern RadioHeadState nav1_state;
extern RadioHeadState nav2_state;
extern AdfHeadState adf_state;
extern TransponderHeadState xpdr_state;

}  // namespace zephel
