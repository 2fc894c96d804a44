#include "dialogs/dialog_messages.h"

#include <QMessageBox>
#include <utility>

namespace taravin {

namespace {

DialogMessageHandler& installedHandler() {
    static DialogMessageHandler handler;
    return handler;
}

}  // namespace

void showDialogMessage(QWidget* parent, DialogMessageKind kind, const QString& text) {
    if (const DialogMessageHandler& handler = installedHandler()) {
        handler(kind, text);
        return;
    }
    const QString title = QStringLiteral("Taravin");
    if (kind == DialogMessageKind::kStop) {
        QMessageBox::critical(parent, title, text);
    } else {
        QMessageBox::warning(parent, title, text);
    }
}

DialogMessageHandler setDialogMessageHandler(DialogMessageHandler handler) {
    return std::exchange(installedHandler(), std::move(handler));
}

}  // namespace taravin
