#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "dialogs/qsettings_profile.h"
#include "model/board.h"
#include "model/settings.h"
#include "search/memory_status.h"
#include "ui/game_session.h"

namespace taravin::testing {

// A settings folder of its own, so the user's profile is never read or written.
class TemporarySettings {
  public:
    TemporarySettings() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path());
    }
    QString path() const { return folder_.path(); }

  private:
    QTemporaryDir folder_;
};

// Answers every modal dialog or message box that opens while it runs: Yes, OK or Discard
// (unsaved moves) where offered, else the dialog is accepted. Keeps the texts of the message
// boxes it answered.
class ModalAnswerer : public QObject {
  public:
    ModalAnswerer() {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start();
    }
    const std::vector<QString>& messages() const { return messages_; }
    // Runs before each dialog or message box is answered, while it is still open.
    void whileModalOpen(std::function<void()> look) { look_ = std::move(look); }

  private:
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            return;
        }
        if (look_) {
            look_();
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages_.push_back(box->text());
            QAbstractButton* choice = nullptr;
            for (const QMessageBox::StandardButton button :
                 {QMessageBox::Yes, QMessageBox::Ok, QMessageBox::Discard}) {
                if (!choice) {
                    choice = box->button(button);
                }
            }
            if (choice) {
                choice->click();
                return;
            }
            box->done(0);
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->accept();
        } else {
            modal->close();
        }
    }

    QTimer timer_;
    std::vector<QString> messages_;
    std::function<void()> look_;
};

// A whole game window on a temporary profile with a small transposition table.
struct WindowFixture {
    WindowFixture() : memory(1u << 22) {}

    // Builds the window after the profile has been written.
    void open(QSize clientSize = QSize(1000, 700)) {
        session = std::make_unique<GameSession>(profile, memory);
        session->frame().show();
        session->frame().resize(clientSize);
        QVERIFY(QTest::qWaitForWindowExposed(&session->frame()));
        settle();
    }
    // Lets posted events and paints run, so the view's geometry is current.
    void settle() {
        QCoreApplication::processEvents();
        session->view().grab();
    }
    CAmazonView& view() { return session->view(); }
    CAmazonDoc& document() { return session->document(); }
    CMainFrame& frame() { return session->frame(); }

    void writeSmallBoard() {
        profile.writeInt("Settings", "Rows", 6);
        profile.writeInt("Settings", "Columns", 6);
        profile.writeString("Settings", "RedLocations", "B1, E1");
        profile.writeString("Settings", "BlueLocations", "B6, E6");
    }
    void makeComputer(Side side, int32_t timeout = kMinMoveTimeout) {
        const SideKeys& keys = sideKeys(side);
        writeSetting(profile, keys.type, 1);
        writeSetting(profile, keys.moveTimeout, timeout);
    }

    TemporarySettings settings;
    QSettingsProfile profile;
    FixedMemoryStatus memory;
    ModalAnswerer answerer;
    std::unique_ptr<GameSession> session;
};

struct LegalMove {
    Square from;
    Square to;
    Square arrow;
};

// Every legal move of the side, amazon by amazon in list order, then by direction.
inline std::vector<LegalMove> legalMoves(const Board& board, Side side) {
    std::vector<LegalMove> moves;
    const auto walk = [&](const Square& start, const Square& vacated, auto&& visit) {
        for (const Direction& step : kDirections) {
            Square at{start.row + step.rowStep, start.column + step.columnStep};
            while (board.isInner(at.row, at.column) &&
                   (board.content(at) == Content::kEmpty || at == vacated)) {
                visit(at);
                at = {at.row + step.rowStep, at.column + step.columnStep};
            }
        }
    };
    for (const PositionNode* amazon = board.amazons(side).head(); amazon; amazon = amazon->next) {
        const Square from = amazon->square();
        walk(from, Square{}, [&](const Square& to) {
            walk(to, from, [&](const Square& arrow) { moves.push_back({from, to, arrow}); });
        });
    }
    return moves;
}

// The middle of a square on screen.
inline QPoint squareCentre(const CAmazonView& view, const Square& square) {
    return view.boardGeometry().squareRect(square).center();
}

// Enters the move with the mouse: press on the queen, drag over the board, release on the
// new square, then click the arrow's square.
inline void playWithMouse(CAmazonView& view, const LegalMove& move) {
    const QPoint from = squareCentre(view, move.from);
    const QPoint to = squareCentre(view, move.to);
    QTest::mousePress(&view, Qt::LeftButton, {}, from);
    QTest::mouseMove(&view, (from + to) / 2);
    QTest::mouseMove(&view, to);
    QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
    QTest::mouseClick(&view, Qt::LeftButton, {}, squareCentre(view, move.arrow));
}

// Waits (keeping the window running) until the condition holds or the time is up.
template <typename Condition>
bool waitFor(Condition condition, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds) {
            return false;
        }
        QTest::qWait(10);
    }
    return true;
}

}  // namespace taravin::testing
