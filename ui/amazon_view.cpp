#include "ui/amazon_view.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include "app/territory.h"
#include "dialogs/dialog_commands.h"
#include "gui_base/application_title.h"
#include "gui_base/piece_images.h"
#include "model/analysis_settings.h"
#include "model/queen_reach.h"
#include "model/settings.h"
#include "ui/analysis_overlay.h"
#include "ui/notifications.h"
#include "ui/panel_texts.h"
#include "ui/screen_size_class.h"
#include "ui/view_painter.h"

namespace taravin {

namespace {
constexpr int kClockPeriodMilliseconds = 1000;

// Profile colours are 0x00BBGGRR.
QColor profileColor(int32_t code) {
    return QColor(code & 0xFF, (code >> 8) & 0xFF, (code >> 16) & 0xFF);
}

// Arial bold whose cell (ascent plus descent) is at most the given height.
QFont makeViewFont(int cellHeight) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif, QFont::PreferQuality);
    font.setWeight(QFont::Bold);
    for (int pixels = cellHeight; pixels > 1; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).height() <= cellHeight) {
            break;
        }
    }
    return font;
}
}  // namespace

CAmazonView::CAmazonView(Profile& profile, QWidget* parent)
    : QWidget(parent), profile_(profile), log_([this](const std::string& line) {
          if (!informationWindow_) {
              return false;
          }
          informationWindow_->appendLine(line);
          return true;
      }) {
    // The view fills its own background, so only the invalidated rectangles are touched.
    setAttribute(Qt::WA_OpaquePaintEvent);
    readOptions();
    showLegalMoves_ = readSetting(profile_, kShowLegalMovesSetting) != 0;
    showTerritory_ = readSetting(profile_, kShowTerritorySetting) != 0;
}

CAmazonView::~CAmazonView() {
    shutDown();
}

void CAmazonView::attachDocument(CAmazonDoc& document) {
    document_ = &document;
    input_ = std::make_unique<MoveInput>(document, *this);
    document_->setSoundEnabled(sound_);
    document_->setAnalysisEnabled(readSetting(profile_, kAnalysisModeSetting) != 0);
    updateAnalysisTimer();
}

void CAmazonView::shutDown() {
    log_.close();
    clockTimer_.stop();
    timeoutTimer_.stop();
    analysisTimer_.stop();
    input_.reset();
    document_ = nullptr;
}

void CAmazonView::readColors() {
    color1_ = profileColor(readSetting(profile_, kColor1CodeSetting));
    color2_ = profileColor(readSetting(profile_, kColor2CodeSetting));
    background_ = profileColor(readSetting(profile_, kBkgColorCodeSetting));
}

void CAmazonView::readOptions() {
    sound_ = readSetting(profile_, kSoundSetting) != 0;
    autoStart_ = readSetting(profile_, kAutoGameStartSetting) != 0;
    lastMoveOption_ = readLastMoveOption(profile_);
    fixedSizePieces_ = readSetting(profile_, kFixedSizePiecesSetting) != 0;
}

void CAmazonView::reloadSettings() {
    readColors();
    markLastMove_ = readSetting(profile_, kMarkLastMoveSetting) != 0;
    document_->reloadSettings();
}

void CAmazonView::reloadColors() {
    readColors();
    update();
}

void CAmazonView::reloadOptions() {
    readOptions();
    document_->setSoundEnabled(sound_);
    update();
}

void CAmazonView::startNewGameWithClock() {
    flipped_ = false;
    sizeClass_ = screenSizeClass(this);
    document_->startNewGame(true);
    redraw(ViewArea::kEvaluationLine);
    emit gameChanged();
}

void CAmazonView::newGame() {
    reloadSettings();
    startNewGameWithClock();
    update();
}

void CAmazonView::switchSides() {
    document_->switchSides();
    flipped_ = !flipped_;
    update();
    emit gameChanged();
}

void CAmazonView::toggleMarkLastMove() {
    markLastMove_ = !markLastMove_;
    document_->markLastMove(markLastMove_);
    writeSetting(profile_, kMarkLastMoveSetting, markLastMove_ ? 1 : 0);
    emit gameChanged();
}

void CAmazonView::toggleViewSetting(const IntSetting& setting, bool& flag) {
    flag = !flag;
    writeSetting(profile_, setting, flag ? 1 : 0);
    update();
    emit gameChanged();
}

void CAmazonView::toggleShowLegalMoves() {
    toggleViewSetting(kShowLegalMovesSetting, showLegalMoves_);
}

void CAmazonView::toggleShowTerritory() {
    toggleViewSetting(kShowTerritorySetting, showTerritory_);
}

void CAmazonView::toggleAnalysisMode() {
    const bool on = !document_->analysisEnabled();
    writeSetting(profile_, kAnalysisModeSetting, on ? 1 : 0);
    document_->setAnalysisEnabled(on);
    updateAnalysisTimer();
    update();
    emit analysisChanged();
    emit gameChanged();
}

void CAmazonView::startReview() {
    document_->startReview();
    updateAnalysisTimer();
    emit analysisChanged();
    emit gameChanged();
}

void CAmazonView::updateAnalysisTimer() {
    static constexpr int kFollowMilliseconds = 250;
    if (document_ && (document_->analysisEnabled() || document_->reviewing())) {
        if (!analysisTimer_.isActive()) {
            analysisTimer_.start(kFollowMilliseconds, this);
        }
    } else {
        analysisTimer_.stop();
    }
}

void CAmazonView::followAnalysis() {
    if (document_->collectAnalysis() && document_->analysisEnabled()) {
        update();
    }
    emit analysisChanged();
    if (document_->takeReviewFinished()) {
        emit reviewFinished();
        emit gameChanged();
    }
    updateAnalysisTimer();
}

const MoveReview* CAmazonView::markedMoveHere() const {
    const MoveReview* review = document_->gameAnalysis().review(document_->currentPly());
    return review && review->moveClass >= MoveClass::kInaccuracy ? review : nullptr;
}

bool CAmazonView::soundOn() const {
    return readSetting(profile_, kSoundSetting) != 0;
}

void CAmazonView::toggleSound() {
    const int32_t turned = readSetting(profile_, kSoundSetting) != 0 ? 0 : 1;
    writeSetting(profile_, kSoundSetting, turned);
    sound_ = turned != 0;
    document_->setSoundEnabled(sound_);
    emit gameChanged();
}

void CAmazonView::toggleInformationWindow(QWidget* owner) {
    if (informationWindow_) {
        delete informationWindow_.data();
    } else {
        informationWindow_ = new InformationWindow(owner);
        // Queued: while the window is being destroyed the pointer to it is not yet cleared.
        connect(informationWindow_.data(), &QObject::destroyed, this, &CAmazonView::gameChanged,
                Qt::QueuedConnection);
        informationWindow_->show();
    }
    emit gameChanged();
}

const QFont& CAmazonView::viewFont() const {
    if (!font_ || font_->first != sizeClass_) {
        font_.emplace(sizeClass_, makeViewFont(sizeClassMetrics(sizeClass_).fontHeight));
    }
    return font_->second;
}

int CAmazonView::panelWidth() const {
    return taravin::panelWidth(QFontMetrics(viewFont()), sizeClassMetrics(sizeClass_),
                               widestPanelTexts(document_));
}

void CAmazonView::updateLayout(const QFont& font) {
    const QFontMetrics metrics(font);
    const SizeClassMetrics& sizeMetrics = sizeClassMetrics(sizeClass_);
    const Board* board = document_->board();
    const int rows = board ? board->rows() : kDefaultBoardSize;
    const int columns = board ? board->columns() : kDefaultBoardSize;
    geometry_ =
        computeBoardGeometry(width(), height(), rows, columns,
                             taravin::panelWidth(metrics, sizeMetrics, widestPanelTexts(document_)),
                             sizeMetrics, flipped_);
    panel_ = computePanelLayout(metrics, geometry_.frame.right, sizeMetrics, width(), height());
}

void CAmazonView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), background_);
    if (!document_) {
        return;
    }
    const QFont& font = viewFont();
    painter.setFont(font);
    updateLayout(font);
    paintBoard(painter, geometry_, document_->board(), boardLook(), sizeClassMetrics(sizeClass_),
               event->rect());
    paintPanel(painter, panel_, panelTexts(*document_));
    const MoveReview* marked = markedMoveHere();
    if (document_->analysisEnabled() || marked) {
        const PositionAnalysis* analysis =
            document_->analysisEnabled() ? document_->currentAnalysis() : nullptr;
        if (document_->analysisEnabled()) {
            paintRegionMarks(painter, geometry_, document_->currentRegions());
        }
        paintAnalysisArrows(painter, geometry_,
                            analysisArrows(analysis, readAnalysisMoves(profile_), marked));
        painter.setFont(font);
        if (document_->analysisEnabled()) {
            static constexpr int kMovesPerLine = 3;
            paintAnalysisSection(painter, panel_, analysisLines(analysis, marked, kMovesPerLine));
        }
    }
    if (dragImageShown_) {
        paintPiece(painter, dragImageRect(dragPosition_), contentOf(document_->sideToMove()),
                   fixedSizePieces_);
    }
}

BoardLook CAmazonView::boardLook() const {
    BoardLook look;
    look.color1 = color1_;
    look.color2 = color2_;
    look.markLastMove = markLastMove_;
    look.lastMoveOption = lastMoveOption_;
    look.selectionSide = contentOf(document_->selectionSide());
    look.fixedSizePieces = fixedSizePieces_;
    const Board* board = document_->board();
    if (!board) {
        return look;
    }
    const MoveRecord& move = document_->moveInProgress();
    const int32_t input = move.inputState();
    if (showLegalMoves_ && move.board() && (input == kSelectNewLocation || input == kThrowArrow)) {
        look.reachable.assign(static_cast<std::size_t>(board->cellCount()), false);
        for (const Square& square :
             queenReach(*board, input == kSelectNewLocation ? move.from() : move.to())) {
            look.reachable[static_cast<std::size_t>(board->indexOf(square.row, square.column))] =
                true;
        }
    }
    if (showTerritory_) {
        look.territory = territoryOwners(*board);
    }
    return look;
}

void CAmazonView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (firstShown_ || !document_) {
        return;
    }
    firstShown_ = true;
    reloadSettings();
    if (autoStart_) {
        startNewGameWithClock();
    } else {
        sizeClass_ = screenSizeClass(this);
    }
    update();
    emit gameChanged();
}

QRect CAmazonView::dragImageRect(QPoint position) const {
    // The piece hangs centred under the pointer, as large as on its square.
    const QSize size = fixedSizePieces_ ? QSize(kPieceImageWidth, kPieceImageHeight)
                                        : QSize(geometry_.squareSize, geometry_.squareSize);
    return QRect(position - QPoint(size.width() / 2, size.height() / 2), size);
}

void CAmazonView::endDrag() {
    if (dragImageShown_) {
        update(dragImageRect(dragPosition_));
    }
    dragImageShown_ = false;
    dragging_ = false;
    dragPosition_ = QPoint(-1, -1);
}

void CAmazonView::clearDragState() {
    if (dragging_ && input_) {
        input_->clearSelection(dragFrom_);
    }
    endDrag();
}

void CAmazonView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const std::optional<Square> square = geometry_.squareAt(at.x(), at.y());
    if (event->button() == Qt::LeftButton && input_ && square && input_->acceptsInput()) {
        if (input_->press(*square)) {
            dragging_ = true;
            dragFrom_ = *square;
        }
        emit gameChanged();
        return;
    }
    if (event->button() == Qt::LeftButton && input_ && square) {
        input_->explainRefusedPress();
    }
    QWidget::mousePressEvent(event);
}

void CAmazonView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !input_) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    const std::optional<Square> square = geometry_.squareAt(at.x(), at.y());
    if (square && input_->acceptsInput()) {
        endDrag();
        input_->release(*square);
    } else {
        if (dragging_) {
            input_->dropSelection();
        }
        endDrag();
        QWidget::mouseReleaseEvent(event);
    }
    emit gameChanged();
}

void CAmazonView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !document_ || !document_->sideToMoveIsHuman()) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    if (dragImageShown_) {
        update(dragImageRect(dragPosition_));
        dragImageShown_ = false;
    }
    const QPoint at = event->position().toPoint();
    if (geometry_.squareAt(at.x(), at.y())) {
        dragPosition_ = at;
        dragImageShown_ = true;
        update(dragImageRect(dragPosition_));
    }
}

void CAmazonView::startClockTimer(Side side) {
    clockSide_ = side;
    clockTimer_.start(kClockPeriodMilliseconds, Qt::PreciseTimer, this);
}

void CAmazonView::killClockTimer() {
    clockTimer_.stop();
    clockSide_ = Side::kNone;
}

void CAmazonView::startTimeoutTimer(int periodMilliseconds) {
    timeoutTimer_.start(periodMilliseconds, Qt::PreciseTimer, this);
}

void CAmazonView::killTimeoutTimer() {
    timeoutTimer_.stop();
}

std::optional<TimerId> CAmazonView::programTimer(int qtTimerId) const {
    if (clockTimer_.isActive() && qtTimerId == clockTimer_.timerId()) {
        return clockSide_ == Side::kRed ? kRedClockTimer : kBlueClockTimer;
    }
    if (timeoutTimer_.isActive() && qtTimerId == timeoutTimer_.timerId()) {
        return kMoveTimeoutTimer;
    }
    return std::nullopt;
}

void CAmazonView::timerEvent(QTimerEvent* event) {
    if (event->timerId() == analysisTimer_.timerId() && document_) {
        followAnalysis();
        return;
    }
    const std::optional<TimerId> timer = programTimer(event->timerId());
    if (!timer || !document_) {
        QWidget::timerEvent(event);
        return;
    }
    switch (*timer) {
        case kRedClockTimer:
            tickClock(Side::kRed);
            break;
        case kBlueClockTimer:
            tickClock(Side::kBlue);
            break;
        case kMoveTimeoutTimer:
            document_->handleSearchTimeout();
            emit gameChanged();
            break;
    }
}

void CAmazonView::tickClock(Side side) {
    document_->tickClock(side);
    const int32_t total = document_->player(side).clock();
    const ClockPieces& pieces = panel_.clock(side);
    if (total % 3600 == 0) {
        update(pieces.hours);
    }
    if (total % 60 == 0) {
        update(pieces.minutes);
    }
    if (total % 10 == 0) {
        update(pieces.tens);
    }
    update(pieces.units);
}

void CAmazonView::redrawSquare(int32_t row, int32_t column) {
    // Any change of a square can change every square's territory or reach.
    if (showTerritory_ || showLegalMoves_) {
        update(geometry_.squares.toQRect());
        return;
    }
    update(geometry_.squareRect(Square{row, column}));
}

void CAmazonView::redraw(ViewArea area) {
    switch (area) {
        case ViewArea::kWhole:
            update();
            break;
        case ViewArea::kStateLine:
            update(panel_.status[kStateStatus]);
            break;
        case ViewArea::kCurrentMove:
            update(panel_.currentMove);
            break;
        case ViewArea::kLastMoves:
            update(panel_.lastMoves[0]);
            update(panel_.lastMoves[1]);
            break;
        case ViewArea::kEvaluationLine:
            update(panel_.status[kEvaluationStatus]);
            break;
        case ViewArea::kMessageLine:
            update(panel_.status[kMessageStatus]);
            break;
        case ViewArea::kSearchText:
            update(panel_.status[kSearchStatus]);
            break;
        case ViewArea::kClocksAndStatus:
            update(panel_.whole);
            break;
    }
}

void CAmazonView::showStopMessage(const std::string& text) {
    QMessageBox::critical(window(), kApplicationTitle, QString::fromStdString(text));
}

bool CAmazonView::askYesNo(const std::string& text) {
    return QMessageBox::question(window(), kApplicationTitle, QString::fromStdString(text),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void CAmazonView::showCongratulations(Side winner, const std::string& text) {
    // The panel shows the finished game behind the box, not the prompt of the last move.
    update();
    runCongratulationsDialog(window(), winner, QString::fromStdString(text));
}

void CAmazonView::playMoveSound() {
    QApplication::beep();
}

void CAmazonView::showBusy(bool busy) {
    if (busy) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

void CAmazonView::postDeferred(DeferredRequest request, int delayMilliseconds) {
    const QEvent::Type type = eventType(notificationOf(request));
    if (delayMilliseconds <= 0) {
        QCoreApplication::postEvent(this, new QEvent(type));
        return;
    }
    QTimer::singleShot(delayMilliseconds, this,
                       [this, type] { QCoreApplication::postEvent(this, new QEvent(type)); });
}

void CAmazonView::handleDeferredClose() {
    if (document_->thinking()) {
        postDeferred(DeferredRequest::kClose, 100);
        return;
    }
    document_->handleDeferredStop();
    emit gameChanged();
    emit closeApproved();
}

void CAmazonView::appendInformation(const std::string& line) {
    if (informationWindow_) {
        informationWindow_->appendLine(line);
    }
}

void CAmazonView::postSearchFinished(const SearchResult& result) {
    QCoreApplication::postEvent(this, new SearchFinishedEvent(result));
}

void CAmazonView::postStatusText(const std::string& text) {
    QCoreApplication::postEvent(this, new StatusTextEvent(text));
}

bool CAmazonView::report(const SearchReport& report) {
    for (const std::string& line : informationLines(report)) {
        if (!log_.append(line)) {
            return false;
        }
    }
    return true;
}

bool CAmazonView::event(QEvent* event) {
    switch (static_cast<int>(event->type())) {
        case kSearchMoveFoundNotification:
        case kSearchNoMoveNotification:
        case kSearchMemoryFailureNotification:
            if (document_) {
                document_->handleSearchFinished(static_cast<SearchFinishedEvent*>(event)->result);
                emit gameChanged();
            }
            return true;
        case kSearchStatusTextNotification:
            if (document_) {
                document_->handleStatusText(static_cast<StatusTextEvent*>(event)->text);
            }
            return true;
        case kDeferredStopNotification:
            if (document_) {
                document_->handleDeferredStop();
                emit gameChanged();
            }
            return true;
        case kDeferredCloseNotification:
            if (document_) {
                handleDeferredClose();
            }
            return true;
        default:
            return QWidget::event(event);
    }
}

}  // namespace taravin
