#include "dialogs/congratulations_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "dialogs/dialog_builder.h"
#include "gui_base/piece_images.h"
#include "model/square.h"

namespace taravin {

CongratulationsDialog::CongratulationsDialog(Side winner, const QString& text, QWidget* parent)
    : QDialog(parent), winner_(winner) {
    DialogBuilder build(*this, QStringLiteral("Congratulations!"), 177, 66);
    QLabel* message = build.label(text, {47, 15, 82, 18});
    message->setAlignment(Qt::AlignCenter);
    message->setWordWrap(true);
    constexpr std::array<DialogRect, 2> kFrameRects{{{7, 7, 34, 33}, {136, 7, 34, 33}}};
    for (std::size_t i = 0; i < frames_.size(); ++i) {
        frames_[i] = new QFrame(this);
        frames_[i]->setFrameStyle(QFrame::Box | QFrame::Sunken);
        build.place(*frames_[i], kFrameRects[i]);
        frames_[i]->hide();
    }
    QPushButton* ok =
        build.defaultButton(QStringLiteral("OK"), {63, 43, kButtonWidth, kButtonHeight});
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void CongratulationsDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    const QImage& amazon = pieceImage(winner_ == Side::kRed ? Content::kRed : Content::kBlue);
    QPainter painter(this);
    for (const QFrame* frame : frames_) {
        const QRect area = frame->geometry();
        // The image's own transparency plays the mask: only the amazon covers the background.
        painter.drawImage(area.left() + (area.width() - amazon.width()) / 2,
                          area.top() + (area.height() - amazon.height()) / 2, amazon);
    }
}

}  // namespace taravin
