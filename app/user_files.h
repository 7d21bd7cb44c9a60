#pragma once
// The player's own files (the settings, the best scores): where they live,
// reading one whole, writing one whole so an interrupted write never leaves
// a broken file, their lines, and a found text as a report shows it.
// Nothing here is a reason to stop the game: the callers name each failure
// in one line and go on with what they have.
#include <cstdint>
#include <ios>
#include <string>
#include <string_view>
#include <vector>

#include "app/platform.h"

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

// Writes a temporary file of this write's own beside `path` and renames it
// over the old one, making the folders on the way. False, with the old file
// whole and no temporary left, when it cannot; an empty path writes nothing.
bool write_user_file(const std::string& path, const std::string& text);

// The advisory lock every copy of the game takes on the folder holding
// `path` (a .lock file there) before it reads a file to change and write it
// back; the folders are made on the way. Not held when another copy holds
// it for `patience` seconds or the folder cannot be made.
HeldLock lock_user_folder(const std::string& path, double patience);

// The lines of a file's text, without their ends and the blanks round them.
std::vector<std::string_view> user_file_lines(std::string_view text);
// Spaces, tabs and carriage returns off both ends.
std::string_view trim_blanks(std::string_view text);
// A found text as a report shows it: quoted, printable, short, so a
// report stays one short line whatever the file holds.
std::string shown_in_report(std::string_view text);
