#include "shell/settings_store.h"

#include <array>

#include "core/command_ids.h"
#include "core/number_text.h"

namespace vor {
namespace {

constexpr const char* S = kSettingsSection;

const std::array<BoolSetting, 17> kBoolSettings{{
    {S, "Always On Top", &CSettings::alwaysOnTop, false, cmd::AlwaysOnTop},
    {S, "View Middle Keys", &CSettings::viewMiddleKeys, true, cmd::MiddleKeys},
    {S, "Show Clear All Warning", &CSettings::showClearAllWarning, true, cmd::ShowClearAllWarning},
    {S, "Give Positive And Negative Counts", &CSettings::givePosNegCounts, true, cmd::GiveCounts},
    {S, "Multiple Column Printing", &CSettings::multipleColumnPrinting, false,
     cmd::MultipleColumnPrinting},
    {S, "Read Immediate", &CSettings::readImmediate, false, cmd::ReadImmediate},
    {S, "Print Negative Values In Red", &CSettings::printNegativeInRed, true,
     cmd::PrintNegativeInRed},
    {S, "Auto Decimal", &CSettings::autoDecimal, false, cmd::AutoDecimalMode},
    {S, "European Mode", &CSettings::europeanMode, false, cmd::EuropeanMode},
    {S, "ReMap Keypad", &CSettings::remapKeypad, false, cmd::RemapKeypad},
    {S, "Receipt Printer Mode", &CSettings::receiptPrinterMode, false, cmd::ReceiptPrinterMode},
    {S, "Swap LEDs", &CSettings::swapLEDs, false, cmd::SwapLEDs},
    {S, "Auto Comment Subtotal", &CSettings::autoCommentSubtotal, false, cmd::AutoCommentSubtotal},
    {S, "Auto Copy Current Total To Clipboard", &CSettings::autoCopyTotal, false,
     cmd::AutoCopyTotal},
    {kCommentsSection, "Auto Append", &CSettings::autoAppend, true, cmd::AutoAppendComments},
    {S, "Prompt To Save On Exit", &CSettings::promptToSaveOnExit, true, cmd::PromptToSave},
    {S, "Keep Tape Between Sessions", &CSettings::keepTapeBetweenSessions, true,
     cmd::KeepTapeBetweenSessions},
}};

int inRangeOr(int value, int low, int high, int def) {
    return value >= low && value <= high ? value : def;
}

}  // namespace

std::span<const BoolSetting> boolSettings() {
    return kBoolSettings;
}

const BoolSetting* boolSettingForCommand(int commandId) {
    for (const auto& s : kBoolSettings)
        if (s.commandId == commandId) return &s;
    return nullptr;
}

const BoolSetting* boolSettingNamed(const std::string& name) {
    for (const auto& s : kBoolSettings)
        if (name == s.name) return &s;
    return nullptr;
}

const char* sectionOfSetting(const std::string& name) {
    if (const BoolSetting* s = boolSettingNamed(name)) return s->section;
    for (const char* n : {"Multi Column Font Point Size", "Decimal Precision", "Rounding Method"})
        if (name == n) return S;
    return nullptr;
}

CSettings readViewSettings(ProfilePort& profile) {
    CSettings settings;
    settings.multiColumnFontPointSize =
        inRangeOr(profile.getInt(S, "Multi Column Font Point Size", 6), 4, 7, 6);
    for (const auto& s : kBoolSettings)
        settings.*s.member = profile.getInt(s.section, s.name, s.def ? 1 : 0) != 0;
    return settings;
}

DocumentDefaults readDocumentDefaults(ProfilePort& profile) {
    DocumentDefaults d;
    // A value no button stands for would make every figure fail to format
    // (one message box per figure): a damaged profile gives the default.
    const int precision = profile.getInt(S, "Decimal Precision", 2);
    d.precision =
        (precision == kFormatFloating || (precision >= 0 && precision <= 5)) ? precision : 2;
    d.rounding = inRangeOr(profile.getInt(S, "Rounding Method", 12), kRoundUp, kRoundDown, 12);
    d.autoDecimal = profile.getInt(S, "Auto Decimal", 0) != 0;
    return d;
}

void writeBool(ProfilePort& profile, const BoolSetting& setting, bool value) {
    profile.writeInt(setting.section, setting.name, value ? 1 : 0);
}

}  // namespace vor
