// The Tax Rate setting: what the dialog and the profile take as a rate, and
// how a rate is written back.
#include <gtest/gtest.h>

#include <optional>

#include "shell/settings_store.h"

namespace vor {
namespace {

TEST(TaxRate, TakesPercentagesAndRefusesWhatIsNoRate) {
    struct Case {
        const char* text;
        bool european;
        std::optional<double> rate;
    };
    const Case cases[] = {
        {"8.25", false, 8.25},  {" 7 ", false, 7.0},     {"0", false, 0.0},   {"100", false, 100.0},
        {"8,875", true, 8.875}, {"8.875", false, 8.875}, {"-5", false, {}},   {"100.01", false, {}},
        {"", false, {}},        {"abc", false, {}},      {"8,25", false, {}}, {"1e3", false, {}},
        {"8.25%", false, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(readTaxRate(c.text, c.european), c.rate) << c.text;
}

TEST(TaxRate, WrittenTextReadsBackExactly) {
    for (const double rate : {0.0, 8.25, 8.875, 19.0, 100.0, 7.123456789}) {
        EXPECT_EQ(readTaxRate(taxRateText(rate)), rate) << taxRateText(rate);
    }
    EXPECT_EQ(taxRateText(19.0), "19");
}

}  // namespace
}  // namespace vor
