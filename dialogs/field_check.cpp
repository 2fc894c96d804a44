#include "dialogs/field_check.h"

#include <QLineEdit>

#include "model/integer_text.h"

namespace taravin {

void refuseAtField(QLineEdit& field, DialogMessageKind kind, const QString& text) {
    showDialogMessage(field.window(), kind, text);
    field.setFocus();
    field.selectAll();
}

std::optional<int32_t> checkedIntegerField(QLineEdit& field, int32_t minimum, int32_t maximum) {
    const IntegerField checked = readIntegerField(field.text().toStdString(), minimum, maximum);
    if (!checked.value) {
        refuseAtField(field, DialogMessageKind::kFieldCheck,
                      QString::fromStdString(checked.message));
    }
    return checked.value;
}

}  // namespace taravin
