#pragma once
// Points the platform's user folders at a test's own folder while the
// record lives, then gives back the table that was in use.
#include "app/platform.h"

struct UserFoldersAt {
    static UserFolders& chosen() {
        static UserFolders folders;
        return folders;
    }
    PlatformDoors previous_doors = platform();
    UserFolders previous_folders = chosen();

    explicit UserFoldersAt(const UserFolders& folders) {
        chosen() = folders;
        PlatformDoors doors;
        doors.user_folders = [] { return chosen(); };
        use_platform(doors);
    }
    ~UserFoldersAt() {
        chosen() = previous_folders;
        use_platform(previous_doors);
    }
    UserFoldersAt(const UserFoldersAt&) = delete;
    UserFoldersAt& operator=(const UserFoldersAt&) = delete;
};
