// player: the music-player gauge, a 1024 × 300 front plate with five push buttons, two
// volume zones and a one-line display of the current track's tags. A click only leaves a
// pending action; the gauge callback carries it out on the next drawing pass.
#include <cstdio>

#include "common/gauge_records.h"
#include "player/player.h"

extern "C" GAUGE_EXPORT GAUGESLINKAGE_WITH_GAUGES<1> Linkage;

namespace player {
using namespace records;

// ---- module-wide player state ----
SINT32 dejstvije = ACTION_NONE;
SINT32 pesnxZapuwena = 0;
SINT32 igrat6 = 0;
SINT32 pauza = 0;
SINT32 nomerFajla = 0;
SINT32 kalVaFajlav = 0;
std::vector<std::u16string> fajly;
std::optional<std::string> path;
bool neSahranxtsx = false;
SINT32 gromkast6 = DEFAULT_VOLUME;
char nazvanijePesni[TAG_TEXT_SIZE] = "";
char artist[TAG_TEXT_SIZE] = "";
char al6bom[TAG_TEXT_SIZE] = "";
char id3Tag[DISPLAY_TEXT_SIZE] = "";
SINT32 dlinaId3Tag = 0;
SINT32 sdvigId3Tag = 0;
SINT32 scroll_ticks = 0;
SINT32 knopka_nazhata = 0;
SINT32 knopka_previous_nazhata = 0;
SINT32 knopka_stop_nazhata = 0;
SINT32 knopka_pause_nazhata = 0;
SINT32 knopka_next_nazhata = 0;
SINT32 knopka_directory_nazhata = 0;
SINT32 wqtchik_knopki = 0;
std::unique_ptr<VneshnijPraigryvatel6> vneshnijPraigryvatel6;

namespace {

// Texts this long or longer scroll; shorter ones show their first half (one whole copy).
constexpr SINT32 SCROLL_LENGTH = 48;
constexpr int SHOWN_CHARACTERS = 24;
// The scroll offset advances on every eleventh call.
constexpr SINT32 SCROLL_TICKS = 10;

// The player runs only while one of these reads exactly 1.0.
constexpr UINT32 ENABLING_VARIABLES[] = {364, 565, 575};

// A pressed picture lasts until the five icon callbacks have advanced the count to 20: four
// passes. A new click during the display does not restart the count.
constexpr SINT32 PRESS_DISPLAY_COUNT = 20;

}  // namespace

void abnavit6_wqtchik_knopki() {
    if (!knopka_nazhata) return;
    if (++wqtchik_knopki != PRESS_DISPLAY_COUNT) return;
    wqtchik_knopki = 0;
    knopka_nazhata = knopka_previous_nazhata = knopka_stop_nazhata = knopka_pause_nazhata = knopka_next_nazhata =
        knopka_directory_nazhata = 0;
}

// ---- icon value callbacks: the released (0) or pressed (1) picture ----
template <SINT32* Pressed>
FLOAT64 GAUGE_API button_picture(ELEMENT_HEADER*) {
    abnavit6_wqtchik_knopki();
    return *Pressed ? 1.0 : 0.0;
}
constexpr PELEMENT_CALLBACK player_previousOnOff = button_picture<&knopka_previous_nazhata>;
constexpr PELEMENT_CALLBACK player_stopOnOff = button_picture<&knopka_stop_nazhata>;
constexpr PELEMENT_CALLBACK player_pauseOnOff = button_picture<&knopka_pause_nazhata>;
constexpr PELEMENT_CALLBACK player_nextOnOff = button_picture<&knopka_next_nazhata>;

// The choose-folder button also makes the enabling check: with none of the three variables
// at exactly 1.0 it queues Stop, on every pass while that lasts.
FLOAT64 GAUGE_API player_directoryOnOff(ELEMENT_HEADER*) {
    abnavit6_wqtchik_knopki();
    bool enabled = false;
    for (UINT32 id : ENABLING_VARIABLES)
        if (panel::read_var(id) == 1.0) enabled = true;
    if (!enabled && dejstvije == ACTION_NONE) dejstvije = ACTION_STOP;
    return knopka_directory_nazhata ? 1.0 : 0.0;
}

// The display: a long text scrolls 24 characters at a time through its doubled line; a short
// one shows its first copy, cut at half its length.
FLOAT64 GAUGE_API player_string_cb(ELEMENT_HEADER* pelement) {
    auto* display = reinterpret_cast<ELEMENT_STRING*>(pelement);
    const char* shown = id3Tag;
    if (dlinaId3Tag >= SCROLL_LENGTH) {
        if (++scroll_ticks > SCROLL_TICKS) {
            scroll_ticks = 0;
            if (++sdvigId3Tag > dlinaId3Tag / 2) sdvigId3Tag = 0;
        }
        shown = id3Tag + sdvigId3Tag;
    } else {
        id3Tag[dlinaId3Tag / 2] = '\0';
    }
    if (display->string) std::snprintf(display->string, display->char_count + 1, "%.*s", SHOWN_CHARACTERS, shown);
    return 0.0;
}

// ---- mouse handlers: each leaves its action pending, replacing any still pending ----
template <SINT32* Pressed, SINT32 Action>
BOOL32 GAUGE_API press_button(PIXPOINT*, UINT32) {
    knopka_nazhata = 1;
    *Pressed = 1;
    dejstvije = Action;
    return 0;
}
constexpr PMOUSE_CALLBACK player_atkryt6Papku = press_button<&knopka_directory_nazhata, ACTION_CHOOSE_FOLDER>;
constexpr PMOUSE_CALLBACK player_sledPesnx = press_button<&knopka_next_nazhata, ACTION_NEXT>;
constexpr PMOUSE_CALLBACK player_pauza = press_button<&knopka_pause_nazhata, ACTION_PAUSE>;
constexpr PMOUSE_CALLBACK player_predPesnx = press_button<&knopka_previous_nazhata, ACTION_PREVIOUS>;

// Play/Stop plays when nothing has been started or while paused, and stops otherwise.
BOOL32 GAUGE_API player_igrat6Fajl_astanavit6(PIXPOINT*, UINT32) {
    knopka_nazhata = 1;
    knopka_stop_nazhata = 1;
    dejstvije = !pesnxZapuwena || pauza ? ACTION_PLAY : ACTION_STOP;
    return 0;
}

// The volume zones show no pressed picture.
template <SINT32 Action>
BOOL32 GAUGE_API press_zone(PIXPOINT*, UINT32) {
    dejstvije = Action;
    return 0;
}
constexpr PMOUSE_CALLBACK player_uvelichit6Gromkast6 = press_zone<ACTION_VOLUME_UP>;
constexpr PMOUSE_CALLBACK player_umen6shyt6Gromkast6 = press_zone<ACTION_VOLUME_DOWN>;

void GAUGE_API PlayerCallback(GAUGEHDR*, SINT32 service_id, PTRWORD) {
    switch (service_id) {
        case PANEL_SERVICE_PRE_INSTALL:
            vastanavit6Sastajanije();
            break;
        case PANEL_SERVICE_PRE_DRAW:
            action_step();
            break;
        case PANEL_SERVICE_PRE_KILL:
            if (pesnxZapuwena) astanavit6Pesnju();
            sahranit6Sastajanije();
            break;
        default:
            break;
    }
}

// ---- the seven element-list routines: each hands the gauge's first element to the host ----
// Looked up at every call through the module's first gauge.
ELEMENT_HEADER* first_element() { return linkage_gauges(&Linkage.head)[0]->elements_list[0]; }

void GAUGE_API player_query() { panel::element_list_query(first_element()); }
void GAUGE_API player_install(PTRWORD resource_handle) { panel::element_list_install(first_element(), resource_handle); }
void GAUGE_API player_initialize() { panel::element_list_initialize(first_element()); }
void GAUGE_API player_update() { panel::element_list_update(first_element()); }
void GAUGE_API player_generate(UINT32 phase) { panel::element_list_generate(first_element(), phase); }
void GAUGE_API player_draw() { panel::element_list_plot(first_element()); }
void GAUGE_API player_kill() { panel::element_list_kill(first_element()); }

// ---- records ----
extern GAUGEHDR gaugehdr_player;
extern ELEMENT_ICON player_previous, player_stop, player_pause, player_next, player_directory;
extern ELEMENT_STRING player_string;
ELEMENT_HEADER* after_background[] = {&player_previous.header, nullptr};
ELEMENT_HEADER* after_previous[] = {&player_stop.header, nullptr};
ELEMENT_HEADER* after_stop[] = {&player_pause.header, nullptr};
ELEMENT_HEADER* after_pause[] = {&player_next.header, nullptr};
ELEMENT_HEADER* after_next[] = {&player_directory.header, nullptr};
ELEMENT_HEADER* after_directory[] = {&player_string.header, nullptr};

// A push button: two pictures (released at its id, pressed at id + 1) and no variable.
constexpr ELEMENT_ICON button(SINT32 bitmap, PIXPOINT position, ELEMENT_HEADER** next, PELEMENT_CALLBACK picture) {
    return {.header = element_header(ELEMENT_TYPE_ICON, bitmap, position, {0, 0}, &gaugehdr_player, next, nullptr, 0x3),
            .scale = 0.0,
            .update_cb = picture,
            .picture_count = 2};
}

ELEMENT_STATIC_IMAGE player_background{
    .header = element_header(ELEMENT_TYPE_STATIC_IMAGE, 0x2600, {0, 0}, {0, 0}, &gaugehdr_player, after_background,
                             nullptr, 0x1)};
ELEMENT_ICON player_previous = button(0x2608, {170, 224}, after_previous, player_previousOnOff);
ELEMENT_ICON player_stop = button(0x2602, {290, 224}, after_stop, player_stopOnOff);
ELEMENT_ICON player_pause = button(0x2606, {411, 224}, after_pause, player_pauseOnOff);
ELEMENT_ICON player_next = button(0x2604, {531, 224}, after_next, player_nextOnOff);
ELEMENT_ICON player_directory = button(0x2610, {647, 224}, after_directory, player_directoryOnOff);
ELEMENT_STRING player_string{
    .header = element_header(ELEMENT_TYPE_STRING, -1, {250, 100}, {0, 0}, &gaugehdr_player, nullptr, nullptr, 0x7),
    .update_cb = player_string_cb,
    .img_size = {500, 70},
    .fg_color = 0x004080,
    .bg_color = 0x000000,
    .hilite_color = 0x5C5C5C,
    .font_name = "Courier New",
    .font_weight = 400,
    .font_charset = 1,
    .draw_text_flags = 0x25,
    .char_count = 25,
};

ELEMENT_HEADER* player_list[] = {&player_background.header, nullptr};

// Each button or zone: a region with its tooltip and one click area filling it.
constexpr UINT32 BUTTON_FLAGS = 0xE0000000;
constexpr PIXBOX CHOOSE_FOLDER_BOX{647, 224, 110, 76}, PLAY_STOP_BOX{290, 224, 110, 76},
    NEXT_BOX{531, 224, 110, 76}, PAUSE_BOX{411, 224, 110, 76}, PREVIOUS_BOX{170, 224, 110, 76},
    VOLUME_UP_BOX{912, 80, 56, 112}, VOLUME_DOWN_BOX{856, 80, 56, 112};
constexpr PIXBOX filling(PIXBOX region) { return {0, 0, region.size_x, region.size_y}; }

MOUSERECT player_mouse_rect[] = {
    help_region(WHOLE_GAUGE, 0),
    help_region(CHOOSE_FOLDER_BOX, 0), tooltip_text("Choose folder"),
    click_callback(filling(CHOOSE_FOLDER_BOX), CURSOR_HAND, BUTTON_FLAGS, player_atkryt6Papku), end_region(),
    help_region(PLAY_STOP_BOX, 0), tooltip_text("Play/Stop"),
    click_callback(filling(PLAY_STOP_BOX), CURSOR_HAND, BUTTON_FLAGS, player_igrat6Fajl_astanavit6), end_region(),
    help_region(NEXT_BOX, 0), tooltip_text("Next"),
    click_callback(filling(NEXT_BOX), CURSOR_HAND, BUTTON_FLAGS, player_sledPesnx), end_region(),
    help_region(PAUSE_BOX, 0), tooltip_text("Pause"),
    click_callback(filling(PAUSE_BOX), CURSOR_HAND, BUTTON_FLAGS, player_pauza), end_region(),
    help_region(PREVIOUS_BOX, 0), tooltip_text("Previous"),
    click_callback(filling(PREVIOUS_BOX), CURSOR_HAND, BUTTON_FLAGS, player_predPesnx), end_region(),
    help_region(VOLUME_UP_BOX, 0), tooltip_text("Volume +"),
    click_callback(filling(VOLUME_UP_BOX), CURSOR_HAND, BUTTON_FLAGS | 0x00004000, player_uvelichit6Gromkast6),
    end_region(),
    help_region(VOLUME_DOWN_BOX, 0), tooltip_text("Volume -"),
    click_callback(filling(VOLUME_DOWN_BOX), CURSOR_HAND, BUTTON_FLAGS | 0x00002000, player_umen6shyt6Gromkast6),
    end_region(),
    end_region(),
    end_list(),
};

const char player_gauge_name[] = "player";

GAUGEHDR gaugehdr_player{
    .gauge_header_version = GAUGE_HEADER_VERSION,
    .gauge_name = player_gauge_name,
    .elements_list = player_list,
    .query_routine = player_query,
    .install_routine = player_install,
    .initialize_routine = player_initialize,
    .update_routine = player_update,
    .generate_routine = player_generate,
    .draw_routine = player_draw,
    .kill_routine = player_kill,
    .size_x_mm = 158,
    .mouse_rect = player_mouse_rect,
    .gauge_callback = PlayerCallback,
};

void GAUGE_API module_init() {}
void GAUGE_API module_deinit() {}

}  // namespace player

extern "C" {
GAUGE_EXPORT GAUGESLINKAGE_WITH_GAUGES<1> Linkage = {
    .head = {.module_id = GAUGE_MODULE_ID, .module_init = player::module_init,
             .module_deinit = player::module_deinit, .flags = 0, .module_priority = 0, .module_version = 0x900},
    .gauge_table = {&player::gaugehdr_player, nullptr},
};
}
