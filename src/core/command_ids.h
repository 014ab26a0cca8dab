#pragma once

// Command ids shared by the keypad, the keyboard table, macros, macro files
// and the tape (`m_keyId`). They are stored data: never renumber them.
namespace vor::cmd {

// Keypad keys.
inline constexpr int Clear = 1001;
inline constexpr int MainLED = 1002;
inline constexpr int MemoryLED = 1003;
inline constexpr int RoundUp = 1004;
inline constexpr int Digit5 = 1005;
inline constexpr int Digit1 = 1006;
inline constexpr int Digit6 = 1007;
inline constexpr int Digit7 = 1008;
inline constexpr int Digit8 = 1009;
inline constexpr int Multiply = 1010;
inline constexpr int Digit0 = 1011;
inline constexpr int MemoryRecall = 1012;
inline constexpr int HiddenMemoryRecall = 1013;
inline constexpr int ClearAll = 1014;
inline constexpr int Minus = 1015;
inline constexpr int Plus = 1016;
inline constexpr int Digit9 = 1017;
inline constexpr int Equals = 1018;
inline constexpr int DecimalPoint = 1019;
inline constexpr int Divide = 1020;
inline constexpr int Percent = 1021;
inline constexpr int Digit2 = 1022;
inline constexpr int DoubleZero = 1023;
inline constexpr int Total = 1025;
inline constexpr int SubTotal = 1026;
inline constexpr int Pound = 1027;
inline constexpr int DeleteKey = 1028;
inline constexpr int RightShift = 1029;
inline constexpr int MarkUpDown = 1030;
inline constexpr int MemoryTotal = 1031;
inline constexpr int MemorySubTotal = 1032;
inline constexpr int MemoryMinusEquals = 1033;
inline constexpr int Digit3 = 1044;
inline constexpr int Digit4 = 1045;
inline constexpr int RoundOff = 1046;
inline constexpr int RoundDown = 1047;
inline constexpr int Negate = 1048;
inline constexpr int UpShift = 1052;
inline constexpr int SelectPrevious = 1053;
inline constexpr int TapeBox = 1054;
inline constexpr int SelectNext = 1067;
inline constexpr int PrecisionF = 1069;
inline constexpr int Precision0 = 1070;
inline constexpr int Precision1 = 1071;
inline constexpr int Precision2 = 1072;
inline constexpr int Precision3 = 1073;
inline constexpr int Precision5 = 1074;
inline constexpr int Precision4 = 1075;
inline constexpr int MemoryPlusEquals = 1043;
inline constexpr int Macro0 = 1098;
inline constexpr int Macro1 = 1099;
inline constexpr int Macro2 = 1100;
inline constexpr int Macro3 = 1101;
inline constexpr int Variable = 1111;
inline constexpr int QuickRecord = 1112;
inline constexpr int GroupBox = 1116;
inline constexpr int SelectFirst = 1119;
inline constexpr int SelectLast = 1120;
inline constexpr int AutoDecimalCheck = 1144;
// The tax keys and the grand total key.
inline constexpr int TaxPlus = 1160;
inline constexpr int TaxMinus = 1161;
inline constexpr int GrandTotal = 1162;

// The digit keys, indexed by their digit.
inline constexpr int kDigitKeys[10] = {Digit0, Digit1, Digit2, Digit3, Digit4,
                                       Digit5, Digit6, Digit7, Digit8, Digit9};

// Key id of a blank comment line on the tape.
inline constexpr int CommentLine = 16;

// Keyboard-only commands (press an on-screen key, then run its handler).
inline constexpr int KbDigit0 = 1024;
// 1034..1042 are digits 1..9.
inline constexpr int KbDigit1 = 1034;
inline constexpr int KbDigit2 = 1035;
inline constexpr int KbDigit3 = 1036;
inline constexpr int KbDigit4 = 1037;
inline constexpr int KbDigit5 = 1038;
inline constexpr int KbDigit6 = 1039;
inline constexpr int KbDigit7 = 1040;
inline constexpr int KbDigit8 = 1041;
inline constexpr int KbDigit9 = 1042;
inline constexpr int KbClearAll = 1049;
inline constexpr int KbVariable = 1050;
inline constexpr int KbQuickRecord = 1051;
inline constexpr int KbDoubleZero = 1055;
inline constexpr int KbMemoryMinusEquals = 1056;
inline constexpr int KbMemorySubTotal = 1057;
inline constexpr int KbMarkUpDown = 1058;
inline constexpr int KbMemoryTotal = 1059;
inline constexpr int KbPound = 1060;
inline constexpr int KbTotal = 1061;
inline constexpr int KbSubTotal = 1062;
inline constexpr int KbDelete = 1063;
inline constexpr int KbRightShift = 1064;
inline constexpr int KbPlus = 1065;
inline constexpr int KbMinus = 1066;
inline constexpr int KbMemoryPlusEquals = 1068;
inline constexpr int KbNegate = 1076;
inline constexpr int KbDecimalPoint = 1082;
inline constexpr int KbClear = 1083;
inline constexpr int KbPercent = 1084;
inline constexpr int KbDivide = 1085;
inline constexpr int KbMultiply = 1086;
inline constexpr int KbEquals = 1087;
inline constexpr int KbTotalReturn = 1088;
// 1094..1097 are M0..M3.
inline constexpr int KbMacro0 = 1094;
inline constexpr int KbMacro1 = 1095;
inline constexpr int KbMacro2 = 1096;
inline constexpr int KbMacro3 = 1097;
inline constexpr int NoHandlerDelete = 1124;
inline constexpr int RemapKeypadPlus = 1147;
inline constexpr int RemapKeypadMinus = 1148;
inline constexpr int RemapEnter = 1149;
inline constexpr int KbUpShift = 32782;
inline constexpr int KbTaxPlus = 1163;
inline constexpr int KbTaxMinus = 1164;
inline constexpr int KbGrandTotal = 1165;

// Menu commands.
inline constexpr int EditTapeEntry = 32787;
inline constexpr int DeleteLine = 32790;
inline constexpr int DeleteLines = 32791;
inline constexpr int MacroStartRecording = 32792;
inline constexpr int MacroStopRecording = 32793;
inline constexpr int MacroClearAll = 32796;
inline constexpr int MacroEdit = 32797;
inline constexpr int MacroImport = 32798;
inline constexpr int MacroExport = 32799;
inline constexpr int EditComment = 32810;
inline constexpr int InsertCommentLine = 32811;
inline constexpr int RecalculateNow = 32812;
inline constexpr int AutoAppendComments = 32814;
inline constexpr int AlwaysOnTop = 32815;
inline constexpr int CopyText = 32816;
inline constexpr int AutoDecimalMode = 32817;
inline constexpr int SpeechAbout = 32823;
inline constexpr int SpeechGeneral = 32824;
inline constexpr int SpeechLexicon = 32825;
inline constexpr int SpeechTranslate = 32826;
inline constexpr int ReadTape = 32828;
inline constexpr int DownloadSpeechEngine = 32831;
inline constexpr int ReadClipboard = 32833;
inline constexpr int PauseReading = 32834;
inline constexpr int ResumeReading = 32835;
inline constexpr int SelectSpeechMode = 32836;
inline constexpr int StopReading = 32837;
inline constexpr int MiddleKeys = 32838;
inline constexpr int ReadImmediate = 32839;
inline constexpr int PromptToSave = 32840;
inline constexpr int MultipleColumnPrinting = 32841;
inline constexpr int GiveCounts = 32842;
inline constexpr int ShowClearAllWarning = 32843;
inline constexpr int HelpTopics = 32846;
// 32847..32850 are sizes 4..7.
inline constexpr int FontSize4 = 32847;
inline constexpr int FontSize5 = 32848;
inline constexpr int FontSize6 = 32849;
inline constexpr int FontSize7 = 32850;
inline constexpr int EuropeanMode = 32853;
inline constexpr int RemapKeypad = 32854;
inline constexpr int AutoCommentSubtotal = 32855;
inline constexpr int PrintNegativeInRed = 32856;
inline constexpr int AutoCopyTotal = 32857;
inline constexpr int SwapLEDs = 32860;
inline constexpr int ReceiptPrinterMode = 32861;
// Commands of this program's own, beyond the classic set.
inline constexpr int KeepTapeBetweenSessions = 32870;
inline constexpr int ExportTape = 32871;
inline constexpr int FindInTape = 32872;
inline constexpr int FindNext = 32873;
inline constexpr int FindPrevious = 32874;
// The tape's history: a step back over the last change, a step forward.
inline constexpr int TapeBack = 32880;
inline constexpr int TapeForward = 32881;
inline constexpr int TaxRate = 32882;

inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintPreview = 57609;
inline constexpr int FileSend = 57612;
// 57616..57619 are the recent files, most recent first.
inline constexpr int FileMru1 = 57616;
inline constexpr int FileMru2 = 57617;
inline constexpr int FileMru3 = 57618;
inline constexpr int FileMru4 = 57619;
inline constexpr int CopySheet = 57634;
inline constexpr int EditCut = 57635;
inline constexpr int EditPaste = 57637;
inline constexpr int UndoLastLine = 57643;
inline constexpr int AppAbout = 57664;
inline constexpr int AppExit = 57665;
inline constexpr int ContextHelp = 57669;
inline constexpr int Help = 57670;
inline constexpr int PrevPane = 57681;
inline constexpr int ViewStatusBar = 59393;

}  // namespace vor::cmd
