#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "model/square.h"

class QFrame;

namespace taravin {

// "Congratulations!": the message naming the winner and the margin, with the winner's amazon
// drawn in both frames beside it.
class CongratulationsDialog : public QDialog {
    Q_OBJECT

  public:
    // Red shows the Red amazon; any other side the Blue one.
    CongratulationsDialog(Side winner, const QString& text, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Side winner_;
    // Where the images go; the frames themselves stay hidden.
    std::array<QFrame*, 2> frames_{};
};

}  // namespace taravin
