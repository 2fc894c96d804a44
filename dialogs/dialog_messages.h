#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace taravin {

enum class DialogMessageKind {
    kStop,        // a refusal with the stop icon
    kFieldCheck,  // the standard message of a field outside its range, with the warning icon
};

// Shows a dialog's message in a modal box with an OK button, or hands it to the handler
// installed below.
void showDialogMessage(QWidget* parent, DialogMessageKind kind, const QString& text);

// Replaces the modal boxes, so that a test can read what a dialog says without a box waiting
// for a click. An empty handler brings the boxes back. Returns the handler replaced.
using DialogMessageHandler = std::function<void(DialogMessageKind, const QString&)>;
DialogMessageHandler setDialogMessageHandler(DialogMessageHandler handler);

}  // namespace taravin
