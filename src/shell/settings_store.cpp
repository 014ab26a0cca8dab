#include "shell/settings_store.h"

#include <array>

#include "core/command_ids.h"
#include "core/number_text.h"

namespace vor {
namespace {

constexpr const char* S = kSettingsSection;

const std::array<BoolSetting, 17> kBoolSettings{{
    {S, "Always On Top", &CSettings::alwaysOnTop, cmd::AlwaysOnTop},
    {S, "View Middle Keys", &CSettings::viewMiddleKeys, cmd::MiddleKeys},
    {S, "Show Clear All Warning", &CSettings::showClearAllWarning, cmd::ShowClearAllWarning},
    {S, "Give Positive And Negative Counts", &CSettings::givePosNegCounts, cmd::GiveCounts},
    {S, "Multiple Column Printing", &CSettings::multipleColumnPrinting,
     cmd::MultipleColumnPrinting},
    {S, "Read Immediate", &CSettings::readImmediate, cmd::ReadImmediate},
    {S, "Print Negative Values In Red", &CSettings::printNegativeInRed, cmd::PrintNegativeInRed},
    {S, "Auto Decimal", &CSettings::autoDecimal, cmd::AutoDecimalMode},
    {S, "European Mode", &CSettings::europeanMode, cmd::EuropeanMode},
    {S, "ReMap Keypad", &CSettings::remapKeypad, cmd::RemapKeypad},
    {S, "Receipt Printer Mode", &CSettings::receiptPrinterMode, cmd::ReceiptPrinterMode},
    {S, "Swap LEDs", &CSettings::swapLEDs, cmd::SwapLEDs},
    {S, "Auto Comment Subtotal", &CSettings::autoCommentSubtotal, cmd::AutoCommentSubtotal},
    {S, "Auto Copy Current Total To Clipboard", &CSettings::autoCopyTotal, cmd::AutoCopyTotal},
    {kCommentsSection, "Auto Append", &CSettings::autoAppend, cmd::AutoAppendComments},
    {S, "Prompt To Save On Exit", &CSettings::promptToSaveOnExit, cmd::PromptToSave},
    {S, "Keep Tape Between Sessions", &CSettings::keepTapeBetweenSessions,
     cmd::KeepTapeBetweenSessions},
}};

// Every default is the one CSettings and DocumentDefaults start with.
constexpr CSettings kDefaultSettings{};

bool defaultOf(const BoolSetting& setting) {
    return kDefaultSettings.*setting.member;
}

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
    for (const char* n :
         {"Multi Column Font Point Size", "Decimal Precision", "Rounding Method", kTaxRateName})
        if (name == n) return S;
    return nullptr;
}

CSettings readViewSettings(ProfilePort& profile) {
    CSettings settings;
    const int fontSize = kDefaultSettings.multiColumnFontPointSize;
    settings.multiColumnFontPointSize =
        inRangeOr(profile.getInt(S, "Multi Column Font Point Size", fontSize), 4, 7, fontSize);
    for (const auto& s : kBoolSettings)
        settings.*s.member = profile.getInt(s.section, s.name, defaultOf(s) ? 1 : 0) != 0;
    // A stored rate that is no rate (damaged, or typed into the file by
    // hand) gives no tax rather than a wrong one.
    settings.taxRate = readTaxRate(profile.getString(S, kTaxRateName, "0")).value_or(0.0);
    return settings;
}

DocumentDefaults readDocumentDefaults(ProfilePort& profile) {
    const DocumentDefaults def;
    DocumentDefaults d;
    // A value no button stands for would make every figure fail to format
    // (one message box per figure): a damaged profile gives the default.
    const int precision = profile.getInt(S, "Decimal Precision", def.precision);
    d.precision = (precision == kFormatFloating || (precision >= 0 && precision <= 5))
                      ? precision
                      : def.precision;
    d.rounding = inRangeOr(profile.getInt(S, "Rounding Method", def.rounding), kRoundUp, kRoundDown,
                           def.rounding);
    d.autoDecimal = profile.getInt(S, "Auto Decimal", def.autoDecimal ? 1 : 0) != 0;
    return d;
}

void writeBool(ProfilePort& profile, const BoolSetting& setting, bool value) {
    profile.writeInt(setting.section, setting.name, value ? 1 : 0);
}

}  // namespace vor
