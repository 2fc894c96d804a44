#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include "dialog_test_support.h"
#include "dialogs/options_dialog.h"

namespace taravin {

using namespace testing;

namespace {

struct OptionControls {
    explicit OptionControls(const QDialog& dialog)
        : autoGameStart(
              captioned<QCheckBox>(dialog, "&Start a new game when the application starts")),
          sound(captioned<QCheckBox>(dialog, "&Enable sound (move completion)")),
          whiteCellBorder(captioned<QRadioButton>(dialog, "&White cell border")),
          blackSquare(captioned<QRadioButton>(dialog, "&Black square in upper right corner")) {
        if (!autoGameStart || !sound || !whiteCellBorder || !blackSquare) {
            qFatal("an Options control is missing");
        }
    }
    QCheckBox* autoGameStart;
    QCheckBox* sound;
    QRadioButton* whiteCellBorder;
    QRadioButton* blackSquare;
};

}  // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void opensWithTheDefaultsOrTheStoredValues() {
        MemoryProfile empty;
        OptionsDialog defaults(empty);
        QCOMPARE(defaults.windowTitle(), QStringLiteral("Options"));
        const OptionControls shown(defaults);
        QVERIFY(!shown.autoGameStart->isChecked());
        QVERIFY(shown.sound->isChecked());
        QVERIFY(shown.whiteCellBorder->isChecked());
        QVERIFY(!shown.blackSquare->isChecked());

        MemoryProfile stored;
        stored.writeInt("Settings", "AutoGameStart", 1);
        stored.writeInt("Settings", "Sound", 0);
        stored.writeInt("Settings", "LastMoveOption", 1);
        OptionsDialog dialog(stored);
        const OptionControls controls(dialog);
        QVERIFY(controls.autoGameStart->isChecked());
        QVERIFY(!controls.sound->isChecked());
        QVERIFY(controls.blackSquare->isChecked());
        QVERIFY(!controls.whiteCellBorder->isChecked());
    }

    void okWritesSoundAutoStartAndTheMarkInThisOrder() {
        MemoryProfile profile;
        OptionsDialog dialog(profile);
        dialog.show();
        const OptionControls controls(dialog);
        QTest::mouseClick(controls.autoGameStart, Qt::LeftButton);
        QTest::mouseClick(controls.sound, Qt::LeftButton);
        QTest::mouseClick(controls.blackSquare, Qt::LeftButton);
        QVERIFY2(!controls.whiteCellBorder->isChecked(), "the two marks are one radio group");
        click(dialog, "OK");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const std::vector<ProfileWrite> expected{
            {"Settings", "Sound", "0"},           {"Settings", "AutoGameStart", "1"},
            {"Settings", "LastMoveOption", "1"},  {"Settings", "FixedSizePieces", "0"},
            {"Settings", "AnalysisMoves", "3"},   {"Settings", "InaccuracyPercent", "5"},
            {"Settings", "MistakePercent", "10"}, {"Settings", "BlunderPercent", "20"}};
        QCOMPARE(profile.writes(), expected);
    }

    void oddStoredValuesAreWrittenBackAsZeroOrOne() {
        MemoryProfile profile;
        profile.writeInt("Settings", "Sound", -5);
        profile.writeInt("Settings", "LastMoveOption", 7);
        profile.clearWrites();
        OptionsDialog dialog(profile);
        click(dialog, "OK");
        const std::vector<ProfileWrite> expected{
            {"Settings", "Sound", "1"},           {"Settings", "AutoGameStart", "0"},
            {"Settings", "LastMoveOption", "0"},  {"Settings", "FixedSizePieces", "0"},
            {"Settings", "AnalysisMoves", "3"},   {"Settings", "InaccuracyPercent", "5"},
            {"Settings", "MistakePercent", "10"}, {"Settings", "BlunderPercent", "20"}};
        QCOMPARE(profile.writes(), expected);
    }

    void cancelWritesNothing() {
        MemoryProfile profile;
        OptionsDialog dialog(profile);
        dialog.show();
        QTest::mouseClick(OptionControls(dialog).sound, Qt::LeftButton);
        click(dialog, "Cancel");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(profile.writes().empty());
    }
};

}  // namespace taravin

QTEST_MAIN(taravin::OptionsDialogTest)
#include "options_dialog_test.moc"
