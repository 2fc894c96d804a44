#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "cli/text_file.h"
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
    TextFileTest() : folder(fs::temp_directory_path() / ("taravin-save-" + std::to_string(::getpid()))) {
        fs::create_directories(folder);
    }
    ~TextFileTest() override { fs::remove_all(folder); }
    fs::path folder;
};

TEST_F(TextFileTest, SaveReplacesTheFileAndLeavesNoTemporary) {
    const fs::path game = folder / "game.txt";
    std::string error;
    ASSERT_TRUE(saveTextFile(game.string(), "first\r\n", error)) << error;
    ASSERT_TRUE(saveTextFile(game.string(), "second\r\n", error)) << error;
    EXPECT_EQ(readAll(game), "second\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(TextFileTest, FailedSaveSaysSoAndKeepsTheEarlierFile) {
    std::string error;
    EXPECT_FALSE(saveTextFile((folder / "missing" / "game.txt").string(), "text", error));
    EXPECT_FALSE(error.empty());
    // A folder standing where the file should go cannot be replaced.
    const fs::path occupied = folder / "occupied";
    fs::create_directories(occupied / "inside");
    error.clear();
    EXPECT_FALSE(saveTextFile(occupied.string(), "text", error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(occupied / "inside"));
    EXPECT_FALSE(fs::exists(folder / "occupied.saving"));
}

TEST_F(TextFileTest, FullDiskKeepsTheEarlierFile) {
    const fs::path game = folder / "game.txt";
    std::string error;
    ASSERT_TRUE(saveTextFile(game.string(), "earlier game\r\n", error)) << error;
    {
        const FileSizeLimit full(4096);
        EXPECT_FALSE(saveTextFile(game.string(), std::string(100000, 'x'), error));
    }
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(readAll(game), "earlier game\r\n");
    EXPECT_FALSE(fs::exists(folder / "game.txt.saving"));
}

}  // namespace
}  // namespace taravin
