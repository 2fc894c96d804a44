#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "dialogs/dialog_messages.h"

class QLineEdit;

namespace taravin {

// Shows the message, then puts the focus on the field at fault with its text selected, as a
// refused OK leaves a dialog.
void refuseAtField(QLineEdit& field, DialogMessageKind kind, const QString& text);

// The edit's integer when it lies in minimum..maximum; otherwise the standard field message
// ("Please enter an integer between %1 and %2.") is shown at the field and nothing returned.
std::optional<int32_t> checkedIntegerField(QLineEdit& field, int32_t minimum, int32_t maximum);

}  // namespace taravin
