#pragma once

#include <QDialog>
#include <array>

#include "model/profile.h"
#include "model/settings.h"

class QLineEdit;

namespace taravin {

// "Colors": the two alternating square colours and the background, each chosen with the colour
// chooser and shown as a swatch. The chooser's 16 custom colours are shared by the three
// choices and stored with the colours on OK.
class ColorsDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ColorsDialog(Profile& profile, QWidget* parent = nullptr);

  private:
    enum Swatch { kFirstSquare, kSecondSquare, kBackground, kSwatchCount };

    void choose(Swatch swatch);
    void showDefaults();
    void setColor(Swatch swatch, int32_t code);
    void confirm();

    Profile& profile_;
    std::array<int32_t, kSwatchCount> colors_{};
    std::array<QLineEdit*, kSwatchCount> swatches_{};
    CustomColors customColors_{};
};

}  // namespace taravin
