#pragma once

#include <QTextBrowser>

namespace taravin {

// The online help: the program's help page in a window of its own.
class HelpWindow final : public QTextBrowser {
  public:
    explicit HelpWindow(QWidget* owner);
};

}  // namespace taravin
