// The machine's own answers on POSIX systems, the same with or without a
// window: the local date, the user folders from the environment, the
// executable's path, replacing a file, the process id and advisory file
// locks. Windows has its own (platform_system_windows.cpp).
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <thread>

#include "app/platform.h"

namespace fs = std::filesystem;

namespace {
constexpr const char* kFolder = "swarmfall";
constexpr auto kLockRetry = std::chrono::milliseconds(10);

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// $<variable>/swarmfall, else $HOME/<below_home>/swarmfall; a relative
// value is to be ignored, as if it were not set. Empty without HOME.
std::string user_folder(const char* variable, const char* below_home) {
    fs::path base = environment(variable);
    if (!base.is_absolute()) {
        const std::string home = environment("HOME");
        if (home.empty()) return "";
        base = fs::path(home) / below_home;
    }
    return (base / kFolder).string();
}
}  // namespace

namespace windowless {

std::string today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[16] = "";
    if (!localtime_r(&now, &local) || !std::strftime(text, sizeof text, "%Y-%m-%d", &local)) return "";
    return text;
}

UserFolders user_folders() {
    return UserFolders{user_folder("XDG_CONFIG_HOME", ".config"),
                       user_folder("XDG_DATA_HOME", ".local/share")};
}

// /proc gives the real path with every link resolved; argv[0] is the
// fallback where there is no /proc.
std::string executable_path(const char* argv0) {
    std::error_code error;
    fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (!error) return exe.string();
    if (!argv0 || !*argv0) return "";
    exe = fs::weakly_canonical(fs::absolute(argv0, error), error);
    return error ? "" : exe.string();
}

// rename() replaces the target in one step on POSIX file systems.
bool replace_file(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

// The terminal has the line already.
void show_failure(const char*) {}

long process_id() { return long(getpid()); }

// flock, not fcntl: its locks belong to the open file, so two threads of one
// process shut each other out as two processes do. Tried without blocking
// until the patience runs out, so the caller never waits longer.
intptr_t lock_file(const char* path, double patience) {
    const int fd = open(path, O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return kNoLock;
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::duration<double>(patience);
    for (;;) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= give_up) break;
        std::this_thread::sleep_for(kLockRetry);
    }
    close(fd);
    return kNoLock;
}

// Closing the file lets the lock go.
void unlock_file(intptr_t handle) { close(int(handle)); }

}  // namespace windowless

// A POSIX program keeps the terminal it was started from.
void use_parent_console() {}
