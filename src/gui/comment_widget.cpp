#include "gui/comment_widget.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/accessible_names.h"
#include "gui/translation.h"

namespace vor {
namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// The model counts characters; the line edit counts UTF-16 units, two for a
// character outside the basic plane.
int utf16Index(const QString& text, int characters) {
    int i = 0;
    while (characters-- > 0 && i < text.size())
        i += (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
    return i;
}

}  // namespace

CommentWidget::CommentWidget(CCommentDlg& model, MessagePort& messages, QWidget* parent)
    : QDialog(parent), m_model(model), m_messages(messages) {
    setWindowTitle(Tr::tr("Add a Comment"));
    setModal(true);

    auto* label = new QLabel(Tr::tr("Enter your comment into the box below (45 characters max):"));

    m_box = new QComboBox;
    m_box->setObjectName(QStringLiteral("commentBox"));
    m_box->setEditable(true);
    // The model completes from the history and decides what joins it; Qt's
    // own completer and Enter-inserts-an-item would fight it.
    m_box->setCompleter(nullptr);
    m_box->setInsertPolicy(QComboBox::NoInsert);
    m_box->setMaxVisibleItems(CCommentDlg::kHistorySize);
    m_box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_box->setMinimumContentsLength(CCommentDlg::kMaxComment);
    for (const std::string& entry : m_model.listEntries()) m_box->addItem(qs(entry));
    // Adding items makes the first one current, which would replace the
    // line's own comment in the edit field.
    m_box->setCurrentIndex(-1);
    m_box->setEditText(qs(m_model.m_commentText));
    m_box->lineEdit()->selectAll();
    // textEdited, not textChanged: only what the user types completes, never
    // the completion itself or a pick from the list.
    connect(m_box->lineEdit(), &QLineEdit::textEdited, this, &CommentWidget::textEdited);
    labelField(label, m_box);
    // The edit field inside the box is a control of its own to a screen
    // reader.
    m_box->lineEdit()->setAccessibleName(m_box->accessibleName());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &CommentWidget::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    m_clearHistory = new QPushButton(Tr::tr("Clear History"));
    m_clearHistory->setObjectName(QStringLiteral("clearHistoryButton"));
    m_clearHistory->setAutoDefault(false);
    m_clearHistory->setVisible(m_model.showClearHistory());
    connect(m_clearHistory, &QPushButton::clicked, this, &CommentWidget::clearHistory);

    auto* row = new QHBoxLayout;
    row->addWidget(m_clearHistory);
    row->addStretch(1);
    row->addWidget(buttons);

    auto* page = new QVBoxLayout(this);
    page->addWidget(label);
    page->addWidget(m_box);
    page->addSpacing(fontMetrics().height() / 2);
    page->addLayout(row);
    setFixedHeight(sizeHint().height());
    m_box->setFocus();
}

void CommentWidget::textEdited(const QString& text) {
    const auto completion = m_model.onTextChanged(text.toStdString());
    if (!completion) return;
    // The completed part stays selected, so typing on simply replaces it.
    const QString full = qs(completion->text);
    const int from = utf16Index(full, completion->selectFrom);
    QLineEdit* edit = m_box->lineEdit();
    edit->setText(full);
    edit->setSelection(from, static_cast<int>(full.size()) - from);
}

void CommentWidget::clearHistory() {
    m_model.clearHistory();
    m_box->clear();
    m_box->clearEditText();
    m_box->setFocus();
}

void CommentWidget::accept() {
    m_model.m_commentText = m_box->currentText().toStdString();
    const std::string refusal = m_model.onOK();
    if (!refusal.empty()) {
        m_messages.show(refusal, Buttons::Ok, Icon::Exclamation);
        // Back to the field that needs changing, as a refused entry does.
        m_box->setFocus();
        m_box->lineEdit()->selectAll();
        return;
    }
    QDialog::accept();
}

bool execCommentDialog(CCommentDlg& model, QWidget* parent, MessagePort& messages) {
    model.open();
    CommentWidget dialog(model, messages, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace vor
