// The player as a user runs it with panelhost: a working folder laid out with the stand-in
// player, a folder of three tagged MP3 files chosen, played, paused, skipped and stopped by
// clicks; the saved state taken up again by a new install in the same working folder.
#include <cstdlib>
#include <regex>

#include "gauge_test_support.h"
#include "player_test_support.h"

namespace {

using namespace player_test;

// The buttons' middles, as clicks.
const std::string CHOOSE_FOLDER = " click 702 262", PLAY_STOP = " click 345 262", PAUSE = " click 466 262",
                  NEXT = " click 586 262", PREVIOUS = " click 225 262";

class PlayerPanelhost : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* title : {"One", "Two", "Three"})
            write_mp3(music / (std::string(title) + ".mp3"), title, "Artist", "Album");
    }

    // Runs panelhost in the working folder and gives back what it printed.
    std::string panelhost(const std::string& options_and_steps) {
        const CommandRun r = ::panelhost("eval " + gauge_module_path("Player") + " player --workdir " +
                                         workdir.string() + " " + options_and_steps);
        EXPECT_EQ(r.exit_code, 0) << r.out;
        return r.out;
    }

    Sandbox sandbox;
    const fs::path music = [this] {
        fs::create_directory(sandbox.root / "music");
        return sandbox.root / "music";
    }();
    const fs::path workdir = sandbox.root / "simulator";  // laid out by panelhost
    const fs::path log = workdir / "Windmere" / "Volcra18" / "player.log";
    const fs::path state_file = workdir / STATE_FILE;
};

TEST_F(PlayerPanelhost, ClicksChoosePlayPauseSkipAndStopAndTheStateIsTakenUpAgain) {
    const std::string out = panelhost("--choose-folder " + music.string() + " set 364 1 frame" + CHOOSE_FOLDER +
                                      " frame" + PLAY_STOP + " frame 2" + PAUSE + " frame" + PLAY_STOP + " frame" +
                                      NEXT + " frame 2" + NEXT + " frame 2" + PREVIOUS + " frame 2" + PLAY_STOP +
                                      " frame");
    EXPECT_NE(out.find("  folder \"Choose a folder\": chosen " + music.string() + "\n"), std::string::npos) << out;
    EXPECT_NE(out.find("  launch .\\Windmere\\Volcra18\\player.exe\n"), std::string::npos) << out;
    EXPECT_NE(out.find("  message 0x401 -600 0 to Class_VneshnijPraigryvatel6 \"Window_VneshnijPraigryvatel6\"\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("  file read .\\Windmere\\Volcra18\\mp3Player.cfg (cannot be read)\n"), std::string::npos);
    ASSERT_TRUE(fs::exists(workdir / "Windmere" / "Volcra18" / "player.exe"));

    // The tracks in name order: One, Three, Two.
    const std::string one = (music / "One.mp3").string(), three = (music / "Three.mp3").string(),
                      two = (music / "Two.mp3").string();
    wait_for_players_to_close(log);
    const std::vector<std::string> stopped{"0x407 0", "window closed"};
    EXPECT_EQ(player_log(log), (std::vector<std::vector<std::string>>{
                                   track_started(one, -600) + std::vector<std::string>{"0x406 0", "0x405 0"} + stopped,
                                   track_started(three, -600) + stopped,
                                   track_started(two, -600) + stopped,
                                   track_started(three, -600) + stopped,
                               }));
    const std::string saved = read_file(state_file);
    EXPECT_TRUE(saved.ends_with("\r\n0\r\n1\r\n-600")) << saved;

    // A new install in the same working folder: Play starts the saved track.
    fs::remove(log);
    const std::string again = panelhost("--json set 364 1 frame" + PLAY_STOP + " frame");
    EXPECT_NE(again.find("{\"type\": \"file\", \"text\": \"read .\\\\Windmere\\\\Volcra18\\\\mp3Player.cfg (" +
                         std::to_string(saved.size()) + " bytes)\"}"),
              std::string::npos)
        << again;
    std::string sent;
    const std::regex unit("\"message\": 1033, \"first\": ([0-9]+), \"second\": 0");
    for (auto m = std::sregex_iterator(again.begin(), again.end(), unit); m != std::sregex_iterator(); ++m)
        sent += static_cast<char>(std::stoi((*m)[1]));
    EXPECT_EQ(sent, three);
    // Killed while playing: stopped, and the state saved as it was.
    wait_for_players_to_close(log);
    EXPECT_EQ(player_log(log), (std::vector<std::vector<std::string>>{track_started(three, -600) + stopped}));
    EXPECT_EQ(read_file(state_file), saved);
}

TEST_F(PlayerPanelhost, WaitingLetsATrackPlayToItsEndAndTheNextOneStart) {
    setenv("PLAYER_STANDIN_SECONDS", "0.2", 1);
    panelhost("--choose-folder " + music.string() + " set 364 1 frame" + CHOOSE_FOLDER + " frame" + PLAY_STOP +
              " frame wait 1.5 frame 3");
    unsetenv("PLAYER_STANDIN_SECONDS");
    wait_for_players_to_close(log);
    EXPECT_EQ(player_log(log), (std::vector<std::vector<std::string>>{
                                   track_started((music / "One.mp3").string(), -600) +
                                       std::vector<std::string>{"track", "window closed"},
                                   track_started((music / "Three.mp3").string(), -600) +
                                       std::vector<std::string>{"0x407 0", "window closed"},
                               }));
}

TEST_F(PlayerPanelhost, WithoutAFolderChoiceTheBrowserIsCancelled) {
    const std::string out = panelhost("set 364 1" + CHOOSE_FOLDER + " frame 2" + PLAY_STOP + " frame");
    EXPECT_NE(out.find("  folder \"Choose a folder\": cancelled\n"), std::string::npos) << out;
    EXPECT_EQ(out.find("launch"), std::string::npos) << out;
}

}  // namespace
