#include "dialogs/dialog_builder.h"

#include "dialogs/group_frame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace taravin {

DialogBuilder::DialogBuilder(QDialog& dialog, const QString& caption, int widthUnits,
                             int heightUnits)
    : dialog_(dialog), units_(dialog.font()) {
    dialog_.setWindowTitle(caption);
    dialog_.setFixedSize(units_.toPixels(widthUnits, heightUnits));
}

GroupFrame* DialogBuilder::groupBox(const QString& title, const DialogRect& rect) {
    auto* group = new GroupFrame(title, &dialog_);
    place(*group, rect);
    return group;
}

QLabel* DialogBuilder::label(const QString& text, const DialogRect& rect, QWidget* buddy) {
    auto* label = new QLabel(text, &dialog_);
    label->setBuddy(buddy);
    place(*label, rect);
    return label;
}

QLineEdit* DialogBuilder::edit(const DialogRect& rect, int maxLength) {
    auto* edit = new QLineEdit(&dialog_);
    if (maxLength > 0) {
        edit->setMaxLength(maxLength);
    }
    place(*edit, rect);
    return edit;
}

QLineEdit* DialogBuilder::numberEdit(const DialogRect& rect) {
    QLineEdit* digits = edit(rect);
    digits->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), digits));
    return digits;
}

QComboBox* DialogBuilder::dropDownList(const QStringList& items, const DialogRect& rect) {
    auto* list = new QComboBox(&dialog_);
    list->addItems(items);
    place(*list, rect);
    return list;
}

QCheckBox* DialogBuilder::checkBox(const QString& text, const DialogRect& rect) {
    auto* box = new QCheckBox(text, &dialog_);
    place(*box, rect);
    return box;
}

QRadioButton* DialogBuilder::radioButton(const QString& text, const DialogRect& rect) {
    auto* radio = new QRadioButton(text, &dialog_);
    place(*radio, rect);
    return radio;
}

QPushButton* DialogBuilder::button(const QString& text, const DialogRect& rect) {
    auto* button = new QPushButton(text, &dialog_);
    button->setAutoDefault(false);
    place(*button, rect);
    return button;
}

QPushButton* DialogBuilder::defaultButton(const QString& text, const DialogRect& rect) {
    QPushButton* pressed = button(text, rect);
    pressed->setDefault(true);
    return pressed;
}

QPushButton* DialogBuilder::cancelButton(const DialogRect& rect) {
    QPushButton* cancel = button(QStringLiteral("Cancel"), rect);
    QObject::connect(cancel, &QPushButton::clicked, &dialog_, &QDialog::reject);
    return cancel;
}

void DialogBuilder::place(QWidget& widget, const DialogRect& rect) const {
    widget.setGeometry(units_.toPixels(rect));
}

}  // namespace taravin
