// The spreadsheet export pasted into a real spreadsheet: LibreOffice Calc
// imports each export as pasted at A1, evaluates it, and writes the computed
// cells back out; column A must show the tape's value on every row.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>

#include "clipboard/sheet_export.h"
#include "core/number_text.h"
#include "soffice.h"
#include "test_support.h"

namespace vor::test {
namespace {

namespace fs = std::filesystem;

// Language 1033 reads "1,234.5" as a number; the last option evaluates the
// formulas instead of keeping them as text.
constexpr const char* kImportFilter =
    "Text - txt - csv (StarCalc):9,34,76,1,,1033,false,false,false,false,false,-1,true";
// One soffice run stops converting, without a word, after some 245 files.
constexpr std::size_t kFilesPerRun = 100;

struct SheetTape {
    SheetTape(std::string k, int p = 2, int r = 12)
        : keys(std::move(k)), precision(p), rounding(r) {}
    std::string keys;
    int precision;
    int rounding;
    CSettings settings;
    // Lines whose cell must compute its value from the cells above: large
    // results the LEDs round, which no spreadsheet rounds otherwise.
    std::vector<int> formulaLines;
};

// What a row of column A must show: the tape's value at the tape's precision.
struct ExpectedRow {
    bool numeric = false;  // false: the tape shows text (<clear>, a blank line)
    bool formula = false;  // must refer to other cells
    double value = 0.0;
    std::string cellText;  // as exported
};

struct Converted {
    std::string name;
    SheetTape tape;
    std::vector<ExpectedRow> rows;
};

// A cell the spreadsheet computed comes back as a plain decimal number.
bool parseNumber(const std::string& text, double& value) {
    if (text.empty()) return false;
    std::size_t used = 0;
    try {
        value = std::stod(text, &used);
    } catch (const std::exception&) {
        return false;
    }
    return used == text.size();
}

// The tapes every class of line is made of, as keyed.
std::vector<SheetTape> fixedTapes() {
    std::vector<SheetTape> tapes;
    for (const char* keys :
         {// Worked tapes.
          "10 + 20 + Ttl", "10 + 20 + Sub 5 + Ttl 7 + Ttl", "5 X 3 =", "12 X 3 + 5 + + Ttl",
          "200 + 15 % +", "200 + 15 % X 2 =", "7 M+= 3 M+= MR + MST MT", "80 X 20 MUD",
          "110 / 10 MUD", "5 + 6 + C 7 + Ttl",
          // Fourteen classes where a formula would compute something else.
          "Ttl", "MR +", "5 + Neg +", "5 + 3 + Sub +", "80 X 20 MUD +", "1000 + 0.005 % +",
          "200 + 15 % Neg +", "7 M+= MR Neg +", "15 % +", "5 + C 15 % +", "5 X 3 Ttl 2 +",
          "7 M+= MT 2 X 3 =", "0 / 0 =", "0 / 0 / 5 =", "80 X 20 % MUD", "80 X 7 M+= MR MUD",
          "123456789012.4 + 123456789012.4 + Ttl", "1 / 3 M+= MR X 3000000 =",
          "1000000000000.5 + 999999999999 - Ttl", "5 X C", "5 X C 3 + Ttl",
          // Neighbours of those classes.
          "200 + 15 % Sub +", "7 M+= MR Sub +", "80 X 20 % Neg MUD", "1 / 3 M+= 1 / 3 M+= MST",
          "2 / 3 M+= 2 / 3 M+= MR X 1000000 =", "7 M+= MT Ttl 2 X 3 X 4 =", "7 M+= MT 2 / 4 =",
          "2 X 3 = Sub +", "33.33 + 15 % + 1.5 % X 1000000 =", "100 / 7 MUD",
          "100 X 33.3 MUD + Ttl", "5 + 3 - - Sub 2 M-= M-= MR + MT",
          "999999999999 M+= 2 M+= MST MR +", "0.1 + 0.2 + 0.3 - Ttl", "1.5 X 0.35 = 2.675 + Ttl"}) {
        tapes.push_back({keys});
    }
    SheetTape largePercent{"7451.64 + 582948.3757 % + Ttl"};
    largePercent.formulaLines = {1, 2};
    tapes.push_back(largePercent);
    SheetTape largeMemory{"0.42 M-= 397560549642 M+= MST"};
    largeMemory.formulaLines = {2};
    tapes.push_back(largeMemory);
    // Jump points: a total and a memory total past 160 characters.
    std::string longTotal;
    std::string longMemory;
    for (int i = 1; i <= 45; ++i) {
        longTotal += std::to_string(i) + ".25 + ";
        longMemory += std::to_string(i) + ".5 M+= ";
    }
    tapes.push_back({longTotal + "Sub 3 + " + longTotal + "Ttl"});
    tapes.push_back({longMemory + "MST " + longMemory + "MR + MT"});
    tapes.push_back({longTotal + "200 X 15 % + 12 X 3 = " + longTotal + "Ttl"});
    // Other precisions, rounding methods and number styles.
    tapes.push_back({"1.2345 + 2.0005 + 1 / 3 + Ttl", 99});
    tapes.push_back({"1.2345 + 2.0005 + 1 / 3 + Ttl", 0});
    tapes.push_back({"1.2345 + 2.0005 + 1 / 3 + Ttl", 5, 11});
    tapes.push_back({"1.2345 + 2.0005 + 1 / 3 + Ttl", 3, 13});
    SheetTape european{"1234.5 + 15 % + 2 X 3 M+= MR + Ttl"};
    european.settings.europeanMode = true;
    tapes.push_back(european);
    // The tax keys on a typed amount, a running total, a product and a
    // percentage; the grand total as an entry and as an operand.
    for (const char* keys : {"100 TAX+ + 108.25 TAX- + Ttl GT", "20 + 5 + TAX+ + Ttl",
                             "3 X 11 TAX+ 40 + Ttl 2 X GT = GT + Ttl", "200 + 15 % TAX- +",
                             "7 M+= MR TAX+ + 10 + Ttl 5 + Ttl GT + C GT"}) {
        SheetTape tax{keys};
        tax.settings.taxRate = 8.875;
        tapes.push_back(tax);
    }
    SheetTape autoComment{"100 + 15 % + MR + 50 - Sub Ttl"};
    autoComment.settings.autoCommentSubtotal = true;
    tapes.push_back(autoComment);
    return tapes;
}

// Random key sequences: numbers of every size and the keys in a mix that
// reaches every kind of line, often in orders a careful user avoids.
std::vector<SheetTape> randomTapes(int count, unsigned seed) {
    static const char* const kOps[] = {"+",  "+",   "+",   "-",   "X",   "/",   "=",  "%",
                                       "%",  "Ttl", "Sub", "M+=", "M-=", "MST", "MT", "MR",
                                       "MR", "MUD", "Neg", "C",   "<-",  "+",   "X",  "="};
    static const int kPrecisions[] = {2, 2, 2, 0, 1, 3, 4, 5, 99, 99};
    std::mt19937 rng(seed);
    auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    std::vector<SheetTape> tapes;
    for (int t = 0; t < count; ++t) {
        SheetTape tape{""};
        tape.precision = kPrecisions[pick(10)];
        tape.rounding = pick(6) == 0 ? 11 + pick(3) : 12;
        tape.settings.europeanMode = pick(10) == 0;
        if (pick(10) == 0) {
            tape.settings.autoDecimal = true;
            tape.precision = 2;  // Auto Decimal keeps two decimals
        }
        const int keys = 6 + pick(40);
        for (int k = 0; k < keys; ++k) {
            if (pick(3) != 0) {
                const int size = pick(20);
                long long whole = size == 0   ? 0
                                  : size == 1 ? 1000000000LL + pick(1000000000)
                                  : size < 4  ? pick(100000)
                                              : pick(1000);
                std::string number = std::to_string(whole);
                const int decimals = pick(5) == 0 ? 0 : pick(4);
                if (decimals > 0) {
                    number += '.';
                    for (int d = 0; d < decimals; ++d) number += static_cast<char>('0' + pick(10));
                }
                tape.keys += number + ' ';
            }
            tape.keys += kOps[pick(static_cast<int>(std::size(kOps)))];
            tape.keys += ' ';
        }
        tapes.push_back(tape);
    }
    return tapes;
}

// Memory sums of eight to twelve integer digits, which the LEDs round to
// fewer decimals than the sum has.
std::vector<SheetTape> roundedTapes(int count, unsigned seed) {
    std::mt19937_64 rng(seed);
    std::vector<SheetTape> tapes;
    for (int t = 0; t < count; ++t) {
        // A last digit 5 (or 0.50) would make a true tie, which only the
        // tape's own value settles.
        const std::string cents = {static_cast<char>('0' + rng() % 10), "12346789"[rng() % 8]};
        std::string whole = std::to_string(1 + rng() % 9);
        for (int d = static_cast<int>(7 + rng() % 5); d > 0; --d)
            whole += static_cast<char>('0' + rng() % 10);
        SheetTape tape{"0." + cents + " M-= " + whole + " M+= MST"};
        tape.formulaLines = {2};
        tapes.push_back(tape);
    }
    return tapes;
}

// A formula that computes from other cells, not a number behind an "=".
bool refersToCells(const std::string& cell) {
    if (!cell.starts_with("=")) return false;
    for (std::size_t i = 1; i + 1 < cell.size(); ++i)
        if ((cell[i] == 'A' || cell[i] == 'B') && cell[i + 1] >= '0' && cell[i + 1] <= '9')
            return true;
    return false;
}

std::vector<ExpectedRow> expectedRows(const CVORDoc& doc, const std::string& exported,
                                      const std::vector<int>& formulaLines) {
    std::vector<std::string> lines;
    std::stringstream in(exported);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    std::vector<ExpectedRow> rows;
    for (int i = 0; i < doc.m_lineCount; ++i) {
        const CTapeLine& line = *doc.line(i);
        ExpectedRow row;
        row.numeric = line.m_text.find('<') == std::string::npos && std::isfinite(line.m_value);
        row.value = line.m_value;
        row.formula = std::find(formulaLines.begin(), formulaLines.end(), i) != formulaLines.end();
        row.cellText = splitFields(lines.at(static_cast<std::size_t>(kSheetFirstRow - 1 + i)))[0];
        rows.push_back(row);
    }
    return rows;
}

class SheetInLibreOffice : public ::testing::Test {
   protected:
    void SetUp() override {
        m_soffice = findSoffice();
        if (m_soffice.empty()) GTEST_SKIP() << "soffice is not installed";
        m_dir = fs::temp_directory_path() / ("vorlex-sheet-" + std::to_string(::getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir / "out");
    }
    void TearDown() override {
        if (!m_dir.empty()) fs::remove_all(m_dir);
    }

    void add(const SheetTape& tape) {
        Machine m(tape.settings, tape.precision);
        m.doc.m_rounding = tape.rounding;
        m.keys(tape.keys);
        const std::string exported = buildSheetExport(m.doc, "");
        Converted c{"t" + std::to_string(m_tapes.size()), tape,
                    expectedRows(m.doc, exported, tape.formulaLines)};
        std::ofstream(m_dir / (c.name + ".txt"), std::ios::binary) << exported;
        m_tapes.push_back(std::move(c));
    }

    // Converts every file in batches, one soffice run each.
    void convert() {
        const std::string profile = "file://" + (m_dir / "profile").string();
        for (std::size_t first = 0; first < m_tapes.size(); first += kFilesPerRun) {
            std::string command = "cd '" + m_dir.string() + "' && timeout 600 '" + m_soffice +
                                  "' -env:UserInstallation=" + profile +
                                  " --headless --infilter=\"" + kImportFilter +
                                  "\" --convert-to csv --outdir out";
            for (std::size_t i = first; i < std::min(first + kFilesPerRun, m_tapes.size()); ++i)
                command += " " + m_tapes[i].name + ".txt";
            command += " > soffice.log 2>&1";
            ASSERT_EQ(std::system(command.c_str()), 0) << command;
        }
    }

    std::string m_soffice;
    fs::path m_dir;
    std::vector<Converted> m_tapes;
};

TEST_F(SheetInLibreOffice, ColumnAComputesEveryValueTheTapeShows) {
    const auto start = std::chrono::steady_clock::now();
    for (const SheetTape& tape : fixedTapes()) add(tape);
    for (const SheetTape& tape : randomTapes(300, 20240611)) add(tape);
    for (const SheetTape& tape : roundedTapes(60, 20250301)) add(tape);
    ASSERT_NO_FATAL_FAILURE(convert());

    int compared = 0;
    int formulas = 0;
    int ties = 0;
    for (const Converted& c : m_tapes) {
        const auto sheet = readConverted(m_dir / "out", c.name);
        ASSERT_GE(sheet.size(), kSheetFirstRow - 1 + c.rows.size())
            << c.name << ": " << c.tape.keys;
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            const ExpectedRow& want = c.rows[i];
            const std::vector<std::string>& got = sheet[kSheetFirstRow - 1 + i];
            const std::string where = c.name + " row " + std::to_string(kSheetFirstRow + i) + " [" +
                                      want.cellText + "] of: " + c.tape.keys;
            const bool formula = want.cellText.starts_with("=");
            double value = 0.0;
            const bool computed = parseNumber(got[0], value);
            // A formula kept as text would come back as itself.
            if (formula) {
                EXPECT_FALSE(got[0].starts_with("=")) << where;
            }
            if (want.formula) {
                EXPECT_TRUE(refersToCells(want.cellText)) << where;
            }
            if (!want.numeric) continue;
            ++compared;
            formulas += formula ? 1 : 0;
            ASSERT_TRUE(computed) << where << " gave " << got[0];
            const std::string shown =
                doubleToString(value, c.tape.precision, c.tape.rounding, nullptr);
            const std::string tape =
                doubleToString(want.value, c.tape.precision, c.tape.rounding, nullptr);
            // The converted file carries 15 significant digits, which may
            // settle a tie of the tape's rounding the other way.
            const bool sameDouble =
                std::fabs(value - want.value) <= 2e-14 * std::max(1.0, std::fabs(want.value));
            if (std::fabs(want.value) > 1e12) {
                EXPECT_NEAR(value, want.value, 1e-12 * std::fabs(want.value)) << where;
            } else {
                EXPECT_TRUE(shown == tape || sameDouble)
                    << where << ": sheet " << got[0] << " tape " << tape;
                ties += shown != tape && sameDouble ? 1 : 0;
            }
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("tapes", static_cast<int>(m_tapes.size()));
    RecordProperty("cells", compared);
    std::cout << m_tapes.size() << " tapes, " << compared << " cells compared (" << formulas
              << " formulas, " << ties << " ties decided by the last digit), " << seconds << " s\n";
    EXPECT_GT(formulas, compared / 4);
}

}  // namespace
}  // namespace vor::test
