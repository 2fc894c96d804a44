#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "dialog_test_support.h"
#include "dialogs/player_configuration_dialog.h"
#include "model/player_codes.h"

namespace taravin {

using namespace testing;
using Form = PlayerConfigurationDialog::Form;

namespace {

// One side's controls, found by the labels of that side.
struct SideControls {
    SideControls(const QDialog& dialog, bool red)
        : type(labelled<QComboBox>(dialog, red ? "&Type:" : "Ty&pe:")),
          searchAlgorithm(
              labelled<QComboBox>(dialog, red ? "&Search Algorithm:" : "Sea&rch Algorithm:")),
          moveTimeout(
              labelled<QLineEdit>(dialog, red ? "Move Ti&meout (sec):" : "Mo&ve Timeout (sec):")),
          evaluationFunction(
              labelled<QComboBox>(dialog, red ? "Eval&uation Function:" : "Evaluation &Function:")),
          name(labelled<QLineEdit>(dialog, red ? "Player &Name:" : "P&layer Name:")) {}

    QComboBox* type;
    QComboBox* searchAlgorithm;
    QLineEdit* moveTimeout;
    QComboBox* evaluationFunction;
    QLineEdit* name;
};

QStringList items(const QComboBox& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) {
        texts.append(list.itemText(i));
    }
    return texts;
}

const std::vector<std::string> kWrittenKeys{
    "Settings/RedSearchAlgorithm",
    "Settings/BlueSearchAlgorithm",
    "Settings/RedEvaluationFunction",
    "Settings/BlueEvaluationFunction",
    "Settings/RedMoveTimeout",
    "Settings/BlueMoveTimeout",
    "Settings/RedType",
    "Settings/BlueType",
    "Settings/BlueName",
    "Settings/RedName",
};

std::vector<std::string> writtenValues(const MemoryProfile& profile) {
    std::vector<std::string> values;
    for (const ProfileWrite& write : profile.writes()) {
        values.push_back(write.value);
    }
    return values;
}

}  // namespace

class PlayerConfigurationDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void theFullFormOpensWithTheDefaultsForAnEmptyProfile() {
        MemoryProfile profile;
        PlayerConfigurationDialog dialog(Form::kFull, profile);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Player Configuration"));
        for (bool red : {true, false}) {
            const SideControls side(dialog, red);
            QVERIFY(side.type && side.searchAlgorithm && side.moveTimeout &&
                    side.evaluationFunction && side.name);
            QCOMPARE(items(*side.type), QStringList({"Human", "Computer"}));
            QCOMPARE(items(*side.searchAlgorithm),
                     QStringList({"MiniMax", "Alpha-Beta Pruning", "QScout", "MTD",
                                  "QScout - Olympiad Base", "Monte Carlo"}));
            QCOMPARE(items(*side.evaluationFunction),
                     QStringList({"Square Ownership", "Minimum Distance (with arrays)",
                                  "Minimum Distance (separate amazons)",
                                  "Minimum Distance (olympiad base)", "Minimum Distance (steps)",
                                  "Mobility"}));
            QCOMPARE(side.type->currentIndex(), int(kHumanPlayer));
            QCOMPARE(side.searchAlgorithm->currentIndex(), int(kAlgorithmQScout));
            QCOMPARE(side.evaluationFunction->currentIndex(),
                     int(kEvaluationMinimumDistanceArrays));
            QCOMPARE(side.moveTimeout->text(), QStringLiteral("30"));
            QCOMPARE(side.name->text(), QStringLiteral("Human Player"));
            QCOMPARE(side.name->maxLength(), 64);
            // A human side: only the name is open.
            QVERIFY(!side.searchAlgorithm->isEnabled());
            QVERIFY(!side.evaluationFunction->isEnabled());
            QVERIFY(!side.moveTimeout->isEnabled());
            QVERIFY(side.name->isEnabled());
        }
    }

    void storedValuesShowAndOnesNoControlCanHoldShowTheirDefaults() {
        MemoryProfile profile;
        profile.writeInt("Settings", "RedType", 1);
        profile.writeInt("Settings", "RedSearchAlgorithm", 3);
        profile.writeInt("Settings", "RedEvaluationFunction", 5);
        profile.writeInt("Settings", "RedMoveTimeout", 3600);
        profile.writeString("Settings", "RedName", "Ann");
        profile.writeInt("Settings", "BlueType", 7);
        profile.writeInt("Settings", "BlueSearchAlgorithm", -1);
        profile.writeInt("Settings", "BlueEvaluationFunction", 6);
        profile.writeInt("Settings", "BlueMoveTimeout", 2);
        PlayerConfigurationDialog dialog(Form::kFull, profile);
        const SideControls red(dialog, true);
        QCOMPARE(red.type->currentIndex(), 1);
        QCOMPARE(red.searchAlgorithm->currentIndex(), 3);
        QCOMPARE(red.evaluationFunction->currentIndex(), 5);
        QCOMPARE(red.moveTimeout->text(), QStringLiteral("3600"));
        QCOMPARE(red.name->text(), QStringLiteral("Ann"));
        QVERIFY(red.searchAlgorithm->isEnabled() && red.evaluationFunction->isEnabled());
        QVERIFY(red.moveTimeout->isEnabled() && !red.name->isEnabled());
        const SideControls blue(dialog, false);
        QCOMPARE(blue.type->currentIndex(), int(kHumanPlayer));
        QCOMPARE(blue.searchAlgorithm->currentIndex(), int(kAlgorithmQScout));
        QCOMPARE(blue.evaluationFunction->currentIndex(), int(kEvaluationMinimumDistanceArrays));
        QCOMPARE(blue.moveTimeout->text(), QStringLiteral("30"));
    }

    void theTypeRuleOpensTheComputersControlsOrTheName() {
        MemoryProfile profile;
        PlayerConfigurationDialog dialog(Form::kFull, profile);
        const SideControls red(dialog, true);
        const SideControls blue(dialog, false);
        red.type->setCurrentIndex(kComputerPlayer);
        QVERIFY(red.searchAlgorithm->isEnabled());
        QVERIFY(red.evaluationFunction->isEnabled());
        QVERIFY(red.moveTimeout->isEnabled());
        QVERIFY(!red.name->isEnabled());
        QVERIFY2(!blue.moveTimeout->isEnabled(), "each side follows its own type");
        red.type->setCurrentIndex(kHumanPlayer);
        QVERIFY(!red.searchAlgorithm->isEnabled());
        QVERIFY(!red.evaluationFunction->isEnabled());
        QVERIFY(!red.moveTimeout->isEnabled());
        QVERIFY(red.name->isEnabled());
    }

    void olympiadBaseFixesTheEvaluationOfAComputerOnly() {
        MemoryProfile profile;
        PlayerConfigurationDialog dialog(Form::kFull, profile);
        const SideControls blue(dialog, false);
        blue.type->setCurrentIndex(kComputerPlayer);
        blue.evaluationFunction->setCurrentIndex(kEvaluationMobility);
        blue.searchAlgorithm->setCurrentIndex(kAlgorithmQScoutOlympiadBase);
        QCOMPARE(blue.evaluationFunction->currentIndex(),
                 int(kEvaluationMinimumDistanceOlympiadBase));
        QVERIFY(!blue.evaluationFunction->isEnabled());
        blue.searchAlgorithm->setCurrentIndex(kAlgorithmMtd);
        QVERIFY(blue.evaluationFunction->isEnabled());
        QCOMPARE(blue.evaluationFunction->currentIndex(),
                 int(kEvaluationMinimumDistanceOlympiadBase));

        // For a human side the algorithm changes nothing; becoming a computer applies it.
        const SideControls red(dialog, true);
        red.evaluationFunction->setCurrentIndex(kEvaluationSquareOwnership);
        red.searchAlgorithm->setCurrentIndex(kAlgorithmQScoutOlympiadBase);
        QCOMPARE(red.evaluationFunction->currentIndex(), int(kEvaluationSquareOwnership));
        red.type->setCurrentIndex(kComputerPlayer);
        QCOMPARE(red.evaluationFunction->currentIndex(),
                 int(kEvaluationMinimumDistanceOlympiadBase));
        QVERIFY(!red.evaluationFunction->isEnabled());
    }

    void aStoredOlympiadBaseComputerOpensWithItsEvaluationFixed() {
        MemoryProfile profile;
        profile.writeInt("Settings", "RedType", 1);
        profile.writeInt("Settings", "RedSearchAlgorithm", 4);
        profile.writeInt("Settings", "RedEvaluationFunction", 0);
        PlayerConfigurationDialog dialog(Form::kFull, profile);
        const SideControls red(dialog, true);
        QCOMPARE(red.evaluationFunction->currentIndex(),
                 int(kEvaluationMinimumDistanceOlympiadBase));
        QVERIFY(!red.evaluationFunction->isEnabled());
    }

    void theFullFormWritesItsValuesDisabledOnesIncluded() {
        MemoryProfile profile;
        PlayerConfigurationDialog dialog(Form::kFull, profile);
        const SideControls red(dialog, true);
        const SideControls blue(dialog, false);
        red.type->setCurrentIndex(kComputerPlayer);
        red.searchAlgorithm->setCurrentIndex(kAlgorithmMiniMax);
        red.evaluationFunction->setCurrentIndex(kEvaluationMobility);
        red.moveTimeout->setText("3");
        blue.name->setText("Bea");
        blue.type->setCurrentIndex(kComputerPlayer);
        blue.searchAlgorithm->setCurrentIndex(kAlgorithmAlphaBeta);
        blue.evaluationFunction->setCurrentIndex(kEvaluationMinimumDistanceSteps);
        blue.moveTimeout->setText("3600");
        blue.type->setCurrentIndex(kHumanPlayer);
        click(dialog, "OK");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(writtenKeys(profile), kWrittenKeys);
        const std::vector<std::string> expected{"0",    "1", "5", "4",   "3",
                                                "3600", "1", "0", "Bea", "Human Player"};
        QCOMPARE(writtenValues(profile), expected);
    }

    void theReducedFormStoresQScoutWithMinimumDistanceWhateverWasStored() {
        MemoryProfile profile;
        profile.writeInt("Settings", "RedSearchAlgorithm", 0);
        profile.writeInt("Settings", "BlueSearchAlgorithm", 4);
        profile.writeInt("Settings", "RedEvaluationFunction", 5);
        profile.writeInt("Settings", "BlueEvaluationFunction", 3);
        profile.writeString("Settings", "RedName", "");
        profile.clearWrites();
        PlayerConfigurationDialog dialog(Form::kReduced, profile);
        const SideControls red(dialog, true);
        const SideControls blue(dialog, false);
        QVERIFY(!red.searchAlgorithm && !red.evaluationFunction);
        QVERIFY(red.type && red.moveTimeout && red.name);
        QCOMPARE(red.name->text(), QStringLiteral("Human Player"));
        blue.type->setCurrentIndex(kComputerPlayer);
        QVERIFY(blue.moveTimeout->isEnabled());
        QVERIFY(!blue.name->isEnabled());
        blue.moveTimeout->setText("45");
        click(dialog, "OK");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(writtenKeys(profile), kWrittenKeys);
        const std::vector<std::string> expected{
            "2", "2", "1", "1", "30", "45", "0", "1", "Human Player", "Human Player"};
        QCOMPARE(writtenValues(profile), expected);
    }

    void advancedLeadsToTheFullFormWithWhatWasTypedAndTheStoredSearches() {
        MemoryProfile profile;
        profile.writeInt("Settings", "RedType", kComputerPlayer);
        profile.writeInt("Settings", "RedSearchAlgorithm", kAlgorithmMonteCarlo);
        profile.writeInt("Settings", "RedEvaluationFunction", 4);
        profile.clearWrites();
        PlayerConfigurationDialog reduced(Form::kReduced, profile);
        SideControls(reduced, false).type->setCurrentIndex(kComputerPlayer);
        SideControls(reduced, false).moveTimeout->setText("45");
        click(reduced, "&Advanced...");
        QCOMPARE(reduced.result(), PlayerConfigurationDialog::kFullFormWanted);
        QVERIFY(writtenKeys(profile).empty());

        PlayerConfigurationDialog full(Form::kFull, profile);
        full.showValues(reduced.enteredValues());
        const SideControls red(full, true);
        const SideControls blue(full, false);
        QCOMPARE(red.searchAlgorithm->currentText(), QStringLiteral("Monte Carlo"));
        QVERIFY(red.evaluationFunction->isEnabled());
        QCOMPARE(blue.moveTimeout->text(), QStringLiteral("45"));
        QVERIFY(blue.searchAlgorithm->isEnabled() && !blue.name->isEnabled());
        click(full, "OK");
        const std::vector<std::string> expected{
            "5", "2", "4", "1", "30", "45", "1", "1", "Human Player", "Human Player"};
        QCOMPARE(writtenValues(profile), expected);
    }

    void aTimeoutOutsideItsRangeIsRefusedAtItsField_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<bool>("red");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const QString range = QStringLiteral("Please enter an integer between 3 and 3600.");
        for (const auto& [formName, form] :
             {std::pair{"full", Form::kFull}, std::pair{"reduced", Form::kReduced}}) {
            const auto name = [&](const char* what) { return QByteArray(formName) + " " + what; };
            QTest::newRow(name("red 2")) << int(form) << true << "2" << range;
            QTest::newRow(name("blue 3601")) << int(form) << false << "3601" << range;
            QTest::newRow(name("red empty"))
                << int(form) << true << "" << QStringLiteral("Please enter an integer.");
        }
    }

    void aTimeoutOutsideItsRangeIsRefusedAtItsField() {
        QFETCH(int, form);
        QFETCH(bool, red);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        MemoryProfile profile;
        MessageRecorder recorder;
        PlayerConfigurationDialog dialog(static_cast<Form>(form), profile);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const SideControls side(dialog, red);
        side.type->setCurrentIndex(kComputerPlayer);
        side.moveTimeout->setText(typed);
        click(dialog, "OK");
        QCOMPARE(recorder.messages().size(), std::size_t{1});
        QCOMPARE(recorder.messages()[0].text, message);
        QCOMPARE(recorder.messages()[0].kind, DialogMessageKind::kFieldCheck);
        QCOMPARE(QApplication::focusWidget(), side.moveTimeout);
        QVERIFY(dialog.isVisible());
        QVERIFY(profile.writes().empty());
    }

    void cancelWritesNothing() {
        for (Form form : {Form::kFull, Form::kReduced}) {
            MemoryProfile profile;
            PlayerConfigurationDialog dialog(form, profile);
            dialog.show();
            SideControls(dialog, true).type->setCurrentIndex(kComputerPlayer);
            click(dialog, "Cancel");
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QVERIFY(profile.writes().empty());
        }
    }
};

}  // namespace taravin

QTEST_MAIN(taravin::PlayerConfigurationDialogTest)
#include "player_configuration_dialog_test.moc"
