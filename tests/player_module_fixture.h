// The Player module's own code linked into the test and driven without a host: the test
// stands in for the panel services (the gauge asks only for the enabling variables), sees
// what the module does through the platform layer's events, and starts every test from the
// module's initial state in a sandbox of its own with a player window open.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "player/player.h"
#include "player_test_support.h"

extern "C" GAUGESLINKAGE_WITH_GAUGES<1> Linkage;

namespace player_test {

inline void reset_player_state() {
    using namespace player;
    dejstvije = pesnxZapuwena = igrat6 = pauza = nomerFajla = 0;
    install_track_list({});
    path.reset();
    neSahranxtsx = false;
    gromkast6 = DEFAULT_VOLUME;
    nazvanijePesni[0] = artist[0] = al6bom[0] = id3Tag[0] = '\0';
    dlinaId3Tag = sdvigId3Tag = scroll_ticks = 0;
    knopka_nazhata = knopka_previous_nazhata = knopka_stop_nazhata = knopka_pause_nazhata = knopka_next_nazhata =
        knopka_directory_nazhata = wqtchik_knopki = 0;
    vneshnijPraigryvatel6.reset();
}

// The player's state as the action and state tables give it.
struct PlayerState {
    SINT32 started = 0, paused = 0, play_mode = 0, index = 0, count = 0;
    bool operator==(const PlayerState&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const PlayerState& s) {
    return out << "{started " << s.started << ", paused " << s.paused << ", play mode " << s.play_mode << ", index "
               << s.index << ", count " << s.count << "}";
}

class PlayerModule : public ::testing::Test {
protected:
    // The tracks every test may use; none of them exists, so each counts as untagged.
    const std::vector<std::u16string> TRACKS{u"/music/a.mp3", u"/music/b.mp3", u"/music/c.mp3"};

    void SetUp() override {
        reset_player_state();
        enabling_value = 1.0;
        services_.lookup_var = [](MODULE_VAR* var) { var->var_value = var->id == 364 ? enabling_value : 0.0; };
        ImportTable.services = &services_;
        platform::control::set_event_sink([this](const platform::control::Event& e) { events.push_back(e); });
        platform::control::set_folder_choice(platform::FolderChoice::cancelled);
        ASSERT_TRUE(window->open());
    }

    void TearDown() override {
        platform::control::set_event_sink({});
        ImportTable.services = nullptr;
        reset_player_state();
    }

    GAUGEHDR& gauge() { return *Linkage.gauge_table[0]; }

    // The element at that place in the chain: 0 the front plate, 1–5 the buttons, 6 the display.
    ELEMENT_HEADER* element(int place) {
        ELEMENT_HEADER* e = gauge().elements_list[0];
        for (int i = 0; i < place; ++i) e = e->next_element[0];
        return e;
    }

    void set_state(PlayerState s) {
        using namespace player;
        install_track_list(std::vector<std::u16string>(TRACKS.begin(), TRACKS.begin() + s.count));
        pesnxZapuwena = s.started;
        pauza = s.paused;
        igrat6 = s.play_mode;
        nomerFajla = s.index;
    }
    static PlayerState state() {
        using namespace player;
        return {pesnxZapuwena, pauza, igrat6, nomerFajla, kalVaFajlav};
    }

    // A link to the player window that is open now, as a started track has.
    static void link_to_player() {
        player::vneshnijPraigryvatel6 = std::make_unique<player::VneshnijPraigryvatel6>();
        player::vneshnijPraigryvatel6->window = platform::find_window(PLAYER_CLASS, PLAYER_TITLE);
    }

    // A click on the area whose region carries that tooltip.
    void click(const char* tooltip) {
        for (const MOUSERECT* r = gauge().mouse_rect; r->rect_type != MOUSE_RECT_EOL; ++r)
            if (r->rect_type == MOUSE_RECT_USER && std::strcmp(r->tooltip_text, tooltip) == 0) {
                MOUSE_CLICK_POINT point{{1, 1}, reinterpret_cast<PTRWORD>(&gauge())};
                r[1].mouse_function(&point.point, MOUSE_LEFTSINGLE);
                return;
            }
        FAIL() << "no area with the tooltip " << tooltip;
    }

    // One drawing pass's action step, as the host's service 10 calls it.
    void pass() { gauge().gauge_callback(&gauge(), PANEL_SERVICE_PRE_DRAW, 0); }

    // The display's text after one call of its callback.
    std::string display() {
        auto* s = reinterpret_cast<ELEMENT_STRING*>(element(6));
        char buffer[26] = "unwritten";
        s->string = buffer;
        s->update_cb(&s->header);
        s->string = nullptr;
        return buffer;
    }

    static inline double enabling_value = 1.0;  // variable 364; 565 and 575 read 0
    Sandbox sandbox;
    std::unique_ptr<PlayerWindowInTest> window = std::make_unique<PlayerWindowInTest>();
    std::vector<platform::control::Event> events;

private:
    PANEL_SERVICES services_{};
};

}  // namespace player_test
