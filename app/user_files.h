#pragma once
// The player's own files (the settings, the best scores): where they live,
// reading one whole, and writing one whole so an interrupted write never
// leaves a broken file. Nothing here is a reason to stop the game: the
// callers name each failure in one line and go on with what they have.
#include <cstdint>
#include <ios>
#include <string>

// `name` in `folder`; empty when the folder is unknown.
std::string user_file_path(const std::string& folder, const char* name);

enum UserFileOutcome : int32_t {
    UserFileRead = 0,
    UserFileMissing = 1,     // no file there: not a fault
    UserFileUnreadable = 2,  // not a plain file, or it cannot be opened or read
    UserFileTooLarge = 3,    // more than the caller's largest size
};

struct UserFileText {
    int32_t outcome = UserFileMissing;
    std::string text;  // the whole file when read
};

UserFileText read_user_file(const std::string& path, std::streamsize largest);

// Writes a temporary file beside `path` and renames it over the old one,
// making the folders on the way. False, with the old file whole and no
// temporary left, when it cannot; an empty path writes nothing.
bool write_user_file(const std::string& path, const std::string& text);
