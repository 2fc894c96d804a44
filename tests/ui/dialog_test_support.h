#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/dialog_messages.h"
#include "model/memory_profile.h"

// Helpers for driving the dialogs on the offscreen platform as a user would: controls are found
// by the labels and captions the user reads, and message boxes are recorded instead of shown.

namespace taravin::testing {

struct RecordedMessage {
    DialogMessageKind kind;
    QString text;
};

// Records every dialog message while it lives.
class MessageRecorder {
  public:
    MessageRecorder() {
        previous_ = setDialogMessageHandler([this](DialogMessageKind kind, const QString& text) {
            messages_.push_back({kind, text});
        });
    }
    ~MessageRecorder() { setDialogMessageHandler(previous_); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const std::vector<RecordedMessage>& messages() const { return messages_; }
    void clear() { messages_.clear(); }

  private:
    DialogMessageHandler previous_;
    std::vector<RecordedMessage> messages_;
};

// The control that the label with exactly this text (mnemonic included) names.
template <class Control>
Control* labelled(const QDialog& dialog, const QString& labelText) {
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text() == labelText) {
            return qobject_cast<Control*>(label->buddy());
        }
    }
    return nullptr;
}

// The button, check box or radio button with exactly this text.
template <class Button = QAbstractButton>
Button* captioned(const QDialog& dialog, const QString& text) {
    for (Button* button : dialog.findChildren<Button*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

inline void click(const QDialog& dialog, const QString& buttonText) {
    QAbstractButton* button = captioned(dialog, buttonText);
    QVERIFY2(button, qPrintable("no button " + buttonText));
    QTest::mouseClick(button, Qt::LeftButton);
}

// Runs `act` on the next modal dialog of type T that opens above the current one, as the user
// would act on a chooser that the dialog under test opens with exec().
template <class T>
void whenModalOpens(std::function<void(T&)> act) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(*modal);
        }
    });
    poll->start();
}

inline std::vector<std::string> writtenKeys(const MemoryProfile& profile) {
    std::vector<std::string> keys;
    for (const ProfileWrite& write : profile.writes()) {
        keys.push_back(write.section + "/" + write.key);
    }
    return keys;
}

}  // namespace taravin::testing
