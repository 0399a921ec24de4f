#pragma once
// Answers the modal windows that pop up while a viewer test runs: message boxes are recorded
// and closed (with No where they have it, or the button chosen); other dialogs are handed to a callback.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <utility>

class ModalWatcher : public QObject {
public:
    ModalWatcher() {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w || w->property("answered").toBool()) return;
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                messages << box->text();
                if (QAbstractButton* answer = box->button(answer_))
                    answer->click();
                else
                    box->reject();
                return;
            }
            w->setProperty("answered", true);
            // Outside this timer's slot, so that boxes the dialog opens are answered too.
            QTimer::singleShot(0, this, [this, w] {
                if (onDialog_) onDialog_(w);
            });
        });
        timer_.start(30);
    }
    // The button message boxes are answered with (No unless told otherwise).
    void AnswerWith(QMessageBox::StandardButton button) { answer_ = button; }
    // What to do with the next dialogs (message boxes are always recorded and closed).
    void SetHandler(std::function<void(QWidget*)> onDialog) { onDialog_ = std::move(onDialog); }
    // The texts of the message boxes shown since the last call.
    QStringList TakeMessages() { return std::exchange(messages, {}); }
    QStringList messages;

private:
    std::function<void(QWidget*)> onDialog_;
    QMessageBox::StandardButton answer_ = QMessageBox::No;
    QTimer timer_;
};
