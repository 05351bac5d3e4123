// The file system layer on real files: sizes, reads of regular files only, and saves that
// replace a file whole or leave it as it was.
#include <sys/stat.h>
#include <unistd.h>

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include "platform/platform.h"

namespace {

mode_t ModeOf(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

bool Save(const std::string& path, const std::vector<uint8_t>& bytes) {
    return WriteFileAtomically(path, bytes.data(), bytes.size());
}

TEST(FileSystem, SizeTellsFilesFromEverythingElse) {
    TempDir dir;
    WriteBytes(dir / "five", Pattern(5, 1));
    WriteBytes(dir / "empty", {});
    mkdir((dir / "folder").c_str(), 0755);
    mkfifo((dir / "pipe").c_str(), 0644);
    symlink((dir / "five").c_str(), (dir / "link").c_str());
    const std::pair<std::string, int64_t> cases[] = {
        {dir / "five", 5}, {dir / "empty", 0},  {dir / "folder", -2}, {dir / "pipe", -1},
        {dir / "missing", -1}, {dir / "link", 5}, {"/dev/null", -1},  {"", -1},
    };
    for (const auto& [path, size] : cases) EXPECT_EQ(FileSize(path), size) << path;
}

TEST(FileSystem, ReadTakesAtMostTheLimitFromRegularFilesOnly) {
    TempDir dir;
    const std::vector<uint8_t> bytes = Pattern(100, 2);
    WriteBytes(dir / "data", bytes);
    mkdir((dir / "folder").c_str(), 0755);
    mkfifo((dir / "pipe").c_str(), 0644);
    std::vector<uint8_t> out;
    EXPECT_EQ(ReadFileBytes(dir / "data", 40, out), ReadResult::Ok);
    EXPECT_EQ(out, std::vector<uint8_t>(bytes.begin(), bytes.begin() + 40));
    EXPECT_EQ(ReadFileBytes(dir / "data", 500, out), ReadResult::Ok);
    EXPECT_EQ(out, bytes);
    for (const std::string& path : {dir / "folder", dir / "pipe", dir / "missing", std::string("/dev/zero")}) {
        EXPECT_EQ(ReadFileBytes(path, 10, out), ReadResult::CannotOpen) << path;  // the FIFO returns at once
        EXPECT_TRUE(out.empty());
    }
}

TEST(FileSystem, SaveCreatesWithTheUsualPermissionsAndKeepsThoseOfAReplacedFile) {
    TempDir dir;
    const mode_t mask = umask(022);
    EXPECT_TRUE(Save(dir / "new", Pattern(10, 3)));
    EXPECT_EQ(ModeOf(dir / "new"), mode_t(0644));
    WriteBytes(dir / "kept", Pattern(10, 4));
    chmod((dir / "kept").c_str(), 0600);
    EXPECT_TRUE(Save(dir / "kept", Pattern(20, 5)));
    umask(mask);
    EXPECT_EQ(ModeOf(dir / "kept"), mode_t(0600));
    EXPECT_EQ(ReadBytes(dir / "kept"), Pattern(20, 5));
    EXPECT_TRUE(Save(dir / "kept", {}));
    EXPECT_EQ(ReadBytes(dir / "kept").size(), 0u);
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"kept", "new"}));
}

TEST(FileSystem, SaveThroughALinkReplacesTheFileItNames) {
    TempDir dir;
    mkdir((dir / "real").c_str(), 0755);
    WriteBytes(dir / "real/set.fnt", Pattern(10, 6));
    symlink("real/set.fnt", (dir / "relative").c_str());
    symlink((dir / "relative").c_str(), (dir / "chained").c_str());
    symlink((dir / "real/later.fnt").c_str(), (dir / "dangling").c_str());
    EXPECT_TRUE(Save(dir / "chained", Pattern(30, 7)));
    EXPECT_TRUE(Save(dir / "dangling", Pattern(31, 8)));
    for (const char* link : {"relative", "chained", "dangling"})
        EXPECT_TRUE(std::filesystem::is_symlink(dir / link)) << link;
    EXPECT_EQ(ReadBytes(dir / "real/set.fnt"), Pattern(30, 7));
    EXPECT_EQ(ReadBytes(dir / "real/later.fnt"), Pattern(31, 8));
    std::vector<std::string> real;
    for (const auto& e : std::filesystem::directory_iterator(dir / "real")) real.push_back(e.path().filename().string());
    EXPECT_EQ(real.size(), 2u);
}

TEST(FileSystem, SaveLeavesEverythingButARegularFileAlone) {
    TempDir dir;
    mkdir((dir / "folder").c_str(), 0755);
    mkfifo((dir / "pipe").c_str(), 0644);
    for (const std::string& path : {dir / "folder", dir / "pipe", dir / "missing/x", std::string()})
        EXPECT_FALSE(Save(path, Pattern(10, 9))) << path;
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder"));
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "pipe"));
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"folder", "pipe"}));
}

TEST(FileSystem, SaveUnderTheLongestNameStillWorks) {
    TempDir dir;
    const std::string name(255, 'n');
    EXPECT_TRUE(Save(dir / name, Pattern(10, 10)));
    EXPECT_EQ(ReadBytes(dir / name), Pattern(10, 10));
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{name});
}

TEST(FileSystem, SaveStoppedByAFileSizeLimitKeepsTheOldFile) {
    TempDir dir;
    const std::vector<uint8_t> old = Pattern(5000, 11);
    WriteBytes(dir / "old", old);
    // The limit must not end the process: the save reports false and cleans up.
    const int status = RunWithFileSizeLimit(1000, [&] { return Save(dir / "old", Pattern(4000, 12)) ? 1 : 0; });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(dir / "old"), old);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"old"});
}

TEST(FileSystem, CurrentDirectoryEndsWithASeparator) {
    TempDir dir;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path);
    const std::string current = CurrentDirectory();
    std::filesystem::current_path(previous);
    EXPECT_EQ(current, std::filesystem::canonical(dir.path).string() + "/");
}

}  // namespace
