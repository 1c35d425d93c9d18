// player.exe: a stand-in for the external player program that the Player gauge starts for
// every track. It opens its window of class "Class_VneshnijPraigryvatel6" and title
// "Window_VneshnijPraigryvatel6", acts on the gauge's messages 0x401–0x40B and closes its
// window, and ends, when it is told to stop or when its track has played to the end. Its
// playing is simulated: a track lasts PLAYER_STANDIN_SECONDS seconds (60 if unset). Every
// message is logged, one line each, to PLAYER_STANDIN_LOG or else to player.log beside the
// program:  PID MESSAGE FIRST SECOND  what the player made of it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/player_standin/player_window.h"

namespace standin {

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* PLAYER_CLASS = "Class_VneshnijPraigryvatel6";
constexpr const char* PLAYER_TITLE = "Window_VneshnijPraigryvatel6";
constexpr double DEFAULT_TRACK_SECONDS = 60;
constexpr int VOLUME_STEP = 300, VOLUME_MIN = -10000, VOLUME_MAX = 0;
// A player that is not playing and hears nothing for this long has been forgotten: its
// gauge posts a status query on every idle pass while the panel runs.
constexpr int FORGOTTEN_AFTER_MS = 10 * 60 * 1000;

std::string utf8(const std::u16string& units) {
    std::string out;
    for (char16_t u : units) {
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x800) {
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return out;
}

class Log {
public:
    explicit Log(const std::string& path) : file_(std::fopen(path.c_str(), "a")) {
        if (file_) std::setvbuf(file_, nullptr, _IOLBF, 1024);  // each line is written whole
    }
    ~Log() {
        if (file_) std::fclose(file_);
    }
    Log(const Log&) = delete;
    Log& operator=(const Log&) = delete;

    void line(const std::string& text) {
        if (file_) std::fprintf(file_, "%d %s\n", process_id(), text.c_str());
    }
    void message(const Message& m, const std::string& meaning) {
        char head[64];
        std::snprintf(head, sizeof head, "0x%X %d %d ", m.message, static_cast<int>(m.first),
                      static_cast<int>(m.second));
        line(head + meaning);
    }

private:
    std::FILE* file_;
};

// player.log beside the program, as it was started.
std::string log_path(const char* program) {
    if (const char* path = std::getenv("PLAYER_STANDIN_LOG"); path && *path) return path;
    const std::string started = program ? program : "";
    const std::size_t folder_end = started.find_last_of("/\\");
    return (folder_end == std::string::npos ? std::string() : started.substr(0, folder_end + 1)) + "player.log";
}

double track_seconds() {
    const char* text = std::getenv("PLAYER_STANDIN_SECONDS");
    char* end = nullptr;
    const double seconds = text ? std::strtod(text, &end) : 0;
    return text && end != text && seconds >= 0 ? seconds : DEFAULT_TRACK_SECONDS;
}

class Player {
public:
    Player(Log& log, double track_seconds) : log_(log), track_(std::chrono::duration<double>(track_seconds)) {}

    // Acts on one message; false once told to stop.
    bool handle(const Message& m) {
        switch (m.message) {
            case 0x401:
                volume_ = static_cast<int>(m.first);
                log_.message(m, "volume " + std::to_string(volume_));
                break;
            case 0x402:
                volume_ = std::max(volume_ - VOLUME_STEP, VOLUME_MIN);
                log_.message(m, "volume down to " + std::to_string(volume_));
                break;
            case 0x403:
                volume_ = std::min(volume_ + VOLUME_STEP, VOLUME_MAX);
                log_.message(m, "volume up to " + std::to_string(volume_));
                break;
            case 0x404: log_.message(m, "initialize"); break;
            case 0x405: play(m); break;
            case 0x406:
                if (state_ == State::playing) {
                    left_ = std::chrono::duration_cast<Clock::duration>(ends_ - Clock::now());
                    state_ = State::paused;
                }
                log_.message(m, state_ == State::paused ? "pause" : "pause (not playing)");
                break;
            case 0x407: log_.message(m, "stop"); return false;
            case 0x408:
                name_.clear();
                log_.message(m, "file name begins");
                break;
            case 0x409:
                name_ += static_cast<char16_t>(m.first);
                log_.message(m, utf8(std::u16string(1, static_cast<char16_t>(m.first))));
                break;
            case 0x40A:
                file_ = name_;
                log_.message(m, "file name " + utf8(file_));
                break;
            case 0x40B: log_.message(m, "status: " + status()); break;
            default: log_.message(m, "unknown message"); break;
        }
        return true;
    }

    bool playing() const { return state_ == State::playing; }
    // How long the wait for the next message may last.
    int wait_ms() const {
        if (!playing()) return FORGOTTEN_AFTER_MS;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(ends_ - Clock::now()).count();
        return left > 0 ? static_cast<int>(left) : 0;
    }
    bool track_over() const { return playing() && Clock::now() >= ends_; }

private:
    enum class State { idle, playing, paused };

    void play(const Message& m) {
        if (state_ == State::paused) {
            ends_ = Clock::now() + left_;
            state_ = State::playing;
            log_.message(m, "resume " + utf8(file_));
        } else if (state_ == State::playing) {
            log_.message(m, "play (already playing)");
        } else if (file_.empty()) {
            log_.message(m, "play (no file)");
        } else {
            ends_ = Clock::now() + std::chrono::duration_cast<Clock::duration>(track_);
            state_ = State::playing;
            log_.message(m, "play " + utf8(file_));
        }
    }

    std::string status() const {
        if (state_ == State::paused) return "paused";
        if (state_ == State::idle) return "idle";
        return "playing, " + std::to_string(wait_ms()) + " ms left";
    }

    Log& log_;
    std::chrono::duration<double> track_;
    State state_ = State::idle;
    Clock::time_point ends_{};
    Clock::duration left_{};
    std::u16string name_, file_;
    int volume_ = 0;
};

}  // namespace

}  // namespace standin

int main(int argc, char** argv) {
    using namespace standin;
    Log log(log_path(argc > 0 ? argv[0] : nullptr));
    PlayerWindow* window = open_player_window(PLAYER_CLASS, PLAYER_TITLE);
    if (!window) {
        log.line("cannot open the window");
        return 1;
    }
    const double seconds = track_seconds();
    log.line(std::string("window open: ") + PLAYER_CLASS + " \"" + PLAYER_TITLE + "\", tracks last " +
             std::to_string(seconds) + " s");
    Player player(log, seconds);
    for (;;) {
        const std::optional<Message> m = wait_for_message(window, player.wait_ms());
        if (m && !player.handle(*m)) break;
        if (player.track_over()) {
            log.line("track finished");
            break;
        }
        if (!m && !player.playing()) {
            log.line("nothing heard for ten minutes");
            break;
        }
    }
    close_player_window(window);
    log.line("window closed");
    return 0;
}
