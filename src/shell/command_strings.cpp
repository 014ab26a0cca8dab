#include "shell/command_strings.h"

#include <array>
#include <utility>

#include "core/command_ids.h"

namespace vor {
namespace {

using Entry = std::pair<int, std::string_view>;

// Keep the framework's wording for the standard commands; the rest say what
// the command does to the tape, the macros or the settings.
constexpr auto kStrings = std::to_array<Entry>({
    // File
    {cmd::FileNew, "Create a new document\nNew"},
    {cmd::FileOpen, "Open an existing document\nOpen"},
    {cmd::FileSave, "Save the active document\nSave"},
    {cmd::FileSaveAs, "Save the active document with a new name\nSave As"},
    {cmd::FilePrintSetup, "Change the printer and printing options\nPrint Setup"},
    {cmd::FilePrint, "Print the active document\nPrint"},
    {cmd::FilePrintPreview, "Display full pages\nPrint Preview"},
    {cmd::FileSend, "Send the active document through electronic mail\nSend Mail"},
    {cmd::FileMru1, "Open this document"},
    {cmd::FileMru1 + 1, "Open this document"},
    {cmd::FileMru1 + 2, "Open this document"},
    {cmd::FileMru1 + 3, "Open this document"},
    {cmd::AppExit, "Quit the application; prompts to save documents\nExit"},
    {cmd::ExportTape,
     "Writes the tape to a CSV file for a spreadsheet, or to a text file\nExport Tape"},
    // Edit
    {cmd::UndoLastLine,
     "Removes the last line of the tape box and restores the totals before it\nUndo Last Line"},
    {cmd::CopySheet,
     "Copies the tape box to the clipboard as spreadsheet rows with formulas\n"
     "Copy to Clipboard (SS Format)"},
    {cmd::CopyText,
     "Copies the tape box to the clipboard as plain text for a word processor\n"
     "Copy to Clipboard (WP Format)"},
    {cmd::EditTapeEntry,
     "Changes the value, key or comment of the currently selected tape box line\n"
     "Edit Tape Box Entry"},
    {cmd::EditComment,
     "Adds or edits the comment of the currently selected tape box line\nEdit Comment"},
    {cmd::DeleteLine, "Deletes the currently selected tape box line\nDelete Line"},
    {cmd::DeleteLines,
     "Deletes all tape box lines starting at the last one and working back to currently "
     "selected line\nDelete Lines"},
    {cmd::InsertCommentLine,
     "Inserts a blank comment line above the currently selected tape box line\n"
     "Insert Blank Comment Line"},
    {cmd::EditPaste,
     "Adds every number on the clipboard to the tape, as if typed with +\nPaste Numbers"},
    // View
    {cmd::ViewStatusBar, "Show or hide the status bar\nToggle StatusBar"},
    {cmd::RecalculateNow,
     "Recalculates every line of the tape box with the current settings\nRecalculate Now"},
    {cmd::AlwaysOnTop, "Keeps the VOR window in front of all other windows\nAlways on Top"},
    {cmd::MiddleKeys,
     "Shows or hides the keypad and the precision and rounding buttons\nMiddle Keys"},
    {cmd::SwapLEDs, "Exchanges the places of the Main LED and the Memory LED\nSwap LEDs"},
    // Settings
    {cmd::FontSize4, "Prints multiple columns with a 4 point font\n4 Point"},
    {cmd::FontSize4 + 1, "Prints multiple columns with a 5 point font\n5 Point"},
    {cmd::FontSize4 + 2, "Prints multiple columns with a 6 point font\n6 Point"},
    {cmd::FontSize7, "Prints multiple columns with a 7 point font\n7 Point"},
    {cmd::ShowClearAllWarning,
     "Asks before the CA button clears the memory and the tape box\nShow Clear All Warning"},
    {cmd::GiveCounts,
     "Comments each total with its count of positive and negative items\nGive Pos/Neg Counts"},
    {cmd::MultipleColumnPrinting,
     "Prints the tape in two columns per page\nMultiple Column Printing"},
    {cmd::ReadImmediate, "Reads each new tape box line aloud as it is added\nImmediate Read Mode"},
    {cmd::PrintNegativeInRed,
     "Prints negative values in red on a colour printer\nPrint Negative Values in Red"},
    {cmd::AutoDecimalMode,
     "Places the decimal point two digits from the right of every number keyed\n"
     "Auto Decimal Mode"},
    {cmd::EuropeanMode,
     "Shows numbers with a decimal comma and point thousands separators\nEuropean Mode"},
    {cmd::RemapKeypad, "Remap keypad: enter=plus, plus=minus, minus=total\nReMap Keypad"},
    {cmd::ReceiptPrinterMode,
     "Prints the tape as one continuous strip for a receipt printer\nReceipt Printer Mode"},
    {cmd::AutoCommentSubtotal,
     "Comments every line with the current subtotal\nAuto Comment Current Subtotal"},
    {cmd::AutoCopyTotal,
     "Copies the running total to the clipboard after every new line\n"
     "Auto Copy Current Total To Clipboard"},
    {cmd::AutoAppendComments,
     "Adds a comment to the end of an existing one instead of replacing it\n"
     "Auto Append Comments"},
    {cmd::PromptToSave, "Asks to save a modified tape before it is closed\nPrompt To Save On Exit"},
    {cmd::KeepTapeBetweenSessions,
     "Brings the tape back as it was when VOR starts again, even after a crash\n"
     "Keep Tape Between Sessions"},
    // Macros
    {cmd::MacroStartRecording, "Records the keys that follow into a macro button\nStart Recording"},
    {cmd::MacroStopRecording, "Stops recording the current macro\nStop Recording"},
    {cmd::MacroClearAll, "Erases the contents of all four macro buttons\nClear All Macros"},
    {cmd::MacroEdit, "Lists, changes and copies the keys held by the macros\nEdit Macros"},
    {cmd::MacroImport, "Loads a macro from a macro file\nImport Macro File"},
    {cmd::MacroExport, "Saves a macro to a macro file\nExport Macro File"},
    // Speech
    {cmd::SpeechAbout, "Shows the speech engine's own About box\nSpeech Engine About"},
    {cmd::SpeechGeneral, "Shows the speech engine's general settings\nSpeech Engine General"},
    {cmd::SpeechLexicon, "Shows the speech engine's pronunciation lexicon\nSpeech Engine Lexicon"},
    {cmd::SpeechTranslate, "Shows the speech engine's text translation settings\nSpeech Translate"},
    {cmd::ReadTape, "Reads the tape box aloud from the selected line on\nRead Tape"},
    {cmd::PauseReading, "Pauses reading aloud\nPause Reading"},
    {cmd::ResumeReading, "Resumes reading aloud where it paused\nResume Reading"},
    {cmd::StopReading, "Stops reading aloud\nStop Reading Tape"},
    {cmd::ReadClipboard, "Reads the text on the clipboard aloud\nRead Clipboard"},
    {cmd::DownloadSpeechEngine,
     "Opens a web page offering text-to-speech engines\nDownload a Speech Engine"},
    {cmd::SelectSpeechMode,
     "Chooses the speech engine and voice used for reading aloud\nSelect Speech Engine Mode"},
    // Help
    {cmd::HelpTopics, "Opens the VOR help pages in the web browser\nHelp Topics"},
    {cmd::Help, "Opens the VOR help pages in the web browser\nHelp"},
    {cmd::AppAbout, "Display program information, version number and copyright\nAbout"},
});

}  // namespace

std::string_view commandString(int commandId) {
    for (const auto& [id, text] : kStrings)
        if (id == commandId) return text;
    return {};
}

std::string commandPrompt(int commandId) {
    const std::string_view s = commandString(commandId);
    return std::string(s.substr(0, s.find('\n')));
}

std::string commandTip(int commandId) {
    const std::string_view s = commandString(commandId);
    const auto nl = s.find('\n');
    return nl == std::string_view::npos ? std::string() : std::string(s.substr(nl + 1));
}

}  // namespace vor
