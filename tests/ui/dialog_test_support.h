#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
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

// Types the path into the file dialog's name field, as the user would (the dialog lists its
// folders in the background, so picking from the list would race it), and presses Open or Save.
inline void typeFileAndAccept(QFileDialog& files, const QString& path) {
    auto* name = files.findChild<QLineEdit*>("fileNameEdit");
    if (!name) {
        qFatal("the file dialog has no name field");
    }
    // A file the list selected for the proposed name would win over the typed one; the user's
    // typing drops it, so does this. Nothing runs between here and accept() to select it again.
    for (QAbstractItemView* view : files.findChildren<QAbstractItemView*>()) {
        if (view->selectionModel()) {
            view->selectionModel()->clearSelection();
        }
    }
    name->setText(path);
    // QFileDialog keeps its accept() protected; through QDialog it runs as the button runs it.
    static_cast<QDialog&>(files).accept();
    if (files.isVisible()) {
        qFatal("the file dialog refused %s", qPrintable(path));
    }
}

inline std::vector<std::string> writtenKeys(const MemoryProfile& profile) {
    std::vector<std::string> keys;
    for (const ProfileWrite& write : profile.writes()) {
        keys.push_back(write.section + "/" + write.key);
    }
    return keys;
}

}  // namespace taravin::testing
