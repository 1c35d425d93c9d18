// The link to the external player program: one program started per track, found by its
// window's class and title and driven with posted messages (never sent, never answered), and
// the action step that carries out the pending action on every drawing pass or, with none
// pending, watches for the player's window to vanish at the end of the track.
#include <algorithm>

#include "player/player.h"

namespace player {

namespace {

constexpr const char* PLAYER_PROGRAM = ".\\Windmere\\Volcra18\\player.exe";
constexpr const char* PLAYER_CLASS = "Class_VneshnijPraigryvatel6";
constexpr const char* PLAYER_TITLE = "Window_VneshnijPraigryvatel6";
constexpr const char* FOLDER_DIALOG_TITLE = "Choose a folder";

// The messages the player program understands.
enum : UINT32 {
    MESSAGE_VOLUME = 0x401,        // first parameter: the volume, signed
    MESSAGE_VOLUME_MINUS = 0x402,
    MESSAGE_VOLUME_PLUS = 0x403,
    MESSAGE_INITIALIZE = 0x404,
    MESSAGE_PLAY = 0x405,          // also resumes after a pause
    MESSAGE_PAUSE = 0x406,
    MESSAGE_STOP = 0x407,
    MESSAGE_NAME_BEGINS = 0x408,
    MESSAGE_NAME_UNIT = 0x409,     // first parameter: one UTF-16 code unit of the file name
    MESSAGE_NAME_ENDS = 0x40A,
    MESSAGE_STATUS = 0x40B,
};

platform::WindowHandle find_player_window() { return platform::find_window(PLAYER_CLASS, PLAYER_TITLE); }

}  // namespace

// ---- the link object: every message goes to its window, and none without one ----

void VneshnijPraigryvatel6::post(UINT32 message, UINT32 first) {
    if (window) platform::post_message(window, message, first, 0);
}

void VneshnijPraigryvatel6::Initialize(const char* program) {
    platform::run_program(program);
    window = find_player_window();
    post(MESSAGE_INITIALIZE);
}

void VneshnijPraigryvatel6::volume(SINT32 vol) { post(MESSAGE_VOLUME, static_cast<UINT32>(vol)); }
void VneshnijPraigryvatel6::volumeMinus() { post(MESSAGE_VOLUME_MINUS); }
void VneshnijPraigryvatel6::volumePlus() { post(MESSAGE_VOLUME_PLUS); }
void VneshnijPraigryvatel6::play() { post(MESSAGE_PLAY); }
void VneshnijPraigryvatel6::pause() { post(MESSAGE_PAUSE); }
void VneshnijPraigryvatel6::nachalaPeredachiImeniFajla() { post(MESSAGE_NAME_BEGINS); }
void VneshnijPraigryvatel6::peredat6Bukvu(char16_t bukva) { post(MESSAGE_NAME_UNIT, bukva); }
void VneshnijPraigryvatel6::kanecPeredachiImeniFajla() { post(MESSAGE_NAME_ENDS); }

void VneshnijPraigryvatel6::kakDela() {
    if (!window) return;
    post(MESSAGE_STATUS);
    window = find_player_window();
    if (!window) finished = true;
}

// ---- module operations ----

namespace {

// Starts a new player program for the current track; the previous link is discarded.
void zapustit6VneshnijPraigryvatel6() {
    vneshnijPraigryvatel6 = std::make_unique<VneshnijPraigryvatel6>();
    vneshnijPraigryvatel6->Initialize(PLAYER_PROGRAM);
}

// The current track's full path, one code unit per message, without its terminator.
void send_current_file_name() {
    VneshnijPraigryvatel6& link = *vneshnijPraigryvatel6;
    link.nachalaPeredachiImeniFajla();
    for (char16_t unit : fajly[nomerFajla]) link.peredat6Bukvu(unit);
    link.kanecPeredachiImeniFajla();
}

void stop_if_started() {
    if (pesnxZapuwena) astanavit6Pesnju();
}

void clear_display() {
    al6bom[0] = nazvanijePesni[0] = artist[0] = id3Tag[0] = '\0';
    dlinaId3Tag = 0;
    sdvigId3Tag = 0;
}

// ---- the actions ----

void choose_folder() {
    char chosen[PATH_BUFFER_SIZE] = "";
    const platform::FolderChoice choice = platform::choose_folder(FOLDER_DIALOG_TITLE, chosen, sizeof chosen);
    if (choice == platform::FolderChoice::cancelled) {
        dejstvije = ACTION_NONE;
        return;
    }
    if (choice == platform::FolderChoice::no_file_system_path) {
        // The folder is dropped; the list and the player go on.
        path.reset();
        dejstvije = ACTION_NONE;
        return;
    }
    path.emplace(chosen);
    install_track_list(sazdat6SpisakFajlav(*path));
    if (kalVaFajlav == 0) {
        // A track that plays goes on to its end; the gauge counts as idle.
        dejstvije = pauza = igrat6 = nomerFajla = pesnxZapuwena = 0;
        return;
    }
    stop_if_started();
    pauza = igrat6 = dejstvije = nomerFajla = 0;
    neSahranxtsx = false;
}

void start_current_track() {
    read_current_track_tags();
    zapustit6VneshnijPraigryvatel6();
    send_current_file_name();
    vneshnijPraigryvatel6->play();
    vneshnijPraigryvatel6->volume(gromkast6);  // the volume goes once per track
    pesnxZapuwena = 1;
    igrat6 = 1;
    pauza = 0;
    dejstvije = ACTION_NONE;
}

void play() {
    if (kalVaFajlav == 0) {
        igrat6 = pauza = pesnxZapuwena = dejstvije = nomerFajla = 0;
    } else if (!pesnxZapuwena) {
        start_current_track();
    } else if (pauza) {
        pauza = 0;
        if (vneshnijPraigryvatel6) vneshnijPraigryvatel6->play();
        dejstvije = ACTION_NONE;
    } else {
        dejstvije = ACTION_STOP;  // the next pass stops the track
    }
}

// After Next or Previous the new current track starts in play mode.
void after_track_change() { dejstvije = igrat6 ? ACTION_PLAY : ACTION_NONE; }

void next_track() {
    stop_if_started();
    if (++nomerFajla == kalVaFajlav) nomerFajla = 0;
    after_track_change();
}

void previous_track() {
    stop_if_started();
    if (--nomerFajla == -1) nomerFajla = kalVaFajlav ? kalVaFajlav - 1 : 0;
    after_track_change();
}

void stop() {
    stop_if_started();
    clear_display();
    igrat6 = pauza = dejstvije = 0;
    vneshnijPraigryvatel6.reset();
}

// Pause does not toggle; pressed while idle it arms a pause that the next start clears.
void pause() {
    if (!pauza) {
        if (pesnxZapuwena && vneshnijPraigryvatel6) vneshnijPraigryvatel6->pause();
        pauza = 1;
    }
    dejstvije = ACTION_NONE;
}

void volume_up() {
    if (pesnxZapuwena) {
        if (vneshnijPraigryvatel6) vneshnijPraigryvatel6->volumePlus();
        gromkast6 = std::min(gromkast6 + VOLUME_STEP, VOLUME_MAX);
    }
    dejstvije = ACTION_NONE;
}

void volume_down() {
    if (pesnxZapuwena) {
        if (vneshnijPraigryvatel6) vneshnijPraigryvatel6->volumeMinus();
        gromkast6 = std::max(gromkast6 - VOLUME_STEP, VOLUME_MIN);
    }
    dejstvije = ACTION_NONE;
}

// The end of a track shows only as its player's window vanishing; the next pass then moves
// on to the next track.
void watch() {
    if (!vneshnijPraigryvatel6) return;
    vneshnijPraigryvatel6->kakDela();
    if (vneshnijPraigryvatel6->pesnxZakonchilas6()) {
        vneshnijPraigryvatel6.reset();
        dejstvije = ACTION_NEXT;
    }
}

}  // namespace

void astanavit6Pesnju() {
    if (platform::WindowHandle window = find_player_window()) platform::post_message(window, MESSAGE_STOP, 0, 0);
    pesnxZapuwena = 0;
}

void action_step() {
    switch (dejstvije) {
        case ACTION_CHOOSE_FOLDER: choose_folder(); break;
        case ACTION_PLAY: play(); break;
        case ACTION_NEXT: next_track(); break;
        case ACTION_STOP: stop(); break;
        case ACTION_PAUSE: pause(); break;
        case ACTION_PREVIOUS: previous_track(); break;
        case ACTION_VOLUME_UP: volume_up(); break;
        case ACTION_VOLUME_DOWN: volume_down(); break;
        default: watch(); break;
    }
}

}  // namespace player
