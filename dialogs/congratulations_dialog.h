#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

class QFrame;

namespace taravin {

// "Congratulations!": the message naming the winner and the margin, with the winner's amazon
// drawn in both frames beside it.
class CongratulationsDialog : public QDialog {
    Q_OBJECT

  public:
    // `winner` 1 is Red; any other side shows the Blue amazon.
    CongratulationsDialog(int32_t winner, const QString& text, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int32_t winner_;
    // Where the images go; the frames themselves stay hidden.
    std::array<QFrame*, 2> frames_{};
};

}  // namespace taravin
