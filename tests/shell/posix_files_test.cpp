// Whole-file reads and atomic saves through POSIX: what a save leaves
// behind when it works, when it fails and when it is killed, what it
// refuses to replace, and the system's reasons.
#include "shell/posix_files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <ctime>
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
    // Sets a file's last change `seconds` back, as if that long had passed.
    void age(const std::string& name, long seconds) const {
        const std::time_t then = std::time(nullptr) - seconds;
        const timespec times[2] = {{then, 0}, {then, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path(name).c_str(), times, 0), 0) << name;
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

    // A link to a file not made yet makes that file; a long name still
    // leaves room for the temporary name.
    fs::create_symlink("made.vor", path("ahead.vor"));
    ASSERT_TRUE(files.writeAtomic(path("ahead.vor"), "new", error)) << error;
    EXPECT_EQ(contents(path("made.vor")), "new");
    EXPECT_TRUE(fs::is_symlink(path("ahead.vor")));
    EXPECT_TRUE(files.writeAtomic(path(std::string(250, 'n') + ".vor"), "new", error)) << error;
}

TEST_F(PosixFilesTest, SaveRefusalsGiveTheSystemsReason) {
    put(path("plain"), "a file, not a folder");
    fs::create_directory(path("folder"));
    // A rename over a pipe or a device (root: /dev/full) would replace it.
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    fs::create_symlink("pipe", path("link"));
    const bool device = ::mknod(path("full").c_str(), S_IFCHR | 0600, makedev(1, 7)) == 0;
    struct Case {
        std::string target;
        std::string reason;
    };
    for (const Case& c :
         {Case{"plain/tape.vor", "Not a directory"},
          Case{"missing/tape.vor", "No such file or directory"}, Case{"folder", "Is a directory"},
          Case{"pipe", "Not a regular file"}, Case{"link", "Not a regular file"},
          Case{device ? "full" : "pipe", "Not a regular file"}}) {
        SCOPED_TRACE(c.target);
        EXPECT_FALSE(files.writeAtomic(path(c.target), "new", error));
        EXPECT_EQ(error, c.reason);
    }
    EXPECT_EQ(contents(path("plain")), "a file, not a folder");
    EXPECT_TRUE(fs::is_empty(path("folder")));
    EXPECT_TRUE(fs::is_fifo(path("pipe")));
    EXPECT_TRUE(!device || fs::is_character_file(path("full")));
    EXPECT_EQ(names().size(), device ? 5u : 4u);
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

// The save is killed (by the file size limit's signal) as it writes: the
// old file stays whole, and the next save removes the temporary file once
// it has lain a minute with its writer gone. Temporary files of saves that
// may still run (another window's) and names not exactly ours stay.
TEST_F(PosixFilesTest, KilledSaveLeavesTheOldFileAndALeftoverTheNextSaveRemoves) {
    put(path("tape.vor"), "old tape");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit none{0, 0}, small{4096, 4096};
        ::setrlimit(RLIMIT_CORE, &none);
        ::setrlimit(RLIMIT_FSIZE, &small);
        std::signal(SIGXFSZ, SIG_DFL);
        files.writeAtomic(path("tape.vor"), std::string(10000, 'x'), error);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
    EXPECT_EQ(contents(path("tape.vor")), "old tape");
    ASSERT_EQ(names().size(), 2u);
    const std::string killed = *names().begin();  // ".tape.vor.<pid>-..."
    const std::string gone = std::to_string(child), runs = std::to_string(::getpid());
    struct Leftover {
        std::string name;
        long age;
        bool removed;
    };
    const Leftover leftovers[] = {
        {killed, 120, true},
        {".tape.vor." + gone + "-0-1.tmp", 0, false},         // just begun on another machine?
        {".tape.vor." + runs + "-0-2.tmp", 120, false},       // a slow save still running
        {".tape.vor." + runs + "-0-3.tmp", 2 * 86400, true},  // its number was reused
        {".tape.vor." + gone + "-0-x.tmp", 120, false},
        {".tape.vor." + gone + "-0.tmp", 120, false},
        {".tape.vor.old." + gone + "-0-4.tmp", 120, false},
        {".other.vor." + gone + "-0-5.tmp", 120, false},
    };
    std::set<std::string> expected{"tape.vor"};
    for (const Leftover& l : leftovers) {
        if (l.name != killed) put(path(l.name), "leftover");
        age(l.name, l.age);
        if (!l.removed) expected.insert(l.name);
    }
    ASSERT_TRUE(files.writeAtomic(path("tape.vor"), "new", error)) << error;
    EXPECT_EQ(names(), expected);
    EXPECT_EQ(contents(path("tape.vor")), "new");
}

}  // namespace
}  // namespace vor::test
