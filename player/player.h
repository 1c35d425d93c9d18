// The Player module: a panel music player that drives an external player program through
// window messages. player_gauge.cpp holds the gauge (records, buttons, display) and the
// module-wide state below; external_player.cpp the link to the player program and the action
// step; track_list.cpp the track list, the tags and the saved state.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/gauge_host.h"
#include "platform/platform.h"

namespace player {

// Pending action codes (`dejstvije`); any other value counts as none.
enum : SINT32 {
    ACTION_NONE = 0,
    ACTION_CHOOSE_FOLDER = 1,
    ACTION_PLAY = 2,
    ACTION_NEXT = 3,
    ACTION_STOP = 4,
    ACTION_PAUSE = 5,
    ACTION_PREVIOUS = 6,
    ACTION_VOLUME_UP = 7,
    ACTION_VOLUME_DOWN = 8,
};

constexpr SINT32 VOLUME_STEP = 300;
constexpr SINT32 VOLUME_MIN = -10000;
constexpr SINT32 VOLUME_MAX = 0;
constexpr SINT32 DEFAULT_VOLUME = -600;
// The folder's buffer: at most 1039 bytes of path and a terminator.
constexpr unsigned PATH_BUFFER_SIZE = 1040;
constexpr std::size_t TAG_TEXT_SIZE = 500;
constexpr std::size_t DISPLAY_TEXT_SIZE = 4000;

// The link to the external player program of one started track.
class VneshnijPraigryvatel6 {
public:
    // Starts the program, looks its window up and greets it.
    void Initialize(const char* program);
    void volume(SINT32 vol);
    void volumeMinus();
    void volumePlus();
    void play();
    void pause();
    void nachalaPeredachiImeniFajla();
    void peredat6Bukvu(char16_t bukva);
    void kanecPeredachiImeniFajla();
    // Asks the player how it is, then looks its window up again: gone means the track is over.
    void kakDela();
    bool pesnxZakonchilas6() const { return finished; }

    platform::WindowHandle window = nullptr;  // as last looked up; null when not found
    bool finished = false;

private:
    void post(UINT32 message, UINT32 first = 0);
};

// ---- module-wide player state, shared by every instance of the gauge ----
extern SINT32 dejstvije;      // pending action
extern SINT32 pesnxZapuwena;  // a track was started in the external player and not stopped since
extern SINT32 igrat6;         // play mode: a new current track is started
extern SINT32 pauza;
extern SINT32 nomerFajla;     // index of the current track
extern SINT32 kalVaFajlav;    // number of tracks: always fajly.size()
extern std::vector<std::u16string> fajly;  // the tracks' full paths
extern std::optional<std::string> path;    // the chosen folder, at most PATH_BUFFER_SIZE - 1 bytes
extern bool neSahranxtsx;     // nothing is saved when the gauge is killed
extern SINT32 gromkast6;      // volume, -10000 to 0
extern char nazvanijePesni[TAG_TEXT_SIZE], artist[TAG_TEXT_SIZE], al6bom[TAG_TEXT_SIZE];
extern char id3Tag[DISPLAY_TEXT_SIZE];  // display text
extern SINT32 dlinaId3Tag;    // its length
extern SINT32 sdvigId3Tag;    // scroll offset into it
extern SINT32 scroll_ticks;   // the display's calls since the offset last moved
extern SINT32 knopka_nazhata, knopka_previous_nazhata, knopka_stop_nazhata, knopka_pause_nazhata,
    knopka_next_nazhata, knopka_directory_nazhata;
extern SINT32 wqtchik_knopki;  // press-display counter
extern std::unique_ptr<VneshnijPraigryvatel6> vneshnijPraigryvatel6;  // link of the current track

// ---- the external player link (external_player.cpp) ----
// Carries out the pending action, or watches for the end of the track: once per drawing pass.
void action_step();
// Stops the player whose window is found now, whichever track it plays.
void astanavit6Pesnju();

// ---- track list, tags and saved state (track_list.cpp) ----
// The folder's tracks as full UTF-16 paths; the module's state is not touched.
std::vector<std::u16string> sazdat6SpisakFajlav(const std::string& folder);
// Replaces the track list (the old one is released) and its count.
void install_track_list(std::vector<std::u16string> tracks);
bool put6NeSuwestvujet();
// Reads the current track's tags into the display text.
void read_current_track_tags();
void vastanavit6Sastajanije();
void sahranit6Sastajanije();

}  // namespace player
