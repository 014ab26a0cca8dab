#pragma once

class QLabel;
class QString;
class QWidget;

namespace vor {

// The words a label shows, as a screen reader should say them: without the
// mnemonic marks, the line breaks and the closing colon ("Default\nValue:"
// is "Default Value").
QString spokenLabel(const QString& text);

// Ties a field to the label printed beside it: the label's mnemonic moves
// the keyboard there, and the label's words become the field's accessible
// name. The name is set as well as the buddy because an item view takes no
// name from its buddy label.
void labelField(QLabel* label, QWidget* field);

}  // namespace vor
