// Every kind of save onto a disk that is full, through the window's file
// port and batch mode's, on a real file system: a 256 KiB tmpfs the test
// mounts (root only). Each must say why, keep the old file and leave the
// tape unsaved.
#include <sys/mount.h>
#include <unistd.h>

#include <QPrinter>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <map>
#include <string>

#include "core/command_ids.h"
#include "core/key_table.h"
#include "core/memory_form.h"
#include "core/memory_profile.h"
#include "frame_fixture.h"
#include "gui/qt_files.h"
#include "gui/tape_printer.h"
#include "shell/app.h"
#include "shell/posix_files.h"

namespace vor::test {
namespace {

// Every file in `dir` with its bytes.
std::map<std::string, std::string> folder(const std::string& dir) {
    std::map<std::string, std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        std::ifstream in(e.path(), std::ios::binary);
        out[e.path().filename().string()] = {std::istreambuf_iterator<char>(in), {}};
    }
    return out;
}

// The file dialogs answer with the path the test sets.
class PathDialogs : public CancellingDialogs {
   public:
    std::optional<std::string> askPath(const PathRequest&) override { return next; }
    std::string next;
};

struct Tape {
    explicit Tape(FilePort* files = nullptr) : files(files) {}
    FilePort* files;
    MemoryForm form;
    ScriptedMessages messages{ScriptedMessages::Unscripted::Fail};
    MemoryProfile profile;
    PathDialogs dialogs;
    CVORApp app{AppPorts{form, messages, profile, nullptr, &dialogs, nullptr, {}, files}};
};

TEST(FullDiskTest, EverySaveSaysWhyAndKeepsTheOldFile) {
    QTemporaryDir mountPoint;
    const std::string disk = mountPoint.path().toStdString();
    if (::geteuid() != 0) GTEST_SKIP() << "mounting a tmpfs needs root";
    if (::mount("vorlex-full", disk.c_str(), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    struct Unmount {
        const std::string& dir;
        ~Unmount() { ::umount2(dir.c_str(), MNT_DETACH); }
    } unmount{disk};
    const auto at = [&](const std::string& name) { return disk + "/" + name; };
    {
        Tape first;
        ASSERT_TRUE(first.app.initInstance());
        ASSERT_TRUE(first.app.saveDocument(at("doc.vor")));
    }
    for (const char* name : {"other.vor", "tape.csv", "tape.txt", "macros.mcr", "tape.pdf"})
        std::ofstream(at(name)) << "old " << name;
    const auto before = folder(disk);
    {
        std::ofstream fill(at("fill"), std::ios::binary);
        const std::string block(4096, 'f');
        while (fill.write(block.data(), block.size()) && fill.flush()) {
        }
    }

    struct Save {
        int command;
        const char* file;
        const char* failed;
    };
    const Save saves[] = {
        {cmd::FileSave, "doc.vor", "Failed to save document."},
        {cmd::FileSaveAs, "other.vor", "Failed to save document."},
        {cmd::ExportTape, "tape.csv", "Failed to export the tape."},
        {cmd::ExportTape, "tape.txt", "Failed to export the tape."},
        {cmd::MacroExport, "macros.mcr", "Failed to write macro file."},
    };
    PosixFiles batchFiles;
    QtFiles windowFiles;
    for (FilePort* files : std::initializer_list<FilePort*>{&batchFiles, &windowFiles}) {
        SCOPED_TRACE(files == &windowFiles ? "window" : "batch");
        Tape t(files);
        ASSERT_TRUE(t.app.initInstance());
        ASSERT_TRUE(t.app.openDocument(at("doc.vor")));
        for (const char* key : {"7", "7", "7", "+", "8", "8", "8", "+"})
            t.app.runCommand(*keyIdForLabel(key));
        for (const Save& s : saves) {
            SCOPED_TRACE(s.file);
            t.dialogs.next = at(s.file);
            t.messages.answer(Answer::Ok);
            t.app.runCommand(s.command);
            ASSERT_FALSE(t.messages.shown.empty());
            EXPECT_EQ(t.messages.shown.back(),
                      std::string(s.failed) + "\n" + at(s.file) + ": No space left on device");
        }
        // Printing to a PDF file: batch mode's, and the print dialog's.
        std::string error;
        EXPECT_FALSE(printTapeToPdf(t.app, at("tape.pdf"), error));
        EXPECT_EQ(error, "No space left on device");
        QPrinter printer;
        printer.setOutputFileName(QString::fromStdString(at("tape.pdf")));
        t.messages.answer(Answer::Ok);
        EXPECT_FALSE(printTape(t.app, printer));
        EXPECT_EQ(t.messages.shown.back(),
                  "Could not start print job.\n" + at("tape.pdf") + ": No space left on device");

        auto after = folder(disk);
        after.erase("fill");
        EXPECT_EQ(after, before);
        // Still unsaved: closing the window asks about the changes.
        t.messages.answer(Answer::Cancel);
        EXPECT_FALSE(t.app.canCloseFrame());
        EXPECT_EQ(t.messages.shown.back(), "Save changes to " + at("doc.vor") + "?");
    }
}

}  // namespace
}  // namespace vor::test
