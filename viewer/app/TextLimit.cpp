#include "app/TextLimit.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>
#include <memory>

namespace vordalis {

void LimitTyping(QLineEdit* edit, int maxChars) {
    // The text before the edit, to undo typing past the limit.
    auto previous = std::make_shared<QString>(edit->text());
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, previous, maxChars](const QString& text) {
        if (text.size() > maxChars && text.size() > previous->size() && edit->isModified()) {
            QSignalBlocker block(edit);
            int cursor = edit->cursorPosition() - int(text.size() - previous->size());
            edit->setText(*previous);
            edit->setCursorPosition(std::max(0, cursor));
            QApplication::beep();
            return;
        }
        *previous = text;
    });
}

void LimitTyping(QPlainTextEdit* edit, int maxChars) {
    auto previous = std::make_shared<QString>(edit->toPlainText());
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, previous, maxChars]() {
        QString text = edit->toPlainText();
        if (text.size() > maxChars && text.size() > previous->size() && edit->document()->isModified()) {
            QSignalBlocker block(edit);
            QTextCursor cursor = edit->textCursor();
            int pos = cursor.position() - int(text.size() - previous->size());
            edit->setPlainText(*previous);
            cursor = edit->textCursor();
            cursor.setPosition(std::clamp(pos, 0, int(previous->size())));
            edit->setTextCursor(cursor);
            QApplication::beep();
            return;
        }
        *previous = text;
    });
}

} // namespace vordalis
