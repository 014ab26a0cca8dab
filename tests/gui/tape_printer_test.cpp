// The printout as the user gets it: PDF files read back with poppler's
// tools, the print dialog's page range, printer failures, and the dialogs
// of the three commands.
#include "gui/tape_printer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/command_ids.h"
#include "core/key_table.h"
#include "core/key_tokens.h"
#include "core/memory_form.h"
#include "core/memory_profile.h"
#include "frame_fixture.h"
#include "shell/app.h"

namespace vor::test {
namespace {

QByteArray poppler(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(QStandardPaths::findExecutable(tool), args);
    return p.waitForFinished(30000) && p.exitCode() == 0 ? p.readAllStandardOutput() : "";
}

// Blanks at the ends dropped and inner runs made one: pdftotext guesses the
// blanks of a fixed-pitch line from glyph positions, now and then one more.
std::string squeezed(const std::string& s) {
    std::string out;
    for (char c : s)
        if (c != ' ' || (!out.empty() && out.back() != ' ')) out += c;
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

using Page = std::vector<std::string>;  // the page's printed lines, squeezed

class TapePrinterTest : public ::testing::Test {
   protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(app.initInstance());
    }

    void keys(const std::string& list, int times = 1) {
        for (int i = 0; i < times; ++i) {
            for (const std::string& token : splitKeyTokens(list).tokens) {
                if (const auto id = keyIdForLabel(token))
                    app.runCommand(*id);
                else
                    for (char c : token) app.runCommand(*keyIdForLabel(std::string(1, c)));
            }
        }
    }

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    std::vector<Page> pages(const char* name) const {
        const QByteArray text =
            poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path(name), "-"});
        std::vector<Page> out;
        for (const QByteArray& page : text.split('\f')) {
            Page lines;
            for (const QByteArray& line : page.split('\n'))
                if (const std::string s = squeezed(line.toStdString()); !s.empty())
                    lines.push_back(s);
            if (!lines.empty()) out.push_back(lines);
        }
        return out;
    }

    std::string pdfTitle(const char* name) const {
        const auto title = QRegularExpression(QStringLiteral("Title: +([^\\n]*)"))
                               .match(poppler(QStringLiteral("pdfinfo"), {path(name)}));
        return title.captured(1).toStdString();
    }

    std::vector<Page> printToPdf(const char* name) {
        std::string error;
        EXPECT_TRUE(printTapeToPdf(app, path(name).toStdString(), error)) << error;
        return pages(name);
    }

    // The tape rows, squeezed, and the printed lines of all pages without
    // their two footer rows: the two must be the same.
    std::vector<std::string> tapeRows() const {
        std::vector<std::string> rows;
        for (int i = 0; i < form.rowCount(); ++i) rows.push_back(squeezed(form.rowText(i)));
        return rows;
    }
    static std::vector<std::string> body(const std::vector<Page>& pages) {
        std::vector<std::string> out;
        for (const Page& p : pages) out.insert(out.end(), p.begin(), p.end() - 2);
        return out;
    }

    MemoryForm form;
    ScriptedMessages messages{ScriptedMessages::Unscripted::Fail};
    MemoryProfile profile;
    CVORApp app{AppPorts{form, messages, profile, nullptr, nullptr, nullptr, {}}};
    QTemporaryDir dir;
};

TEST_F(TapePrinterTest, PdfHoldsTheTapeRowsAndTheFooter) {
    keys("12 X 3 + 5 + + Ttl");
    const auto printed = printToPdf("small.pdf");
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(body(printed), tapeRows());
    EXPECT_EQ(printed[0].end()[-2], "Vorlex v1.31 (Beta) Page 1 of 1");
    EXPECT_EQ(printed[0].back(), "https://vorlex.quillaby.example");
}

TEST_F(TapePrinterTest, LongTapeRunsOverPagesInOneColumnAndFitsOneInTwo) {
    keys("1 +", 150);
    keys("Ttl");
    const auto one = printToPdf("one.pdf");
    ASSERT_GE(one.size(), 2u);
    EXPECT_EQ(body(one), tapeRows());
    const std::string n = std::to_string(one.size());
    for (std::size_t p = 0; p < one.size(); ++p)
        EXPECT_EQ(one[p].end()[-2],
                  "Vorlex v1.31 (Beta) Page " + std::to_string(p + 1) + " of " + n);

    // Both columns share the text lines of the page.
    app.view().settings().multipleColumnPrinting = true;
    const auto two = printToPdf("two.pdf");
    ASSERT_EQ(two.size(), 1u);
    EXPECT_EQ(two[0].end()[-2], "Vorlex v1.31 (Beta) Page 1 of 1");
    EXPECT_EQ(two[0][0], "1.00 + 1.00 +");
    std::string all;
    for (const std::string& line : two[0]) all += line + "\n";
    int plus = 0;
    for (auto at = all.find("1.00 +"); at != std::string::npos; at = all.find("1.00 +", at + 1))
        ++plus;
    EXPECT_EQ(plus, 150);
    EXPECT_NE(all.find(tapeRows().back()), std::string::npos) << all;
}

TEST_F(TapePrinterTest, ReceiptModeMakesOneLongPage) {
    keys("1 +", 150);
    app.view().settings().receiptPrinterMode = true;
    const auto printed = printToPdf("roll.pdf");
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(body(printed), tapeRows());
    EXPECT_EQ(printed[0].end()[-2], "Vorlex v1.31 (Beta) Page 1 of 1");

    const auto size = QRegularExpression(QStringLiteral("Page size: +([0-9.]+) x ([0-9.]+) pts"))
                          .match(poppler(QStringLiteral("pdfinfo"), {path("roll.pdf")}));
    ASSERT_TRUE(size.hasMatch());
    EXPECT_NEAR(size.captured(1).toDouble(), 595, 1);  // A4 wide, and 150 rows long
    EXPECT_GT(size.captured(2).toDouble(), 150 * 9);
}

TEST_F(TapePrinterTest, WaitingRecalculationIsDoneBeforePrinting) {
    // A deletion from a long tape whose replay was put off leaves the total stale.
    keys("1 +", 260);
    keys("Ttl");
    ASSERT_TRUE(form.selectRow(3));
    messages.answer(Answer::No);
    keys("Del");
    ASSERT_TRUE(app.view().calc().m_recalcPending);

    const auto rows = body(printToPdf("settled.pdf"));
    EXPECT_FALSE(app.view().calc().m_recalcPending);
    ASSERT_EQ(rows.size(), 260u);
    EXPECT_EQ(rows.back().substr(0, 10), "259.00 Ttl");
}

TEST_F(TapePrinterTest, PrintoutsAreNamedAfterTheTape) {
    keys("1 +");
    for (const std::string tape : {"", "march.vor"}) {
        SCOPED_TRACE(tape);
        if (!tape.empty()) {
            ASSERT_TRUE(app.saveDocument(path(tape.c_str()).toStdString()));
        }
        const std::string name = tape.empty() ? "VOR" : tape;
        printToPdf("batch.pdf");
        EXPECT_EQ(pdfTitle("batch.pdf"), name);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFileName(path("job.pdf"));
        ASSERT_TRUE(printTape(app, printer));
        EXPECT_EQ(printer.docName().toStdString(), name);
        EXPECT_EQ(pdfTitle("job.pdf"), name);
    }
}

TEST_F(TapePrinterTest, PrinterKeepsToThePageRangeAndReportsFailures) {
    keys("1 +", 200);
    const std::size_t all = printToPdf("all.pdf").size();
    ASSERT_GE(all, 3u);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("range.pdf"));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 2);
    ASSERT_TRUE(printTape(app, printer));
    const auto printed = pages("range.pdf");
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_NE(printed[0].end()[-2].find("Page 2 of " + std::to_string(all)), std::string::npos);

    printer.setOutputFileName(path("missing/x.pdf"));
    messages.answer(Answer::Ok);
    EXPECT_FALSE(printTape(app, printer));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "Could not start print job.\n" +
                                     path("missing/x.pdf").toStdString() +
                                     ": No such file or directory");
    // A PDF for batch mode gives its reason instead of asking anyone.
    std::string error;
    EXPECT_FALSE(printTapeToPdf(app, path("missing/x.pdf").toStdString(), error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(messages.shown.size(), 1u);
}

// Runs command `id`; `examine` gets the modal dialog it opens, which is
// then cancelled (or accepted). False when no dialog opened.
bool withDialog(CVORApp& app, int id, const std::function<void(QDialog*)>& examine,
                bool accept = false) {
    bool seen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || seen) return;
        seen = true;
        examine(dialog);
        accept ? dialog->accept() : dialog->reject();
    });
    poll.start(10);
    EXPECT_TRUE(app.runCommand(id));
    return seen;
}

TEST_F(TapePrinterTest, CommandsOpenTheirDialogsAndPreviewShowsThePagesThatPrint) {
    keys("1 +", 150);
    const int printed = int(printToPdf("all.pdf").size());
    QWidget parent;
    registerPrintCommands(app, &parent);
    EXPECT_TRUE(withDialog(app, cmd::FilePrintPreview, [&](QDialog* d) {
        ASSERT_NE(qobject_cast<QPrintPreviewDialog*>(d), nullptr);
        EXPECT_EQ(d->findChild<QPrintPreviewWidget*>()->pageCount(), printed);
    }));
    EXPECT_TRUE(withDialog(app, cmd::FilePrint, [](QDialog* d) {
        EXPECT_NE(qobject_cast<QPrintDialog*>(d), nullptr) << d->metaObject()->className();
    }));
    EXPECT_TRUE(withDialog(app, cmd::FilePrintSetup, [](QDialog* d) {
        EXPECT_NE(qobject_cast<QPageSetupDialog*>(d), nullptr) << d->metaObject()->className();
    }));
    EXPECT_TRUE(messages.shown.empty());
}

// Print to File and its path stay chosen for the next print of the run.
// Qt's dialog forgets them only where a print queue exists (CUPS): run
// through tests/print_queue.sh to have one.
TEST_F(TapePrinterTest, PrintDialogKeepsPrintToFileAndItsPath) {
    keys("1 +");
    QWidget parent;
    registerPrintCommands(app, &parent);
    const QString chosen = path("chosen.pdf");
    const auto fileEntry = [](QDialog* d) {
        return std::pair(d->findChild<QComboBox*>(QStringLiteral("printers")),
                         d->findChild<QLineEdit*>(QStringLiteral("filename")));
    };
    EXPECT_TRUE(withDialog(
        app, cmd::FilePrint,
        [&](QDialog* d) {
            const auto [printers, file] = fileEntry(d);
            ASSERT_TRUE(printers && file) << "Qt's print dialog changed its widgets";
            printers->setCurrentIndex(printers->count() - 1);
            file->setText(chosen);
        },
        true));
    EXPECT_EQ(pdfTitle("chosen.pdf"), "VOR");
    EXPECT_TRUE(withDialog(app, cmd::FilePrint, [&](QDialog* d) {
        const auto [printers, file] = fileEntry(d);
        ASSERT_TRUE(printers && file);
        EXPECT_EQ(printers->currentIndex(), printers->count() - 1) << printers->count();
        EXPECT_EQ(file->text(), chosen);
    }));
}

}  // namespace
}  // namespace vor::test
