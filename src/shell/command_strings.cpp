#include "shell/command_strings.h"

#include <array>
#include <utility>

#include "core/command_ids.h"
#include "core/tr_noop.h"

namespace vor {
namespace {

using Entry = std::pair<int, std::string_view>;

// Keep the framework's wording for the standard commands; the rest say what
// the command does to the tape, the macros or the settings.
constexpr auto kStrings = std::to_array<Entry>({
    // File
    {cmd::FileNew, VOR_TR_NOOP("vorlex", "Create a new document\nNew")},
    {cmd::FileOpen, VOR_TR_NOOP("vorlex", "Open an existing document\nOpen")},
    {cmd::FileSave, VOR_TR_NOOP("vorlex", "Save the active document\nSave")},
    {cmd::FileSaveAs, VOR_TR_NOOP("vorlex", "Save the active document with a new name\nSave As")},
    {cmd::FilePrintSetup,
     VOR_TR_NOOP("vorlex", "Change the printer and printing options\nPrint Setup")},
    {cmd::FilePrint, VOR_TR_NOOP("vorlex", "Print the active document\nPrint")},
    {cmd::FilePrintPreview, VOR_TR_NOOP("vorlex", "Display full pages\nPrint Preview")},
    {cmd::FileSend,
     VOR_TR_NOOP("vorlex", "Send the active document through electronic mail\nSend Mail")},
    {cmd::FileMru1, VOR_TR_NOOP("vorlex", "Open this document")},
    {cmd::FileMru2, VOR_TR_NOOP("vorlex", "Open this document")},
    {cmd::FileMru3, VOR_TR_NOOP("vorlex", "Open this document")},
    {cmd::FileMru4, VOR_TR_NOOP("vorlex", "Open this document")},
    {cmd::AppExit, VOR_TR_NOOP("vorlex", "Quit the application; prompts to save documents\nExit")},
    {cmd::ExportTape,
     VOR_TR_NOOP(
         "vorlex",
         "Writes the tape to a CSV file for a spreadsheet, or to a text file\nExport Tape")},
    // Edit
    {cmd::UndoLastLine, VOR_TR_NOOP("vorlex",
                                    "Removes the last line of the tape box and restores the totals "
                                    "before it\nUndo Last Line")},
    {cmd::CopySheet,
     VOR_TR_NOOP("vorlex",
                 "Copies the tape box to the clipboard as spreadsheet rows with formulas\n"
                 "Copy to Clipboard (SS Format)")},
    {cmd::CopyText,
     VOR_TR_NOOP("vorlex",
                 "Copies the tape box to the clipboard as plain text for a word processor\n"
                 "Copy to Clipboard (WP Format)")},
    {cmd::EditTapeEntry,
     VOR_TR_NOOP("vorlex",
                 "Changes the value, key or comment of the currently selected tape box line\n"
                 "Edit Tape Box Entry")},
    {cmd::EditComment,
     VOR_TR_NOOP(
         "vorlex",
         "Adds or edits the comment of the currently selected tape box line\nEdit Comment")},
    {cmd::DeleteLine,
     VOR_TR_NOOP("vorlex", "Deletes the currently selected tape box line\nDelete Line")},
    {cmd::DeleteLines,
     VOR_TR_NOOP(
         "vorlex",
         "Deletes all tape box lines starting at the last one and working back to currently "
         "selected line\nDelete Lines")},
    {cmd::InsertCommentLine,
     VOR_TR_NOOP("vorlex",
                 "Inserts a blank comment line above the currently selected tape box line\n"
                 "Insert Blank Comment Line")},
    {cmd::EditPaste,
     VOR_TR_NOOP(
         "vorlex",
         "Adds every number on the clipboard to the tape, as if typed with +\nPaste Numbers")},
    {cmd::FindInTape,
     VOR_TR_NOOP("vorlex", "Finds a tape box line by its figure, key or comment\nFind in Tape")},
    {cmd::FindNext, VOR_TR_NOOP("vorlex", "Selects the next line that matches\nFind Next")},
    {cmd::FindPrevious,
     VOR_TR_NOOP("vorlex", "Selects the previous line that matches\nFind Previous")},
    {cmd::TapeBack,
     VOR_TR_NOOP("vorlex",
                 "Takes the tape back over its last change: lines, totals and LEDs as they were\n"
                 "Step Back")},
    {cmd::TapeForward,
     VOR_TR_NOOP("vorlex", "Does the change stepped back over again\nStep Forward")},
    // View
    {cmd::ViewStatusBar, VOR_TR_NOOP("vorlex", "Show or hide the status bar\nToggle StatusBar")},
    {cmd::RecalculateNow,
     VOR_TR_NOOP(
         "vorlex",
         "Recalculates every line of the tape box with the current settings\nRecalculate Now")},
    {cmd::AlwaysOnTop,
     VOR_TR_NOOP("vorlex", "Keeps the VOR window in front of all other windows\nAlways on Top")},
    {cmd::MiddleKeys,
     VOR_TR_NOOP("vorlex",
                 "Shows or hides the keypad and the precision and rounding buttons\nMiddle Keys")},
    {cmd::SwapLEDs,
     VOR_TR_NOOP("vorlex", "Exchanges the places of the Main LED and the Memory LED\nSwap LEDs")},
    // Settings
    {cmd::FontSize4, VOR_TR_NOOP("vorlex", "Prints multiple columns with a 4 point font\n4 Point")},
    {cmd::FontSize5, VOR_TR_NOOP("vorlex", "Prints multiple columns with a 5 point font\n5 Point")},
    {cmd::FontSize6, VOR_TR_NOOP("vorlex", "Prints multiple columns with a 6 point font\n6 Point")},
    {cmd::FontSize7, VOR_TR_NOOP("vorlex", "Prints multiple columns with a 7 point font\n7 Point")},
    {cmd::ShowClearAllWarning,
     VOR_TR_NOOP(
         "vorlex",
         "Asks before the CA button clears the memory and the tape box\nShow Clear All Warning")},
    {cmd::GiveCounts,
     VOR_TR_NOOP(
         "vorlex",
         "Comments each total with its count of positive and negative items\nGive Pos/Neg Counts")},
    {cmd::MultipleColumnPrinting,
     VOR_TR_NOOP("vorlex", "Prints the tape in two columns per page\nMultiple Column Printing")},
    {cmd::ReadImmediate,
     VOR_TR_NOOP("vorlex",
                 "Reads each new tape box line aloud as it is added\nImmediate Read Mode")},
    {cmd::PrintNegativeInRed,
     VOR_TR_NOOP(
         "vorlex",
         "Prints negative values in red on a colour printer\nPrint Negative Values in Red")},
    {cmd::AutoDecimalMode,
     VOR_TR_NOOP("vorlex",
                 "Places the decimal point two digits from the right of every number keyed\n"
                 "Auto Decimal Mode")},
    {cmd::EuropeanMode,
     VOR_TR_NOOP(
         "vorlex",
         "Shows numbers with a decimal comma and point thousands separators\nEuropean Mode")},
    {cmd::RemapKeypad,
     VOR_TR_NOOP("vorlex", "Remap keypad: enter=plus, plus=minus, minus=total\nReMap Keypad")},
    {cmd::ReceiptPrinterMode,
     VOR_TR_NOOP(
         "vorlex",
         "Prints the tape as one continuous strip for a receipt printer\nReceipt Printer Mode")},
    {cmd::AutoCommentSubtotal,
     VOR_TR_NOOP("vorlex",
                 "Comments every line with the current subtotal\nAuto Comment Current Subtotal")},
    {cmd::AutoCopyTotal,
     VOR_TR_NOOP("vorlex",
                 "Copies the running total to the clipboard after every new line\n"
                 "Auto Copy Current Total To Clipboard")},
    {cmd::AutoAppendComments,
     VOR_TR_NOOP("vorlex",
                 "Adds a comment to the end of an existing one instead of replacing it\n"
                 "Auto Append Comments")},
    {cmd::PromptToSave,
     VOR_TR_NOOP("vorlex",
                 "Asks to save a modified tape before it is closed\nPrompt To Save On Exit")},
    {cmd::TaxRate, VOR_TR_NOOP("vorlex",
                               "Sets the rate, in percent, at which TAX+ and TAX- figure the tax\n"
                               "Tax Rate")},
    {cmd::KeepTapeBetweenSessions,
     VOR_TR_NOOP("vorlex",
                 "Brings the tape back as it was when VOR starts again, even after a crash\n"
                 "Keep Tape Between Sessions")},
    // Macros
    {cmd::MacroStartRecording,
     VOR_TR_NOOP("vorlex", "Records the keys that follow into a macro button\nStart Recording")},
    {cmd::MacroStopRecording,
     VOR_TR_NOOP("vorlex", "Stops recording the current macro\nStop Recording")},
    {cmd::MacroClearAll,
     VOR_TR_NOOP("vorlex", "Erases the contents of all four macro buttons\nClear All Macros")},
    {cmd::MacroEdit,
     VOR_TR_NOOP("vorlex", "Lists, changes and copies the keys held by the macros\nEdit Macros")},
    {cmd::MacroImport, VOR_TR_NOOP("vorlex", "Loads a macro from a macro file\nImport Macro File")},
    {cmd::MacroExport, VOR_TR_NOOP("vorlex", "Saves a macro to a macro file\nExport Macro File")},
    // Speech
    {cmd::SpeechAbout,
     VOR_TR_NOOP("vorlex", "Shows the speech engine's own About box\nSpeech Engine About")},
    {cmd::SpeechGeneral,
     VOR_TR_NOOP("vorlex", "Shows the speech engine's general settings\nSpeech Engine General")},
    {cmd::SpeechLexicon,
     VOR_TR_NOOP("vorlex",
                 "Shows the speech engine's pronunciation lexicon\nSpeech Engine Lexicon")},
    {cmd::SpeechTranslate,
     VOR_TR_NOOP("vorlex",
                 "Shows the speech engine's text translation settings\nSpeech Translate")},
    {cmd::ReadTape,
     VOR_TR_NOOP("vorlex", "Reads the tape box aloud from the selected line on\nRead Tape")},
    {cmd::PauseReading, VOR_TR_NOOP("vorlex", "Pauses reading aloud\nPause Reading")},
    {cmd::ResumeReading,
     VOR_TR_NOOP("vorlex", "Resumes reading aloud where it paused\nResume Reading")},
    {cmd::StopReading, VOR_TR_NOOP("vorlex", "Stops reading aloud\nStop Reading Tape")},
    {cmd::ReadClipboard,
     VOR_TR_NOOP("vorlex", "Reads the text on the clipboard aloud\nRead Clipboard")},
    {cmd::DownloadSpeechEngine,
     VOR_TR_NOOP("vorlex",
                 "Opens a web page offering text-to-speech engines\nDownload a Speech Engine")},
    {cmd::SelectSpeechMode,
     VOR_TR_NOOP(
         "vorlex",
         "Chooses the speech engine and voice used for reading aloud\nSelect Speech Engine Mode")},
    // Help
    {cmd::HelpTopics,
     VOR_TR_NOOP("vorlex", "Opens the VOR help pages in the web browser\nHelp Topics")},
    {cmd::Help, VOR_TR_NOOP("vorlex", "Opens the VOR help pages in the web browser\nHelp")},
    {cmd::AppAbout,
     VOR_TR_NOOP("vorlex", "Display program information, version number and copyright\nAbout")},
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
