#pragma once
// Character limits on edits as the title dialogs use them: typing cannot make a text longer
// than the limit, but a longer text put in by the program stays until the user shortens it
// (the dialog then refuses OK until it fits).
class QLineEdit;
class QPlainTextEdit;

namespace vordalis {

void LimitTyping(QLineEdit* edit, int maxChars);
void LimitTyping(QPlainTextEdit* edit, int maxChars);

} // namespace vordalis
