#include "dialogs/hyperlink_label.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPalette>

namespace taravin {

namespace {

const QUrl kDefaultTarget(QStringLiteral("https://en.wikipedia.org/wiki/Game_of_the_Amazons"));

}  // namespace

HyperlinkLabel::HyperlinkLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent), target_(kDefaultTarget) {
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, QColor(0, 0, 255));
    colors.setColor(QPalette::Window, colors.color(QPalette::Button));
    setPalette(colors);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        QDesktopServices::openUrl(target_);
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace taravin
