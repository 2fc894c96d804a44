#pragma once

#include <QLabel>
#include <QUrl>

namespace taravin {

// A line of text that looks and acts like a link: pure blue on the button face, a hand cursor
// over it, and a click opens its target in the user's browser.
class HyperlinkLabel : public QLabel {
    Q_OBJECT

  public:
    explicit HyperlinkLabel(const QString& text, QWidget* parent = nullptr);

    // A new control opens the page about the game until the owner gives it another target.
    void setTarget(const QUrl& target) { target_ = target; }
    const QUrl& target() const { return target_; }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QUrl target_;
};

}  // namespace taravin
