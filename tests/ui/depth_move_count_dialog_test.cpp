#include <QLineEdit>
#include <QTest>

#include "dialog_test_support.h"
#include "dialogs/depth_move_count_dialog.h"
#include "model/settings.h"

namespace taravin {

using namespace testing;

namespace {

// The eight fields in the order of their keys: Red's four, then Blue's.
std::array<QLineEdit*, 8> countFields(const QDialog& dialog) {
    const char* labels[] = {"&Top level search move count:",
                            "&Second level search move count:",
                            "&Each additional level decrease count by:",
                            "&Minimum number of moves at any level:",
                            "T&op level search move count:",
                            "Se&cond level search move count:",
                            "Eac&h additional level decrease count by:",
                            "Mi&nimum number of moves at any level:"};
    std::array<QLineEdit*, 8> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i] = labelled<QLineEdit>(dialog, labels[i]);
        if (!fields[i]) {
            qFatal("no field labelled %s", labels[i]);
        }
    }
    return fields;
}

QStringList texts(const std::array<QLineEdit*, 8>& fields) {
    QStringList shown;
    for (const QLineEdit* field : fields) {
        shown.append(field->text());
    }
    return shown;
}

}  // namespace

class DepthMoveCountDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void missingKeysShowTheDialogsDefaultsNotTheSearchs() {
        MemoryProfile profile;
        profile.writeInt("Settings", "BlueDepth2Count", 44);
        DepthMoveCountDialog dialog(profile);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Depth Move Count"));
        QCOMPARE(texts(countFields(dialog)),
                 QStringList({"25", "15", "5", "10", "25", "44", "5", "10"}));
    }

    void okWritesTheEightKeysInOrderAndTheSearchReadsThem() {
        MemoryProfile profile;
        DepthMoveCountDialog dialog(profile);
        const std::array<QLineEdit*, 8> fields = countFields(dialog);
        const QStringList typed{"10000", "1", "0", "1", "40", "20", "3", "7"};
        for (std::size_t i = 0; i < fields.size(); ++i) {
            fields[i]->setText(typed[static_cast<int>(i)]);
        }
        click(dialog, "OK");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const std::vector<std::string> keys{
            "Settings/RedDepthTopCount",       "Settings/RedDepth2Count",
            "Settings/RedDepthDecreaseCount",  "Settings/RedDepthMinCount",
            "Settings/BlueDepthTopCount",      "Settings/BlueDepth2Count",
            "Settings/BlueDepthDecreaseCount", "Settings/BlueDepthMinCount"};
        QCOMPARE(writtenKeys(profile), keys);
        QCOMPARE(readDepthCounts(profile, Side::kRed), (StoredDepthCounts{10000, 1, 0, 1}));
        QCOMPARE(readDepthCounts(profile, Side::kBlue), (StoredDepthCounts{40, 20, 3, 7}));
    }

    void aCountOutsideItsRangeIsRefusedAtItsField_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const QString fromOne = QStringLiteral("Please enter an integer between 1 and 10000.");
        const QString fromZero = QStringLiteral("Please enter an integer between 0 and 10000.");
        QTest::newRow("red top 0") << 0 << "0" << fromOne;
        QTest::newRow("red second 10001") << 1 << "10001" << fromOne;
        QTest::newRow("red decrease 10001") << 2 << "10001" << fromZero;
        QTest::newRow("blue top empty") << 4 << "" << QStringLiteral("Please enter an integer.");
        QTest::newRow("blue minimum 0") << 7 << "0" << fromOne;
    }

    void aCountOutsideItsRangeIsRefusedAtItsField() {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        MemoryProfile profile;
        MessageRecorder recorder;
        DepthMoveCountDialog dialog(profile);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const std::array<QLineEdit*, 8> fields = countFields(dialog);
        fields[field]->setText(typed);
        click(dialog, "OK");
        QCOMPARE(recorder.messages().size(), std::size_t{1});
        QCOMPARE(recorder.messages()[0].text, message);
        QCOMPARE(recorder.messages()[0].kind, DialogMessageKind::kFieldCheck);
        QCOMPARE(QApplication::focusWidget(), fields[field]);
        QVERIFY(dialog.isVisible());
        QVERIFY(profile.writes().empty());
    }

    void cancelWritesNothing() {
        MemoryProfile profile;
        DepthMoveCountDialog dialog(profile);
        dialog.show();
        countFields(dialog)[0]->setText("99");
        click(dialog, "Cancel");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(profile.writes().empty());
    }
};

}  // namespace taravin

QTEST_MAIN(taravin::DepthMoveCountDialogTest)
#include "depth_move_count_dialog_test.moc"
