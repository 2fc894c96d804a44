#include "dialogs/manual_entry_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "dialogs/dialog_builder.h"
#include "dialogs/field_check.h"
#include "dialogs/typed_square.h"

namespace taravin {

namespace {

constexpr int kSquareNameLength = 3;

}  // namespace

ManualEntryDialog::ManualEntryDialog(MoveRecord& moveInProgress, QWidget* parent)
    : QDialog(parent), moveInProgress_(moveInProgress) {
    DialogBuilder build(*this, QStringLiteral("Manual Move Entry"), 132, 117);
    build.groupBox(QStringLiteral("Move Locations"), {7, 7, 118, 77});
    oldQueenEdit_ = build.edit({73, 19, 40, kEditHeight}, kSquareNameLength);
    build.label(QStringLiteral("&Old Queen:"), {19, 23, 52, kTextHeight}, oldQueenEdit_);
    newQueenEdit_ = build.edit({73, 39, 40, kEditHeight}, kSquareNameLength);
    build.label(QStringLiteral("&New Queen:"), {19, 43, 52, kTextHeight}, newQueenEdit_);
    arrowEdit_ = build.edit({73, 59, 40, kEditHeight}, kSquareNameLength);
    build.label(QStringLiteral("&Arrow:"), {19, 63, 52, kTextHeight}, arrowEdit_);
    QPushButton* ok =
        build.defaultButton(QStringLiteral("OK"), {13, 90, kButtonWidth, kButtonHeight});
    build.cancelButton({68, 90, kButtonWidth, kButtonHeight});
    connect(ok, &QPushButton::clicked, this, &ManualEntryDialog::confirm);
}

std::optional<Square> ManualEntryDialog::checkedSquare(QLineEdit& edit, const char* refusal) {
    const Board& board = *moveInProgress_.board();
    const std::optional<Square> square =
        parseTypedSquare(edit.text().toStdString(), board.rows(), board.columns());
    if (!square) {
        refuseAtField(edit, DialogMessageKind::kStop, QString::fromUtf8(refusal));
    }
    return square;
}

void ManualEntryDialog::confirm() {
    const std::optional<Square> oldQueen = checkedSquare(
        *oldQueenEdit_, "Invalid location specified for the old queen. Please try again.");
    if (!oldQueen) {
        return;
    }
    const std::optional<Square> newQueen = checkedSquare(
        *newQueenEdit_, "Invalid location specified for the new queen. Please try again.");
    if (!newQueen) {
        return;
    }
    const std::optional<Square> arrow =
        checkedSquare(*arrowEdit_, "Invalid location specified for the arrow. Please try again.");
    if (!arrow) {
        return;
    }
    if (!moveInProgress_.isLegalMove(*oldQueen, *newQueen, *arrow)) {
        refuseAtField(*oldQueenEdit_, DialogMessageKind::kStop,
                      QStringLiteral("Invalid move specified. Please try again."));
        return;
    }
    oldQueen_ = *oldQueen;
    newQueen_ = *newQueen;
    arrow_ = *arrow;
    accept();
}

}  // namespace taravin
