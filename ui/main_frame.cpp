#include "ui/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QToolBar>

#include "dialogs/dialog_commands.h"
#include "formats/sgf_reader.h"
#include "gui_base/application_title.h"
#include "model/analysis_settings.h"
#include "model/settings.h"
#include "ui/command_rules.h"
#include "ui/frame_placement.h"
#include "ui/game_file_access.h"
#include "ui/screen_size_class.h"
#include "ui/secondary_window_placement.h"
#include "ui/summary_printer.h"
#include "ui/toolbar_icons.h"

namespace taravin {

namespace {

ScreenArea screenArea(const QWidget& widget) {
    const QScreen* screen = widget.screen() ? widget.screen() : QGuiApplication::primaryScreen();
    const int icon = widget.style()->pixelMetric(QStyle::PM_LargeIconSize);
    return ScreenArea{screen->availableGeometry(), screen->geometry().size(), QSize(icon, icon)};
}

}  // namespace

CMainFrame::CMainFrame(Profile& profile, QWidget* parent)
    : QMainWindow(parent), profile_(profile), view_(new CAmazonView(profile, this)) {
    setWindowTitle(kApplicationTitle);
    setCentralWidget(view_);
    createActions();
    createMenus();
    createToolbar();
    createAnalysisDock();
    placeWindow();
    connect(view_, &CAmazonView::gameChanged, this, &CMainFrame::updateCommandStates);
    connect(view_, &CAmazonView::documentTitleChanged, this, &CMainFrame::updateTitle);
    connect(view_, &CAmazonView::closeApproved, this, &QWidget::close);
}

void CMainFrame::attachDocument(CAmazonDoc& document) {
    document_ = &document;
    view_->attachDocument(document);
    updateTitle();
    updateCommandStates();
    refreshAnalysisPanel();
}

QAction* CMainFrame::action(CommandId id) const {
    const auto found = actions_.find(id);
    return found != actions_.end() ? found->second : nullptr;
}

void CMainFrame::createActions() {
    for (const CommandInfo& info : allCommands()) {
        // The tab keeps the menu from adding its own key text: the shown text is fixed.
        auto* entry = new QAction(QString::fromLatin1(info.menuText) + QLatin1Char('\t') +
                                      QString::fromLatin1(info.shownShortcut),
                                  this);
        entry->setIcon(commandIcon(info.id));
        entry->setIconVisibleInMenu(false);
        entry->setStatusTip(displayedText(info.prompt));
        entry->setToolTip(displayedText(info.tooltip));
        entry->setCheckable(info.checkable);
        if (info.key.key() != Qt::Key(0)) {
            entry->setShortcut(QKeySequence(info.key));
        }
        const CommandId id = info.id;
        connect(entry, &QAction::triggered, this, [this, id] { runCommand(id); });
        actions_[id] = entry;
    }
}

void CMainFrame::createMenus() {
    for (const MenuInfo& menuInfo : menuBarMenus()) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(menuInfo.title));
        for (const CommandId id : menuInfo.entries) {
            if (id == kNoCommand) {
                menu->addSeparator();
            } else {
                menu->addAction(action(id));
            }
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);
    }
}

void CMainFrame::createToolbar() {
    toolbar_ = addToolBar(QStringLiteral("Toolbar"));
    toolbar_->setObjectName(QStringLiteral("Toolbar"));
    toolbar_->setIconSize(QSize(kToolbarIconSize, kToolbarIconSize));
    toolbar_->setMovable(true);
    toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const CommandId id : toolbarButtons()) {
        if (id == kNoCommand) {
            toolbar_->addSeparator();
        } else {
            toolbar_->addAction(action(id));
        }
    }
}

void CMainFrame::createAnalysisDock() {
    analysisDock_ = new QDockWidget(QStringLiteral("Analysis"), this);
    analysisDock_->setObjectName(QStringLiteral("AnalysisDock"));
    analysisDock_->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    analysisPanel_ = new AnalysisPanel(analysisDock_);
    analysisDock_->setWidget(analysisPanel_);
    addDockWidget(Qt::BottomDockWidgetArea, analysisDock_);
    analysisDock_->hide();
    connect(view_, &CAmazonView::analysisChanged, this, &CMainFrame::refreshAnalysisPanel);
    connect(view_, &CAmazonView::gameChanged, this, &CMainFrame::refreshAnalysisPanel);
    connect(view_, &CAmazonView::reviewFinished, this, &CMainFrame::showReviewReport);
    connect(analysisPanel_, &AnalysisPanel::plyRequested, this, [this](int ply) {
        if (document_ && !document_->thinking()) {
            document_->goToPly(ply);
            updateCommandStates();
        }
    });
    connect(analysisPanel_, &AnalysisPanel::cancelReviewRequested, this, [this] {
        if (document_) {
            document_->cancelReview();
            refreshAnalysisPanel();
            updateCommandStates();
        }
    });
    connect(analysisPanel_, &AnalysisPanel::reportRequested, this, &CMainFrame::showReviewReport);
}

void CMainFrame::refreshAnalysisPanel() {
    if (!document_) {
        return;
    }
    const bool wanted = document_->analysisEnabled() || document_->reviewing() ||
                        document_->gameAnalysis().hasReview();
    if (wanted != analysisDock_->isVisible()) {
        analysisDock_->setVisible(wanted);
    }
    if (wanted) {
        analysisPanel_->refresh(*document_);
    }
}

void CMainFrame::showReviewReport() {
    if (document_ && document_->gameAnalysis().hasReview()) {
        // The report dialog comes with the review texts.
    }
}

void CMainFrame::placeWindow() {
    const int32_t sizeClass = screenSizeClass(this);
    const ScreenArea screen = screenArea(*this);
    if (const std::optional<QRect> stored =
            storedFrameRect(readWindowPlacement(profile_), sizeClass, screen)) {
        setGeometry(*stored);
        return;
    }
    const SizeClassMetrics& metrics = sizeClassMetrics(sizeClass);
    resize(defaultFrameSize(screen.workArea, view_->panelWidth(), metrics.margin, metrics.gutter,
                            kDefaultBoardSize));
}

void CMainFrame::storePlacement() {
    const QRect normal = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    writeWindowPlacement(profile_,
                         placementOf(normal, screenArea(*this).workArea, view_->sizeClass()));
}

void CMainFrame::updateTitle() {
    const std::string title = document_ ? document_->title() : std::string();
    // "[*]" is where the platform shows that the game has unsaved changes.
    setWindowTitle((title.empty() ? kApplicationTitle
                                  : kApplicationTitle + QStringLiteral(" - ") +
                                        QString::fromStdString(title)) +
                   QStringLiteral("[*]"));
    setWindowModified(document_ && document_->modified());
}

bool CMainFrame::maySetGameAside() {
    if (!document_->modified()) {
        return true;
    }
    const QString name = document_->title().empty() ? QStringLiteral("Untitled")
                                                    : QString::fromStdString(document_->title());
    QMessageBox box(QMessageBox::Question, kApplicationTitle,
                    QStringLiteral("Save changes to %1?").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return saveGame();
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

void CMainFrame::updateCommandStates() {
    if (!document_) {
        return;
    }
    const GameStatus status = gameStatus(*document_, *view_);
    for (const auto& [id, entry] : actions_) {
        const CommandState state = commandState(id, status);
        entry->setEnabled(state.enabled);
        if (entry->isCheckable()) {
            entry->setChecked(state.checked);
        }
    }
    // The message line's hint follows the same state as the commands.
    view_->redraw(ViewArea::kMessageLine);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (document_ && document_->thinking()) {
        document_->searchFlags().abortSearch = true;
        view_->postDeferred(DeferredRequest::kClose, 0);
        event->ignore();
        return;
    }
    if (document_ && !maySetGameAside()) {
        event->ignore();
        return;
    }
    storePlacement();
    if (help_) {
        help_->close();
    }
    event->accept();
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!isVisible() || windowState() != Qt::WindowNoState) {
        return;
    }
    const int panel = view_->panelWidth();
    const QSize snapped = snappedFrameSize(size(), panel);
    // On a screen narrower than two panel widths the rule cannot be met; leave the size.
    if (snapped != size() && snapped.width() <= screenArea(*this).workArea.width()) {
        resize(snapped);
    }
}

void CMainFrame::runCommand(CommandId id) {
    if (!document_) {
        return;
    }
    if (!commandState(id, gameStatus(*document_, *view_)).enabled) {
        updateCommandStates();
        return;
    }
    CAmazonDoc& document = *document_;
    switch (id) {
        case kNewGameCommand:
            if (maySetGameAside()) {
                view_->newGame();
            }
            break;
        case kPauseGameCommand:
            document.togglePause();
            break;
        case kStopGameCommand:
            document.requestStop();
            break;
        case kOpenCommand:
            openGame();
            break;
        case kSaveCommand:
            saveGame();
            break;
        case kPrintCommand:
            runPrintCommand(this, document);
            break;
        case kExitCommand:
            close();
            break;
        case kBackwardCommand:
            document.stepBack(StepKind::kOne);
            break;
        case kBackToStartCommand:
            document.stepBack(StepKind::kToEnd);
            break;
        case kBackFiveMovesCommand:
            document.stepBack(StepKind::kFive);
            break;
        case kForwardCommand:
            document.stepForward(StepKind::kOne);
            break;
        case kForwardToEndCommand:
            document.stepForward(StepKind::kToEnd);
            break;
        case kForwardFiveMovesCommand:
            document.stepForward(StepKind::kFive);
            break;
        case kSuggestCommand:
            document.suggestMove();
            break;
        case kMakeAMoveCommand:
            document.makeMove();
            break;
        case kStopComputingAndMoveCommand:
            document.stopComputingAndMove();
            break;
        case kSwitchSidesCommand:
            view_->switchSides();
            break;
        case kManualEntryCommand:
            runManualEntry();
            break;
        case kMoveHistoryCommand:
            runMoveHistoryDialog(this, *document.gameRecord(), document.lastMove());
            break;
        case kColorsCommand:
            if (runColorsDialog(this, profile_)) {
                view_->reloadColors();
            }
            break;
        case kOptionsCommand:
            if (runOptionsDialog(this, profile_)) {
                view_->reloadOptions();
                document.reclassifyReview();
                refreshAnalysisPanel();
            }
            break;
        case kBoardConfigurationCommand:
            if (maySetGameAside()) {
                reloadAfterConfiguration(runBoardConfigurationDialog(this, profile_));
            }
            break;
        case kPlayerConfigurationCommand:
            if (maySetGameAside()) {
                reloadAfterConfiguration(runPlayerConfigurationDialog(this, profile_));
            }
            break;
        case kMarkLastMoveCommand:
            view_->toggleMarkLastMove();
            break;
        case kInformationWindowCommand:
            view_->toggleInformationWindow(this);
            break;
        case kShowLegalMovesCommand:
            view_->toggleShowLegalMoves();
            break;
        case kShowTerritoryCommand:
            view_->toggleShowTerritory();
            break;
        case kSoundCommand:
            view_->toggleSound();
            break;
        case kAnalysisModeCommand:
            view_->toggleAnalysisMode();
            break;
        case kReviewGameCommand:
            view_->startReview();
            break;
        case kNextMistakeCommand:
        case kPreviousMistakeCommand:
            if (const std::optional<int32_t> move =
                    document.nextMarkedMove(id == kNextMistakeCommand)) {
                document.goToPly(*move);
            }
            break;
        case kAboutCommand:
            runAboutDialog(this);
            break;
        case kOnlineHelpCommand:
            showOnlineHelp();
            break;
        case kNoCommand:
            break;
    }
    updateCommandStates();
    refreshAnalysisPanel();
}

void CMainFrame::reloadAfterConfiguration(bool confirmed) {
    if (confirmed) {
        view_->reloadSettings();
        view_->update();
    }
}

void CMainFrame::runManualEntry() {
    if (const std::optional<ManualMove> move =
            runManualEntryDialog(this, document_->moveInProgress())) {
        document_->applyMove(move->from, move->to, move->arrow);
    }
}

void CMainFrame::openGame() {
    if (!maySetGameAside()) {
        return;
    }
    const std::optional<GameOpenChoice> choice = runGameOpenDialog(this, profile_);
    if (!choice) {
        return;
    }
    const ReadGameFile file = readGameFile(choice->fileName);
    if (!file.text) {
        view_->showStopMessage(file.error);
        view_->update();
        return;
    }
    // The title names the file as Save does; Save proposes the whole path again.
    if (document_->openGame(*file.text, choice->loadPlayers,
                            QFileInfo(choice->fileName).fileName().toStdString())) {
        saveFormat_ = looksLikeSgf(*file.text) ? GameFileFormat::kSgf : GameFileFormat::kNative;
        gamePath_ = choice->fileName;
    }
}

bool CMainFrame::saveGame() {
    // The path the game came from or went to, while the title still names that file.
    const QString title = QString::fromStdString(document_->title());
    const QString proposed = QFileInfo(gamePath_).fileName() == title ? gamePath_ : title;
    const std::optional<SaveTarget> target =
        runSaveFileDialog(this, profile_, proposed, saveFormat_);
    if (!target) {
        return false;
    }
    const std::string text =
        target->format == GameFileFormat::kSgf ? document_->gameSgfText() : document_->gameText();
    if (const std::optional<QString> error = saveGameFile(target->path, text)) {
        QMessageBox::critical(this, kApplicationTitle,
                              QStringLiteral("An error occurred while writing %1.\n%2")
                                  .arg(QFileInfo(target->path).fileName(), *error));
        return false;
    }
    rememberGameFolder(profile_, target->path);
    saveFormat_ = target->format;
    gamePath_ = target->path;
    document_->setTitle(QFileInfo(target->path).fileName().toStdString());
    document_->markSaved();
    return true;
}

void CMainFrame::showOnlineHelp() {
    if (!help_) {
        help_ = new HelpWindow(this);
        // Beside the window, or at least below its menu and toolbar.
        const QSize decoration = frameGeometry().size() - size();
        const QRect placed =
            secondaryWindowRect(frameGeometry(), help_->size() + decoration,
                                view_->mapToGlobal(QPoint(0, 0)).y(), screenArea(*this).workArea);
        help_->move(placed.topLeft());
        help_->resize(placed.size() - decoration);
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

}  // namespace taravin
