// The platform services the player uses, on Linux: windows of other programs found by class
// and title and the messages posted to them, starting programs, listing folders, file names
// in UTF-16, and files read and replaced whole.
#include <sys/wait.h>

#include "player_test_support.h"

namespace {

using namespace player_test;

class PlayerPlatform : public ::testing::Test {
protected:
    void SetUp() override {
        platform::control::set_event_sink([this](const platform::control::Event& e) { events.push_back(e); });
    }
    void TearDown() override { platform::control::set_event_sink({}); }

    static platform::WindowHandle find() { return platform::find_window(PLAYER_CLASS, PLAYER_TITLE); }

    // Waits up to two seconds for `count` messages to have arrived.
    static std::vector<platform::control::PostedMessage> arrived(PlayerWindowInTest& window, std::size_t count) {
        for (int tries = 0; tries < 200 && window.received().size() < count; ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return window.received();
    }

    std::string last_event_text(const std::string& type) const {
        for (auto e = events.rbegin(); e != events.rend(); ++e)
            if (e->type == type) return e->text;
        return "(none)";
    }

    Sandbox sandbox;
    std::vector<platform::control::Event> events;
};

TEST_F(PlayerPlatform, AWindowIsFoundByClassAndTitleUntilItCloses) {
    EXPECT_EQ(find(), nullptr);
    auto first = std::make_unique<PlayerWindowInTest>();
    const platform::WindowHandle found = find();
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(platform::find_window("class_vneshnijpraigryvatel6", "WINDOW_VNESHNIJPRAIGRYVATEL6"), found);  // case aside
    EXPECT_EQ(platform::find_window(PLAYER_CLASS, "Another title"), nullptr);
    EXPECT_EQ(platform::find_window(PLAYER_CLASS, nullptr), nullptr);

    auto newer = std::make_unique<PlayerWindowInTest>();
    const platform::WindowHandle newest = find();
    EXPECT_NE(newest, found);  // of two, the newer
    newer->close();
    EXPECT_EQ(find(), found);
    first->close();
    EXPECT_EQ(find(), nullptr);
    // A handle to a window that has gone is still safe to post to.
    EXPECT_FALSE(platform::post_message(found, 0x404, 0, 0));
    EXPECT_EQ(last_event_text("message"), "Class_VneshnijPraigryvatel6 \"Window_VneshnijPraigryvatel6\" (not delivered)");
    EXPECT_FALSE(platform::post_message(reinterpret_cast<platform::WindowHandle>(&events), 0x404, 0, 0));
}

TEST_F(PlayerPlatform, MessagesArriveInTheOrderPosted) {
    PlayerWindowInTest window;
    const platform::WindowHandle target = find();
    ASSERT_NE(target, nullptr);
    constexpr std::uint32_t COUNT = 200;  // far more than the window's queue holds at once
    for (std::uint32_t i = 0; i < COUNT; ++i)
        ASSERT_TRUE(platform::post_message(target, 0x409, i, static_cast<std::uint32_t>(-1)));
    const auto received = arrived(window, COUNT);
    ASSERT_EQ(received.size(), COUNT);
    for (std::uint32_t i = 0; i < COUNT; ++i) {
        EXPECT_EQ(received[i].message, 0x409u);
        EXPECT_EQ(received[i].first, i);
        EXPECT_EQ(received[i].second, 0xFFFFFFFFu);
    }
    EXPECT_EQ(events.back().id, 0x409u);
    EXPECT_EQ(events.back().value, COUNT - 1);
}

TEST_F(PlayerPlatform, AWindowGoesWithItsProgram) {
    const pid_t child = fork();
    if (child == 0) {
        platform::control::open_window(PLAYER_CLASS, PLAYER_TITLE);
        _exit(0);  // without closing it
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(find(), nullptr);
    EXPECT_TRUE(fs::is_empty(sandbox.root / "windows" / "class_vneshnijpraigryvatel6.window_vneshnijpraigryvatel6"));
}

TEST_F(PlayerPlatform, AProgramStartsFromAPathWithBackslashesAndIsWaitedFor) {
    fs::copy_file(PLAYER_STANDIN, sandbox.work / "Windmere" / "Volcra18" / "player.exe");
    setenv("PLAYER_STANDIN_LOG", (sandbox.root / "player.log").c_str(), 1);
    ASSERT_TRUE(platform::run_program(".\\Windmere\\Volcra18\\player.exe"));
    EXPECT_EQ(last_event_text("launch"), ".\\Windmere\\Volcra18\\player.exe");
    const platform::WindowHandle window = find();  // there at once: the start waited for it
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(platform::post_message(window, 0x407, 0, 0));
    for (int tries = 0; tries < 200 && find(); ++tries) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(find(), nullptr);
    unsetenv("PLAYER_STANDIN_LOG");
}

TEST_F(PlayerPlatform, AMissingProgramIsReported) {
    EXPECT_FALSE(platform::run_program(".\\Windmere\\Volcra18\\player.exe"));
    EXPECT_EQ(last_event_text("launch"), ".\\Windmere\\Volcra18\\player.exe (missing)");
    // A program that ends without ever waiting for input counts as started.
    write_file(sandbox.work / "quick.sh", "#!/bin/sh\ntouch ran\n");
    fs::permissions(sandbox.work / "quick.sh", fs::perms::owner_all);
    EXPECT_TRUE(platform::run_program(".\\quick.sh"));
    EXPECT_EQ(last_event_text("launch"), ".\\quick.sh (ended before waiting for input)");
    EXPECT_TRUE(fs::exists(sandbox.work / "ran"));
}

TEST_F(PlayerPlatform, ListingsMatchWildcardsWithoutCaseAndComeInNameOrder) {
    const fs::path folder = sandbox.root / "list";
    fs::create_directory(folder);
    for (const char* name : {"Zed.mp3", "alpha.MP3", "beta.mp3", "b.mp3x", ".mp3", "x.mp", "mp3"})
        write_file(folder / name, "");
    fs::create_directory(folder / "dir.mp3");
    const std::string f = folder.string();
    struct Case {
        std::string folder, pattern;
        std::vector<std::string> names;
    } cases[] = {
        {f, "*.mp3", {".mp3", "alpha.MP3", "beta.mp3", "Zed.mp3"}},
        {f + "/", "*.MP3", {".mp3", "alpha.MP3", "beta.mp3", "Zed.mp3"}},
        {f, "?eta.*", {"beta.mp3"}},
        {f, "*mp3*", {".mp3", "alpha.MP3", "b.mp3x", "beta.mp3", "mp3", "Zed.mp3"}},
        {f + "/missing", "*.mp3", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder + " " + c.pattern);
        std::vector<std::string> expected;
        for (const std::string& name : c.names) expected.push_back(f + "/" + name);
        EXPECT_EQ(platform::list_files(c.folder.c_str(), c.pattern.c_str()), expected);
    }
}

TEST_F(PlayerPlatform, NarrowNamesAreLatin1InUtf16) {
    const std::string name = (sandbox.root / "caf\xE9.mp3").string();
    write_file(name, "bytes");
    const std::u16string wide = platform::widen(name);
    EXPECT_EQ(wide.size(), name.size());
    EXPECT_EQ(wide.substr(wide.size() - 5), u"\u00E9.mp3");
    EXPECT_EQ(platform::widen("C:\\a.mp3"), u"C:\\a.mp3");
    std::FILE* file = platform::open_file(wide.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    EXPECT_EQ(platform::open_file((wide + u"\u0416").c_str(), "rb"), nullptr);  // no byte names it
}

TEST_F(PlayerPlatform, FilesAreReadAndReplacedWhole) {
    const char* path = ".\\Windmere\\Volcra18\\state.cfg";
    const fs::path on_disk = sandbox.work / "Windmere" / "Volcra18" / "state.cfg";
    EXPECT_EQ(platform::read_file(path), std::nullopt);
    EXPECT_EQ(last_event_text("file"), "read .\\Windmere\\Volcra18\\state.cfg (cannot be read)");
    const std::string bytes("1\r\n\0\xFF", 5);
    ASSERT_TRUE(platform::replace_file(path, bytes));
    EXPECT_EQ(last_event_text("file"), "write .\\Windmere\\Volcra18\\state.cfg (5 bytes)");
    EXPECT_EQ(read_file(on_disk), bytes);
    EXPECT_EQ(platform::read_file(path), bytes);
    ASSERT_TRUE(platform::replace_file(path, ""));
    EXPECT_EQ(read_file(on_disk), "");

    // The new file cannot be made: the old one stays.
    write_file(on_disk, "old");
    fs::create_directory(on_disk.string() + ".tmp");
    EXPECT_FALSE(platform::replace_file(path, "new"));
    EXPECT_EQ(last_event_text("file"), "write .\\Windmere\\Volcra18\\state.cfg (failed; the old file is kept)");
    EXPECT_EQ(read_file(on_disk), "old");
    fs::remove(on_disk.string() + ".tmp");
    // The new file cannot take the old one's place: it is removed again.
    const fs::path blocked = on_disk.parent_path() / "blocked.cfg";
    fs::create_directories(blocked / "inside");
    EXPECT_FALSE(platform::replace_file(".\\Windmere\\Volcra18\\blocked.cfg", "new"));
    EXPECT_TRUE(fs::is_directory(blocked / "inside"));
    EXPECT_FALSE(fs::exists(blocked.string() + ".tmp"));
    EXPECT_FALSE(platform::replace_file(".\\no\\such\\folder\\state.cfg", "x"));
}

TEST_F(PlayerPlatform, TheFolderBrowserAnswersWhatTheHostChose) {
    char path[16] = "untouched";
    struct Case {
        platform::FolderChoice set;
        std::string folder;
        platform::FolderChoice answer;
        const char* path_after;
        const char* said;
    } cases[] = {
        {platform::FolderChoice::chosen, "/music", platform::FolderChoice::chosen, "/music", "\"Pick\": chosen /music"},
        {platform::FolderChoice::cancelled, "", platform::FolderChoice::cancelled, "/music", "\"Pick\": cancelled"},
        {platform::FolderChoice::no_file_system_path, "", platform::FolderChoice::no_file_system_path, "/music",
         "\"Pick\": no file-system path"},
        {platform::FolderChoice::chosen, "/a/folder/too/long", platform::FolderChoice::no_file_system_path, "/music",
         "\"Pick\": no file-system path (/a/folder/too/long is longer than 15 bytes)"},
    };
    for (const Case& c : cases) {
        platform::control::set_folder_choice(c.set, c.folder);
        EXPECT_EQ(platform::choose_folder("Pick", path, sizeof path), c.answer);
        EXPECT_STREQ(path, c.path_after);
        EXPECT_EQ(last_event_text("folder"), c.said);
    }
    platform::control::set_folder_choice(platform::FolderChoice::cancelled);
}

}  // namespace
