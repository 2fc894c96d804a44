#pragma once

#include <QListWidget>
#include <QWidget>
#include <string>

namespace taravin {

// The search log beside the main window: a tool window with one unsorted list of lines,
// the newest selected and scrolled into view. It is deleted when closed.
class InformationWindow final : public QWidget {
  public:
    static constexpr int kWidth = 400;

    // Opens at the owner's right edge, as high as the owner, or where it still fits on the
    // screen beside or over the owner.
    explicit InformationWindow(QWidget* owner);

    void appendLine(const std::string& line);
    const QListWidget& list() const { return *list_; }

  private:
    QListWidget* list_;
};

}  // namespace taravin
