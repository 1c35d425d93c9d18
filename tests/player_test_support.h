// What the Player tests share: a scratch folder per test that is also its working folder and
// holds its own windows folder (so tests running side by side never see each other's player
// windows), MP3 files with ID3 version 1 tags, and a player window inside the test that takes
// whatever is posted to it.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/linux/platform_control.h"

namespace player_test {

namespace fs = std::filesystem;

constexpr const char* PLAYER_CLASS = "Class_VneshnijPraigryvatel6";
constexpr const char* PLAYER_TITLE = "Window_VneshnijPraigryvatel6";
constexpr const char* STATE_FILE = "Windmere/Volcra18/mp3Player.cfg";

// A fresh folder under /tmp that becomes the working folder; the windows folder lives in it.
class Sandbox {
public:
    Sandbox() {
        char name[] = "/tmp/player_test_XXXXXX";
        root = mkdtemp(name);
        work = root / "work";
        fs::create_directories(work / "Windmere" / "Volcra18");
        setenv("GAUGE_WINDOWS_DIR", (root / "windows").c_str(), 1);
        previous_ = fs::current_path();
        fs::current_path(work);
    }
    ~Sandbox() {
        fs::current_path(previous_);
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    fs::path root, work;

private:
    fs::path previous_;
};

inline std::string tag_field(const std::string& text) {
    std::string field = text.substr(0, 30);
    field.resize(30, '\0');
    return field;
}

// The 128 bytes of an ID3 version 1 tag.
inline std::string id3v1_tag(const std::string& title, const std::string& artist, const std::string& album) {
    return "TAG" + tag_field(title) + tag_field(artist) + tag_field(album) + "2004" + std::string(30, '\0') + "\x0C";
}

inline void write_file(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

inline std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A small MP3 file: a few bytes of frame, then the tag.
inline void write_mp3(const fs::path& path, const std::string& title, const std::string& artist,
                      const std::string& album) {
    write_file(path, std::string("\xFF\xFB\x90\x00", 4) + std::string(60, '\x55') + id3v1_tag(title, artist, album));
}

// A window of the player's class and title inside the test, standing in for the player
// program: a thread takes the messages as they come, so that posting never waits on it.
class PlayerWindowInTest {
public:
    PlayerWindowInTest() : window_(platform::control::open_window(PLAYER_CLASS, PLAYER_TITLE)) {
        if (window_) reader_ = std::thread([this] {
            while (!closing_)
                if (auto m = platform::control::next_message(window_, 20)) {
                    std::lock_guard lock(mutex_);
                    received_.push_back(*m);
                }
        });
    }
    ~PlayerWindowInTest() { close(); }
    PlayerWindowInTest(const PlayerWindowInTest&) = delete;
    PlayerWindowInTest& operator=(const PlayerWindowInTest&) = delete;

    bool open() const { return window_ != nullptr; }
    // The window vanishes, as the player's does at the end of its track.
    void close() {
        if (!window_) return;
        closing_ = true;
        reader_.join();
        platform::control::close_window(window_);
        window_ = nullptr;
    }
    // What has arrived so far, in order.
    std::vector<platform::control::PostedMessage> received() {
        std::lock_guard lock(mutex_);
        return received_;
    }

private:
    platform::control::ProgramWindow* window_;
    std::thread reader_;
    std::atomic<bool> closing_{false};
    std::mutex mutex_;
    std::vector<platform::control::PostedMessage> received_;
};

// The messages the platform layer reports as posted, in order.
struct Posted {
    std::uint32_t message, first, second;
    bool delivered;
    bool operator==(const Posted&) const = default;
};

inline std::vector<Posted> posted(const std::vector<platform::control::Event>& events) {
    std::vector<Posted> out;
    for (const auto& e : events)
        if (e.type == "message")
            out.push_back({e.id, e.value, e.second_value, e.text.find("(not delivered)") == std::string::npos});
    return out;
}

inline std::vector<std::uint32_t> message_ids(const std::vector<platform::control::Event>& events) {
    std::vector<std::uint32_t> ids;
    for (const Posted& p : posted(events)) ids.push_back(p.message);
    return ids;
}

// The messages of starting a track whose full path is `name`, as the gauge posts them.
inline std::vector<std::uint32_t> track_start(const std::u16string& name) {
    std::vector<std::uint32_t> ids{0x404, 0x408};
    ids.insert(ids.end(), name.size(), 0x409);
    ids.insert(ids.end(), {0x40A, 0x405, 0x401});
    return ids;
}

// The stand-in player's log as one list of lines per player program, in the order they
// started: each message as "MESSAGE FIRST" (the status queries left out), and "window" when
// its window opened, "track" when its track ended, "window closed".
inline std::vector<std::vector<std::string>> player_log(const fs::path& log) {
    std::vector<std::string> pids;
    std::vector<std::vector<std::string>> players;
    std::istringstream in(read_file(log));
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string pid, word, first;
        words >> pid >> word >> first;
        const std::size_t player = std::find(pids.begin(), pids.end(), pid) - pids.begin();
        if (player == pids.size()) {
            pids.push_back(pid);
            players.emplace_back();
        }
        std::vector<std::string>& lines = players[player];
        if (word.rfind("0x", 0) == 0 && word != "0x40B") lines.push_back(word + " " + first);
        else if (word == "window") lines.push_back(first == "closed" ? "window closed" : "window");
        else if (word == "track") lines.push_back("track");
    }
    return players;
}

// Waits up to ten seconds for every player program in the log to have closed its window.
inline void wait_for_players_to_close(const fs::path& log) {
    for (int tries = 0; tries < 1000; ++tries) {
        const auto players = player_log(log);
        if (std::all_of(players.begin(), players.end(),
                        [](const auto& lines) { return !lines.empty() && lines.back() == "window closed"; }))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// A player's log from its window to its last message: the track's file name in the
// stand-in's words, its play and its volume.
inline std::vector<std::string> track_started(const std::string& path, int volume) {
    std::vector<std::string> lines{"window", "0x404 0", "0x408 0"};
    for (unsigned char c : path) lines.push_back("0x409 " + std::to_string(c));
    lines.insert(lines.end(), {"0x40A 0", "0x405 0", "0x401 " + std::to_string(volume)});
    return lines;
}

inline std::vector<std::string> operator+(std::vector<std::string> lines, const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

}  // namespace player_test
