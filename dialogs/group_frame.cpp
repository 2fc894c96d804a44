#include "dialogs/group_frame.h"

#include <QPainter>

namespace taravin {

namespace {

// Where the title starts on the frame line, and the gap on either side of it.
constexpr int kTitleIndent = 6;
constexpr int kTitleGap = 2;

}  // namespace

GroupFrame::GroupFrame(const QString& title, QWidget* parent) : QWidget(parent), title_(title) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

int GroupFrame::titleWidth() const {
    return kTitleIndent + 2 * kTitleGap + fontMetrics().horizontalAdvance(title_);
}

void GroupFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    // An etched line: a dark rectangle with a light one one pixel further in.
    const QRect frame = rect().adjusted(0, metrics.height() / 2, -1, -1);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));
    if (title_.isEmpty()) {
        return;
    }
    const QRect titleArea(kTitleIndent, 0, metrics.horizontalAdvance(title_) + 2 * kTitleGap,
                          metrics.height());
    painter.fillRect(titleArea, palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(titleArea, Qt::AlignCenter, title_);
}

}  // namespace taravin
