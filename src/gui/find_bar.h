#pragma once

#include <QToolBar>

class QLabel;
class QLineEdit;

namespace vor {

// The bar under the tape that finds a line: a text field, Previous and
// Next, a line that says what the last search found, and Close. Enter or
// F3 in the field finds the next line, Shift+F3 the previous one, Esc
// closes the bar and gives the keys back to the calculator.
class FindBar : public QToolBar {
    Q_OBJECT
   public:
    explicit FindBar(QWidget* parent = nullptr);

    // Shows the bar with the focus in its field and the text selected.
    void open();
    QString query() const;
    // What the last search found, shown and read out beside the field.
    void setOutcome(const QString& text);

   signals:
    void findRequested(bool forward);
    void closeRequested();

   protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

   private:
    QLineEdit* m_field = nullptr;
    QLabel* m_outcome = nullptr;
};

}  // namespace vor
