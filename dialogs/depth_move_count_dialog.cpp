#include "dialogs/depth_move_count_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "dialogs/dialog_builder.h"
#include "dialogs/field_check.h"

namespace taravin {

namespace {

struct SideLayout {
    Side side;
    const char* group;
    int offset;
    std::array<const char*, 4> labels;
};

constexpr std::array<SideLayout, 2> kSides{{
    {Side::kRed,
     "Red Player",
     0,
     {"&Top level search move count:", "&Second level search move count:",
      "&Each additional level decrease count by:", "&Minimum number of moves at any level:"}},
    {Side::kBlue,
     "Blue Player",
     83,
     {"T&op level search move count:", "Se&cond level search move count:",
      "Eac&h additional level decrease count by:", "Mi&nimum number of moves at any level:"}},
}};

constexpr int kRowSpacing = 16;

std::array<int32_t, 4> asArray(const StoredDepthCounts& counts) {
    return {counts.top, counts.second, counts.decrease, counts.minimum};
}

}  // namespace

DepthMoveCountDialog::DepthMoveCountDialog(Profile& profile, QWidget* parent)
    : QDialog(parent), profile_(profile) {
    DialogBuilder build(*this, QStringLiteral("Depth Move Count"), 215, 199);
    for (std::size_t s = 0; s < kSides.size(); ++s) {
        const SideLayout& layout = kSides[s];
        build.groupBox(QString::fromUtf8(layout.group), {7, 7 + layout.offset, 201, 79});
        const std::array<int32_t, 4> shown =
            asArray(readDepthCounts(profile_, layout.side, kDialogDepthCountDefaults));
        for (std::size_t row = 0; row < 4; ++row) {
            const int top = layout.offset + static_cast<int>(row) * kRowSpacing;
            QLineEdit* edit = build.numberEdit({160, 16 + top, 40, kEditHeight});
            edit->setText(QString::number(shown[row]));
            build.label(QString::fromUtf8(layout.labels[row]), {16, 20 + top, 142, kTextHeight},
                        edit);
            sides_[s][row] = edit;
        }
    }
    QPushButton* ok =
        build.defaultButton(QStringLiteral("OK"), {54, 175, kButtonWidth, kButtonHeight});
    build.cancelButton({111, 175, kButtonWidth, kButtonHeight});
    connect(ok, &QPushButton::clicked, this, &DepthMoveCountDialog::confirm);
}

std::optional<StoredDepthCounts> DepthMoveCountDialog::checkedCounts(const CountEdits& edits) {
    const std::array<int32_t, 4> minimums = asArray(kDepthCountMinimums);
    std::array<int32_t, 4> counts{};
    for (std::size_t row = 0; row < edits.size(); ++row) {
        const std::optional<int32_t> count =
            checkedIntegerField(*edits[row], minimums[row], kMaxDepthCount);
        if (!count) {
            return std::nullopt;
        }
        counts[row] = *count;
    }
    return StoredDepthCounts{counts[0], counts[1], counts[2], counts[3]};
}

void DepthMoveCountDialog::confirm() {
    const std::optional<StoredDepthCounts> red = checkedCounts(sides_[0]);
    if (!red) {
        return;
    }
    const std::optional<StoredDepthCounts> blue = checkedCounts(sides_[1]);
    if (!blue) {
        return;
    }
    writeDepthCounts(profile_, Side::kRed, *red);
    writeDepthCounts(profile_, Side::kBlue, *blue);
    accept();
}

}  // namespace taravin
