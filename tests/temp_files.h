#pragma once
// Files in a test's own temporary folder: the folder, made fresh and
// removed with everything in it when the test ends, and small helpers to
// write, read and list what is in it.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

struct TempFolder {
    std::filesystem::path path;

    // A name no one else holds: create_directory fails on one that exists.
    explicit TempFolder(const std::string& name) {
        std::random_device random;
        std::error_code error;
        const std::filesystem::path base = std::filesystem::temp_directory_path(error);
        for (int attempt = 0; attempt < 100 && path.empty() && !error; ++attempt) {
            const std::filesystem::path candidate = base / (name + "-" + std::to_string(random()));
            if (std::filesystem::create_directory(candidate, error)) path = candidate;
        }
    }
    ~TempFolder() {
        std::error_code ignored;
        if (!path.empty()) std::filesystem::remove_all(path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
};

// Writes `text` as the whole file, making its folders first.
inline void write_file(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string file_text(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

inline int line_count(const std::string& text) {
    return int(std::count(text.begin(), text.end(), '\n'));
}

// The names in the folder holding `path`, sorted.
inline std::vector<std::string> names_beside(const std::string& path) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(path).parent_path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}
