#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The interfaces through which the calculator reaches the outside world.
// The window implements them with Qt widgets, batch mode with console
// adapters, the tests with recording fakes.
namespace vor {

// The form: the two LEDs, the tape box and the controls the logic touches.
class FormPort {
   public:
    virtual ~FormPort() = default;

    // The LED edit controls hold the shown (possibly European) text.
    virtual std::string mainLedText() const = 0;
    virtual std::string memoryLedText() const = 0;
    virtual void setLedTexts(const std::string& main, const std::string& memory) = 0;

    // Tape box rows (row text is the line text followed by its comment).
    virtual void addRow(const std::string& row) = 0;
    virtual void insertRow(int index, const std::string& row) = 0;
    virtual void deleteRow(int index) = 0;
    virtual void replaceRow(int index, const std::string& row) = 0;
    virtual void resetRows() = 0;
    virtual int rowCount() const = 0;
    virtual std::string rowText(int index) const = 0;
    virtual int selectedRow() const = 0;  // -1 when nothing is selected
    // Returns false when the index is out of range; the selection then stays.
    virtual bool selectRow(int index) = 0;
    virtual bool reserveRows(int count) = 0;

    // Radio buttons and the Auto Decimal check box, by command id.
    virtual void setChecked(int controlId, bool checked) = 0;
    virtual void setKeyCaption(int keyId, const std::string& caption) = 0;
    // Show the key pressed (true) or released (false).
    virtual void setKeyPressed(int keyId, bool pressed) = 0;

    virtual void setRedraw(bool on) = 0;
    virtual void setEnabled(bool on) = 0;
    virtual void setWaitCursor(bool on) = 0;
    virtual std::string statusText() const = 0;
    virtual void setStatusText(const std::string& text) = 0;
    virtual void setTitle(const std::string& title) = 0;
};

enum class Buttons { Ok, YesNo, OkCancel, YesNoCancel };
enum class Icon { Exclamation, Information };
enum class Answer { Ok, Cancel, Yes, No };

// Modal message boxes; the caption is always the application title "VOR".
class MessagePort {
   public:
    virtual ~MessagePort() = default;
    virtual Answer show(const std::string& text, Buttons buttons = Buttons::Ok,
                        Icon icon = Icon::Exclamation) = 0;
};

// The per-user profile: section/value names as the settings use them.
class ProfilePort {
   public:
    virtual ~ProfilePort() = default;
    virtual int getInt(const std::string& section, const std::string& name, int def) = 0;
    virtual std::string getString(const std::string& section, const std::string& name,
                                  const std::string& def) = 0;
    virtual bool writeInt(const std::string& section, const std::string& name, int value) = 0;
    virtual bool writeString(const std::string& section, const std::string& name,
                             const std::string& value) = 0;
    // Values written between the two reach the disk together when the
    // outermost group ends: a profile that rewrites its whole file on every
    // change pays once for a group (the window placement's eleven values).
    virtual void beginWriteGroup() {}
    virtual void endWriteGroup() {}
};

// Holds a group of profile writes open for the life of a scope.
class ProfileWriteGroup {
   public:
    explicit ProfileWriteGroup(ProfilePort& profile) : m_profile(profile) {
        m_profile.beginWriteGroup();
    }
    ~ProfileWriteGroup() { m_profile.endWriteGroup(); }
    ProfileWriteGroup(const ProfileWriteGroup&) = delete;
    ProfileWriteGroup& operator=(const ProfileWriteGroup&) = delete;

   private:
    ProfilePort& m_profile;
};

class ClipboardPort {
   public:
    virtual ~ClipboardPort() = default;
    virtual bool setText(const std::string& text) = 0;
    virtual std::string text() = 0;
};

class SpeechPort {
   public:
    virtual ~SpeechPort() = default;
    virtual bool available() const = 0;
    // Queue text behind whatever is being spoken.
    virtual void speak(const std::string& text) = 0;
};

// Why opening a page failed, numbered as the launch messages show it: 2
// reads "not found" both as errno and as the classic Windows code.
enum class LaunchResult { Opened = 0, Refused = 1, NotFound = 2 };

class LauncherPort {
   public:
    virtual ~LauncherPort() = default;
    // Opens a web address or a local page with the user's preferred
    // application, never waiting for it. NotFound: nothing on this system
    // could ever open it; Refused: an opener exists but failed.
    virtual LaunchResult open(const std::string& target) = 0;
};

// The dialogs' models: the fields each dialog shows and what its OK button
// does. Each is declared in the layer that uses it; the window shows it with
// a widget made for it.
class CEditEntryDlg;
class CCommentDlg;
class CEditMacrosDlg;
class CEnterValueDlg;
class CReadClipboardDlg;
class CSelectModeDlg;

// What a file dialog asks for.
struct PathRequest {
    bool save = false;        // a Save As dialog rather than an Open dialog
    std::string filter;       // "VOR Files (*.vor)"
    std::string defaultPath;  // proposed file name or folder
};

// Modal dialogs and file dialogs. Each dialog has a method of its own, so
// a port that cannot show a dialog added later fails to compile instead of
// cancelling it unseen.
class DialogPort {
   public:
    virtual ~DialogPort() = default;
    // Each shows its dialog until the user closes it; true when closed with OK.
    virtual bool run(CEditEntryDlg& dialog) = 0;
    virtual bool run(CCommentDlg& dialog) = 0;
    virtual bool run(CEditMacrosDlg& dialog) = 0;
    virtual bool run(CEnterValueDlg& dialog) = 0;
    virtual bool run(CReadClipboardDlg& dialog) = 0;
    virtual bool run(CSelectModeDlg& dialog) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> askPath(const PathRequest& request) = 0;
};

// Dialogs with nobody to answer them: each is cancelled and no path is
// chosen. Only for runs without a user (and the tests of them); a port that
// shows dialogs derives from DialogPort itself, so it cannot miss one.
class CancellingDialogs : public DialogPort {
   public:
    bool run(CEditEntryDlg&) override { return false; }
    bool run(CCommentDlg&) override { return false; }
    bool run(CEditMacrosDlg&) override { return false; }
    bool run(CEnterValueDlg&) override { return false; }
    bool run(CReadClipboardDlg&) override { return false; }
    bool run(CSelectModeDlg&) override { return false; }
    std::optional<std::string> askPath(const PathRequest&) override { return std::nullopt; }
};

// Whole files, read and written at once.
class FilePort {
   public:
    virtual ~FilePort() = default;
    // The file's bytes; false with the system's reason in `error` when it
    // cannot be read, is not a regular file or is larger than `maxBytes`.
    virtual bool read(const std::string& path, std::string& bytes, std::string& error,
                      std::size_t maxBytes) = 0;
    // Writes a new file beside the old one and puts it in its place only
    // when it is complete, so a failed save never damages the old file;
    // false with the system's reason in `error`.
    virtual bool writeAtomic(const std::string& path, const std::string& bytes,
                             std::string& error) = 0;
};

}  // namespace vor
