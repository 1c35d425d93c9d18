// The player's action step and its states: every action code from every state, the clicks of
// the state table, the volume limits, the exact messages of a started track, and the end of a
// track found through its vanished window.
#include "player_module_fixture.h"

namespace {

using namespace player_test;
using player::dejstvije;

class PlayerActions : public PlayerModule {};

TEST_F(PlayerActions, EachActionFromEachState) {
    constexpr std::uint32_t STOP = 0x407, PLAY = 0x405, PAUSE = 0x406, STATUS = 0x40B;
    const std::vector<std::uint32_t> START_A = track_start(TRACKS[0]), START_B = track_start(TRACKS[1]);
    struct Case {
        const char* what;
        PlayerState before;
        bool linked;  // a link object of a started track exists
        SINT32 action;
        PlayerState after;
        SINT32 pending_after;
        std::vector<std::uint32_t> messages;
    } cases[] = {
        {"play while idle starts the current track", {0, 0, 0, 1, 3}, false, 2, {1, 0, 1, 1, 3}, 0, START_B},
        {"play with a pause armed starts and clears it", {0, 1, 0, 0, 3}, false, 2, {1, 0, 1, 0, 3}, 0, START_A},
        {"play while paused resumes", {1, 1, 1, 0, 3}, true, 2, {1, 0, 1, 0, 3}, 0, {PLAY}},
        {"play while playing queues a stop", {1, 0, 1, 0, 3}, true, 2, {1, 0, 1, 0, 3}, 4, {}},
        {"play with an empty list resets all and starts nothing", {0, 1, 1, 1, 0}, false, 2, {0, 0, 0, 0, 0}, 0, {}},
        {"stop while playing", {1, 0, 1, 2, 3}, true, 4, {0, 0, 0, 2, 3}, 0, {STOP}},
        {"stop while idle posts nothing", {0, 1, 0, 0, 3}, false, 4, {0, 0, 0, 0, 3}, 0, {}},
        {"pause while playing", {1, 0, 1, 0, 3}, true, 5, {1, 1, 1, 0, 3}, 0, {PAUSE}},
        {"pause while paused does not toggle", {1, 1, 1, 0, 3}, true, 5, {1, 1, 1, 0, 3}, 0, {}},
        {"pause while idle arms a pause", {0, 0, 0, 0, 3}, false, 5, {0, 1, 0, 0, 3}, 0, {}},
        {"next on the last track goes to the first", {0, 0, 0, 2, 3}, false, 3, {0, 0, 0, 0, 3}, 0, {}},
        {"next while playing stops and queues play", {1, 0, 1, 0, 3}, true, 3, {0, 0, 1, 1, 3}, 2, {STOP}},
        {"next while paused keeps the pause", {1, 1, 1, 0, 3}, true, 3, {0, 1, 1, 1, 3}, 2, {STOP}},
        {"next with an empty list leaves index 1", {0, 0, 0, 0, 0}, false, 3, {0, 0, 0, 1, 0}, 0, {}},
        {"previous on the first track goes to the last", {0, 0, 0, 0, 3}, false, 6, {0, 0, 0, 2, 3}, 0, {}},
        {"previous with an empty list leaves index 0", {0, 0, 0, 0, 0}, false, 6, {0, 0, 0, 0, 0}, 0, {}},
        {"previous in play mode queues play", {0, 0, 1, 1, 3}, false, 6, {0, 0, 1, 0, 3}, 2, {}},
        {"the watch asks the player how it is", {1, 0, 1, 0, 3}, true, 0, {1, 0, 1, 0, 3}, 0, {STATUS}},
        {"an unknown action counts as none", {1, 0, 1, 0, 3}, true, 9, {1, 0, 1, 0, 3}, 9, {STATUS}},
        {"the watch without a link posts nothing", {0, 0, 0, 0, 3}, false, 0, {0, 0, 0, 0, 3}, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        reset_player_state();
        set_state(c.before);
        if (c.linked) link_to_player();
        dejstvije = c.action;
        events.clear();
        pass();
        EXPECT_EQ(state(), c.after);
        EXPECT_EQ(dejstvije, c.pending_after);
        EXPECT_EQ(message_ids(events), c.messages);
        for (const Posted& p : posted(events)) EXPECT_TRUE(p.delivered);
    }
}

TEST_F(PlayerActions, StopClearsTheDisplayAndReleasesTheLink) {
    set_state({1, 0, 1, 0, 3});
    link_to_player();
    std::strcpy(player::id3Tag, "A - B - C   A - B - C");
    player::dlinaId3Tag = 21;
    player::sdvigId3Tag = 3;
    std::strcpy(player::artist, "A");
    dejstvije = player::ACTION_STOP;
    pass();
    EXPECT_EQ(player::vneshnijPraigryvatel6, nullptr);
    EXPECT_STREQ(player::id3Tag, "");
    EXPECT_STREQ(player::artist, "");
    EXPECT_EQ(player::dlinaId3Tag, 0);
    EXPECT_EQ(player::sdvigId3Tag, 0);
    EXPECT_EQ(display(), "");
}

// The state table: what a click does in each state once the passes it queues have run.
TEST_F(PlayerActions, ClicksInEachState) {
    constexpr PlayerState IDLE{0, 0, 0, 0, 3}, ARMED{0, 1, 0, 0, 3}, PLAYING{1, 0, 1, 0, 3}, PAUSED{1, 1, 1, 0, 3};
    std::vector<std::uint32_t> stop_then_b{0x407};
    for (std::uint32_t id : track_start(TRACKS[1])) stop_then_b.push_back(id);
    struct Case {
        const char* what;
        PlayerState before;
        const char* button;
        SINT32 queued;  // what the click leaves pending
        PlayerState after;
        std::vector<std::uint32_t> messages;
    } cases[] = {
        {"idle, Play/Stop: playing", IDLE, "Play/Stop", 2, {1, 0, 1, 0, 3}, track_start(TRACKS[0])},
        {"idle, Pause: a pause armed", IDLE, "Pause", 5, ARMED, {}},
        {"idle, Next: the index only", IDLE, "Next", 3, {0, 0, 0, 1, 3}, {}},
        {"idle, Previous: the index only", IDLE, "Previous", 6, {0, 0, 0, 2, 3}, {}},
        {"armed, Play/Stop: playing, the pause cleared", ARMED, "Play/Stop", 2, {1, 0, 1, 0, 3}, track_start(TRACKS[0])},
        {"armed, Pause: no change", ARMED, "Pause", 5, ARMED, {}},
        {"playing, Play/Stop: idle", PLAYING, "Play/Stop", 4, {0, 0, 0, 0, 3}, {0x407}},
        {"playing, Pause: paused", PLAYING, "Pause", 5, PAUSED, {0x406}},
        {"playing, Next: the next track plays", PLAYING, "Next", 3, {1, 0, 1, 1, 3}, stop_then_b},
        {"paused, Play/Stop: playing", PAUSED, "Play/Stop", 2, PLAYING, {0x405}},
        {"paused, Pause: no change", PAUSED, "Pause", 5, PAUSED, {}},
        {"paused, Next: the next track plays unpaused", PAUSED, "Next", 3, {1, 0, 1, 1, 3}, stop_then_b},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        reset_player_state();
        set_state(c.before);
        if (c.before.started) link_to_player();
        events.clear();
        click(c.button);
        EXPECT_EQ(dejstvije, c.queued);
        for (int passes = 0; passes < 3 && dejstvije != 0; ++passes) pass();
        EXPECT_EQ(dejstvije, 0);
        EXPECT_EQ(state(), c.after);
        EXPECT_EQ(message_ids(events), c.messages);
    }
}

TEST_F(PlayerActions, TheLastClickOfAPassWins) {
    set_state({0, 0, 0, 0, 3});
    click("Next");
    click("Pause");
    pass();
    EXPECT_EQ(state(), (PlayerState{0, 1, 0, 0, 3}));
}

TEST_F(PlayerActions, VolumeMovesInStepsWithinItsRangeWhileATrackIsStarted) {
    struct Case {
        SINT32 started, before;
        const char* zone;
        SINT32 after;
        std::vector<std::uint32_t> messages;
    } cases[] = {
        {1, -600, "Volume +", -300, {0x403}}, {1, -300, "Volume +", 0, {0x403}},
        {1, 0, "Volume +", 0, {0x403}},       {1, -9900, "Volume -", -10000, {0x402}},
        {1, -10000, "Volume -", -10000, {0x402}},
        {0, -600, "Volume +", -600, {}},      {0, -600, "Volume -", -600, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " from " + std::to_string(c.before) + (c.started ? " started" : " idle"));
        reset_player_state();
        set_state({c.started, 0, c.started, 0, 3});
        if (c.started) link_to_player();
        player::gromkast6 = c.before;
        events.clear();
        click(c.zone);
        pass();
        EXPECT_EQ(player::gromkast6, c.after);
        EXPECT_EQ(dejstvije, 0);
        EXPECT_EQ(message_ids(events), c.messages);
        EXPECT_EQ(player::knopka_nazhata, 0);  // the zones show no pressed picture
    }
}

TEST_F(PlayerActions, ATrackIsSentAsItsFileNameOneCodeUnitAtATime) {
    player::install_track_list({u"C:\\a.mp3"});
    player::gromkast6 = -900;
    click("Play/Stop");
    pass();
    const std::vector<Posted> expected{
        {0x404, 0, 0, true},    {0x408, 0, 0, true},    {0x409, 0x43, 0, true}, {0x409, 0x3A, 0, true},
        {0x409, 0x5C, 0, true}, {0x409, 0x61, 0, true}, {0x409, 0x2E, 0, true}, {0x409, 0x6D, 0, true},
        {0x409, 0x70, 0, true}, {0x409, 0x33, 0, true}, {0x40A, 0, 0, true},    {0x405, 0, 0, true},
        {0x401, static_cast<std::uint32_t>(-900), 0, true},
    };
    EXPECT_EQ(posted(events), expected);
    // The track cannot be opened here: it counts as untagged and starts all the same.
    EXPECT_STREQ(player::artist, "Not found ID3v1 tag");
    EXPECT_EQ(player::pesnxZapuwena, 1);
}

TEST_F(PlayerActions, CodeUnitsAreSentZeroExtended) {
    player::install_track_list({u"/m\u00E9\u0416.mp3"});
    click("Play/Stop");
    pass();
    const std::vector<Posted> all = posted(events);
    ASSERT_GE(all.size(), 5u);
    EXPECT_EQ(all[4], (Posted{0x409, 0xE9, 0, true}));
    EXPECT_EQ(all[5], (Posted{0x409, 0x416, 0, true}));
}

TEST_F(PlayerActions, AMissingPlayerProgramStillCountsAsAStartedTrack) {
    window->close();
    set_state({0, 0, 0, 0, 3});
    dejstvije = player::ACTION_PLAY;
    pass();
    EXPECT_EQ(state(), (PlayerState{1, 0, 1, 0, 3}));
    EXPECT_TRUE(posted(events).empty());  // no window: the link posts nothing
    ASSERT_NE(player::vneshnijPraigryvatel6, nullptr);
    EXPECT_EQ(player::vneshnijPraigryvatel6->window, nullptr);
    pass();  // the watch never reports an end
    EXPECT_EQ(dejstvije, 0);
    click("Play/Stop");
    pass();
    EXPECT_EQ(state(), (PlayerState{0, 0, 0, 0, 3}));
}

TEST_F(PlayerActions, TheNextTrackStartsTwoPassesAfterThePlayersWindowVanished) {
    set_state({1, 0, 1, 0, 3});
    link_to_player();
    window->close();  // the player's track is over
    events.clear();
    pass();
    EXPECT_EQ(dejstvije, player::ACTION_NEXT);
    EXPECT_EQ(player::vneshnijPraigryvatel6, nullptr);
    // The status query went to a window that had already gone.
    EXPECT_EQ(posted(events), (std::vector<Posted>{{0x40B, 0, 0, false}}));

    events.clear();
    pass();  // Stop finds no player window and posts nothing
    EXPECT_EQ(dejstvije, player::ACTION_PLAY);
    EXPECT_TRUE(message_ids(events).empty());
    window = std::make_unique<PlayerWindowInTest>();  // the next track's player
    pass();
    EXPECT_EQ(message_ids(events), track_start(TRACKS[1]));
    EXPECT_EQ(state(), (PlayerState{1, 0, 1, 1, 3}));
}

TEST_F(PlayerActions, WithoutPlayModeTheEndOfATrackOnlyMovesTheIndex) {
    set_state({1, 0, 0, 2, 3});
    link_to_player();
    window->close();
    pass();
    pass();
    EXPECT_EQ(dejstvije, 0);
    EXPECT_EQ(player::nomerFajla, 0);
}

TEST_F(PlayerActions, AKillStopsTheTrackAndAReinstallMovesOnToTheNextOne) {
    const fs::path music = sandbox.root / "music";
    fs::create_directory(music);
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3"}) write_mp3(music / name, name, "Artist", "Album");
    set_state({1, 0, 1, 1, 3});
    player::path = music.string();
    player::install_track_list(player::sazdat6SpisakFajlav(*player::path));
    link_to_player();

    gauge().gauge_callback(&gauge(), PANEL_SERVICE_PRE_KILL, 0);
    EXPECT_EQ(message_ids(events), (std::vector<std::uint32_t>{0x407}));
    window->close();  // told to stop, the player closes its window
    events.clear();

    // Installed again while the module stays loaded: the kept link's window has gone.
    gauge().gauge_callback(&gauge(), PANEL_SERVICE_PRE_INSTALL, 0);
    EXPECT_EQ(player::nomerFajla, 1);
    pass();
    EXPECT_EQ(dejstvije, player::ACTION_NEXT);
    pass();
    window = std::make_unique<PlayerWindowInTest>();
    pass();
    std::vector<std::uint32_t> expected{0x40B};
    for (std::uint32_t id : track_start(player::fajly[2])) expected.push_back(id);
    EXPECT_EQ(message_ids(events), expected);
    EXPECT_EQ(state(), (PlayerState{1, 0, 1, 2, 3}));
}

TEST_F(PlayerActions, PausePressedTwiceSendsOnePause) {
    set_state({1, 0, 1, 0, 3});
    link_to_player();
    click("Pause");
    pass();
    click("Pause");
    pass();
    EXPECT_EQ(message_ids(events), (std::vector<std::uint32_t>{0x406}));
}

TEST_F(PlayerActions, TheVolumeGoesOncePerTrack) {
    set_state({0, 0, 0, 0, 3});
    click("Play/Stop");
    pass();
    click("Volume +");
    pass();
    click("Volume +");
    pass();
    const std::vector<Posted> all = posted(events);
    std::vector<Posted> volume;
    for (const Posted& p : all)
        if (p.message <= 0x403) volume.push_back(p);
    EXPECT_EQ(volume, (std::vector<Posted>{{0x401, static_cast<std::uint32_t>(-600), 0, true},
                                           {0x403, 0, 0, true},
                                           {0x403, 0, 0, true}}));
    EXPECT_EQ(player::gromkast6, 0);
}

}  // namespace
