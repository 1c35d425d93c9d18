// Other programs and their windows, on Linux: a window that a program of ours opens is a
// Unix-domain datagram socket in a folder named from its class and title, under the windows
// folder (GAUGE_WINDOWS_DIR, else $XDG_RUNTIME_DIR/gauge-windows, else
// /tmp/gauge-windows-UID). Any process finds the newest live one by class and title and posts
// messages to it as datagrams, which arrive in the order posted; the window is gone once its
// program closes it or ends. Programs are started hidden from a command line that may use
// '\' between folders, relative to the working folder. platform/README.md has the rules.
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/linux/platform_control.h"
#include "platform/linux/program_windows.h"

extern char** environ;

namespace platform {

namespace {

// How long run_program waits for the started program to wait for input.
constexpr int LAUNCH_TIMEOUT_MS = 10000;
// How long a post may wait while the window's queue is full.
constexpr int POST_TIMEOUT_MS = 2000;
// Tells a started program's platform layer where to say that it waits for input.
constexpr const char* LAUNCH_READY_VARIABLE = "GAUGE_LAUNCH_READY_FD";

struct WireMessage {
    std::uint32_t message, first, second;
};

std::string windows_folder() {
    if (const char* dir = std::getenv("GAUGE_WINDOWS_DIR"); dir && *dir) return dir;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return std::string(runtime) + "/gauge-windows";
    return "/tmp/gauge-windows-" + std::to_string(getuid());
}

// Class and title, lower-cased as Windows compares them, with every byte outside letters,
// digits, '-' and '_' written %XX, joined by '.'.
std::string window_folder(const char* class_name, const char* title) {
    auto encode = [](const char* text) {
        std::string out;
        for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c; ++c) {
            const unsigned char lower = (*c >= 'A' && *c <= 'Z') ? *c + ('a' - 'A') : *c;
            if ((lower >= 'a' && lower <= 'z') || (lower >= '0' && lower <= '9') || lower == '-' || lower == '_') {
                out += static_cast<char>(lower);
            } else {
                char hex[4];
                std::snprintf(hex, sizeof hex, "%%%02X", lower);
                out += hex;
            }
        }
        return out;
    };
    return windows_folder() + "/" + encode(class_name) + "." + encode(title);
}

std::string describe(const char* class_name, const char* title) {
    return std::string(class_name) + " \"" + title + "\"";
}

// A socket file's address reached through the folder's descriptor, so that a folder path of
// any length fits the address.
class FolderAddress {
public:
    explicit FolderAddress(const std::string& folder) : fd_(open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC)) {}
    ~FolderAddress() {
        if (fd_ >= 0) close(fd_);
    }
    FolderAddress(const FolderAddress&) = delete;
    FolderAddress& operator=(const FolderAddress&) = delete;

    bool valid() const { return fd_ >= 0; }
    sockaddr_un of(const std::string& name) const {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof address.sun_path, "/proc/self/fd/%d/%s", fd_, name.c_str());
        return address;
    }
    void remove(const std::string& name) const { unlinkat(fd_, name.c_str(), 0); }

private:
    int fd_;
};

// A window another process opened, as this process knows it: the handle find_window gives
// out is the address of one of these, kept for the life of the process so that a handle to a
// window that has gone stays safe to post to.
struct KnownWindow {
    std::string folder, name, description;
};

std::vector<std::unique_ptr<KnownWindow>>& known_windows() {
    static std::vector<std::unique_ptr<KnownWindow>> windows;
    return windows;
}

KnownWindow* known(WindowHandle handle) {
    for (const auto& w : known_windows())
        if (w.get() == handle) return w.get();
    return nullptr;
}

WindowHandle handle_for(const std::string& folder, const std::string& name, std::string description) {
    for (const auto& w : known_windows())
        if (w->folder == folder && w->name == name) return w.get();
    known_windows().push_back(std::make_unique<KnownWindow>(KnownWindow{folder, name, std::move(description)}));
    return known_windows().back().get();
}

// The one socket this process posts from, so its messages to a window keep their order.
int post_socket() {
    static const int fd = [] {
        const int s = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        const timeval limit{POST_TIMEOUT_MS / 1000, (POST_TIMEOUT_MS % 1000) * 1000};
        if (s >= 0) setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
        return s;
    }();
    return fd;
}

// A window is live while a socket is bound to its file; the file of a program that ended
// without closing its window is removed.
bool live(const FolderAddress& folder, const std::string& name) {
    const int probe = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (probe < 0) return false;
    const sockaddr_un address = folder.of(name);
    const bool ok = connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (!ok && errno == ECONNREFUSED) folder.remove(name);
    close(probe);
    return ok;
}

// A name that sorts after every window opened before it: the monotonic clock in
// nanoseconds, then the process id.
std::string new_window_name() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    char name[64];
    std::snprintf(name, sizeof name, "%010lld%09ld-%d", static_cast<long long>(now.tv_sec), now.tv_nsec,
                  static_cast<int>(getpid()));
    return name;
}

// The started program's side of run_program: the first time it waits for a message it says
// so through the descriptor its starter left in the environment.
void say_waiting_for_input() {
    const char* fd_text = std::getenv(LAUNCH_READY_VARIABLE);
    if (!fd_text) return;
    const int fd = std::atoi(fd_text);
    const char ready = 1;
    if (write(fd, &ready, 1) < 0) {
        // The starter has stopped waiting; nothing more to say.
    }
    close(fd);
    unsetenv(LAUNCH_READY_VARIABLE);
}

// The environment for a started program: ours, with the descriptor to signal on.
std::vector<std::string> launch_environment(int ready_fd) {
    std::vector<std::string> env;
    const std::string prefix = std::string(LAUNCH_READY_VARIABLE) + "=";
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, prefix.c_str(), prefix.size()) != 0) env.emplace_back(*e);
    env.push_back(prefix + std::to_string(ready_fd));
    return env;
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
    std::vector<char*> out;
    for (std::string& t : texts) out.push_back(t.data());
    out.push_back(nullptr);
    return out;
}

// Starts the program detached (its parent exits at once, so no child is left to reap) and
// waits until it says it waits for input, ends, or the time-out passes.
enum class Launch { waiting_for_input, ended, timed_out, missing, failed };

const char* note(Launch result) {
    switch (result) {
        case Launch::waiting_for_input: return "";
        case Launch::ended: return " (ended before waiting for input)";
        case Launch::timed_out: return " (not waiting for input yet)";
        case Launch::missing: return " (missing)";
        case Launch::failed: break;
    }
    return " (could not start)";
}

Launch launch(std::string program) {
    int ready[2];
    if (pipe2(ready, O_CLOEXEC) != 0) return Launch::failed;
    std::vector<std::string> env = launch_environment(ready[1]);
    std::vector<std::string> args{program};
    std::vector<char*> envp = pointers(env), argv = pointers(args);
    const pid_t middle = fork();
    if (middle == 0) {
        if (fork() == 0) {
            close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);  // the host's own files stay with the host
            fcntl(ready[1], F_SETFD, 0);
            execve(argv[0], argv.data(), envp.data());
        }
        _exit(0);
    }
    close(ready[1]);
    if (middle < 0) {
        close(ready[0]);
        return Launch::failed;
    }
    waitpid(middle, nullptr, 0);
    pollfd wait_for{ready[0], POLLIN, 0};
    Launch result = Launch::timed_out;
    if (poll(&wait_for, 1, LAUNCH_TIMEOUT_MS) > 0) {
        char said = 0;
        result = read(ready[0], &said, 1) == 1 ? Launch::waiting_for_input : Launch::ended;
    }
    close(ready[0]);
    return result;
}

}  // namespace

WindowHandle find_program_window(const char* class_name, const char* title) {
    if (!class_name || !title) return nullptr;
    const std::string folder = window_folder(class_name, title);
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir))
            if (entry->d_name[0] != '.') names.emplace_back(entry->d_name);
        closedir(dir);
    }
    std::sort(names.rbegin(), names.rend());  // newest first
    const FolderAddress address(folder);
    if (!address.valid()) return nullptr;
    for (const std::string& name : names)
        if (live(address, name)) return handle_for(folder, name, describe(class_name, title));
    return nullptr;
}

bool post_message(WindowHandle window, std::uint32_t message, std::uint32_t first, std::uint32_t second) {
    const KnownWindow* target = known(window);
    bool posted = false;
    if (target) {
        const FolderAddress folder(target->folder);
        const sockaddr_un address = folder.of(target->name);
        const WireMessage wire{message, first, second};
        posted = folder.valid() && sendto(post_socket(), &wire, sizeof wire, MSG_NOSIGNAL,
                                          reinterpret_cast<const sockaddr*>(&address), sizeof address) == sizeof wire;
    }
    const std::string to = target ? target->description : "(unknown window)";
    control::report({.type = "message", .text = posted ? to : to + " (not delivered)", .id = message,
                     .value = first, .second_value = second});
    return posted;
}

bool run_program(const char* command_line) {
    if (!command_line || !*command_line) return false;
    std::string program = command_line;
    std::replace(program.begin(), program.end(), '\\', '/');
    const Launch result = access(program.c_str(), X_OK) == 0 ? launch(program) : Launch::missing;
    control::report({.type = "launch", .text = command_line + std::string(note(result))});
    return result != Launch::missing && result != Launch::failed;
}

namespace control {

struct ProgramWindow {
    int fd;
    std::string folder, name;
};

ProgramWindow* open_window(const char* class_name, const char* title) {
    if (!class_name || !title) return nullptr;
    const std::string folder = window_folder(class_name, title);
    mkdir(windows_folder().c_str(), 0700);
    mkdir(folder.c_str(), 0700);
    const FolderAddress address(folder);
    const int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (!address.valid() || fd < 0) {
        if (fd >= 0) close(fd);
        return nullptr;
    }
    const std::string name = new_window_name();
    const sockaddr_un at = address.of(name);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&at), sizeof at) != 0) {
        close(fd);
        return nullptr;
    }
    return new ProgramWindow{fd, folder, name};
}

std::optional<PostedMessage> next_message(ProgramWindow* window, int timeout_ms) {
    if (!window) return std::nullopt;
    say_waiting_for_input();
    pollfd wait_for{window->fd, POLLIN, 0};
    int ready;
    do ready = poll(&wait_for, 1, timeout_ms);
    while (ready < 0 && errno == EINTR);
    WireMessage wire{};
    if (ready <= 0 || recv(window->fd, &wire, sizeof wire, 0) != sizeof wire) return std::nullopt;
    return PostedMessage{wire.message, wire.first, wire.second};
}

void close_window(ProgramWindow* window) {
    if (!window) return;
    FolderAddress(window->folder).remove(window->name);
    close(window->fd);
    delete window;  // the folder stays: another program may be opening a window in it now
}

}  // namespace control

}  // namespace platform
