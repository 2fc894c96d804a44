#pragma once

#include <QDialog>

namespace taravin {

class HyperlinkLabel;

// "About Taravin": name and version of the program, two links about the game and its licence.
class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    explicit AboutDialog(QWidget* parent = nullptr);

    // "Taravin - v<version>"; the version is the one compiled in, "Unknown" without one.
    static QString titleLine();
};

}  // namespace taravin
