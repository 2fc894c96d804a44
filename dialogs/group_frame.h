#pragma once

#include <QString>
#include <QWidget>

namespace taravin {

// A group box drawn as the dialog templates expect it: the frame starts half a line below the
// rectangle's top and the title interrupts its top edge, so that controls placed a line below
// the top stand inside the frame. (The style's own group box puts the frame under the title.)
class GroupFrame : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString title READ title CONSTANT)

  public:
    GroupFrame(const QString& title, QWidget* parent = nullptr);

    const QString& title() const { return title_; }
    // The width the title needs, its gaps on the frame line included.
    int titleWidth() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString title_;
};

}  // namespace taravin
