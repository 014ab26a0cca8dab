#include "gui/speech_widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/translation.h"

namespace vor {
namespace {

// Dialog units of the templates these dialogs were drawn in, converted with
// the dialog's own font.
QSize dialogUnits(const QWidget& w, int x, int y) {
    const QFontMetrics fm = w.fontMetrics();
    return {x * fm.averageCharWidth() / 4, y * fm.height() / 8};
}

QPushButton* button(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

ReadClipboardWidget::ReadClipboardWidget(CReadClipboardDlg& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
    setWindowTitle(uiText(CReadClipboardDlg::kCaption));
    setModal(true);
    m_edit = new QPlainTextEdit(QString::fromStdString(model.m_text), this);
    m_edit->setObjectName(QStringLiteral("textEdit"));
    m_edit->setAccessibleName(Tr::tr("Text to read"));
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Enter starts a new line in the text; OK is a click away.
    m_edit->setTabChangesFocus(true);
    auto* ok = button(Tr::tr("OK"), "okButton", this);
    auto* cancel = button(Tr::tr("Cancel"), "cancelButton", this);
    m_read = button(Tr::tr("Read"), "readButton", this);
    m_stop = button(Tr::tr("Stop"), "stopButton", this);
    connect(ok, &QPushButton::clicked, this, &ReadClipboardWidget::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_read, &QPushButton::clicked, this, [this] {
        m_model.m_text = m_edit->toPlainText().toStdString();
        m_model.onRead();
    });
    connect(m_stop, &QPushButton::clicked, this, [this] { m_model.onStop(); });

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_read);
    buttons->addWidget(m_stop);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* page = new QHBoxLayout(this);
    page->addWidget(m_edit, 1);
    page->addLayout(buttons);
    resize(dialogUnits(*this, 345, 122).expandedTo(sizeHint()));
    // The model arrives with the clipboard's text, which the user may edit.
    m_edit->setFocus();
}

void ReadClipboardWidget::accept() {
    m_model.m_text = m_edit->toPlainText().toStdString();
    QDialog::accept();
}

SelectModeWidget::SelectModeWidget(CSelectModeDlg& model, MessagePort& messages, QWidget* parent)
    : QDialog(parent), m_model(model), m_messages(messages) {
    setWindowTitle(uiText(CSelectModeDlg::kCaption));
    setModal(true);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("modeList"));
    m_list->setAccessibleName(Tr::tr("Speech engines and voices"));
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setUniformItemSizes(true);
    m_list->setMinimumSize(dialogUnits(*this, 337, 129));
    m_listing = new QLabel(Tr::tr("Listing more voices..."), this);
    m_listing->setObjectName(QStringLiteral("listingLabel"));
    fillList();
    // Engines still listing their voices fill the list in while it is open.
    if (!model.m_allListed)
        model.listenForModes([this] {
            m_model.m_selection = m_list->currentRow();
            m_model.refreshModes();
            fillList();
        });

    auto* label = new QLabel(Tr::tr("Speed (in words per minute):"), this);
    m_speed = new QLineEdit(QString::fromStdString(model.m_speedText), this);
    m_speed->setObjectName(QStringLiteral("speedEdit"));
    m_speed->setFixedWidth(dialogUnits(*this, 47, 12).width());
    label->setBuddy(m_speed);
    m_ok = new QPushButton(Tr::tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setDefault(true);
    auto* cancel = button(Tr::tr("Cancel"), "cancelButton", this);
    connect(m_ok, &QPushButton::clicked, this, &SelectModeWidget::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addSpacing(dialogUnits(*this, 9, 0).width());
    bottom->addWidget(label);
    bottom->addWidget(m_speed);
    bottom->addStretch(1);
    bottom->addWidget(cancel);
    bottom->addWidget(m_ok);
    auto* page = new QVBoxLayout(this);
    page->addWidget(m_list, 1);
    page->addWidget(m_listing);
    page->addLayout(bottom);
    m_list->setFocus();
}

SelectModeWidget::~SelectModeWidget() {
    m_model.listenForModes(nullptr);
}

void SelectModeWidget::fillList() {
    m_list->clear();
    QStringList lines;
    for (const std::string& line : m_model.m_lines) lines << QString::fromStdString(line);
    m_list->addItems(lines);
    if (m_model.m_selection >= 0 && m_model.m_selection < m_list->count())
        m_list->setCurrentRow(m_model.m_selection);
    m_listing->setVisible(!m_model.m_allListed);
    // In view once the list has its size.
    QTimer::singleShot(0, m_list, [list = m_list] {
        if (list->currentItem() != nullptr)
            list->scrollToItem(list->currentItem(), QAbstractItemView::PositionAtCenter);
    });
}

void SelectModeWidget::accept() {
    m_model.m_selection = m_list->currentRow();
    m_model.m_speedText = m_speed->text().toStdString();
    const std::string refusal = m_model.onOK();
    if (refusal.empty()) {
        QDialog::accept();
        return;
    }
    m_messages.show(refusal, Buttons::Ok, Icon::Exclamation);
    m_speed->setFocus();
    m_speed->selectAll();
}

}  // namespace vor
