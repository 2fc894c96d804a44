#pragma once

#include <QBasicTimer>
#include <QColor>
#include <QFont>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>

#include "app/amazon_doc.h"
#include "app/game_window.h"
#include "app/move_input.h"
#include "model/profile.h"
#include "model/settings.h"
#include "search/search_host.h"
#include "ui/board_geometry.h"
#include "ui/information_window.h"
#include "ui/notifications.h"
#include "ui/panel_layout.h"
#include "ui/synchronous_log.h"
#include "ui/view_painter.h"

namespace taravin {

// The board view: paints the board and the text panel beside it, takes the mouse entry of
// moves, runs the clocks and the computer's move time-out, and carries the search's
// notifications back to the document on the window thread.
class CAmazonView final : public QWidget, public GameWindow, public SearchHost {
    Q_OBJECT

  public:
    explicit CAmazonView(Profile& profile, QWidget* parent = nullptr);
    ~CAmazonView() override;

    // The document the view shows; set once after both exist.
    void attachDocument(CAmazonDoc& document);
    // Before the document goes: no log line waits any more, the timers stop.
    void shutDown();
    CAmazonDoc& document() { return *document_; }
    const CAmazonDoc& document() const { return *document_; }

    // The commands the frame hands to the view.
    void newGame();
    void reloadSettings();
    void reloadColors();
    void reloadOptions();
    void switchSides();
    void toggleMarkLastMove();
    void toggleShowLegalMoves();
    void toggleShowTerritory();
    void toggleSound();
    void toggleInformationWindow(QWidget* owner);
    void toggleAnalysisMode();
    void startReview();

    bool markLastMove() const { return markLastMove_; }
    bool showLegalMoves() const { return showLegalMoves_; }
    bool showTerritory() const { return showTerritory_; }
    bool fixedSizePieces() const { return fixedSizePieces_; }
    bool soundOn() const;
    bool flipped() const { return flipped_; }
    bool dragging() const { return dragging_; }
    bool dragImageShown() const { return dragImageShown_; }
    QPoint dragImagePosition() const { return dragPosition_; }
    int32_t sizeClass() const { return sizeClass_; }
    // The panel width of the current size class, measured in the view's font.
    int panelWidth() const;
    const BoardGeometry& boardGeometry() const { return geometry_; }
    const PanelLayout& panelLayout() const { return panel_; }
    const InformationWindow* informationWindow() const { return informationWindow_; }
    // The id of the running clock timer: 1 Red, 2 Blue, 0 none.
    int32_t runningClock() const { return clockTimer_.isActive() ? sideCode(clockSide_) : 0; }
    bool timeoutTimerActive() const { return timeoutTimer_.isActive(); }

    // GameWindow
    void startClockTimer(Side side) override;
    void killClockTimer() override;
    void redrawSquare(int32_t row, int32_t column) override;
    void redraw(ViewArea area) override;
    void titleChanged() override { emit documentTitleChanged(); }
    void showStopMessage(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    void showCongratulations(Side winner, const std::string& text) override;
    void playMoveSound() override;
    void showBusy(bool busy) override;
    void postDeferred(DeferredRequest request, int delayMilliseconds) override;
    void clearDragState() override;
    bool informationWindowOpen() const override { return !informationWindow_.isNull(); }
    void appendInformation(const std::string& line) override;

    // SearchHost: the first three may come from the worker thread.
    void postSearchFinished(const SearchResult& result) override;
    void postStatusText(const std::string& text) override;
    bool report(const SearchReport& report) override;
    void startTimeoutTimer(int periodMilliseconds) override;
    void killTimeoutTimer() override;

  signals:
    // After anything that may change which commands are available.
    void gameChanged();
    void documentTitleChanged();
    // A deferred close may go ahead: the search has ended and the game is stopped.
    void closeApproved();
    // The analysis found something new, or the review went on.
    void analysisChanged();
    void reviewFinished();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    void startNewGameWithClock();
    void readColors();
    void readOptions();
    void tickClock(Side side);
    void handleDeferredClose();
    void endDrag();
    QRect dragImageRect(QPoint position) const;
    // The board as painted now: the position's marks plus the overlays that are switched on.
    BoardLook boardLook() const;
    void toggleViewSetting(const IntSetting& setting, bool& flag);
    const QFont& viewFont() const;
    std::optional<TimerId> programTimer(int qtTimerId) const;
    void updateLayout(const QFont& font);
    // Runs while there is an analysis or a review to follow.
    void updateAnalysisTimer();
    void followAnalysis();
    // The review of the move played from the position on the board, when it marks it.
    const MoveReview* markedMoveHere() const;

    Profile& profile_;
    CAmazonDoc* document_ = nullptr;
    std::unique_ptr<MoveInput> input_;
    SynchronousLog log_;

    QColor color1_;
    QColor color2_;
    QColor background_;
    bool markLastMove_ = false;
    int32_t lastMoveOption_ = 0;
    bool fixedSizePieces_ = false;
    bool showLegalMoves_ = false;
    bool showTerritory_ = false;
    bool sound_ = true;
    bool autoStart_ = false;
    int32_t sizeClass_ = 0;
    bool flipped_ = false;
    bool firstShown_ = false;

    BoardGeometry geometry_;
    PanelLayout panel_;
    mutable std::optional<std::pair<int32_t, QFont>> font_;  // the font of a size class

    bool dragging_ = false;
    Square dragFrom_;
    QPoint dragPosition_{-1, -1};
    bool dragImageShown_ = false;

    QBasicTimer clockTimer_;
    Side clockSide_ = Side::kNone;
    QBasicTimer timeoutTimer_;
    QBasicTimer analysisTimer_;
    QPointer<InformationWindow> informationWindow_;
};

}  // namespace taravin
