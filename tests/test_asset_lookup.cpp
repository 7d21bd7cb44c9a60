#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "app/asset_lookup.h"
#include "app/platform.h"

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

// The machine's own answers, with no window: the executable that runs is
// this test, and the local date is the one `date` gives (read on both sides
// of ours, in case midnight passes between).
TEST(MachineFacts, ExecutablePathAndTodaysLocalDate) {
    EXPECT_EQ(fs::path(executable_path(nullptr)), fs::canonical("/proc/self/exe"));
    EXPECT_EQ(executable_path(nullptr), executable_path("ignored/while/proc/answers"));
    auto system_date = [] {
        char line[32] = "";
        FILE* pipe = popen("date +%Y-%m-%d", "r");
        if (pipe && !std::fgets(line, sizeof line, pipe)) line[0] = '\0';
        if (pipe) pclose(pipe);
        return std::string(line).substr(0, 10);
    };
    const std::string before = system_date();
    const std::string ours = today();
    const std::string after = system_date();
    ASSERT_EQ(ours.size(), 10u) << ours;
    EXPECT_TRUE(ours == before || ours == after) << ours << " against " << before;
}

}  // namespace
