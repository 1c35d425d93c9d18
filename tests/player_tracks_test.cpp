// The player's track list, its tags on the display, the folder choice and the state file.
#include "player_module_fixture.h"

namespace {

using namespace player_test;

class PlayerTracks : public PlayerModule {
protected:
    fs::path music() {
        const fs::path folder = sandbox.root / "music";
        fs::create_directories(folder);
        return folder;
    }
    fs::path state_file() { return sandbox.work / STATE_FILE; }

    // The display text of a track made of these bytes.
    void start_track_of(const std::string& bytes) {
        const fs::path track = music() / "track.mp3";
        write_file(track, bytes);
        player::install_track_list({platform::widen(track.string())});
        player::read_current_track_tags();
    }

    void restore_from(const std::string& contents) {
        write_file(state_file(), contents);
        gauge().gauge_callback(&gauge(), PANEL_SERVICE_PRE_INSTALL, 0);
    }
    void kill() { gauge().gauge_callback(&gauge(), PANEL_SERVICE_PRE_KILL, 0); }

    // "FOLDER" in the state file's words: each byte on its own line, then 0.
    static std::string folder_lines(const std::string& folder) {
        std::string text;
        for (char byte : folder) text += std::to_string(static_cast<signed char>(byte)) + "\r\n";
        return text + "0";
    }
};

// ---- tags and the display ----

TEST_F(PlayerTracks, TagsBecomeTheDisplayText) {
    struct Case {
        const char* what;
        std::string bytes;
        const char *title, *artist, *album, *text;
    } cases[] = {
        {"a tag", std::string(40, 'x') + id3v1_tag("C", "A", "B"), "C", "A", "B", "A - B - C   A - B - C"},
        {"fields of thirty characters, spaces kept", std::string(10, 'x') + id3v1_tag(std::string(30, 't'), "Art  ", "Al"),
         "tttttttttttttttttttttttttttttt", "Art  ", "Al",
         "Art   - Al - tttttttttttttttttttttttttttttt   Art   - Al - tttttttttttttttttttttttttttttt"},
        {"no tag", std::string(300, 'x'), "", "Not found ID3v1 tag", "",
         "Not found ID3v1 tag -  -    Not found ID3v1 tag -  - "},
        // Too short to seek back 128 bytes: the marker and the fields come from the start.
        {"a short file starting with a tag", "TAG" + tag_field("T") + tag_field("R") + "Alb", "T", "R", "Alb",
         "R - Alb - T   R - Alb - T"},
        {"a short file", "ID3 and little else", "", "Not found ID3v1 tag", "",
         "Not found ID3v1 tag -  -    Not found ID3v1 tag -  - "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        start_track_of(c.bytes);
        EXPECT_STREQ(player::nazvanijePesni, c.title);
        EXPECT_STREQ(player::artist, c.artist);
        EXPECT_STREQ(player::al6bom, c.album);
        EXPECT_STREQ(player::id3Tag, c.text);
        EXPECT_EQ(player::dlinaId3Tag, static_cast<SINT32>(std::strlen(c.text)));
        EXPECT_EQ(player::sdvigId3Tag, 0);
    }
}

TEST_F(PlayerTracks, AShortReadLeavesNothingOfThePreviousTrack) {
    start_track_of(std::string(200, 'x') + id3v1_tag("Long Title", "Long Artist", "Long Album"));
    start_track_of("TAG" + tag_field("Short"));  // the artist and album fields are cut off
    EXPECT_STREQ(player::nazvanijePesni, "Short");
    EXPECT_STREQ(player::artist, "");
    EXPECT_STREQ(player::al6bom, "");
}

TEST_F(PlayerTracks, ATrackThatCanNoLongerBeOpenedShowsAsUntagged) {
    start_track_of(std::string(200, 'x') + id3v1_tag("Title", "Artist", "Album"));
    fs::remove(music() / "track.mp3");
    player::read_current_track_tags();
    EXPECT_STREQ(player::artist, "Not found ID3v1 tag");
    EXPECT_STREQ(player::nazvanijePesni, "");
    EXPECT_EQ(player::dlinaId3Tag, 53);
}

TEST_F(PlayerTracks, ShortTextsShowTheirFirstHalfAndLongOnesScroll) {
    struct Case {
        std::string text;
        std::string shown;
    } cases[] = {
        {"A - B - C   A - B - C", "A - B - C "},
        {"", ""},
        {std::string(47, 'a'), std::string(23, 'a')},
        {std::string(24, 'a') + std::string(24, 'b'), std::string(24, 'a')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::strcpy(player::id3Tag, c.text.c_str());
        player::dlinaId3Tag = static_cast<SINT32>(c.text.size());
        player::sdvigId3Tag = player::scroll_ticks = 0;
        EXPECT_EQ(display(), c.shown);
        EXPECT_EQ(display(), c.shown);  // cutting the text again changes nothing
    }
}

TEST_F(PlayerTracks, ALongTextMovesOnEveryEleventhCallAndStartsAgainAfterOneCopy) {
    const std::string line = "Not found ID3v1 tag -  - ";  // the untagged text: 53 characters
    std::strcpy(player::id3Tag, (line + "   " + line).c_str());
    player::dlinaId3Tag = 53;
    std::vector<std::string> shown;
    for (int call = 0; call < 11 * 28; ++call) shown.push_back(display());
    EXPECT_EQ(shown[0], line.substr(0, 24));
    EXPECT_EQ(shown[9], shown[0]);
    EXPECT_EQ(shown[10], (line + "   ").substr(1, 24));  // the eleventh call moves by one
    EXPECT_EQ(shown[10 + 11 * 25], (line + "   " + line).substr(26, 24));  // offset 26 = 53 / 2
    EXPECT_EQ(shown[10 + 11 * 26], shown[0]);  // past half the text: back to the start
    EXPECT_EQ(std::string(player::id3Tag).size(), 53u);  // the text itself is untouched
}

// ---- the folder choice and the track list ----

TEST_F(PlayerTracks, TheListHoldsTheFolderFilesNamedMp3InNameOrder) {
    const fs::path folder = music();
    for (const char* name : {"b.mp3", "C.MP3", "a.Mp3", "d.mp3.txt", "e.mp", "notes.txt"}) write_file(folder / name, "x");
    fs::create_directory(folder / "f.mp3");  // a folder, not a track
    const std::vector<std::u16string> tracks = player::sazdat6SpisakFajlav(folder.string() + "/");
    const std::u16string prefix = platform::widen(folder.string() + "/");
    EXPECT_EQ(tracks, (std::vector<std::u16string>{prefix + u"a.Mp3", prefix + u"b.mp3", prefix + u"C.MP3"}));
}

TEST_F(PlayerTracks, ChoosingAFolderWithTracksStopsThePlayerAndWaitsAtTheFirst) {
    write_mp3(music() / "one.mp3", "One", "Artist", "Album");
    write_mp3(music() / "two.mp3", "Two", "Artist", "Album");
    set_state({1, 1, 1, 2, 3});
    link_to_player();
    player::neSahranxtsx = true;
    platform::control::set_folder_choice(platform::FolderChoice::chosen, music().string());
    click("Choose folder");
    pass();
    EXPECT_EQ(message_ids(events), (std::vector<std::uint32_t>{0x407}));
    EXPECT_EQ(state(), (PlayerState{0, 0, 0, 0, 2}));
    EXPECT_EQ(player::dejstvije, 0);
    EXPECT_EQ(player::path, music().string());
    EXPECT_FALSE(player::neSahranxtsx);
    EXPECT_EQ(player::fajly[0], platform::widen((music() / "one.mp3").string()));
}

TEST_F(PlayerTracks, AFolderWithoutTracksLeavesAPlayingTrackPlayingAndTheGaugeIdle) {
    set_state({1, 0, 1, 2, 3});
    link_to_player();
    std::strcpy(player::id3Tag, "still shown");
    player::dlinaId3Tag = 11;
    player::neSahranxtsx = true;
    platform::control::set_folder_choice(platform::FolderChoice::chosen, music().string());
    click("Choose folder");
    pass();
    EXPECT_TRUE(message_ids(events).empty());  // the player is not stopped
    EXPECT_EQ(state(), (PlayerState{0, 0, 0, 0, 0}));
    EXPECT_STREQ(player::id3Tag, "still shown");
    EXPECT_TRUE(player::neSahranxtsx);
    click("Play/Stop");
    pass();
    EXPECT_EQ(state(), (PlayerState{0, 0, 0, 0, 0}));  // Play starts nothing
}

TEST_F(PlayerTracks, ACancelledOrPathlessChoiceKeepsTheListAndThePlayer) {
    struct Case {
        platform::FolderChoice choice;
        std::string path;
        std::optional<std::string> path_after;
    } cases[] = {
        {platform::FolderChoice::cancelled, "", "/kept"},
        {platform::FolderChoice::no_file_system_path, "", std::nullopt},
        // A path longer than the folder's buffer cannot be handed over.
        {platform::FolderChoice::chosen, "/" + std::string(1039, 'x'), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path_after.value_or("(none)"));
        reset_player_state();
        set_state({1, 0, 1, 1, 3});
        link_to_player();
        player::path = "/kept";
        events.clear();
        platform::control::set_folder_choice(c.choice, c.path);
        click("Choose folder");
        pass();
        EXPECT_EQ(player::dejstvije, 0);
        EXPECT_EQ(state(), (PlayerState{1, 0, 1, 1, 3}));
        EXPECT_EQ(player::path, c.path_after);
        EXPECT_TRUE(message_ids(events).empty());
    }
}

// ---- the state file ----

TEST_F(PlayerTracks, TheStateFileHoldsTheFolderBytesTheIndexAndTheVolume) {
    player::path = "C:\\M";
    player::nomerFajla = 3;
    kill();
    EXPECT_EQ(read_file(state_file()), "67\r\n58\r\n92\r\n77\r\n0\r\n3\r\n-600");
}

TEST_F(PlayerTracks, FolderBytesAboveTheAsciiRangeGoAndComeBackWhole) {
    const fs::path folder = sandbox.root / "caf\xC0\xE9";
    fs::create_directory(folder);
    for (const char* name : {"1.mp3", "2.mp3", "3.mp3"}) write_mp3(folder / name, name, "A", "B");
    player::path = folder.string();
    player::nomerFajla = 2;
    player::gromkast6 = -1200;
    kill();
    const std::string saved = read_file(state_file());
    EXPECT_NE(saved.find("\r\n-64\r\n-23\r\n0\r\n2\r\n-1200"), std::string::npos) << saved;

    reset_player_state();
    gauge().gauge_callback(&gauge(), PANEL_SERVICE_PRE_INSTALL, 0);
    EXPECT_EQ(player::path, folder.string());
    EXPECT_EQ(player::kalVaFajlav, 3);
    EXPECT_EQ(player::nomerFajla, 2);
    EXPECT_EQ(player::gromkast6, -1200);
    EXPECT_FALSE(player::neSahranxtsx);
}

TEST_F(PlayerTracks, RestoreReadsWhatAHandEditedFileSays) {
    const fs::path folder = sandbox.root / "\xC0";
    fs::create_directory(folder);
    for (const char* name : {"1.mp3", "2.mp3", "3.mp3"}) write_mp3(folder / name, name, "A", "B");
    const std::string root = folder_lines(sandbox.root.string() + "/");
    const std::string head = root.substr(0, root.size() - 1);  // the root's bytes without its 0
    struct Case {
        const char* what;
        std::string contents;
        std::optional<std::string> path;
        SINT32 index, volume;
    } cases[] = {
        {"192 for the byte 0xC0", head + "192\r\n0\r\n1\r\n-900", folder.string(), 1, -900},
        {"-64 for the byte 0xC0", head + "-64\r\n0\r\n2\r\n-900", folder.string(), 2, -900},
        {"256 ends the name", head + "-64\r\n256\r\n1\r\n-900", folder.string(), 1, -900},
        {"an index equal to the count", head + "-64\r\n0\r\n3\r\n-900", folder.string(), 0, -900},
        {"an index of -1", head + "-64\r\n0\r\n-1\r\n-900", folder.string(), 0, -900},
        {"no index and no volume", head + "-64\r\n0", folder.string(), 0, -600},
        {"an index that is no number", head + "-64\r\n0\r\nx\r\n-900", folder.string(), 0, -600},
        {"LF alone and blanks", head + "-64 0\n 2\n\n-900\n", folder.string(), 2, -900},
        {"a volume above the range", head + "-64\r\n0\r\n1\r\n5000", folder.string(), 1, 0},
        {"a volume below the range", head + "-64\r\n0\r\n1\r\n-99999999999", folder.string(), 1, -10000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        reset_player_state();
        player::nomerFajla = 2;  // a kept index must not survive into the new list
        restore_from(c.contents);
        EXPECT_EQ(player::path, c.path);
        EXPECT_EQ(player::kalVaFajlav, 3);
        EXPECT_EQ(player::nomerFajla, c.index);
        EXPECT_EQ(player::gromkast6, c.volume);
        EXPECT_FALSE(player::neSahranxtsx);
    }
}

TEST_F(PlayerTracks, AStateFileWithoutAValidFolderTurnsSavingOffAndIsLeftAsItIs) {
    const std::string root = folder_lines(sandbox.root.string());
    const std::string root_bytes = root.substr(0, root.size() - 1);
    struct Case {
        const char* what;
        std::string contents;
    } cases[] = {
        {"an empty file", ""},
        {"a name that starts with its end", "0\r\n1\r\n-600"},
        {"a folder that no longer exists", folder_lines("/no/such/folder") + "\r\n1\r\n-600"},
        {"a file that ends before the zero entry", root_bytes},
        {"something else before the zero entry", root_bytes + "x\r\n0\r\n1\r\n-600"},
        {"a name longer than the folder's buffer", folder_lines(sandbox.root.string() + std::string(1040, '/')) + "\r\n1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        reset_player_state();
        player::path = "/an/older/folder";
        player::install_track_list(TRACKS);
        player::nomerFajla = 1;
        restore_from(c.contents);
        EXPECT_EQ(player::path, std::nullopt);
        EXPECT_TRUE(player::neSahranxtsx);
        EXPECT_EQ(player::kalVaFajlav, 3);  // the list stays as it was
        EXPECT_EQ(player::nomerFajla, 1);
        kill();
        EXPECT_EQ(read_file(state_file()), c.contents);
    }
}

TEST_F(PlayerTracks, WithoutAStateFileNothingChangesAndAKillWritesAnEmptyOne) {
    player::gromkast6 = -1500;
    player::nomerFajla = 2;
    gauge().gauge_callback(&gauge(), PANEL_SERVICE_PRE_INSTALL, 0);
    EXPECT_EQ(player::path, std::nullopt);
    EXPECT_FALSE(player::neSahranxtsx);
    EXPECT_EQ(player::gromkast6, -1500);
    EXPECT_EQ(player::nomerFajla, 2);
    kill();
    EXPECT_TRUE(fs::exists(state_file()));
    EXPECT_EQ(read_file(state_file()), "");
    // That empty file turns saving off at the next install, until a folder is chosen.
    gauge().gauge_callback(&gauge(), PANEL_SERVICE_PRE_INSTALL, 0);
    EXPECT_TRUE(player::neSahranxtsx);
}

TEST_F(PlayerTracks, ASaveThatFailsKeepsTheOldFile) {
    write_file(state_file(), "kept");
    fs::create_directory(state_file().string() + ".tmp");  // the new file cannot be made
    player::path = "/somewhere";
    kill();
    EXPECT_EQ(read_file(state_file()), "kept");
    EXPECT_TRUE(fs::is_directory(state_file().string() + ".tmp"));
    fs::remove(state_file().string() + ".tmp");
    kill();
    EXPECT_EQ(read_file(state_file()), folder_lines("/somewhere") + "\r\n0\r\n-600");
    EXPECT_FALSE(fs::exists(state_file().string() + ".tmp"));
}

TEST_F(PlayerTracks, WithoutItsFolderTheStateIsNotSaved) {
    fs::remove_all(sandbox.work / "Windmere");
    player::path = "/somewhere";
    kill();
    EXPECT_FALSE(fs::exists(sandbox.work / "Windmere"));
}

TEST_F(PlayerTracks, ARestoreReplacesTheTrackListAndStartsNothing) {
    write_mp3(music() / "only.mp3", "Only", "A", "B");
    set_state({0, 1, 1, 2, 3});
    restore_from(folder_lines(music().string()) + "\r\n0\r\n-600");
    EXPECT_EQ(state(), (PlayerState{0, 1, 1, 0, 1}));
    EXPECT_EQ(player::fajly, (std::vector<std::u16string>{platform::widen((music() / "only.mp3").string())}));
    EXPECT_TRUE(message_ids(events).empty());
}

}  // namespace
