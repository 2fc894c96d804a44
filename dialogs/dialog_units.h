#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace taravin {

// A rectangle of a dialog template in dialog units.
struct DialogRect {
    int x;
    int y;
    int width;
    int height;
};

// Converts dialog units to pixels of a dialog's font, as the dialog templates were measured:
// a horizontal unit is a quarter of the average character width, a vertical unit an eighth
// of the character height. The average is taken over the 52 letters, so that a template
// drawn for one font keeps its text fitting in another.
class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font);

    int toPixelsX(int units) const;
    int toPixelsY(int units) const;
    QRect toPixels(const DialogRect& rect) const;
    QSize toPixels(int widthUnits, int heightUnits) const;

  private:
    double averageCharWidth_;
    int charHeight_;
};

}  // namespace taravin
