// The CSV export opened in LibreOffice Calc the way a user opens it: comma,
// semicolon and tab all separating fields (its default) and formulas
// evaluated, in an English and a German locale, each with the number style
// that goes with it. Every value must arrive as a number, every key and
// comment as the text that was written.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "clipboard/csv_export.h"
#include "clipboard/sheet_formula.h"
#include "soffice.h"
#include "test_support.h"

namespace vor::test {
namespace {

namespace fs = std::filesystem;

// Written back with tabs, every text cell quoted and numbers as they are,
// so a number and a text that looks like one stay apart.
constexpr const char* kExportFilter =
    "csv:Text - txt - csv (StarCalc):9,34,76,1,,1033,true,true,false,false,false,-1";

TEST(CsvInLibreOffice, ValuesAreNumbersAndCommentsStayText) {
    const std::string soffice = findSoffice();
    if (soffice.empty()) GTEST_SKIP() << "soffice is not installed";
    const fs::path dir =
        fs::temp_directory_path() / ("vorlex-csv-lo-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const char* const comments[] = {"=2+3",    "+49 30 123", "-5 discount", "@SUM(1)",
                                    "a,b;c d", "say \"hi\"", "\t=1",        "rent"};
    for (const bool european : {false, true}) {
        const std::string name = european ? "de" : "en";
        CSettings settings;
        settings.europeanMode = european;
        Machine m(settings);
        m.keys("1234567.25 + 0.1 + 0.2 + 10 / 3 = 12.5 Neg M+= Ttl");
        ASSERT_EQ(m.doc.m_lineCount, 8);
        for (int i = 0; i < m.doc.m_lineCount; ++i)
            m.doc.line(i)->setComment(std::string(" ;") + comments[i]);
        std::ofstream(dir / (name + ".csv"), std::ios::binary) << buildCsvExport(m.doc, european);

        const std::string command =
            "cd '" + dir.string() + "' && timeout 300 '" + soffice +
            "' -env:UserInstallation=file://" + (dir / "profile").string() +
            " --headless --infilter=\"Text - txt - csv (StarCalc):44/59/9,34,76,1,," +
            (european ? "1031" : "1033") +
            ",false,false,false,false,false,-1,true\" --convert-to '" + kExportFilter +
            "' --outdir out " + name + ".csv > soffice.log 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        std::vector<std::vector<bool>> quoted;
        const auto rows = readConverted(dir / "out", name, &quoted);
        ASSERT_EQ(rows.size(), 9u) << name;
        for (int i = 0; i < m.doc.m_lineCount; ++i) {
            const CTapeLine& line = *m.doc.line(i);
            const auto& row = rows[static_cast<std::size_t>(i) + 1];
            const auto& q = quoted[static_cast<std::size_t>(i) + 1];
            const std::string where = name + " line " + std::to_string(i) + ": " + row[0];
            ASSERT_EQ(row.size(), 3u) << where;
            // A number comes back bare, a text quoted.
            EXPECT_FALSE(q[0]) << where;
            EXPECT_NEAR(std::atof(row[0].c_str()), line.m_value, 1e-14 * std::fabs(line.m_value))
                << where;
            EXPECT_EQ(row[1], sheet::splitLine(line.m_text).symbol) << where;
            EXPECT_EQ(q[1], !row[1].empty()) << where;
            EXPECT_TRUE(q[2]) << where << " comment " << row[2];
            EXPECT_EQ(row[2], csvText(comments[i])) << where;
        }
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace vor::test
