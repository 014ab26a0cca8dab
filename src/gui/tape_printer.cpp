#include "gui/tape_printer.h"

#include <QBuffer>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "core/command_ids.h"
#include "document/print_layout.h"
#include "gui/about_dialog.h"
#include "gui/form_fonts.h"
#include "shell/app.h"
#include "shell/atomic_file.h"

namespace vor {
namespace {

constexpr const char* kCannotStart = "Could not start print job.";
constexpr int kPdfResolution = 1200;

// Which pages of the job to print and how: the print dialog's range (0 for
// either end means open), its page order and the copies the printer
// cannot make itself.
struct JobRange {
    int from = 0;
    int to = 0;
    bool lastPageFirst = false;
    int copies = 1;
    bool collate = true;
};

// Two columns use the small Courier New of the settings. One column keeps
// the size a painter starts with on the printer, but in the fixed-pitch
// face: the tape's columns are padded with spaces and the comment is placed
// by the average character width, both of which only hold in a fixed-pitch
// font.
//
// The tape is figures, signs and comments in a fixed-pitch face: nothing a
// text shaper would change, and shaping two thousand texts is a good part
// of a printout's time, so Qt is asked to place the glyphs as they come
// where the font has no typographic features that need it.
QFont printFont(const CSettings& settings) {
    QFont font;
    if (settings.multipleColumnPrinting) {
        font = fixedPitchFont(settings.multiColumnFontPointSize);
    } else {
        const QFont base = QGuiApplication::font();
        font = fixedPitchFont(base.pointSizeF() > 0 ? base.pointSizeF() : 10.0);
    }
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    return font;
}

PrintOptions printOptions(const CSettings& settings) {
    PrintOptions o;
    o.twoColumns = settings.multipleColumnPrinting;
    o.negativeInRed = settings.printNegativeInRed;
    o.receiptMode = settings.receiptPrinterMode;
    o.titleLine = std::string(AboutDialog::kVersionLine);
    o.webAddress = std::string(AboutDialog::kWebAddress);
    return o;
}

// Gives the device a page of the paper's width exactly as long as the
// tape needs. False when the device refuses a page of that size; the roll
// is then laid out on the page it has.
bool setReceiptPage(QPagedPaintDevice& device, int printableHeightPx) {
    const QPageLayout paper = device.pageLayout();
    const QMarginsF margins = paper.margins(QPageLayout::Point);
    const qreal dpi = device.logicalDpiY() > 0 ? device.logicalDpiY() : 72;
    const qreal width = paper.fullRectPoints().width();
    const qreal height =
        std::ceil(printableHeightPx * 72.0 / dpi + margins.top() + margins.bottom());
    const QPageSize roll(QSizeF(width, height), QPageSize::Point, QStringLiteral("Receipt"),
                         QPageSize::ExactMatch);
    return device.setPageLayout(
        QPageLayout(roll, QPageLayout::Portrait, margins, QPageLayout::Point));
}

std::vector<int> pageSequence(int pageCount, const JobRange& range) {
    const int from = std::max(range.from > 0 ? range.from : 1, 1);
    const int to = std::min(range.to > 0 ? range.to : pageCount, pageCount);
    std::vector<int> pages;
    for (int p = from; p <= to; ++p) pages.push_back(p);
    if (range.lastPageFirst) std::reverse(pages.begin(), pages.end());

    const int copies = std::max(range.copies, 1);
    std::vector<int> job;
    if (range.collate) {
        for (int c = 0; c < copies; ++c) job.insert(job.end(), pages.begin(), pages.end());
    } else {
        for (int p : pages) job.insert(job.end(), copies, p);
    }
    return job;
}

// Lays out and draws the tape on `device`. Returns the reason when the job
// could not be done, empty when it was.
std::string paintTape(CVORApp& app, QPagedPaintDevice& device, const JobRange& range) {
    CVORView& view = app.view();
    view.calc().settlePendingRecalc();
    const CVORDoc& doc = view.doc();
    const CSettings& settings = view.settings();

    PrintOptions options = printOptions(settings);
    const QFont font = printFont(settings);
    const QFontMetrics metrics(font, &device);
    PrintDevice sheet{device.height(), device.width(), metrics.height(),
                      std::max(metrics.averageCharWidth(), 1)};

    if (options.receiptMode && !options.twoColumns &&
        setReceiptPage(device, receiptPageHeight(doc.m_lineCount, sheet))) {
        sheet.pageHeightPx = device.height();
        sheet.pageWidthPx = device.width();
        options.receiptMode = false;
    }

    const int rows = printRows(options, sheet);
    const int pageCount = printPageCount(doc.m_lineCount, rows, options.twoColumns);
    const std::vector<int> job = pageSequence(pageCount, range);
    if (job.empty()) return {};

    QPainter painter;
    if (!painter.begin(&device)) return kCannotStart;
    painter.setFont(font);
    // Rows are laid out by their top edge; text is drawn on its baseline.
    const int ascent = painter.fontMetrics().ascent();
    // The blanks that pad a row into its columns are drawn as the space
    // they take: the printer gets no glyphs for them, which is most of a
    // row's characters and most of the time a page takes to draw.
    const qreal blank = QFontMetricsF(painter.font(), &device).horizontalAdvance(QLatin1Char(' '));
    const QColor red(255, 0, 0);
    const QColor black(0, 0, 0);
    bool first = true;
    for (int page : job) {
        // A printer that refuses the next page has aborted the job itself.
        if (!first && !device.newPage()) break;
        first = false;
        for (const PrintText& t : layoutPrintPage(doc, options, sheet, page, pageCount)) {
            const std::size_t start = t.text.find_first_not_of(' ');
            if (start == std::string::npos) continue;
            const std::size_t end = t.text.find_last_not_of(' ') + 1;
            painter.setPen(t.red ? red : black);
            painter.drawText(
                QPointF(t.x + static_cast<qreal>(start) * blank, t.y + ascent),
                QString::fromUtf8(t.text.data() + start, static_cast<qsizetype>(end - start)));
        }
    }
    painter.end();
    return {};
}

JobRange rangeOf(const QPrinter& printer) {
    JobRange r;
    if (printer.printRange() == QPrinter::PageRange) {
        r.from = printer.fromPage();
        r.to = printer.toPage();
    }
    r.lastPageFirst = printer.pageOrder() == QPrinter::LastPageFirst;
    // Printers that cannot make copies themselves get every page again.
    if (!printer.supportsMultipleCopies()) {
        r.copies = printer.copyCount();
        r.collate = printer.collateCopies();
    }
    return r;
}

// A print job and a PDF are called after the tape's file, "VOR" while it
// has none: the name the print queue and the PDF viewer's title show.
QString jobName(const CVORApp& app) {
    return QString::fromStdString(app.documentTitle());
}

// Lays the tape out on PDF pages in memory. Returns the reason when the
// job could not be done, empty when it was.
std::string renderPdf(CVORApp& app, const QPageLayout& paper, int dpi, const JobRange& range,
                      std::string& bytes) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    std::string error;
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(dpi);
        writer.setCreator(QStringLiteral("Vorlex"));
        writer.setTitle(jobName(app));
        writer.setPageLayout(paper);
        error = paintTape(app, writer, range);
    }
    bytes.assign(pdf.data().constData(), static_cast<std::size_t>(pdf.data().size()));
    return error;
}

void tellUser(CVORApp& app, const std::string& text) {
    app.view().calc().messages().show(text, Buttons::Ok, Icon::Exclamation);
}

// Puts Print to File and its path back in the print dialog as the user
// left them. Qt's dialog opens on the default printer whenever there is
// one, whatever the printer it is given was set to, and forgets the path
// once a job went to a printer; it offers no call to choose the entry, so
// its own widgets are set as it is shown (where they cannot be found the
// dialog simply opens as Qt sets it up).
class FileChoice : public QObject {
   public:
    FileChoice(bool toFile, const QString& fileName) : m_toFile(toFile), m_fileName(fileName) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        // The file entry is added to the list while the dialog is shown.
        if (event->type() == QEvent::Show && !m_done) {
            m_done = true;
            auto* printers = watched->findChild<QComboBox*>(QStringLiteral("printers"));
            auto* fileName = watched->findChild<QLineEdit*>(QStringLiteral("filename"));
            if (fileName != nullptr && !m_fileName.isEmpty()) fileName->setText(m_fileName);
            // The file entry is always the last one.
            if (m_toFile && printers != nullptr && printers->count() > 0)
                printers->setCurrentIndex(printers->count() - 1);
        }
        return false;
    }

   private:
    bool m_toFile;
    QString m_fileName;
    bool m_done = false;
};

// The printer of the session: made on first use (finding the default
// printer can take a moment) and shared by the three commands, so the
// paper chosen in Print Setup is the one printed on.
class PrintSession {
   public:
    PrintSession(CVORApp& app, QWidget* parent) : m_app(app), m_parent(parent) {}

    void print() {
        QPrinter& p = printer();
        // Also the file name the dialog proposes for a PDF.
        p.setDocName(jobName(m_app));
        if (m_toFile) p.setOutputFileName(m_fileName);
        QPrintDialog dialog(&p, m_parent);
        dialog.setMinMax(1, 65535);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        FileChoice choice(m_toFile, m_fileName);
        dialog.installEventFilter(&choice);
        if (dialog.exec() != QDialog::Accepted) return;
        m_toFile = p.outputFormat() == QPrinter::PdfFormat && !p.outputFileName().isEmpty();
        if (m_toFile) m_fileName = p.outputFileName();
        printTape(m_app, p);
    }

    void preview() {
        QPrinter& p = printer();
        p.setDocName(jobName(m_app));  // the preview prints too
        // A preview shows the whole tape, whatever range was printed last.
        p.setPrintRange(QPrinter::AllPages);
        // A receipt gives the printer a page as long as the tape; the paper
        // chosen before comes back when the preview closes.
        const QPageLayout paper = p.pageLayout();
        QPrintPreviewDialog dialog(&p, m_parent);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [this, paper](QPrinter* target) {
                             if (m_app.view().settings().receiptPrinterMode)
                                 target->setPageLayout(paper);
                             const std::string error = paintTape(m_app, *target, rangeOf(*target));
                             if (!error.empty()) tellUser(m_app, error);
                         });
        dialog.exec();
        p.setPageLayout(paper);
    }

    void setup() {
        QPageSetupDialog dialog(&printer(), m_parent);
        dialog.exec();
    }

   private:
    QPrinter& printer() {
        if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        return *m_printer;
    }

    CVORApp& m_app;
    QPointer<QWidget> m_parent;
    std::unique_ptr<QPrinter> m_printer;
    // Print to File and its path, as last chosen in this run.
    bool m_toFile = false;
    QString m_fileName;
};

}  // namespace

bool printTape(CVORApp& app, QPrinter& printer) {
    printer.setDocName(jobName(app));
    // The roll page of a receipt is for this job only.
    const QPageLayout paper = printer.pageLayout();
    std::string error;
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        // Print to File is a save like any other: the pages are made in
        // memory on the printer's paper, and the old file is replaced only
        // by a complete new one, or a full disk would go unnoticed.
        std::string bytes, reason;
        error = renderPdf(app, paper, printer.resolution(), rangeOf(printer), bytes);
        const std::string path = QFile::encodeName(printer.outputFileName()).toStdString();
        if (error.empty() && !writeFileAtomically(path, bytes, reason))
            error = std::string(kCannotStart) + "\n" + path + ": " + reason;
    } else {
        error = paintTape(app, printer, rangeOf(printer));
    }
    if (app.view().settings().receiptPrinterMode) printer.setPageLayout(paper);
    if (error.empty()) return true;
    tellUser(app, error);
    return false;
}

bool printTapeToPdf(CVORApp& app, const std::string& path, std::string& error) {
    // The page a PDF printer of Qt starts with: A4, margins of 10 points.
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                         QPageLayout::Point);
    std::string bytes;
    error = renderPdf(app, a4, kPdfResolution, {}, bytes);
    return error.empty() && writeFileAtomically(path, bytes, error);
}

void registerPrintCommands(CVORApp& app, QWidget* parent) {
    auto session = std::make_shared<PrintSession>(app, parent);
    CommandRegistry& commands = app.commands();
    commands.add(cmd::FilePrint, [session] { session->print(); });
    commands.add(cmd::FilePrintPreview, [session] { session->preview(); });
    commands.add(cmd::FilePrintSetup, [session] { session->setup(); });
}

}  // namespace vor
