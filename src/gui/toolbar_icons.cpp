#include "gui/toolbar_icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOption>

#include "core/command_ids.h"

namespace vor {
namespace {

const QColor kInk(0x33, 0x33, 0x33);
const QColor kPaper(0xfd, 0xfd, 0xf8);

void page(QPainter& p, QRectF r) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 3, r.top());
    path.lineTo(r.right(), r.top() + 3);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawPath(path);
}

void lines(QPainter& p, QRectF r, int count) {
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(r.left() + 2, r.top() + 3 + 2.5 * i),
                   QPointF(r.right() - 2, r.top() + 3 + 2.5 * i));
}

void pencil(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(0xf0, 0xb0, 0x30));
    QPolygonF body({{6, 14}, {6.5, 11}, {13, 4.5}, {15.5, 7}, {9, 13.5}});
    p.drawPolygon(body);
}

void arrow(QPainter& p, bool down) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2e, 0x8b, 0x3a));
    const qreal tip = down ? 15.5 : 0.5, base = down ? 10 : 6, tail = down ? 1 : 15;
    p.drawPolygon(
        QPolygonF({{8, tip}, {13, base}, {10, base}, {10, tail}, {6, tail}, {6, base}, {3, base}}));
}

// The letters are stroked rather than set in a font: a bold face loaded for
// three letters costs the start-up about as much as the rest of the
// toolbar's glyphs together.
void strokes(QPainter& p, QColor colour, qreal width, std::initializer_list<QPolygonF> lines) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    for (const QPolygonF& line : lines) p.drawPolyline(line);
}

void hashSign(QPainter& p) {
    strokes(p, kInk, 1.3,
            {QPolygonF({{6.8, 2.5}, {5.8, 9.5}}), QPolygonF({{10.2, 2.5}, {9.2, 9.5}}),
             QPolygonF({{4, 4.7}, {12, 4.7}}), QPolygonF({{3.6, 7.3}, {11.6, 7.3}})});
}

void letterM(QPainter& p) {
    strokes(p, QColor(0x1d, 0x3f, 0x7a), 2.2,
            {QPolygonF({{1.6, 11.5}, {1.6, 1.6}, {6, 8}, {10.4, 1.6}, {10.4, 11.5}})});
}

void questionMark(QPainter& p) {
    QPainterPath hook;
    hook.moveTo(5.2, 5.8);
    hook.arcTo(QRectF(5.2, 2.8, 5.6, 5), 180, -250);
    hook.quadTo(8, 8.2, 8, 10);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 12.6), 1.3, 1.3);
}

void cross(QPainter& p, QPointF c, qreal s) {
    p.setPen(QPen(QColor(0xc8, 0x20, 0x20), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-s, -s), c + QPointF(s, s));
    p.drawLine(c + QPointF(-s, s), c + QPointF(s, -s));
}

// Draws one command's glyph on a 16 by 16 grid.
void drawGlyph(QPainter& p, int id) {
    switch (id) {
        case cmd::FileNew: page(p, {2.5, 0.5, 11, 15}); break;
        case cmd::FileOpen:
            p.setPen(QPen(QColor(0x8a, 0x62, 0x10), 1));
            p.setBrush(QColor(0xf2, 0xc9, 0x4c));
            p.drawRect(QRectF(0.5, 3.5, 14, 11));
            p.setBrush(QColor(0xf8, 0xdc, 0x7a));
            p.drawPolygon(QPolygonF({{0.5, 14.5}, {3.5, 7.5}, {15.5, 7.5}, {12.5, 14.5}}));
            break;
        case cmd::FileSave:
            p.setPen(QPen(QColor(0x1d, 0x3f, 0x7a), 1));
            p.setBrush(QColor(0x3b, 0x6e, 0xc4));
            p.drawRect(QRectF(1.5, 1.5, 13, 13));
            p.setBrush(kPaper);
            p.drawRect(QRectF(4, 1.5, 8, 5));
            p.setBrush(QColor(0xdd, 0xdd, 0xdd));
            p.drawRect(QRectF(4, 9.5, 8, 5));
            break;
        case cmd::DeleteLines:
            page(p, {1.5, 0.5, 11, 15});
            lines(p, {1.5, 0.5, 11, 15}, 5);
            cross(p, {11.5, 11.5}, 3);
            break;
        case cmd::EditTapeEntry:
            page(p, {0.5, 0.5, 11, 15});
            lines(p, {0.5, 0.5, 11, 15}, 5);
            pencil(p);
            break;
        case cmd::CopySheet:
            page(p, {0.5, 0.5, 9, 11});
            page(p, {5.5, 4.5, 10, 11});
            p.setPen(QPen(QColor(0x2e, 0x8b, 0x3a), 1));
            for (qreal y : {8.5, 11.5}) p.drawLine(QPointF(6, y), QPointF(15, y));
            p.drawLine(QPointF(10.5, 5), QPointF(10.5, 15));
            break;
        case cmd::EditComment:
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(0xff, 0xf1, 0x9c));
            p.drawPolygon(QPolygonF({{0.5, 1.5},
                                     {15.5, 1.5},
                                     {15.5, 10.5},
                                     {7, 10.5},
                                     {3, 14.5},
                                     {3.5, 10.5},
                                     {0.5, 10.5}}));
            hashSign(p);
            break;
        case cmd::FilePrintPreview:
            page(p, {0.5, 0.5, 11, 15});
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(QColor(0xcf, 0xe8, 0xff));
            p.drawEllipse(QPointF(8.5, 8), 3.5, 3.5);
            p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(11.2, 10.7), QPointF(14.5, 14));
            break;
        case cmd::FilePrint:
            page(p, {4.5, 0.5, 7, 6});
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(0x9a, 0x9a, 0x9a));
            p.drawRoundedRect(QRectF(0.5, 5.5, 15, 7), 1.5, 1.5);
            page(p, {4.5, 9.5, 7, 6});
            break;
        case cmd::MacroImport:
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(0xe0, 0xe0, 0xe0));
            p.drawRect(QRectF(0.5, 10.5, 15, 5));
            arrow(p, true);
            break;
        case cmd::MacroExport:
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(0xe0, 0xe0, 0xe0));
            p.drawRect(QRectF(0.5, 10.5, 15, 5));
            arrow(p, false);
            break;
        case cmd::MacroEdit:
            letterM(p);
            pencil(p);
            break;
        case cmd::MacroStartRecording:
            p.setPen(QPen(QColor(0x80, 0x10, 0x10), 1));
            p.setBrush(QColor(0xd8, 0x2a, 0x2a));
            p.drawEllipse(QPointF(8, 8), 6, 6);
            break;
        case cmd::MacroStopRecording:
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(0x55, 0x55, 0x55));
            p.drawRect(QRectF(2.5, 2.5, 11, 11));
            break;
        case cmd::MacroClearAll:
            letterM(p);
            cross(p, {11.5, 11.5}, 3);
            break;
        case cmd::ReadTape:
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(0x60, 0x60, 0x60));
            p.drawPolygon(
                QPolygonF({{1, 5.5}, {4.5, 5.5}, {9, 1.5}, {9, 14.5}, {4.5, 10.5}, {1, 10.5}}));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kInk, 1.2));
            p.drawArc(QRectF(7, 4, 6, 8), -60 * 16, 120 * 16);
            p.drawArc(QRectF(6, 1.5, 9.5, 13), -60 * 16, 120 * 16);
            break;
        case cmd::AppAbout:
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x3b, 0x6e, 0xc4));
            p.drawEllipse(QPointF(8, 8), 7.5, 7.5);
            questionMark(p);
            break;
        default: break;
    }
}

class GlyphEngine : public QIconEngine {
   public:
    explicit GlyphEngine(int id) : m_id(id) {}
    QIconEngine* clone() const override { return new GlyphEngine(m_id); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const qreal side = qMin(rect.width(), rect.height());
        painter->translate(rect.x() + (rect.width() - side) / 2.0,
                           rect.y() + (rect.height() - side) / 2.0);
        painter->scale(side / 16.0, side / 16.0);
        drawGlyph(*painter, m_id);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        QPixmap pm(size * scale);
        pm.fill(Qt::transparent);
        {
            QPainter p(&pm);
            paint(&p, QRect(QPoint(0, 0), pm.size()), QIcon::Normal, state);
        }
        pm.setDevicePixelRatio(scale);
        if (mode == QIcon::Normal || mode == QIcon::Active) return pm;
        // Disabled and selected looks come from the style, as for any icon.
        QStyleOption opt;
        return QApplication::style()->generatedIconPixmap(mode, pm, &opt);
    }

   private:
    int m_id;
};

const char* themeName(int id) {
    switch (id) {
        case cmd::FileNew: return "document-new";
        case cmd::FileOpen: return "document-open";
        case cmd::FileSave: return "document-save";
        case cmd::DeleteLines: return "edit-delete";
        case cmd::EditTapeEntry: return "document-edit";
        case cmd::CopySheet: return "edit-copy";
        case cmd::EditComment: return "insert-text";
        case cmd::FilePrintPreview: return "document-print-preview";
        case cmd::FilePrint: return "document-print";
        case cmd::MacroImport: return "document-import";
        case cmd::MacroExport: return "document-export";
        case cmd::MacroEdit: return "document-properties";
        case cmd::MacroStartRecording: return "media-record";
        case cmd::MacroStopRecording: return "media-playback-stop";
        case cmd::MacroClearAll: return "edit-clear";
        case cmd::ReadTape: return "audio-volume-high";
        case cmd::AppAbout: return "help-about";
        default: return nullptr;
    }
}

}  // namespace

QIcon toolbarIcon(int commandId) {
    QIcon glyph(new GlyphEngine(commandId));
    const char* name = themeName(commandId);
    return name ? QIcon::fromTheme(QString::fromLatin1(name), glyph) : glyph;
}

}  // namespace vor
