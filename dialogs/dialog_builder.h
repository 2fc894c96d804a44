#pragma once

#include <QString>
#include <QStringList>

#include "dialogs/dialog_units.h"

class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace taravin {

class GroupFrame;

// Creates the controls of a fixed-size dialog at their template rectangles. Every control is a
// direct child of the dialog, group boxes included, so the rectangles are all dialog
// coordinates; tab order is the order of creation, so create a labelled control before its
// label. Labels with a mnemonic (`&`) get their control as buddy.
class DialogBuilder {
  public:
    // Sets the caption and the fixed size of the dialog in dialog units of its font.
    DialogBuilder(QDialog& dialog, const QString& caption, int widthUnits, int heightUnits);

    GroupFrame* groupBox(const QString& title, const DialogRect& rect);
    QLabel* label(const QString& text, const DialogRect& rect, QWidget* buddy = nullptr);
    QLineEdit* edit(const DialogRect& rect, int maxLength = 0);
    // An edit that takes only the digits 0 to 9.
    QLineEdit* numberEdit(const DialogRect& rect);
    // A drop-down list whose item index is the value it stands for.
    QComboBox* dropDownList(const QStringList& items, const DialogRect& rect);
    QCheckBox* checkBox(const QString& text, const DialogRect& rect);
    QRadioButton* radioButton(const QString& text, const DialogRect& rect);
    QPushButton* button(const QString& text, const DialogRect& rect);
    // The default button, which Enter presses.
    QPushButton* defaultButton(const QString& text, const DialogRect& rect);
    // A "Cancel" button that rejects the dialog.
    QPushButton* cancelButton(const DialogRect& rect);

    void place(QWidget& widget, const DialogRect& rect) const;
    const DialogUnits& units() const { return units_; }

  private:
    QDialog& dialog_;
    DialogUnits units_;
};

// The sizes the templates use again and again, in dialog units.
inline constexpr int kButtonWidth = 50;
inline constexpr int kButtonHeight = 14;
inline constexpr int kEditHeight = 14;
inline constexpr int kTextHeight = 8;
inline constexpr int kCheckHeight = 10;

}  // namespace taravin
