#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "app/asset_lookup.h"

namespace fs = std::filesystem;

namespace {

// A throw-away tree: work/, prefix/bin/ and prefix/share/swarmfall/.
struct LookupTree {
    fs::path root = fs::temp_directory_path() / ("swarmfall-lookup-" + std::to_string(::getpid()));
    fs::path work = root / "work";
    fs::path bin = root / "prefix" / "bin";
    fs::path share = root / "prefix" / "share" / "swarmfall";

    LookupTree() {
        for (const fs::path& dir : {work, bin, share}) fs::create_directories(dir);
    }
    ~LookupTree() { fs::remove_all(root); }

    static void fill(const fs::path& dir) {
        for (const char* folder : {"shaders", "model", "texture"}) fs::create_directories(dir / folder);
    }
    std::optional<fs::path> found() const { return find_assets(asset_places(work, bin / "swarmfall")); }
};

TEST(AssetLookup, WorkingDirectoryThenBesideTheExecutableThenTheSharedFolder) {
    LookupTree tree;
    LookupTree::fill(tree.share);
    fs::remove(tree.share / "texture");
    EXPECT_FALSE(tree.found().has_value()) << "a folder without textures cannot hold the game";
    LookupTree::fill(tree.share);
    EXPECT_EQ(tree.found(), tree.share);
    LookupTree::fill(tree.bin);
    EXPECT_EQ(tree.found(), tree.bin);
    LookupTree::fill(tree.work);
    EXPECT_EQ(tree.found(), tree.work);
}

}  // namespace
