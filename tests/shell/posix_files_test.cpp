// Whole-file reads and atomic saves through POSIX: what a save leaves
// behind when it works and when it fails, and the system's reasons.
#include "shell/posix_files.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace vor::test {
namespace {

namespace fs = std::filesystem;

class PosixFilesTest : public ::testing::Test {
   protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "vorlex-files-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir, ec);
    }

    std::string path(const std::string& name) const { return (dir / name).string(); }
    static std::string contents(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void put(const std::string& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    // Every name in the folder: a save must leave no temporary file behind.
    std::set<std::string> names() const {
        std::set<std::string> out;
        for (const auto& e : fs::directory_iterator(dir)) out.insert(e.path().filename().string());
        return out;
    }

    fs::path dir;
    PosixFiles files;
    std::string bytes, error;
};

// ---- reading -------------------------------------------------------------------

TEST_F(PosixFilesTest, WrittenBytesReadBackExactly) {
    const std::string data("VOR\0\xFF\r\n\x80 end", 11);
    ASSERT_TRUE(files.writeAtomic(path("tape.vor"), data, error)) << error;
    ASSERT_TRUE(files.read(path("tape.vor"), bytes, error, 1000)) << error;
    EXPECT_EQ(bytes, data);
    EXPECT_EQ(names(), std::set<std::string>{"tape.vor"});

    ASSERT_TRUE(files.writeAtomic(path("tape.vor"), "short", error)) << error;
    ASSERT_TRUE(files.read(path("tape.vor"), bytes, error, 1000)) << error;
    EXPECT_EQ(bytes, "short");
    EXPECT_EQ(names(), std::set<std::string>{"tape.vor"});
}

TEST_F(PosixFilesTest, ReadRefusalsGiveTheSystemsReason) {
    put(path("eleven.vor"), "0123456789A");
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    struct Case {
        std::string name;
        std::size_t maxBytes;
        std::string reason;
    };
    for (const Case& c :
         {Case{"missing.vor", 100, "No such file or directory"}, Case{"", 100, "Is a directory"},
          Case{"eleven.vor", 10, "File too large"}, Case{"eleven.vor/x", 100, "Not a directory"},
          // Would block forever if it were opened for reading as a file.
          Case{"pipe", 100, "Not a regular file"}}) {
        SCOPED_TRACE(c.name);
        bytes = "untouched";
        EXPECT_FALSE(files.read(path(c.name), bytes, error, c.maxBytes));
        EXPECT_EQ(error, c.reason);
        EXPECT_EQ(bytes, "untouched");
    }
    EXPECT_TRUE(files.read(path("eleven.vor"), bytes, error, 11)) << error;
    EXPECT_EQ(bytes, "0123456789A");
}

// ---- saving --------------------------------------------------------------------

TEST_F(PosixFilesTest, SaveKeepsTheOldFilesPermissionsAndFollowsALink) {
    put(path("tape.vor"), "old");
    fs::permissions(path("tape.vor"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("tape.vor", path("link.vor"));
    ASSERT_TRUE(files.writeAtomic(path("link.vor"), "new", error)) << error;
    EXPECT_TRUE(fs::is_symlink(path("link.vor")));
    EXPECT_EQ(contents(path("tape.vor")), "new");
    EXPECT_EQ(fs::status(path("tape.vor")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(names(), (std::set<std::string>{"link.vor", "tape.vor"}));
}

TEST_F(PosixFilesTest, SaveRefusalsGiveTheSystemsReason) {
    put(path("plain"), "a file, not a folder");
    fs::create_directory(path("folder"));
    struct Case {
        std::string target;
        std::string reason;
    };
    for (const Case& c : {Case{"plain/tape.vor", "Not a directory"},
                          Case{"missing/tape.vor", "No such file or directory"},
                          Case{"folder", "Is a directory"}}) {
        SCOPED_TRACE(c.target);
        EXPECT_FALSE(files.writeAtomic(path(c.target), "new", error));
        EXPECT_EQ(error, c.reason);
    }
    EXPECT_EQ(contents(path("plain")), "a file, not a folder");
    EXPECT_TRUE(fs::is_empty(path("folder")));
    EXPECT_EQ(names(), (std::set<std::string>{"folder", "plain"}));
}

// A write that fails halfway (here: the process may not write files that
// large, which stops root too) leaves the old file whole and no litter.
TEST_F(PosixFilesTest, FailedSaveLeavesTheOldFileIntact) {
    put(path("tape.vor"), "old tape");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool ok = files.writeAtomic(path("tape.vor"), std::string(10000, 'x'), error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(ok);
    EXPECT_EQ(error, "File too large");
    EXPECT_EQ(contents(path("tape.vor")), "old tape");
    EXPECT_EQ(names(), std::set<std::string>{"tape.vor"});
}

TEST_F(PosixFilesTest, ReadOnlyFolderRefusesTheSave) {
    // Permission bits do not stop root, so this holds only for other users.
    if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
    put(path("tape.vor"), "old tape");
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(files.writeAtomic(path("tape.vor"), "new", error));
    EXPECT_EQ(error, "Permission denied");
    EXPECT_EQ(contents(path("tape.vor")), "old tape");
}

}  // namespace
}  // namespace vor::test
