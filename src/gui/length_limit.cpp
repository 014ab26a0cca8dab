#include "gui/length_limit.h"

#include <QLineEdit>
#include <QValidator>

namespace vor {
namespace {

qsizetype characters(const QString& text) {
    return static_cast<qsizetype>(text.toUcs4().size());
}

class CharacterLimit : public QValidator {
   public:
    CharacterLimit(QLineEdit* edit, qsizetype limit)
        : QValidator(edit), m_edit(edit), m_limit(limit) {}
    State validate(QString& input, int&) const override {
        const qsizetype n = characters(input);
        if (n <= m_limit) return Acceptable;
        return n < characters(m_edit->text()) ? Intermediate : Invalid;
    }

   private:
    QLineEdit* m_edit;
    qsizetype m_limit;
};

}  // namespace

void limitCharacters(QLineEdit* edit, int limit) {
    edit->setValidator(new CharacterLimit(edit, limit));
}

}  // namespace vor
