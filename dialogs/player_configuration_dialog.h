#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "model/profile.h"
#include "model/settings.h"

class QComboBox;
class QLineEdit;

namespace taravin {

class DialogBuilder;

// "Player Configuration" for both sides. The full form chooses each computer player's search
// algorithm and evaluation function; the reduced form, the one the menu offers, has type,
// time-out and name only and stores QScout with "Minimum Distance (with arrays)". Its
// "Advanced..." button leads on to the full form with what was typed.
class PlayerConfigurationDialog : public QDialog {
    Q_OBJECT

  public:
    enum class Form { kFull, kReduced };
    // The result of a reduced form left by "Advanced...".
    static constexpr int kFullFormWanted = 2;
    using BothPlayers = std::array<PlayerSettings, 2>;  // Red, Blue

    PlayerConfigurationDialog(Form form, Profile& profile, QWidget* parent = nullptr);

    // Shows these values in place of the stored ones.
    void showValues(const BothPlayers& players);
    // What a reduced form left by "Advanced..." held, with the stored algorithms and
    // evaluations.
    const BothPlayers& enteredValues() const { return entered_; }

  private:
    // The controls of one side; the reduced form has no algorithm and evaluation lists.
    struct SideControls {
        QComboBox* type = nullptr;
        QComboBox* searchAlgorithm = nullptr;
        QLineEdit* moveTimeout = nullptr;
        QComboBox* evaluationFunction = nullptr;
        QLineEdit* name = nullptr;
    };
    struct SideLabels;

    void buildFullSide(DialogBuilder& build, SideControls& side, const SideLabels& labels,
                       int offset);
    void buildReducedSide(DialogBuilder& build, SideControls& side, const SideLabels& labels,
                          int offset);
    void connectRules(SideControls& side);
    void showSettings(SideControls& side, const PlayerSettings& settings);
    // Time-out and name follow the type; in the full form so do the two lists, and then the
    // algorithm rule runs.
    void applyTypeRule(SideControls& side);
    // A computer playing "QScout - Olympiad Base" evaluates with "Minimum Distance (olympiad
    // base)" only.
    void applyAlgorithmRule(SideControls& side);
    std::optional<PlayerSettings> checkedSettings(SideControls& side);
    std::optional<BothPlayers> checkedPlayers();
    void confirm();
    void leadToFullForm();

    Form form_;
    Profile& profile_;
    std::array<SideControls, 2> sides_;  // Red, Blue
    BothPlayers entered_;
};

}  // namespace taravin
