#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QTest>

#include "dialog_test_support.h"
#include "dialogs/congratulations_dialog.h"
#include "gui_base/piece_images.h"
#include "model/square.h"

namespace taravin {

using namespace testing;

namespace {

// What a frame's rectangle must show: the amazon centred on the dialog's background.
QImage expectedFrame(const QDialog& dialog, const QRect& area, Content content) {
    QImage expected(area.size(), QImage::Format_ARGB32_Premultiplied);
    expected.fill(dialog.palette().color(QPalette::Window));
    QPainter painter(&expected);
    const QImage& amazon = pieceImage(content);
    painter.drawImage((area.width() - amazon.width()) / 2, (area.height() - amazon.height()) / 2,
                      amazon);
    return expected;
}

}  // namespace

class CongratulationsDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void bothFramesShowTheWinnersAmazon_data() {
        QTest::addColumn<int>("winnerCode");
        QTest::newRow("Red") << int(Side::kRed);
        QTest::newRow("Blue") << int(Side::kBlue);
    }

    void bothFramesShowTheWinnersAmazon() {
        QFETCH(int, winnerCode);
        const auto winner = static_cast<Side>(winnerCode);
        const QString text = QStringLiteral("%1 wins by 7 points.").arg(sideName(winner));
        CongratulationsDialog dialog(winner, text);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Congratulations!"));
        const QLabel* message = dialog.findChild<QLabel*>();
        QVERIFY(message);
        QCOMPARE(message->text(), text);
        QCOMPARE(message->alignment(), Qt::AlignCenter);

        const QImage shown =
            dialog.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QList<QFrame*> frames = dialog.findChildren<QFrame*>(Qt::FindDirectChildrenOnly);
        QList<QFrame*> imageFrames;
        for (QFrame* frame : frames) {
            if (!qobject_cast<QLabel*>(frame)) {
                imageFrames.append(frame);
            }
        }
        QCOMPARE(imageFrames.size(), 2);
        for (const QFrame* frame : imageFrames) {
            QVERIFY2(frame->isHidden(), "the frames only mark where the images go");
            const QRect area = frame->geometry();
            QCOMPARE(shown.copy(area), expectedFrame(dialog, area, contentOf(winner)));
            QVERIFY(shown.copy(area) != expectedFrame(dialog, area, contentOf(otherSide(winner))));
        }
    }

    void okCloses() {
        CongratulationsDialog dialog(Side::kRed, "Red wins by 1 point.");
        dialog.show();
        click(dialog, "OK");
        QVERIFY(!dialog.isVisible());
    }
};

}  // namespace taravin

QTEST_MAIN(taravin::CongratulationsDialogTest)
#include "congratulations_dialog_test.moc"
