#include "gui/enter_value_widget.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include "gui/accessible_names.h"
#include "gui/length_limit.h"
#include "gui/translation.h"

namespace vor {
namespace {

// Rounds half away from zero like the platform's MulDiv.
int mulDiv(int value, int numerator, int denominator) {
    return static_cast<int>((static_cast<long long>(value) * numerator + denominator / 2) /
                            denominator);
}

}  // namespace

EnterValueWidget::EnterValueWidget(CEnterValueDlg& model, MessagePort& messages, QWidget* parent)
    : QDialog(parent), m_model(model), m_messages(messages) {
    setWindowTitle(uiText(CEnterValueDlg::kCaption));
    setModal(true);

    auto* heading = new QLabel(uiText(CEnterValueDlg::kHeading), this);
    // A read-only text box rather than a label: a long word (a file path, a
    // row of digits) wraps anywhere instead of running out of the box, and a
    // prompt taller than the box scrolls.
    m_promptBox = new QPlainTextEdit(QString::fromStdString(model.shownPrompt()), this);
    m_promptBox->setObjectName(QStringLiteral("promptBox"));
    labelField(heading, m_promptBox);
    m_promptBox->setReadOnly(true);
    m_promptBox->setTextInteractionFlags(Qt::NoTextInteraction);
    m_promptBox->setFocusPolicy(Qt::NoFocus);
    m_promptBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_promptBox->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_promptBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_promptBox->document()->setDocumentMargin(2);
    QPalette staticText = m_promptBox->palette();
    staticText.setColor(QPalette::Base, staticText.color(QPalette::Window));
    m_promptBox->setPalette(staticText);
    auto* valueLabel = new QLabel(uiText(CEnterValueDlg::kValueLabel), this);
    m_value = new QLineEdit(QString::fromStdString(model.m_valueText), this);
    m_value->setObjectName(QStringLiteral("valueEdit"));
    limitCharacters(m_value, CEnterValueDlg::kMaxValue);
    labelField(valueLabel, m_value);
    m_ok = new QPushButton(Tr::tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(Tr::tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_cancel->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &EnterValueWidget::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    // Placed in dialog units of the dialog's font, as the classic template
    // gives them; a label needing more room for its text gets it.
    const QFontMetrics fm = fontMetrics();
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int unitX = qMax(1, (fm.horizontalAdvance(alphabet) + 26) / 52);
    const int unitY = qMax(1, fm.height());
    auto pixels = [&](int x, int y, int w, int h) {
        const int left = mulDiv(x, unitX, 4), right = mulDiv(x + w, unitX, 4);
        const int top = mulDiv(y, unitY, 8), bottom = mulDiv(y + h, unitY, 8);
        return QRect(left, top, right - left, bottom - top);
    };
    QRect used;
    auto place = [&](QWidget* w, QRect r) {
        if (qobject_cast<QLabel*>(w)) r.setSize(r.size().expandedTo(w->sizeHint()));
        w->setGeometry(r);
        used |= r;
    };
    place(heading, pixels(13, 14, 104, 8));
    place(m_promptBox, pixels(13, 24, 152, 66));
    place(valueLabel, pixels(13, 102, 21, 8));
    place(m_value, pixels(37, 99, 128, 14));
    place(m_ok, pixels(169, 35, 50, 14));
    place(m_cancel, pixels(169, 55, 50, 14));
    setFixedSize(pixels(0, 0, 232, 141)
                     .size()
                     .expandedTo(QSize(used.right() + unitX, used.bottom() + unitY / 2)));

    m_value->setFocus();
    m_value->selectAll();
}

void EnterValueWidget::accept() {
    m_model.m_valueText = m_value->text().toStdString();
    const std::string refusal = m_model.onOK();
    if (refusal.empty()) {
        QDialog::accept();
        return;
    }
    m_messages.show(refusal, Buttons::Ok, Icon::Exclamation);
    m_value->setFocus();
    m_value->selectAll();
}

bool execEnterValueDialog(CEnterValueDlg& model, QWidget* parent, MessagePort& messages) {
    EnterValueWidget dialog(model, messages, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace vor
