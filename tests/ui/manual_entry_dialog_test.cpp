#include <QLineEdit>
#include <QTest>
#include <memory>

#include "dialog_test_support.h"
#include "dialogs/dialog_commands.h"
#include "dialogs/manual_entry_dialog.h"
#include "dialogs/typed_square.h"
#include "model/board_setup.h"

namespace taravin {

using namespace testing;

namespace {

const QString kOldQueenRefusal =
    QStringLiteral("Invalid location specified for the old queen. Please try again.");
const QString kNewQueenRefusal =
    QStringLiteral("Invalid location specified for the new queen. Please try again.");
const QString kArrowRefusal =
    QStringLiteral("Invalid location specified for the arrow. Please try again.");
const QString kMoveRefusal = QStringLiteral("Invalid move specified. Please try again.");

struct EntryFields {
    explicit EntryFields(const QDialog& dialog)
        : oldQueen(labelled<QLineEdit>(dialog, "&Old Queen:")),
          newQueen(labelled<QLineEdit>(dialog, "&New Queen:")),
          arrow(labelled<QLineEdit>(dialog, "&Arrow:")) {
        if (!oldQueen || !newQueen || !arrow) {
            qFatal("a Manual Move Entry field is missing");
        }
    }
    void type(const QString& from, const QString& to, const QString& arrowText) const {
        QTest::keyClicks(oldQueen, from);
        QTest::keyClicks(newQueen, to);
        QTest::keyClicks(arrow, arrowText);
    }
    std::array<QLineEdit*, 3> all() const { return {oldQueen, newQueen, arrow}; }

    QLineEdit* oldQueen;
    QLineEdit* newQueen;
    QLineEdit* arrow;
};

}  // namespace

class ManualEntryDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void typedSquareNamesFollowTheBoardsSize() {
        using Parsed = std::optional<Square>;
        QCOMPARE(parseTypedSquare("a1", 10, 10), (Parsed{Square{1, 1}}));
        QCOMPARE(parseTypedSquare("J10", 10, 10), (Parsed{Square{10, 10}}));
        QCOMPARE(parseTypedSquare("A1x", 10, 10), (Parsed{Square{1, 1}}));
        QCOMPARE(parseTypedSquare("b 3", 10, 10), (Parsed{Square{3, 2}}));
        QCOMPARE(parseTypedSquare("c+4", 10, 10), (Parsed{Square{4, 3}}));
        QCOMPARE(parseTypedSquare("T20", 20, 20), (Parsed{Square{20, 20}}));
        for (const char* refused : {"", "A", "K1", "A11", "A0", "A-1", "Ax", "@1", "1A", "U1"}) {
            QVERIFY2(!parseTypedSquare(refused, 10, 10), refused);
        }
        QVERIFY(
            !parseTypedSquare("\xC3\xA1"
                              "1",
                              10, 10));
        QVERIFY(!parseTypedSquare("A99999999999999999999", 10, 10));
    }

    void aLegalMoveInLowerCaseIsAccepted() {
        ManualEntryDialog dialog(*move_);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Manual Move Entry"));
        const EntryFields fields(dialog);
        for (QLineEdit* field : fields.all()) {
            QVERIFY(field->text().isEmpty());
            QCOMPARE(field->maxLength(), 3);
        }
        fields.type("d1", "d3", "i8");
        click(dialog, "OK");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.oldQueen(), (Square{1, 4}));
        QCOMPARE(dialog.newQueen(), (Square{3, 4}));
        QCOMPARE(dialog.arrow(), (Square{8, 9}));
    }

    void readingStopsAtTheFirstCharacterAfterTheDigits() {
        ManualEntryDialog dialog(*move_);
        EntryFields(dialog).type("A4x", "a5;", "A6-");
        click(dialog, "OK");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.oldQueen(), (Square{4, 1}));
        QCOMPARE(dialog.newQueen(), (Square{5, 1}));
        QCOMPARE(dialog.arrow(), (Square{6, 1}));
    }

    void eachRefusalKeepsTheTextsAndFocusesItsField_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("field");
        QTest::newRow("empty old queen") << QStringList{"", "D3", "D8"} << kOldQueenRefusal << 0;
        QTest::newRow("single letter") << QStringList{"D", "D3", "D8"} << kOldQueenRefusal << 0;
        QTest::newRow("column K") << QStringList{"K1", "D3", "D8"} << kOldQueenRefusal << 0;
        QTest::newRow("row 11") << QStringList{"D1", "A11", "D8"} << kNewQueenRefusal << 1;
        QTest::newRow("row 0") << QStringList{"D1", "D3", "A0"} << kArrowRefusal << 2;
        QTest::newRow("row -1") << QStringList{"D1", "D3", "A-1"} << kArrowRefusal << 2;
        QTest::newRow("not on a line") << QStringList{"D1", "E3", "E4"} << kMoveRefusal << 0;
        QTest::newRow("arrow blocked") << QStringList{"D1", "D3", "D10"} << kMoveRefusal << 0;
        QTest::newRow("blue amazon") << QStringList{"A7", "A6", "A5"} << kMoveRefusal << 0;
        QTest::newRow("empty square") << QStringList{"E1", "E2", "E3"} << kMoveRefusal << 0;
    }

    void eachRefusalKeepsTheTextsAndFocusesItsField() {
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(int, field);
        MessageRecorder recorder;
        ManualEntryDialog dialog(*move_);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const EntryFields fields(dialog);
        fields.type(typed[0], typed[1], typed[2]);
        click(dialog, "OK");
        QCOMPARE(recorder.messages().size(), std::size_t{1});
        QCOMPARE(recorder.messages()[0].text, message);
        QCOMPARE(recorder.messages()[0].kind, DialogMessageKind::kStop);
        QVERIFY(dialog.isVisible());
        QCOMPARE(QApplication::focusWidget(), fields.all()[field]);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(fields.all()[i]->text(), typed[i]);
        }
        QVERIFY2(board_->content(Square{1, 4}) == Content::kRed &&
                     board_->content(Square{3, 4}) == Content::kEmpty,
                 "the legality check leaves the board as it was");
    }

    void theCommandGivesTheMoveOrNothingOnCancel() {
        whenModalOpens<ManualEntryDialog>([](ManualEntryDialog& dialog) {
            EntryFields(dialog).type("g1", "g5", "b5");
            click(dialog, "OK");
        });
        const std::optional<ManualMove> move = runManualEntryDialog(nullptr, *move_);
        QVERIFY(move.has_value());
        QCOMPARE(move->from, (Square{1, 7}));
        QCOMPARE(move->to, (Square{5, 7}));
        QCOMPARE(move->arrow, (Square{5, 2}));

        whenModalOpens<ManualEntryDialog>([](ManualEntryDialog& dialog) {
            EntryFields(dialog).type("g1", "g5", "b5");
            click(dialog, "Cancel");
        });
        QVERIFY(!runManualEntryDialog(nullptr, *move_).has_value());
    }

  private:
    std::unique_ptr<Board> board_ = buildBoard(BoardSetup{});
    std::unique_ptr<MoveRecord> move_ = std::make_unique<MoveRecord>(Side::kRed, board_.get());
};

}  // namespace taravin

QTEST_MAIN(taravin::ManualEntryDialogTest)
#include "manual_entry_dialog_test.moc"
