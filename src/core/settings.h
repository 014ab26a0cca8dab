#pragma once

namespace vor {

// The preferences the form view holds as plain values. The shell reads them
// from the profile once and writes each change back at once; the calculator
// only ever reads these members.
struct CSettings {
    int multiColumnFontPointSize = 6;  // "Multi Column Font Point Size"
    bool alwaysOnTop = false;          // "Always On Top"
    bool viewMiddleKeys = true;        // "View Middle Keys"
    bool showClearAllWarning = true;   // "Show Clear All Warning"
    bool givePosNegCounts = true;      // "Give Positive And Negative Counts"
    bool multipleColumnPrinting = false;
    bool readImmediate = false;
    bool printNegativeInRed = true;
    bool autoDecimal = false;
    bool europeanMode = false;
    bool remapKeypad = false;
    bool receiptPrinterMode = false;
    bool swapLEDs = false;
    bool autoCommentSubtotal = false;
    bool autoCopyTotal = false;  // "Auto Copy Current Total To Clipboard"
    bool autoAppend = true;      // section "Comments"
    bool promptToSaveOnExit = true;
    bool keepTapeBetweenSessions = true;  // the window's tape survives a restart
    double taxRate = 0.0;                 // "Tax Rate", a percentage
};

}  // namespace vor
