#include "gui/message_box.h"

#include <QApplication>
#include <QMessageBox>

#include "gui/modal_cursor.h"

namespace vor {

Answer QtMessagePort::show(const std::string& text, Buttons buttons, Icon icon) {
    QMessageBox box(icon == Icon::Information ? QMessageBox::Information : QMessageBox::Warning,
                    QStringLiteral("VOR"), QString::fromStdString(text), QMessageBox::NoButton,
                    m_parent);
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
