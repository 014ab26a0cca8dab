#include "gui/edit_entry_widget.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/accessible_names.h"
#include "gui/length_limit.h"
#include "gui/translation.h"

namespace vor {
namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

EditEntryWidget::EditEntryWidget(CEditEntryDlg& model, MessagePort& messages,
                                 std::function<void()> help, QWidget* parent)
    : QDialog(parent), m_model(model), m_messages(messages), m_onHelp(std::move(help)) {
    setWindowTitle(uiText(CEditEntryDlg::kCaption));
    setModal(true);
    const QFontMetrics fm = fontMetrics();
    const int charWidth = fm.averageCharWidth();

    auto* valueLabel = new QLabel(Tr::tr("Numerical Value (or \"MR\"):"), this);
    m_value = new QLineEdit(qs(model.m_valueText), this);
    m_value->setObjectName(QStringLiteral("valueEdit"));
    limitCharacters(m_value, CEditEntryDlg::kMaxValue);
    m_value->setMinimumWidth(24 * charWidth);
    labelField(valueLabel, m_value);

    m_percent = new QCheckBox(Tr::tr("Check Here if Numeric Value is a Percentage."), this);
    m_percent->setObjectName(QStringLiteral("percentCheck"));
    m_percent->setChecked(model.m_isPercent != 0);

    auto* commentLabel = new QLabel(Tr::tr("Comment for this line:"), this);
    m_comment = new QLineEdit(qs(model.m_comment), this);
    m_comment->setObjectName(QStringLiteral("commentEdit"));
    limitCharacters(m_comment, CEditEntryDlg::kMaxComment);
    // Room for a comment of the full length without scrolling.
    m_comment->setMinimumWidth((CEditEntryDlg::kMaxComment + 2) * charWidth);
    labelField(commentLabel, m_comment);

    auto* keyLabel = new QLabel(Tr::tr("Function Button:"), this);
    m_keys = new QListWidget(this);
    m_keys->setObjectName(QStringLiteral("keyList"));
    m_keys->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const std::string& label : model.m_keyList) m_keys->addItem(qs(label));
    if (model.m_keySelection >= 0 && model.m_keySelection < m_keys->count())
        m_keys->setCurrentRow(model.m_keySelection);
    m_keys->setFixedWidth(12 * charWidth + 2 * m_keys->frameWidth());
    labelField(keyLabel, m_keys);
    // T, ST, MT, MST, MUD and C lines keep their key: nothing to choose.
    keyLabel->setEnabled(m_keys->count() > 0);
    m_keys->setEnabled(m_keys->count() > 0);

    m_ok = new QPushButton(Tr::tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setDefault(true);
    auto* cancel = new QPushButton(Tr::tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    m_help = new QPushButton(Tr::tr("Help"), this);
    m_help->setObjectName(QStringLiteral("helpButton"));
    m_help->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &EditEntryWidget::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [this] {
        if (m_onHelp) m_onHelp();
    });

    // The fields on the left, in the order they are filled in; the key list
    // beside them; the buttons down the right edge.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(2 * charWidth);
    grid->setVerticalSpacing(fm.height() / 4);
    grid->addWidget(valueLabel, 0, 0);
    grid->addWidget(m_value, 1, 0);
    grid->addWidget(m_percent, 2, 0);
    grid->addItem(new QSpacerItem(0, fm.height() / 2), 3, 0);
    grid->addWidget(commentLabel, 4, 0);
    grid->addWidget(m_comment, 5, 0);
    grid->setRowStretch(6, 1);
    grid->addWidget(keyLabel, 0, 1);
    grid->addWidget(m_keys, 1, 1, 6, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    buttons->addSpacing(fm.height() / 2);
    buttons->addWidget(m_help);
    buttons->addStretch(1);

    auto* page = new QHBoxLayout(this);
    page->addLayout(grid, 1);
    page->addSpacing(charWidth);
    page->addLayout(buttons);

    // Seven rows of the list are visible; a blank comment line's twelve keys
    // scroll. An empty list is measured with a stand-in row, so every
    // dialog has the same shape.
    const bool empty = m_keys->count() == 0;
    if (empty) m_keys->addItem(QStringLiteral("Ttl"));
    const int rowHeight = m_keys->sizeHintForRow(0);
    if (empty) delete m_keys->takeItem(0);
    m_keys->setFixedHeight(7 * rowHeight + 2 * m_keys->frameWidth());
    resize(sizeHint());
    m_value->setFocus();
    m_value->selectAll();
}

void EditEntryWidget::accept() {
    m_model.m_valueText = m_value->text().toStdString();
    m_model.m_comment = m_comment->text().toStdString();
    m_model.m_isPercent = m_percent->isChecked() ? 1 : 0;
    const QList<QListWidgetItem*> chosen = m_keys->selectedItems();
    m_model.m_keySelection = chosen.isEmpty() ? -1 : m_keys->row(chosen.front());
    const std::string refusal = m_model.onOK();
    if (refusal.empty()) {
        QDialog::accept();
        return;
    }
    m_messages.show(refusal, Buttons::Ok, Icon::Exclamation);
    QLineEdit* field =
        m_model.m_refusedControl == CEditEntryDlg::kValueControl ? m_value : m_comment;
    field->setFocus();
    field->selectAll();
}

bool execEditEntryDialog(CEditEntryDlg& model, QWidget* parent, MessagePort& messages,
                         std::function<void()> help) {
    EditEntryWidget dialog(model, messages, std::move(help), parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace vor
