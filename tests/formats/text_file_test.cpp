#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "formats/text_file.h"
#include "tests/file_size_limit.h"

namespace taravin {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct TextFileTest : ::testing::Test {
    TextFileTest()
        : folder(fs::temp_directory_path() / ("taravin-save-" + std::to_string(::getpid()))) {
        fs::create_directories(folder);
    }
    ~TextFileTest() override { fs::remove_all(folder); }
    fs::path folder;
};

TEST_F(TextFileTest, SaveReplacesTheFileAndLeavesNoTemporary) {
    const fs::path game = folder / "game.txt";
    ASSERT_FALSE(saveTextFile(game.string(), "first\r\n"));
    ASSERT_FALSE(saveTextFile(game.string(), "second\r\n"));
    EXPECT_EQ(readAll(game), "second\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(TextFileTest, SaveKeepsPermissionsAndLinks) {
    const fs::path game = folder / "game.txt";
    ASSERT_FALSE(saveTextFile(game.string(), "first"));
    fs::permissions(game, fs::perms::owner_read | fs::perms::owner_write);
    const fs::path link = folder / "link.txt";
    fs::create_symlink(game, link);
    ASSERT_FALSE(saveTextFile(link.string(), "second"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readAll(game), "second");
    EXPECT_EQ(fs::status(game).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(TextFileTest, FailedSaveSaysSoAndKeepsTheEarlierFile) {
    const auto missing = saveTextFile((folder / "missing" / "game.txt").string(), "text");
    ASSERT_TRUE(missing);
    EXPECT_FALSE(missing->message.empty());
    EXPECT_FALSE(missing->reason.empty());
    EXPECT_FALSE(missing->fellShort);
    // A folder standing where the file should go cannot be replaced.
    const fs::path occupied = folder / "occupied";
    fs::create_directories(occupied / "inside");
    const auto replaced = saveTextFile(occupied.string(), "text");
    ASSERT_TRUE(replaced);
    EXPECT_FALSE(replaced->message.empty());
    EXPECT_FALSE(replaced->reason.empty());
    EXPECT_TRUE(fs::is_directory(occupied / "inside"));
    EXPECT_FALSE(fs::exists(folder / "occupied.saving"));
}

TEST_F(TextFileTest, FullDiskKeepsTheEarlierFile) {
    const fs::path game = folder / "game.txt";
    ASSERT_FALSE(saveTextFile(game.string(), "earlier game\r\n"));
    std::optional<SaveFailure> failure;
    {
        const FileSizeLimit full(4096);
        failure = saveTextFile(game.string(), std::string(100000, 'x'));
    }
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->fellShort);
    EXPECT_FALSE(failure->message.empty());
    EXPECT_EQ(readAll(game), "earlier game\r\n");
    EXPECT_FALSE(fs::exists(folder / "game.txt.saving"));
}

}  // namespace
}  // namespace taravin
