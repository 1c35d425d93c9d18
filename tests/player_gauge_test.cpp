// The Player module in the panel host: its records as the host sees them, clicks and the
// pictures they press, the enabling check, and the whole player with the real stand-in
// player program running beside the host.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>

#include "gauge_test_support.h"
#include "player_test_support.h"

namespace {

using namespace player_test;

// Where to click each button and zone: the middle of its area.
constexpr PIXPOINT CHOOSE_FOLDER{702, 262}, PLAY_STOP{345, 262}, NEXT{586, 262}, PAUSE{466, 262},
    PREVIOUS{225, 262}, VOLUME_UP{940, 136}, VOLUME_DOWN{884, 136};
enum Place { BACKGROUND, PREVIOUS_ICON, STOP_ICON, PAUSE_ICON, NEXT_ICON, DIRECTORY_ICON, DISPLAY };

std::vector<std::uint32_t> message_ids(const std::vector<host::Event>& events, std::size_t from = 0) {
    std::vector<std::uint32_t> ids;
    for (std::size_t i = from; i < events.size(); ++i)
        if (events[i].type == "message") ids.push_back(events[i].id);
    return ids;
}

class PlayerGauge : public ::testing::Test {
protected:
    void click(PIXPOINT at) { ASSERT_TRUE(m.host.click(gauge, at.x, at.y, host::MouseButton::left)); }
    int picture(Place place) const { return gauge.elements().at(place).picture; }
    std::string display() const { return gauge.elements().at(DISPLAY).text; }

    Sandbox sandbox;
    LoadedModule m{gauge_module_path("Player")};
    host::GaugeInstance& gauge = m.place("player");
};

TEST_F(PlayerGauge, TheModuleHoldsOneGaugeWithItsOwnRoutines) {
    const GAUGESLINKAGE& linkage = m.module.linkage();
    EXPECT_EQ(linkage.module_id, 0x13u);
    EXPECT_EQ(linkage.module_version, 0x900u);
    ASSERT_EQ(m.module.gauges().size(), 1u);
    const GAUGEHDR& h = *m.module.gauges()[0];
    EXPECT_STREQ(h.gauge_name, "player");
    EXPECT_EQ(h.gauge_header_version, 0x320u);
    EXPECT_EQ(h.size_x_mm, 158u);
    EXPECT_EQ(h.size_y_mm, 0u);
    EXPECT_TRUE(h.query_routine && h.install_routine && h.initialize_routine && h.update_routine &&
                h.generate_routine && h.draw_routine && h.kill_routine && h.gauge_callback);
    EXPECT_TRUE(gauge.uses_own_routines());
    // The gauge registers no mouse list: the host activates the header's own.
    EXPECT_EQ(gauge.mouse_list(), h.mouse_rect);
}

TEST_F(PlayerGauge, ElementsAndPictures) {
    struct Case {
        UINT32 kind;
        SINT32 bitmap;
        PIXPOINT position;
        UINT32 flags;
        int width, height;
    } cases[] = {
        {ELEMENT_TYPE_STATIC_IMAGE, 0x2600, {0, 0}, 0x1, 1024, 300}, {ELEMENT_TYPE_ICON, 0x2608, {170, 224}, 0x3, 125, 76},
        {ELEMENT_TYPE_ICON, 0x2602, {290, 224}, 0x3, 125, 76},       {ELEMENT_TYPE_ICON, 0x2606, {411, 224}, 0x3, 125, 76},
        {ELEMENT_TYPE_ICON, 0x2604, {531, 224}, 0x3, 125, 76},       {ELEMENT_TYPE_ICON, 0x2610, {647, 224}, 0x3, 125, 76},
        {ELEMENT_TYPE_STRING, -1, {250, 100}, 0x7, 0, 0},
    };
    ASSERT_EQ(gauge.elements().size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE("element " + std::to_string(i));
        const Case& c = cases[i];
        const host::ElementState& st = gauge.elements()[i];
        EXPECT_EQ(st.element->element_type, c.kind);
        EXPECT_EQ(st.element->resource_id, c.bitmap);
        EXPECT_EQ(st.element->position.x, c.position.x);
        EXPECT_EQ(st.element->position.y, c.position.y);
        EXPECT_EQ(st.element->image_flags, c.flags);
        for (const host::Bitmap* b : st.pictures) {  // an icon's released and pressed pictures
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->width, c.width);
            EXPECT_EQ(b->height, c.height);
        }
        if (c.kind == ELEMENT_TYPE_ICON) {
            const auto* icon = reinterpret_cast<const ELEMENT_ICON*>(st.element);
            EXPECT_EQ(icon->picture_count, 2u);
            EXPECT_EQ(icon->scale, 0.0);
            EXPECT_EQ(icon->source_var.id, 0u);
        }
    }
    const auto* s = reinterpret_cast<const ELEMENT_STRING*>(gauge.elements()[DISPLAY].element);
    EXPECT_EQ(s->char_count, 25u);
    EXPECT_STREQ(s->font_name, "Courier New");
    EXPECT_EQ(s->fg_color, 0x004080u);
    EXPECT_EQ(s->hilite_color, 0x5C5C5Cu);
    EXPECT_EQ(s->img_size.x, 500);
    EXPECT_EQ(s->img_size.y, 70);
    EXPECT_EQ(s->draw_text_flags, 0x25u);
}

TEST_F(PlayerGauge, EachButtonAndZoneHasItsRegionTooltipAndArea) {
    struct Case {
        PIXBOX box;
        const char* tooltip;
        UINT32 flags;
    } cases[] = {
        {{647, 224, 110, 76}, "Choose folder", 0xE0000000}, {{290, 224, 110, 76}, "Play/Stop", 0xE0000000},
        {{531, 224, 110, 76}, "Next", 0xE0000000},          {{411, 224, 110, 76}, "Pause", 0xE0000000},
        {{170, 224, 110, 76}, "Previous", 0xE0000000},      {{912, 80, 56, 112}, "Volume +", 0xE0004000},
        {{856, 80, 56, 112}, "Volume -", 0xE0002000},
    };
    const MOUSERECT* r = gauge.mouse_list();
    EXPECT_EQ(r->rect_type, MOUSE_RECT_PARENT);
    EXPECT_EQ(r->help_id, 0u);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tooltip);
        const MOUSERECT* group = r + 1 + 4 * (&c - cases);
        EXPECT_EQ(group[0].rect_type, MOUSE_RECT_PARENT);
        EXPECT_EQ(std::memcmp(&group[0].relative_box, &c.box, sizeof c.box), 0);
        EXPECT_EQ(group[0].cursor, CURSOR_NONE);
        EXPECT_EQ(group[1].rect_type, MOUSE_RECT_USER);
        EXPECT_STREQ(group[1].tooltip_text, c.tooltip);
        EXPECT_EQ(group[1].event_id, 0u);
        EXPECT_EQ(group[2].rect_type, MOUSE_RECT_CHILD);
        const PIXBOX filling{0, 0, c.box.size_x, c.box.size_y};
        EXPECT_EQ(std::memcmp(&group[2].relative_box, &filling, sizeof filling), 0);
        EXPECT_EQ(group[2].cursor, CURSOR_HAND);
        EXPECT_EQ(group[2].mouse_flags, c.flags);
        EXPECT_NE(group[2].mouse_function, nullptr);
        EXPECT_EQ(group[3].rect_type, MOUSE_RECT_END_PARENT);
        const auto help = host::find_help_target(gauge.mouse_list(), gauge.size(), c.box.x + 5, c.box.y + 5);
        ASSERT_NE(help.tooltip, nullptr);
        EXPECT_STREQ(help.tooltip->tooltip_text, c.tooltip);
    }
    EXPECT_EQ(r[29].rect_type, MOUSE_RECT_END_PARENT);
    EXPECT_EQ(r[30].rect_type, MOUSE_RECT_EOL);
}

TEST_F(PlayerGauge, APressedPictureShowsForFourPasses) {
    m.host.set_var(364, 1.0);
    m.host.frame();
    EXPECT_FALSE(m.host.click(gauge, 531 + 115, 262, host::MouseButton::left));  // the image is wider than its area
    click(NEXT);
    std::vector<int> shown;
    for (int pass = 0; pass < 6; ++pass) {
        m.host.frame();
        shown.push_back(picture(NEXT_ICON));
        EXPECT_EQ(picture(PREVIOUS_ICON), 0);
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 1, 1, 1, 0, 0}));

    click(VOLUME_UP);  // the volume zones show nothing pressed
    click(VOLUME_DOWN);
    m.host.frame();
    for (Place p : {PREVIOUS_ICON, STOP_ICON, PAUSE_ICON, NEXT_ICON, DIRECTORY_ICON}) EXPECT_EQ(picture(p), 0);
}

TEST_F(PlayerGauge, ThePlayerRunsOnlyWhileAnEnablingVariableReadsExactlyOne) {
    const fs::path music = sandbox.root / "music";
    fs::create_directory(music);
    write_mp3(music / "a.mp3", "Title", "Artist", "Album");
    platform::control::set_folder_choice(platform::FolderChoice::chosen, music.string());
    PlayerWindowInTest player_window;
    struct Case {
        UINT32 var;
        double value;
        bool keeps_playing;
    } cases[] = {{364, 0.0, false}, {565, 0.5, false}, {565, 1.0, true}, {575, 1.0, true}, {364, 1.0, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.var) + " at " + std::to_string(c.value));
        for (UINT32 id : {364u, 565u, 575u}) m.host.set_var(id, id == c.var ? c.value : 0.0);
        click(CHOOSE_FOLDER);
        m.host.frame();
        const std::size_t before = m.host.events().size();
        click(PLAY_STOP);
        m.host.frame();  // the click's action goes before the check
        EXPECT_EQ(message_ids(m.host.events(), before), track_start(platform::widen((music / "a.mp3").string())));
        const std::size_t started = m.host.events().size();
        m.host.frame();
        m.host.frame();
        const std::vector<std::uint32_t> later = message_ids(m.host.events(), started);
        if (c.keeps_playing) {
            EXPECT_EQ(display(), "Artist - Album - Title ");
            EXPECT_EQ(later, (std::vector<std::uint32_t>{0x40B, 0x40B}));
            click(PLAY_STOP);
            m.host.frame();
        } else {
            EXPECT_EQ(display(), "");
            EXPECT_EQ(later, (std::vector<std::uint32_t>{0x407}));  // stopped once, then idle
        }
    }
}

// ---- with the stand-in player program ----

TEST_F(PlayerGauge, TheStandInPlayerPlaysTheTracksOneAfterAnother) {
    fs::copy_file(PLAYER_STANDIN, sandbox.work / "Windmere" / "Volcra18" / "player.exe");
    setenv("PLAYER_STANDIN_SECONDS", "1", 1);
    const fs::path music = sandbox.root / "music";
    fs::create_directory(music);
    write_mp3(music / "1.mp3", "One", "Alpha", "First");
    write_mp3(music / "2.mp3", "Two", "Beta", "Second");
    platform::control::set_folder_choice(platform::FolderChoice::chosen, music.string());
    m.host.set_var(364, 1.0);

    click(CHOOSE_FOLDER);
    m.host.frame();
    click(VOLUME_DOWN);  // nothing started: no change
    m.host.frame();
    click(PLAY_STOP);
    m.host.frame();
    m.host.frame();  // the display is refreshed before the action step
    EXPECT_EQ(display(), "Alpha - First - One ");
    // Frames until the first track has ended and the second has started.
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    auto launches = [&] {
        return std::count_if(m.host.events().begin(), m.host.events().end(),
                             [](const host::Event& e) { return e.type == "launch"; });
    };
    while (launches() < 2 && std::chrono::steady_clock::now() < give_up) {
        m.host.frame();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    m.host.frame();
    EXPECT_EQ(display(), "Beta - Second - Two ");
    click(VOLUME_UP);
    m.host.frame();
    click(PLAY_STOP);
    m.host.frame();
    m.host.kill(gauge);
    const fs::path log = sandbox.work / "Windmere" / "Volcra18" / "player.log";
    wait_for_players_to_close(log);
    EXPECT_EQ(player_log(log),
              (std::vector<std::vector<std::string>>{
                  track_started((music / "1.mp3").string(), -600) + std::vector<std::string>{"track", "window closed"},
                  track_started((music / "2.mp3").string(), -600) +
                      std::vector<std::string>{"0x403 0", "0x407 0", "window closed"}}));
    EXPECT_TRUE(read_file(sandbox.work / STATE_FILE).ends_with("\r\n0\r\n1\r\n-300"));
    unsetenv("PLAYER_STANDIN_SECONDS");
}

}  // namespace
