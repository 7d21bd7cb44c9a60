// The machine's own answers on Windows, the same with or without a window:
// the local date, the user folders under the roaming application data, the
// executable's path, replacing a file, the process id and advisory file
// locks, a failure in a message box, and the console of the program that
// started the game. Windows speaks UTF-16; the
// game keeps paths as UTF-8, so a user name outside ASCII works.
#include <windows.h>
// clang-format off: the known-folder headers need windows.h first
#include <knownfolders.h>
#include <shlobj.h>
// clang-format on

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <thread>

#include "app/platform.h"

namespace fs = std::filesystem;

namespace {
constexpr const wchar_t* kFolder = L"Swarmfall";
constexpr const wchar_t* kMessageTitle = L"Swarmfall";
constexpr DWORD kLongestPath = 32768;  // the longest path Windows allows, in UTF-16 units
constexpr auto kLockRetry = std::chrono::milliseconds(10);
constexpr int kReplaceTries = 100;  // a second in all
constexpr auto kReplaceRetry = std::chrono::milliseconds(10);

std::wstring wide(const std::string& text) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring out(size_t(length), L'\0');
    if (length > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), &out[0], length);
    return out;
}

std::string utf8(const fs::path& path) { return path.u8string(); }

// FOLDERID_RoamingAppData, e.g. C:\Users\<name>\AppData\Roaming; empty
// when Windows cannot say.
fs::path roaming_app_data() {
    PWSTR found = nullptr;
    fs::path folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &found))) folder = found;
    CoTaskMemFree(found);
    return folder;
}

// A stream with nowhere to go: a windowed program started without
// redirection has none.
bool has_no_stream(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return handle == nullptr || handle == INVALID_HANDLE_VALUE || GetFileType(handle) == FILE_TYPE_UNKNOWN;
}
}  // namespace

namespace windowless {

std::string today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[16] = "";
    if (localtime_s(&local, &now) != 0 || !std::strftime(text, sizeof text, "%Y-%m-%d", &local)) return "";
    return text;
}

// Settings and best scores share %APPDATA%\Swarmfall, as Windows games do.
UserFolders user_folders() {
    const fs::path base = roaming_app_data();
    if (base.empty()) return UserFolders{};
    const std::string folder = utf8(base / kFolder);
    return UserFolders{folder, folder};
}

// The module's own file name; argv[0] is not needed on Windows.
std::string executable_path(const char*) {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, &name[0], DWORD(name.size()));
        if (length == 0) return "";
        if (length < name.size()) {
            name.resize(length);
            return utf8(fs::path(name));
        }
        if (name.size() >= kLongestPath) return "";
        name.resize(name.size() * 2);
    }
}

// Replaces in one step, and returns only once the move is on the disk.
// While another copy of the game replaces or reads the same file (or a
// virus scanner looks at it), Windows refuses for a moment: try again for
// a while before giving up.
bool replace_file(const std::string& from, const std::string& to) {
    const std::wstring source = wide(from), target = wide(to);
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
        const DWORD error = GetLastError();
        if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) || attempt == kReplaceTries) return false;
        std::this_thread::sleep_for(kReplaceRetry);
    }
}

long process_id() { return long(GetCurrentProcessId()); }

// LockFileEx on the whole file, through a handle of its own: two handles of
// one process shut each other out as two processes do. Tried without
// waiting until the patience runs out, so the caller never waits longer.
intptr_t lock_file(const char* path, double patience) {
    const HANDLE file = CreateFileW(wide(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return kNoLock;
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::duration<double>(patience);
    for (;;) {
        OVERLAPPED whole{};
        if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &whole))
            return intptr_t(file);
        if (GetLastError() != ERROR_LOCK_VIOLATION || std::chrono::steady_clock::now() >= give_up) break;
        std::this_thread::sleep_for(kLockRetry);
    }
    CloseHandle(file);
    return kNoLock;
}

// Closing the handle lets the lock go.
void unlock_file(intptr_t handle) { CloseHandle(HANDLE(handle)); }

// Double-clicked, the game has no console: the same text in a message box.
void show_failure(const char* text) {
    std::string shown = text;
    while (!shown.empty() && (shown.back() == '\n' || shown.back() == '\r')) shown.pop_back();
    MessageBoxW(nullptr, wide(shown).c_str(), kMessageTitle, MB_OK | MB_ICONERROR);
}

}  // namespace windowless

// A windowed program gets no console of its own: started from one, it
// writes to its parent's, except where the parent redirected a stream.
void use_parent_console() {
    const bool no_out = has_no_stream(STD_OUTPUT_HANDLE);
    const bool no_err = has_no_stream(STD_ERROR_HANDLE);
    if (!(no_out || no_err) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    if (no_out) std::freopen("CONOUT$", "w", stdout);
    if (no_err) std::freopen("CONOUT$", "w", stderr);
}
