#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <memory>

#include "dialogs/about_dialog.h"
#include "dialogs/board_configuration_dialog.h"
#include "dialogs/colors_dialog.h"
#include "dialogs/congratulations_dialog.h"
#include "dialogs/depth_move_count_dialog.h"
#include "dialogs/game_open_dialog.h"
#include "dialogs/group_frame.h"
#include "dialogs/manual_entry_dialog.h"
#include "dialogs/move_history_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/player_configuration_dialog.h"
#include "model/board_setup.h"
#include "model/memory_profile.h"

// Every dialog laid out in the font of the platform: no text is cut off, no control overlaps
// another or crosses a group box's edge, and everything lies inside the dialog. With
// TARAVIN_DIALOG_PNG_DIR set, each dialog is also written there as a PNG for a look.

namespace taravin {

namespace {

QString visibleText(QString text) {
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return text;
}

// How wide a control must be for its text not to be cut: the style's own size for labels, check
// boxes, radio buttons and lists; for push buttons, whose preferred size has a generous minimum,
// the text with a little margin.
int neededWidth(const QWidget& widget) {
    if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        return button->fontMetrics().horizontalAdvance(visibleText(button->text())) + 6;
    }
    if (const auto* group = qobject_cast<const GroupFrame*>(&widget)) {
        return group->titleWidth();
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget); label && label->wordWrap()) {
        return 0;
    }
    return widget.sizeHint().width();
}

bool checksText(const QWidget& widget) {
    return qobject_cast<const QLabel*>(&widget) || qobject_cast<const QAbstractButton*>(&widget) ||
           qobject_cast<const QComboBox*>(&widget) || qobject_cast<const GroupFrame*>(&widget);
}

}  // namespace

class DialogLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        const Square moves[][3] = {
            {{4, 1}, {5, 2}, {8, 5}}, {{7, 1}, {6, 2}, {2, 6}}, {{1, 4}, {3, 4}, {3, 9}}};
        Side side = Side::kRed;
        for (const auto& move : moves) {
            auto* record = new MoveRecord(side, board_.get());
            record->setFrom(move[0].row, move[0].column);
            record->setTo(move[1].row, move[1].column);
            record->setArrow(move[2].row, move[2].column);
            record_.append(record);
            side = otherSide(side);
        }
    }

    void everyDialogFitsItsText_data() {
        QTest::addColumn<QString>("name");
        for (const auto& [name, make] : makers()) {
            QTest::newRow(qPrintable(name)) << name;
        }
    }

    void everyDialogFitsItsText() {
        QFETCH(QString, name);
        std::unique_ptr<QDialog> dialog = makers().at(name)();
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        const QRect inside = dialog->rect();
        const QList<QWidget*> controls = dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* control : controls) {
            if (control->isHidden()) {
                continue;
            }
            const QString what = QStringLiteral("%1 %2 \"%3\"")
                                     .arg(name, control->metaObject()->className(),
                                          control->property("text").toString() +
                                              control->property("title").toString());
            QVERIFY2(inside.contains(control->geometry()), qPrintable(what + " leaves the dialog"));
            if (checksText(*control)) {
                QVERIFY2(neededWidth(*control) <= control->width(),
                         qPrintable(what + QStringLiteral(" needs %1 pixels, has %2")
                                               .arg(neededWidth(*control))
                                               .arg(control->width())));
            }
            for (QWidget* other : controls) {
                if (other == control || other->isHidden()) {
                    continue;
                }
                const QRect a = control->geometry();
                const QRect b = other->geometry();
                if (qobject_cast<GroupFrame*>(other)) {
                    const bool inBox = b.contains(a);
                    const bool clear = !b.intersects(a);
                    QVERIFY2(inBox || clear || qobject_cast<GroupFrame*>(control),
                             qPrintable(what + " crosses the edge of a group box"));
                } else if (!qobject_cast<GroupFrame*>(control)) {
                    QVERIFY2(!a.intersects(b),
                             qPrintable(what + " overlaps " + other->metaObject()->className() +
                                        " \"" + other->property("text").toString() + "\""));
                }
            }
        }
        const QString folder = qEnvironmentVariable("TARAVIN_DIALOG_PNG_DIR");
        if (!folder.isEmpty()) {
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(dialog->grab().save(folder + "/" + name + ".png"));
        }
    }

  private:
    using Maker = std::function<std::unique_ptr<QDialog>()>;

    std::map<QString, Maker> makers() {
        return {
            {"board_configuration",
             [this] { return std::make_unique<BoardConfigurationDialog>(profile_); }},
            {"player_configuration_full",
             [this] {
                 return std::make_unique<PlayerConfigurationDialog>(
                     PlayerConfigurationDialog::Form::kFull, profile_);
             }},
            {"player_configuration_reduced",
             [this] {
                 return std::make_unique<PlayerConfigurationDialog>(
                     PlayerConfigurationDialog::Form::kReduced, profile_);
             }},
            {"depth_move_count",
             [this] { return std::make_unique<DepthMoveCountDialog>(profile_); }},
            {"colors", [this] { return std::make_unique<ColorsDialog>(profile_); }},
            {"options", [this] { return std::make_unique<OptionsDialog>(profile_); }},
            {"manual_entry", [this] { return std::make_unique<ManualEntryDialog>(move_); }},
            {"move_history",
             [this] { return std::make_unique<MoveHistoryDialog>(record_, record_.tail()); }},
            {"about", [] { return std::make_unique<AboutDialog>(); }},
            {"congratulations_red",
             [] {
                 return std::make_unique<CongratulationsDialog>(Side::kRed,
                                                                "Red wins by 12 points.");
             }},
            {"congratulations_blue",
             [] {
                 return std::make_unique<CongratulationsDialog>(Side::kBlue,
                                                                "Blue wins by 1 point.");
             }},
            {"game_open", [this] { return std::make_unique<GameOpenDialog>(profile_); }},
        };
    }

    MemoryProfile profile_;
    std::unique_ptr<Board> board_ = buildBoard(BoardSetup{});
    MoveRecord move_{Side::kRed, board_.get()};
    MoveRecordList record_;
};

}  // namespace taravin

QTEST_MAIN(taravin::DialogLayoutTest)
#include "dialog_layout_test.moc"
