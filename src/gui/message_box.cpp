#include "gui/message_box.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QStyle>

#include "gui/modal_cursor.h"
#include "gui/resources.h"
#include "gui/translation.h"

namespace vor {

QPixmap messageIcon(Icon icon, const QWidget& box) {
    // Drawn from SVG at the box's device pixel ratio: the style's own
    // message icons are small bitmaps that blur when the desktop scales.
    registerVorlexResources();
    const QIcon svg(icon == Icon::Information ? QStringLiteral(":/msg-information.svg")
                                              : QStringLiteral(":/msg-warning.svg"));
    const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    return svg.pixmap(QSize(size, size), box.devicePixelRatio());
}

Answer QtMessagePort::show(const std::string& text, Buttons buttons, Icon icon) {
    QMessageBox box(icon == Icon::Information ? QMessageBox::Information : QMessageBox::Warning,
                    QStringLiteral("VOR"), translateMessage(text), QMessageBox::NoButton, m_parent);
    box.setIconPixmap(messageIcon(icon, box));
    switch (buttons) {
        case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            break;
        case Buttons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Ok);
            break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
    }
    int result = 0;
    {
        const NormalCursorWhileModal cursor;
        result = box.exec();
    }
    switch (result) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Ok: return Answer::Ok;
        case QMessageBox::Cancel: return Answer::Cancel;
        // Closed without a button: the cautious answer.
        default:
            return buttons == Buttons::Ok      ? Answer::Ok
                   : buttons == Buttons::YesNo ? Answer::No
                                               : Answer::Cancel;
    }
}

}  // namespace vor
