#include "dialogs/dialog_units.h"

#include <QFontMetricsF>
#include <QString>
#include <cmath>

namespace taravin {

namespace {

constexpr int kUnitsPerCharWidth = 4;
constexpr int kUnitsPerCharHeight = 8;
const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetricsF metrics(font);
    averageCharWidth_ =
        metrics.horizontalAdvance(kAlphabet) / static_cast<double>(kAlphabet.size());
    charHeight_ = static_cast<int>(std::ceil(metrics.height()));
}

int DialogUnits::toPixelsX(int units) const {
    return static_cast<int>(std::lround(units * averageCharWidth_ / kUnitsPerCharWidth));
}

int DialogUnits::toPixelsY(int units) const {
    return static_cast<int>(
        std::lround(static_cast<double>(units) * charHeight_ / kUnitsPerCharHeight));
}

QRect DialogUnits::toPixels(const DialogRect& rect) const {
    const int left = toPixelsX(rect.x);
    const int top = toPixelsY(rect.y);
    // Edges are converted, not sizes, so that neighbouring controls never gain a gap or overlap
    // from rounding.
    return QRect(left, top, toPixelsX(rect.x + rect.width) - left,
                 toPixelsY(rect.y + rect.height) - top);
}

QSize DialogUnits::toPixels(int widthUnits, int heightUnits) const {
    return QSize(toPixelsX(widthUnits), toPixelsY(heightUnits));
}

}  // namespace taravin
