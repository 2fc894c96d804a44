#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "model/profile.h"
#include "model/settings.h"

class QLineEdit;

namespace taravin {

// "Depth Move Count": per side the four numbers that cut the search's move lists. Missing keys
// show 25, 15, 5 and 10, not the search's own defaults.
class DepthMoveCountDialog : public QDialog {
    Q_OBJECT

  public:
    explicit DepthMoveCountDialog(Profile& profile, QWidget* parent = nullptr);

  private:
    using CountEdits = std::array<QLineEdit*, 4>;  // top, second, decrease, minimum

    std::optional<StoredDepthCounts> checkedCounts(const CountEdits& edits);
    void confirm();

    Profile& profile_;
    std::array<CountEdits, 2> sides_;  // Red, Blue
};

}  // namespace taravin
