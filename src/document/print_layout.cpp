#include "document/print_layout.h"

#include <algorithm>
#include <cstdint>

namespace vor {
namespace {

// A receipt roll is treated as this many pages tall.
constexpr std::int64_t kReceiptPages = 1000;

// Rows left for the footer and the blank row above it.
constexpr int kFooterRows = 3;

bool drawnRed(const CTapeLine& line, const PrintOptions& options) {
    return options.negativeInRed && line.m_text.find('-') != std::string::npos;
}

// A receipt roll's footer rows lie a thousand pages down: kept in range
// for pages no printer could have.
int rowTop(int row, int rowHeight) {
    return static_cast<int>(std::min<std::int64_t>(std::int64_t{row} * rowHeight, INT32_MAX));
}

}  // namespace

int printRows(const PrintOptions& options, const PrintDevice& device) {
    std::int64_t height = device.pageHeightPx;
    if (options.receiptMode && !options.twoColumns) height *= kReceiptPages;
    const std::int64_t rows = height / std::max(device.rowHeight, 1);
    return static_cast<int>(std::min<std::int64_t>(rows, INT32_MAX));
}

int printLinesPerColumn(int rows) {
    return std::max(rows - kFooterRows, 1);
}

int printPageCount(int lineCount, int rows, bool twoColumns) {
    const int perColumn = printLinesPerColumn(rows);
    const int fullColumns = std::max(lineCount, 0) / perColumn;
    return (twoColumns ? fullColumns / 2 : fullColumns) + 1;
}

std::vector<PrintText> layoutPrintPage(const CVORDoc& doc, const PrintOptions& options,
                                       const PrintDevice& device, int page, int pageCount) {
    const int rows = printRows(options, device);
    const int perColumn = printLinesPerColumn(rows);
    const int columns = options.twoColumns ? 2 : 1;
    const int h = device.rowHeight;
    const int w = device.charWidth;

    std::vector<PrintText> out;
    // The footer is drawn in whatever colour the last line left behind; a
    // page without lines (the footer-only last page) inherits it from the
    // last line of the tape, as the colour carries over from page to page.
    bool red = false;
    const std::int64_t first = std::int64_t{page - 1} * columns * perColumn;
    const int count = doc.m_lineCount;
    if (first > 0 && first <= count)
        red = drawnRed(*doc.line(static_cast<int>(first - 1)), options);

    for (int column = 0; column < columns; ++column) {
        const int shift = column * (device.pageWidthPx / 2);
        for (int row = 0; row < perColumn; ++row) {
            const std::int64_t index = first + std::int64_t{column} * perColumn + row;
            if (index >= count) break;
            const CTapeLine& line = *doc.line(static_cast<int>(index));
            red = drawnRed(line, options);
            const int y = row * h;
            out.push_back({shift + 5 * w, y, line.m_text, red});
            const int commentX = shift + static_cast<int>(line.m_text.size() + 5) * w;
            out.push_back({commentX, y, line.m_comment, red});
        }
    }

    const std::string pageText =
        "Page " + std::to_string(page) + " of " + std::to_string(pageCount);
    out.push_back({5 * w, rowTop(rows - 2, h), options.titleLine + pageText, red});
    out.push_back({5 * w, rowTop(rows - 1, h), options.webAddress, red});
    return out;
}

int receiptPageHeight(int lineCount, const PrintDevice& device) {
    // One row more than the lines and the footer need: the page count
    // truncates, so a column filled to the last row would start a second,
    // footer-only page. Half a row of slack survives rounding when the
    // height is turned into a paper size and back.
    const int h = std::max(device.rowHeight, 1);
    return (std::max(lineCount, 0) + kFooterRows + 1) * h + h / 2;
}

}  // namespace vor
