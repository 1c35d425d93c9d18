// Angle_Of_Attack_Lights: three-lamp angle-of-attack indexer (fast, on-speed, slow).
#include "common/gauge_records.h"
#include "zephel_instr/frame/catalogue.h"

namespace zephel::angle_of_attack_lights {
using namespace records;

ELEMENT_STATIC_IMAGE background{.header = {
    .element_type = ELEMENT_TYPE_STATIC_IMAGE, .resource_id = 5120,
    .gauge_header = &angle_of_attack_lights_gauge, .image_flags = 0x4003}};

ELEMENT_HEADER* elements[] = {&background.header, nullptr};
// The text is in the host's ANSI code page (0xB0 is the degree sign); the angle argument
// comes with the lamps.
MOUSERECT mouse[] = {
    help_region(WHOLE_GAUGE, 0),
    tooltip_text("Corlan and Vesse-Marot (CVM) angle of attack indicator (%1!05.2f!\xB0)"),
    end_region(),
    end_list(),
};

}  // namespace zephel::angle_of_attack_lights

GAUGEHDR zephel::angle_of_attack_lights_gauge =
    records::gauge_header("Angle_Of_Attack_Lights", 100, zephel::angle_of_attack_lights::elements,
                          zephel::angle_of_attack_lights::mouse, nullptr);
