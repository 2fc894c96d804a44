#include <QLineEdit>
#include <QTest>

#include "dialog_test_support.h"
#include "dialogs/board_configuration_dialog.h"
#include "model/settings.h"

namespace taravin {

using namespace testing;

class BoardConfigurationDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void opensWithTheStoredSetupAndTheDefaultListsForEmptyOnes() {
        MemoryProfile profile;
        profile.writeInt("Settings", "Rows", 0);
        profile.writeInt("Settings", "Columns", 7);
        profile.writeString("Settings", "RedLocations", "");
        profile.writeString("Settings", "BlueLocations", "b2");
        profile.writeString("Settings", "ArrowLocations", "c3,");
        BoardConfigurationDialog dialog(profile);
        Fields fields(dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Board Configuration"));
        QCOMPARE(fields.rows->text(), QStringLiteral("0"));
        QCOMPARE(fields.columns->text(), QStringLiteral("7"));
        QCOMPARE(fields.red->text(), QStringLiteral("A4, D1, G1, J4"));
        QCOMPARE(fields.blue->text(), QStringLiteral("b2"));
        QCOMPARE(fields.arrows->text(), QStringLiteral("c3,"));
    }

    void okStoresTheTextsAsTypedInTheDialogsOrder() {
        MemoryProfile profile;
        BoardConfigurationDialog dialog(profile);
        Fields fields(dialog);
        fields.fill("10", "10", "a4,d1 g1 ,j4", "A7, D10, G10, J7", "c3 ");
        click(dialog, "OK");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const std::vector<ProfileWrite> expected{{"Settings", "ArrowLocations", "c3 "},
                                                 {"Settings", "RedLocations", "a4,d1 g1 ,j4"},
                                                 {"Settings", "BlueLocations", "A7, D10, G10, J7"},
                                                 {"Settings", "Columns", "10"},
                                                 {"Settings", "Rows", "10"}};
        QCOMPARE(profile.writes(), expected);
    }

    void aSmallBoardWithTwoAmazonsASideIsAccepted() {
        MemoryProfile profile;
        BoardConfigurationDialog dialog(profile);
        Fields(dialog).fill("6", "6", "A2, F2", "A5, F5", "");
        click(dialog, "OK");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const BoardSetup stored = readBoardSetup(profile);
        QCOMPARE(stored.rows, 6);
        QCOMPARE(stored.columns, 6);
        QCOMPARE(stored.redLocations, std::string("A2, F2"));
        QCOMPARE(stored.arrowLocations, std::string());
    }

    void theSizeFieldsTakeDigitsOnly() {
        MemoryProfile profile;
        BoardConfigurationDialog dialog(profile);
        Fields fields(dialog);
        fields.rows->clear();
        QTest::keyClicks(fields.rows, "1x-2");
        QCOMPARE(fields.rows->text(), QStringLiteral("12"));
    }

    void everyRefusalNamesItsFaultAndStoresNothing_data() {
        QTest::addColumn<QStringList>("typed");  // rows, columns, red, blue, arrows
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("stopIcon");
        QTest::addColumn<int>("faultyField");  // index in `typed`, -1 for none

        const QString range = QStringLiteral("Please enter an integer between 1 and 20.");
        const QString red = QStringLiteral("Invalid positions for the Red Amazons are specified.");
        const QString blue =
            QStringLiteral("Invalid positions for the Blue Amazons are specified.");
        const QString arrows = QStringLiteral("Invalid positions for the Arrows are specified.");
        const QString standardRed = QStringLiteral("A4, D1, G1, J4");
        const QString standardBlue = QStringLiteral("A7, D10, G10, J7");
        auto row = [&](const char* name, QStringList typed, const QString& message, bool stop,
                       int field) { QTest::newRow(name) << typed << message << stop << field; };
        row("zero rows", {"0", "10", standardRed, standardBlue, ""}, range, false, 0);
        row("empty rows", {"", "10", standardRed, standardBlue, ""},
            QStringLiteral("Please enter an integer."), false, 0);
        row("21 columns", {"10", "21", standardRed, standardBlue, ""}, range, false, 1);
        row("leading blank", {"10", "10", " A4, D1", "A7, D10", ""}, red, true, 2);
        row("leading comma", {"10", "10", "A4, D1", ",A7, D10", ""}, blue, true, 3);
        row("column K", {"10", "10", "K1, D1", "A7, D10", ""}, red, true, 2);
        row("row 0", {"10", "10", "A4, D1", "A0, D10", ""}, blue, true, 3);
        row("row 11", {"10", "10", "A4, D1", "A7, D10", "A11"}, arrows, true, 4);
        row("U on 20 columns", {"20", "20", "U1", "A7", ""}, red, true, 2);
        row("twice in a list", {"10", "10", "A4, A4", "A7, D10", ""}, red, true, 2);
        row("red square for blue", {"10", "10", "A4, D1", "A7, a4", ""}, blue, true, 3);
        row("arrow on an amazon", {"10", "10", standardRed, standardBlue, "d1"}, arrows, true, 4);
        row("empty red", {"10", "10", "", standardBlue, ""}, red, true, 2);
        row("empty blue", {"10", "10", standardRed, "", ""}, blue, true, 3);
        row("four against three", {"10", "10", standardRed, "A7, D10, G10", ""},
            QStringLiteral("The number of queens for red and blue players do not match."), true,
            -1);
        row("five a side", {"10", "10", "A1, B1, C1, D1, E1", "A9, B9, C9, D9, E9", ""},
            QStringLiteral("The game allows only up to 4 number of queens"), true, -1);
    }

    void everyRefusalNamesItsFaultAndStoresNothing() {
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(bool, stopIcon);
        QFETCH(int, faultyField);
        MemoryProfile profile;
        MessageRecorder recorder;
        BoardConfigurationDialog dialog(profile);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        Fields fields(dialog);
        fields.fill(typed[0], typed[1], typed[2], typed[3], typed[4]);
        click(dialog, "OK");
        QCOMPARE(recorder.messages().size(), std::size_t{1});
        QCOMPARE(recorder.messages()[0].text, message);
        QCOMPARE(recorder.messages()[0].kind,
                 stopIcon ? DialogMessageKind::kStop : DialogMessageKind::kFieldCheck);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(profile.writes().empty());
        if (faultyField >= 0) {
            QCOMPARE(QApplication::focusWidget(), fields.all()[faultyField]);
        }
        QCOMPARE(fields.all()[2]->text(), typed[2]);
    }

    void defaultSettingsFillTheFieldsAndCancelStoresNothing() {
        MemoryProfile profile;
        profile.writeInt("Settings", "Rows", 6);
        profile.writeString("Settings", "ArrowLocations", "C3");
        profile.clearWrites();
        BoardConfigurationDialog dialog(profile);
        dialog.show();
        Fields fields(dialog);
        click(dialog, "&Default Settings");
        QCOMPARE(fields.rows->text(), QStringLiteral("10"));
        QCOMPARE(fields.columns->text(), QStringLiteral("10"));
        QCOMPARE(fields.red->text(), QStringLiteral("A4, D1, G1, J4"));
        QCOMPARE(fields.blue->text(), QStringLiteral("A7, D10, G10, J7"));
        QCOMPARE(fields.arrows->text(), QString());
        QVERIFY(profile.writes().empty());
        click(dialog, "Cancel");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
        QVERIFY(profile.writes().empty());
    }

  private:
    struct Fields {
        explicit Fields(const QDialog& dialog)
            : rows(labelled<QLineEdit>(dialog, "Board &Size:")),
              columns(labelled<QLineEdit>(dialog, "X")),
              red(labelled<QLineEdit>(dialog, "&Red Amazon Locations:")),
              blue(labelled<QLineEdit>(dialog, "&Blue Amazon Locations:")),
              arrows(labelled<QLineEdit>(dialog, "Arrow &Locations:")) {
            for (QLineEdit* field : all()) {
                if (!field) {
                    qFatal("a Board Configuration field is missing");
                }
            }
        }
        void fill(const QString& r, const QString& c, const QString& redText,
                  const QString& blueText, const QString& arrowText) const {
            rows->setText(r);
            columns->setText(c);
            red->setText(redText);
            blue->setText(blueText);
            arrows->setText(arrowText);
        }
        std::array<QLineEdit*, 5> all() const { return {rows, columns, red, blue, arrows}; }

        QLineEdit* rows;
        QLineEdit* columns;
        QLineEdit* red;
        QLineEdit* blue;
        QLineEdit* arrows;
    };
};

}  // namespace taravin

QTEST_MAIN(taravin::BoardConfigurationDialogTest)
#include "board_configuration_dialog_test.moc"
