// Sets of files replaced as one: whatever stands in the set's place, the new set takes it whole.
#include "device_root_fixture.h"
#include "file_fault_cases.h"
#include "platform/file_set.h"

#include <functional>

namespace fs = std::filesystem;

using FileSets = DeviceRootTest;

TEST_F(FileSets, TheNewSetTakesThePlaceOfNothingAnEarlierSetOrAFolderMadeByHand) {
    const std::string names[] = {"1.bmp", "2.bmp"};
    const std::vector<std::uint8_t> contents[] = {{'a'}, {'b', 'b'}};
    const std::pair<const char*, std::function<void(const fs::path&)>> before[] = {
        {"nothing", [](const fs::path&) {}},
        {"an earlier set",
         [&](const fs::path& home) {
             const std::vector<std::uint8_t> old[] = {{'o'}, {'o'}};
             ASSERT_TRUE(replaceFileSet(home, "set", names, old));
         }},
        {"a folder made by hand",
         [](const fs::path& home) {
             fs::create_directories(home / "set");
             std::ofstream(home / "set" / "1.bmp") << "by hand";
         }},
    };
    for (const auto& [what, arrange] : before) {
        SCOPED_TRACE(what);
        const fs::path home = root() / what;
        arrange(home);
        ASSERT_TRUE(replaceFileSet(home, "set", names, contents));
        EXPECT_TRUE(fs::is_symlink(home / "set"));
        EXPECT_EQ(entries(home / "set"), (std::vector<std::string>{"1.bmp", "2.bmp"}));
        EXPECT_EQ(readFile(fs::path(what) / "set" / "2.bmp"), "bb");
        EXPECT_EQ(entries(home).size(), 2u); // the link and the one folder it leads to
    }
}

TEST_F(FileSets, ALinkWhoseFolderIsGoneIsGivenAFreshEmptySet) {
    ASSERT_TRUE(ensureFileSet(root(), "set"));
    fs::remove_all(fs::canonical(root() / "set"));
    EXPECT_TRUE(ensureFileSet(root(), "set"));
    EXPECT_TRUE(fs::is_empty(root() / "set"));
}
