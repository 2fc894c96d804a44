#include "dialogs/player_configuration_dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/dialog_builder.h"
#include "dialogs/field_check.h"
#include "model/player_codes.h"

namespace taravin {

struct PlayerConfigurationDialog::SideLabels {
    const char* group;
    const char* type;
    const char* searchAlgorithm;
    const char* moveTimeout;
    const char* evaluationFunction;
    const char* name;
};

namespace {

constexpr int kListHeight = 14;

constexpr PlayerConfigurationDialog::Form kFull = PlayerConfigurationDialog::Form::kFull;

template <std::size_t N>
QStringList itemTexts(const std::array<const char*, N>& names) {
    QStringList items;
    for (const char* name : names) {
        items.append(QString::fromUtf8(name));
    }
    return items;
}

// A stored code that names no item shows the default item, so the list always holds a choice.
void selectCode(QComboBox& list, int32_t code, int32_t fallback) {
    list.setCurrentIndex(code >= 0 && code < list.count() ? code : fallback);
}

}  // namespace

PlayerConfigurationDialog::PlayerConfigurationDialog(Form form, Profile& profile, QWidget* parent)
    : QDialog(parent), form_(form), profile_(profile) {
    // Each side has its own mnemonics, so that every control of the dialog has its own key.
    static constexpr SideLabels kRedLabels{"Red Player",
                                           "&Type:",
                                           "&Search Algorithm:",
                                           "Move Ti&meout (sec):",
                                           "Eval&uation Function:",
                                           "Player &Name:"};
    static constexpr SideLabels kBlueLabels{
        "Blue Player",           "Ty&pe:",       "Sea&rch Algorithm:", "Mo&ve Timeout (sec):",
        "Evaluation &Function:", "P&layer Name:"};
    const bool full = form_ == kFull;
    DialogBuilder build(*this, QStringLiteral("Player Configuration"), 212, full ? 263 : 175);
    if (full) {
        buildFullSide(build, sides_[0], kRedLabels, 0);
        buildFullSide(build, sides_[1], kBlueLabels, 115);
    } else {
        buildReducedSide(build, sides_[0], kRedLabels, 0);
        buildReducedSide(build, sides_[1], kBlueLabels, 70);
    }
    const int buttonsTop = full ? 239 : 147;
    const int okLeft = full ? 56 : 53;
    QPushButton* ok = build.defaultButton(QStringLiteral("OK"),
                                          {okLeft, buttonsTop, kButtonWidth, kButtonHeight});
    build.cancelButton({okLeft + 56, buttonsTop, kButtonWidth, kButtonHeight});
    connect(ok, &QPushButton::clicked, this, &PlayerConfigurationDialog::confirm);
    if (!full) {
        QPushButton* advanced =
            build.button(QStringLiteral("&Advanced..."), {7, buttonsTop, 44, kButtonHeight});
        connect(advanced, &QPushButton::clicked, this, &PlayerConfigurationDialog::leadToFullForm);
    }

    showValues(
        {readPlayerSettings(profile_, Side::kRed), readPlayerSettings(profile_, Side::kBlue)});
    for (SideControls& side : sides_) {
        connectRules(side);
    }
}

void PlayerConfigurationDialog::showValues(const BothPlayers& players) {
    for (std::size_t i = 0; i < sides_.size(); ++i) {
        showSettings(sides_[i], players[i]);
        applyTypeRule(sides_[i]);
    }
}

void PlayerConfigurationDialog::buildFullSide(DialogBuilder& build, SideControls& side,
                                              const SideLabels& labels, int offset) {
    build.groupBox(QString::fromUtf8(labels.group), {7, 7 + offset, 197, 112});
    side.type =
        build.dropDownList(itemTexts(kPlayerTypeNames), {16, 25 + offset, 180, kListHeight});
    build.label(QString::fromUtf8(labels.type), {16, 16 + offset, 180, kTextHeight}, side.type);
    side.searchAlgorithm =
        build.dropDownList(itemTexts(kSearchAlgorithmNames), {16, 49 + offset, 107, kListHeight});
    build.label(QString::fromUtf8(labels.searchAlgorithm), {16, 40 + offset, 107, kTextHeight},
                side.searchAlgorithm);
    side.moveTimeout = build.numberEdit({128, 49 + offset, 68, kEditHeight});
    build.label(QString::fromUtf8(labels.moveTimeout), {128, 40 + offset, 72, kTextHeight},
                side.moveTimeout);
    side.evaluationFunction = build.dropDownList(itemTexts(kEvaluationFunctionNames),
                                                 {16, 73 + offset, 180, kListHeight});
    build.label(QString::fromUtf8(labels.evaluationFunction), {16, 64 + offset, 180, kTextHeight},
                side.evaluationFunction);
    side.name = build.edit({16, 97 + offset, 180, kEditHeight}, kMaxPlayerNameLength);
    build.label(QString::fromUtf8(labels.name), {16, 88 + offset, 180, kTextHeight}, side.name);
}

void PlayerConfigurationDialog::buildReducedSide(DialogBuilder& build, SideControls& side,
                                                 const SideLabels& labels, int offset) {
    build.groupBox(QString::fromUtf8(labels.group), {7, 7 + offset, 197, 64});
    side.type =
        build.dropDownList(itemTexts(kPlayerTypeNames), {16, 25 + offset, 180, kListHeight});
    build.label(QString::fromUtf8(labels.type), {16, 16 + offset, 180, kTextHeight}, side.type);
    side.name = build.edit({16, 49 + offset, 107, kEditHeight}, kMaxPlayerNameLength);
    build.label(QString::fromUtf8(labels.name), {16, 40 + offset, 107, kTextHeight}, side.name);
    side.moveTimeout = build.numberEdit({128, 49 + offset, 68, kEditHeight});
    build.label(QString::fromUtf8(labels.moveTimeout), {128, 40 + offset, 72, kTextHeight},
                side.moveTimeout);
}

void PlayerConfigurationDialog::connectRules(SideControls& side) {
    connect(side.type, &QComboBox::currentIndexChanged, this,
            [this, &side] { applyTypeRule(side); });
    if (side.searchAlgorithm) {
        connect(side.searchAlgorithm, &QComboBox::currentIndexChanged, this,
                [this, &side] { applyAlgorithmRule(side); });
    }
}

void PlayerConfigurationDialog::showSettings(SideControls& side, const PlayerSettings& settings) {
    selectCode(*side.type, settings.type, kHumanPlayer);
    side.moveTimeout->setText(QString::number(settings.moveTimeout));
    side.name->setText(QString::fromStdString(settings.name));
    if (form_ == kFull) {
        selectCode(*side.searchAlgorithm, settings.searchAlgorithm, kAlgorithmQScout);
        selectCode(*side.evaluationFunction, settings.evaluationFunction,
                   kEvaluationMinimumDistanceArrays);
    }
}

void PlayerConfigurationDialog::applyTypeRule(SideControls& side) {
    const bool computer = side.type->currentIndex() == kComputerPlayer;
    side.moveTimeout->setEnabled(computer);
    side.name->setEnabled(!computer);
    if (form_ == kFull) {
        side.searchAlgorithm->setEnabled(computer);
        side.evaluationFunction->setEnabled(computer);
        applyAlgorithmRule(side);
    }
}

void PlayerConfigurationDialog::applyAlgorithmRule(SideControls& side) {
    if (side.type->currentIndex() != kComputerPlayer) {
        return;
    }
    const bool olympiadBase = side.searchAlgorithm->currentIndex() == kAlgorithmQScoutOlympiadBase;
    if (olympiadBase) {
        side.evaluationFunction->setCurrentIndex(kEvaluationMinimumDistanceOlympiadBase);
    }
    side.evaluationFunction->setEnabled(!olympiadBase);
}

std::optional<PlayerSettings> PlayerConfigurationDialog::checkedSettings(SideControls& side) {
    const std::optional<int32_t> moveTimeout =
        checkedIntegerField(*side.moveTimeout, kMinMoveTimeout, kMaxMoveTimeout);
    if (!moveTimeout) {
        return std::nullopt;
    }
    PlayerSettings settings;
    settings.type = side.type->currentIndex();
    settings.name = side.name->text().toStdString();
    settings.moveTimeout = *moveTimeout;
    // The reduced form always stores the search its menu entry stands for.
    const bool full = form_ == kFull;
    settings.searchAlgorithm = full ? side.searchAlgorithm->currentIndex() : kAlgorithmQScout;
    settings.evaluationFunction =
        full ? side.evaluationFunction->currentIndex() : kEvaluationMinimumDistanceArrays;
    return settings;
}

std::optional<PlayerConfigurationDialog::BothPlayers> PlayerConfigurationDialog::checkedPlayers() {
    const std::optional<PlayerSettings> red = checkedSettings(sides_[0]);
    if (!red) {
        return std::nullopt;
    }
    const std::optional<PlayerSettings> blue = checkedSettings(sides_[1]);
    if (!blue) {
        return std::nullopt;
    }
    return BothPlayers{*red, *blue};
}

void PlayerConfigurationDialog::confirm() {
    if (const std::optional<BothPlayers> players = checkedPlayers()) {
        writePlayerSettings(profile_, (*players)[0], (*players)[1]);
        accept();
    }
}

void PlayerConfigurationDialog::leadToFullForm() {
    const std::optional<BothPlayers> players = checkedPlayers();
    if (!players) {
        return;
    }
    entered_ = *players;
    for (const Side side : {Side::kRed, Side::kBlue}) {
        PlayerSettings& entered = entered_[side == Side::kRed ? 0 : 1];
        const PlayerSettings stored = readPlayerSettings(profile_, side);
        entered.searchAlgorithm = stored.searchAlgorithm;
        entered.evaluationFunction = stored.evaluationFunction;
    }
    done(kFullFormWanted);
}

}  // namespace taravin
