#include "gui/edit_macros_widget.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "gui/accessible_names.h"
#include "gui/enter_value_widget.h"
#include "gui/length_limit.h"
#include "gui/translation.h"

namespace vor {

// The Macro Listing reorders by dragging an entry within the list, as the
// classic drag list box does: press on an entry, move with the button held
// (a line shows where it will land), release to drop. It is plain mouse
// handling rather than Qt's drag and drop, whose move is carried out as an
// insert plus a remove; here the model is told of one move and nothing else.
class DragListBox : public QListWidget {
   public:
    using QListWidget::QListWidget;

    // Called with the entry's row before and after the move.
    std::function<void(int from, int to)> onMoved;

   protected:
    void mousePressEvent(QMouseEvent* event) override {
        m_dragRow = -1;
        m_gap = -1;
        if (event->button() == Qt::LeftButton) {
            m_pressAt = event->position().toPoint();
            m_dragRow = indexAt(m_pressAt).row();
        }
        QListWidget::mousePressEvent(event);
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        const QPoint at = event->position().toPoint();
        if (m_dragRow < 0 || !(event->buttons() & Qt::LeftButton)) {
            QListWidget::mouseMoveEvent(event);
            return;
        }
        if (m_gap < 0 && (at - m_pressAt).manhattanLength() < QApplication::startDragDistance())
            return;
        // Above or below the list it scrolls, so any position can be reached.
        if (at.y() < 0) verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        if (at.y() >= viewport()->height())
            verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        if (m_gap < 0) viewport()->setCursor(Qt::DragMoveCursor);
        m_gap = gapAt(at);
        viewport()->update();
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (m_gap < 0) {
            m_dragRow = -1;
            QListWidget::mouseReleaseEvent(event);
            return;
        }
        const int from = m_dragRow, gap = m_gap;
        endDrag();
        // A gap counts the rows above it; below the entry's own place the
        // entry itself no longer stands there once it has moved.
        const int to = gap > from ? gap - 1 : gap;
        if (to != from && onMoved) onMoved(from, to);
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (m_gap >= 0 && event->key() == Qt::Key_Escape) {
            endDrag();
            return;
        }
        QListWidget::keyPressEvent(event);
    }

    void paintEvent(QPaintEvent* event) override {
        QListWidget::paintEvent(event);
        if (m_gap < 0) return;
        const int rows = count();
        int y = 0;
        if (rows > 0) {
            y = m_gap < rows ? visualItemRect(item(m_gap)).top()
                             : visualItemRect(item(rows - 1)).bottom() + 1;
        }
        QPainter painter(viewport());
        painter.setPen(QPen(palette().color(QPalette::Text), 2));
        painter.drawLine(0, y, viewport()->width(), y);
    }

   private:
    // The gap between rows nearest to `at`: 0 above the first row, count()
    // below the last.
    int gapAt(QPoint at) const {
        const int rows = count();
        if (rows == 0) return 0;
        const QModelIndex index = indexAt(QPoint(1, at.y()));
        if (!index.isValid()) return at.y() < visualItemRect(item(0)).top() ? 0 : rows;
        const QRect r = visualRect(index);
        return at.y() < r.center().y() ? index.row() : index.row() + 1;
    }

    void endDrag() {
        m_dragRow = -1;
        m_gap = -1;
        viewport()->unsetCursor();
        viewport()->update();
    }

    QPoint m_pressAt;
    int m_dragRow = -1;
    int m_gap = -1;  // where a drop would put the entry; -1 when not dragging
};

namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// Rounds half away from zero like the platform's MulDiv, so each edge lands
// where the classic dialog template put it.
int mulDiv(int value, int numerator, int denominator) {
    return static_cast<int>((static_cast<long long>(value) * numerator + denominator / 2) /
                            denominator);
}

QListWidget* newList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

}  // namespace

EditMacrosWidget::EditMacrosWidget(CEditMacrosDlg& model, std::function<void()> help,
                                   QWidget* parent)
    : QDialog(parent), m_model(model), m_onHelp(std::move(help)) {
    setWindowTitle(uiText(CEditMacrosDlg::kCaption));
    setModal(true);
    buildControls();
    placeControls();
    connectControls();
    showListing();
    showTexts();
    m_listing->setFocus();
}

QListWidget* EditMacrosWidget::listing() const {
    return m_listing;
}

void EditMacrosWidget::buildControls() {
    // Created in the template's order, which is also the tab order.
    auto place = [this](QWidget* w, int x, int y, int width, int height) {
        m_template.append({w, QRect(x, y, width, height)});
    };
    auto label = [&](const char* text, int x, int y, int width, int height) {
        auto* l = new QLabel(uiText(text), this);
        place(l, x, y, width, height);
        return l;
    };
    auto command = [&](int id, const char* text, const char* name, int x, int y) {
        auto* b = new QPushButton(uiText(text), this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        m_commands.insert(id, b);
        place(b, x, y, 50, 14);
        return b;
    };

    QLabel* listingLabel = label(QT_TRANSLATE_NOOP("vorlex", "Macro Listing:"), 15, 1, 66, 8);
    m_listing = new DragListBox(this);
    labelField(listingLabel, m_listing);
    m_listing->setObjectName(QStringLiteral("macroListing"));
    m_listing->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listing->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    place(m_listing, 15, 10, 66, 134);

    QLabel* buttonsLabel = label(QT_TRANSLATE_NOOP("vorlex", "Available Buttons:"), 137, 1, 66, 8);
    m_buttons = newList(this, "availableButtons");
    labelField(buttonsLabel, m_buttons);
    for (const CMacroListingEntry& b : CEditMacrosDlg::availableButtons())
        m_buttons->addItem(qs(b.m_label));
    place(m_buttons, 137, 10, 66, 133);

    QLabel* activeLabel = label(QT_TRANSLATE_NOOP("vorlex", "Active Macro:"), 211, 1, 60, 8);
    m_active = newList(this, "activeMacro");
    labelField(activeLabel, m_active);
    QLabel* targetLabel = label(QT_TRANSLATE_NOOP("vorlex", "Target Macro:"), 211, 94, 60, 8);
    m_target = newList(this, "targetMacro");
    labelField(targetLabel, m_target);
    for (int k = 0; k < kMacroCount; ++k) {
        m_active->addItem(QStringLiteral("Macro%1").arg(k));
        m_target->addItem(QStringLiteral("Macro%1").arg(k));
    }
    place(m_active, 211, 10, 48, 40);
    place(m_target, 211, 103, 48, 40);

    command(ReplaceButton, QT_TRANSLATE_NOOP("vorlex", "<-&Replace"), "replaceButton", 83, 25);
    command(DeleteButton, QT_TRANSLATE_NOOP("vorlex", "<-&Delete"), "deleteButton", 83, 47);
    command(InsertButton, QT_TRANSLATE_NOOP("vorlex", "<-&Insert"), "insertButton", 83, 69);
    command(AppendButton, QT_TRANSLATE_NOOP("vorlex", "<-&Append"), "appendButton", 83, 91);
    command(ClearButton, QT_TRANSLATE_NOOP("vorlex", "<-Clear"), "clearButton", 83, 113);
    command(CopyButton, QT_TRANSLATE_NOOP("vorlex", "Copy Macro"), "copyButton", 209, 65);

    QLabel* promptLabel = label(QT_TRANSLATE_NOOP("vorlex", "Prompt:"), 6, 154, 31, 8);
    m_prompt = new QLineEdit(this);
    labelField(promptLabel, m_prompt);
    m_prompt->setObjectName(QStringLiteral("promptEdit"));
    place(m_prompt, 39, 151, 220, 14);
    QLabel* defaultLabel = label(QT_TRANSLATE_NOOP("vorlex", "Default\nValue:"), 6, 167, 31, 16);
    m_default = new QLineEdit(this);
    labelField(defaultLabel, m_default);
    m_default->setObjectName(QStringLiteral("defaultEdit"));
    place(m_default, 39, 168, 220, 14);
    for (QLineEdit* edit : {m_prompt, m_default}) {
        limitCharacters(edit, CEditMacrosDlg::kMaxText);
        edit->installEventFilter(this);
    }

    m_ok = new QPushButton(Tr::tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setDefault(true);
    place(m_ok, 50, 186, 50, 14);
    m_cancel = new QPushButton(Tr::tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_cancel->setAutoDefault(false);
    place(m_cancel, 118, 186, 50, 14);
    command(HelpButton, QT_TRANSLATE_NOOP("vorlex", "Help"), "helpButton", 186, 186);
}

void EditMacrosWidget::placeControls() {
    // Dialog units from the dialog's font, as the platform defines them: a
    // quarter of the average width of the alphabet, an eighth of the height.
    const QFontMetrics fm = fontMetrics();
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int unitX = qMax(1, (fm.horizontalAdvance(alphabet) + 26) / 52);
    const int unitY = qMax(1, fm.height());
    auto pixels = [&](const QRect& d) {
        // Each edge on its own, so neighbours keep equal gaps.
        const int left = mulDiv(d.x(), unitX, 4), right = mulDiv(d.x() + d.width(), unitX, 4);
        const int top = mulDiv(d.y(), unitY, 8), bottom = mulDiv(d.y() + d.height(), unitY, 8);
        return QRect(left, top, right - left, bottom - top);
    };

    QRect used;
    for (const auto& [w, d] : m_template) {
        QRect r = pixels(d);
        if (qobject_cast<QLabel*>(w)) {
            // A font wider than the classic one still shows the whole text.
            r.setSize(r.size().expandedTo(w->sizeHint()));
        } else if (w == m_active || w == m_target) {
            // The four macros are always all in view: no scroll bar.
            auto* list = static_cast<QListWidget*>(w);
            const int rows = kMacroCount * list->sizeHintForRow(0) + 2 * list->frameWidth();
            r.setHeight(qMax(r.height(), rows));
        }
        w->setGeometry(r);
        used |= r;
    }
    // The template's size, or more where a control had to grow.
    const QRect box = pixels(QRect(0, 0, 273, 202));
    setFixedSize(box.size().expandedTo(QSize(used.right() + unitX, used.bottom() + unitY / 2)));
}

void EditMacrosWidget::connectControls() {
    connect(m_commands[ReplaceButton], &QPushButton::clicked, this,
            [this] { act(&CEditMacrosDlg::replace); });
    connect(m_commands[DeleteButton], &QPushButton::clicked, this,
            [this] { act(&CEditMacrosDlg::deleteEntry); });
    connect(m_commands[InsertButton], &QPushButton::clicked, this,
            [this] { act(&CEditMacrosDlg::insert); });
    connect(m_commands[AppendButton], &QPushButton::clicked, this,
            [this] { act(&CEditMacrosDlg::append); });
    connect(m_commands[ClearButton], &QPushButton::clicked, this,
            [this] { act(&CEditMacrosDlg::clear); });
    connect(m_commands[CopyButton], &QPushButton::clicked, this,
            [this] { act(&CEditMacrosDlg::copyMacro); });
    connect(m_commands[HelpButton], &QPushButton::clicked, this, [this] {
        if (m_onHelp) m_onHelp();
    });
    connect(m_ok, &QPushButton::clicked, this, &EditMacrosWidget::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    connect(m_listing, &QListWidget::itemSelectionChanged, this,
            [this] { followSelection(m_listing, m_model.m_listingSelection); });
    connect(m_buttons, &QListWidget::itemSelectionChanged, this,
            [this] { followSelection(m_buttons, m_model.m_buttonSelection); });
    connect(m_target, &QListWidget::itemSelectionChanged, this,
            [this] { followSelection(m_target, m_model.m_targetMacro); });
    connect(m_active, &QListWidget::itemSelectionChanged, this, [this] {
        const int before = m_model.m_activeMacro;
        followSelection(m_active, m_model.m_activeMacro);
        if (m_model.m_activeMacro == before) return;
        m_model.selectActiveMacro(m_model.m_activeMacro);
        showListing();
        showTexts();
    });
    connect(m_listing, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        m_model.m_listingSelection = m_listing->row(item);
        act(&CEditMacrosDlg::deleteEntry);
    });
    connect(m_buttons, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        m_model.m_buttonSelection = m_buttons->row(item);
        act(&CEditMacrosDlg::append);
    });
    m_listing->onMoved = [this](int from, int to) {
        m_model.moveEntry(from, to);
        showListing();
    };
    // The model always holds what the edits show; the edits' texts reach
    // the macros when an edit gives up the focus.
    connect(m_prompt, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_model.m_prompt = text.toStdString(); });
    connect(m_default, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_model.m_default = text.toStdString(); });
}

void EditMacrosWidget::followSelection(QListWidget* list, int& selection) {
    const QList<QListWidgetItem*> chosen = list->selectedItems();
    if (!chosen.isEmpty()) {
        selection = list->row(chosen.front());
        return;
    }
    // A click with Ctrl can empty a Qt list; these lists always keep the
    // entry the model has chosen, as a single-selection list box does.
    if (selection >= 0 && selection < list->count()) {
        const QSignalBlocker block(list);
        list->setCurrentRow(selection);
    }
}

bool EditMacrosWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == m_prompt || watched == m_default)) {
        // Another window coming to the front (a message box, a context menu)
        // is not the user leaving the field: that would store the listing
        // again in the middle of an operation.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == m_prompt)
                m_model.promptDone();
            else
                m_model.defaultDone();
            showTexts();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void EditMacrosWidget::commitFocusedEdit() {
    if (m_prompt->hasFocus()) m_model.promptDone();
    if (m_default->hasFocus()) m_model.defaultDone();
}

void EditMacrosWidget::act(void (CEditMacrosDlg::*operation)()) {
    commitFocusedEdit();
    (m_model.*operation)();
    showListing();
    showTexts();
}

void EditMacrosWidget::showListing() {
    const QSignalBlocker block(m_listing);
    m_listing->clear();
    for (const CMacroListingEntry& e : m_model.m_listing) {
        auto* item = new QListWidgetItem(qs(e.m_label), m_listing);
        item->setData(Qt::UserRole, e.m_id);
    }
    const int sel = m_model.m_listingSelection;
    if (sel >= 0 && sel < m_listing->count()) {
        m_listing->setCurrentRow(sel);
        m_listing->scrollToItem(m_listing->item(sel));
    } else {
        m_listing->setCurrentRow(-1);
        m_listing->clearSelection();
    }
    for (auto [list, row] : {std::pair{m_buttons, m_model.m_buttonSelection},
                             {m_active, m_model.m_activeMacro},
                             {m_target, m_model.m_targetMacro}}) {
        const QSignalBlocker blockList(list);
        if (row >= 0 && row < list->count() && list->currentRow() != row) list->setCurrentRow(row);
    }
}

void EditMacrosWidget::showTexts() {
    // Only a changed text is set: setting it moves the cursor to the end.
    if (m_prompt->text() != qs(m_model.m_prompt)) m_prompt->setText(qs(m_model.m_prompt));
    if (m_default->text() != qs(m_model.m_default)) m_default->setText(qs(m_model.m_default));
}

void EditMacrosWidget::accept() {
    m_model.m_prompt = m_prompt->text().toStdString();
    m_model.m_default = m_default->text().toStdString();
    m_model.onOK();
    QDialog::accept();
}

bool execEditMacrosDialog(CEditMacrosDlg& model, QWidget* parent, std::function<void()> help) {
    EditMacrosWidget dialog(model, std::move(help), parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace vor
