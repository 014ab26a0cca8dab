#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/ports.h"
#include "core/settings.h"
#include "core/tax_rate.h"

namespace vor {

inline constexpr const char* kSettingsSection = "Settings";
inline constexpr const char* kCommentsSection = "Comments";

// One boolean preference: where it lives in the profile, the member that
// holds it (whose initial value in CSettings is its default), and the menu
// command that toggles it.
struct BoolSetting {
    const char* section;
    const char* name;
    bool CSettings::*member;
    int commandId;
};

// The boolean preferences in the order the form reads them (the font size,
// an integer, is read first of all).
std::span<const BoolSetting> boolSettings();
const BoolSetting* boolSettingForCommand(int commandId);
const BoolSetting* boolSettingNamed(const std::string& name);

// Reads the 18 view values, in order. Any non-zero stored value counts as on.
CSettings readViewSettings(ProfilePort& profile);

// The document's values for a new tape; what each starts at here is what a
// profile without it (or with a value no button stands for) gives.
struct DocumentDefaults {
    int precision = 2;
    int rounding = 12;
    bool autoDecimal = CSettings{}.autoDecimal;
};
DocumentDefaults readDocumentDefaults(ProfilePort& profile);

// The profile section of a setting the user may name ("Decimal Precision",
// "European Mode", ...); nullptr when no setting has that name.
const char* sectionOfSetting(const std::string& name);

// The Tax Rate setting, stored as its text ("8.25").
inline constexpr const char* kTaxRateName = "Tax Rate";

void writeBool(ProfilePort& profile, const BoolSetting& setting, bool value);

}  // namespace vor
