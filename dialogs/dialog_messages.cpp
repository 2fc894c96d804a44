#include "dialogs/dialog_messages.h"

#include <QMessageBox>
#include <utility>

#include "gui_base/application_title.h"

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
    if (kind == DialogMessageKind::kStop) {
        QMessageBox::critical(parent, kApplicationTitle, text);
    } else {
        QMessageBox::warning(parent, kApplicationTitle, text);
    }
}

DialogMessageHandler setDialogMessageHandler(DialogMessageHandler handler) {
    return std::exchange(installedHandler(), std::move(handler));
}

}  // namespace taravin
