#pragma once

#include <QMainWindow>
#include <QPointer>
#include <map>

#include "app/amazon_doc.h"
#include "dialogs/game_file_dialog.h"
#include "model/profile.h"
#include "ui/amazon_view.h"
#include "ui/analysis_panel.h"
#include "ui/commands.h"
#include "ui/help_window.h"

class QAction;
class QDockWidget;
class QToolBar;

namespace taravin {

// The main window: menus, toolbar and the board view. It routes every command, keeps the
// commands' enabled and checked states in step with the game, remembers its placement and
// waits for a running search before it closes.
class CMainFrame final : public QMainWindow {
    Q_OBJECT

  public:
    explicit CMainFrame(Profile& profile, QWidget* parent = nullptr);

    CAmazonView& view() { return *view_; }
    void attachDocument(CAmazonDoc& document);

    // Runs a command as its menu entry or toolbar button would.
    void runCommand(CommandId id);
    QAction* action(CommandId id) const;
    QToolBar* toolbar() const { return toolbar_; }
    QDockWidget* analysisDock() const { return analysisDock_; }
    AnalysisPanel* analysisPanel() const { return analysisPanel_; }
    // Applies the enabling and check rules to every menu entry and toolbar button.
    void updateCommandStates();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void createActions();
    void createMenus();
    void createToolbar();
    void placeWindow();
    void storePlacement();
    void updateTitle();
    void openGame();
    // Whether the game was written.
    bool saveGame();
    // Before a command throws the game away: when it has unsaved changes, asks whether to
    // save them. False when the user cancels or the save fails.
    bool maySetGameAside();
    void showOnlineHelp();
    void runManualEntry();
    void reloadAfterConfiguration(bool confirmed);
    void createAnalysisDock();
    // The panel shows while the analysis is on or there is a review to look at.
    void refreshAnalysisPanel();
    void showReviewReport();

    Profile& profile_;
    CAmazonView* view_;
    CAmazonDoc* document_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QDockWidget* analysisDock_ = nullptr;
    AnalysisPanel* analysisPanel_ = nullptr;
    std::map<CommandId, QAction*> actions_;
    QPointer<HelpWindow> help_;
    // Save proposes the format and the path the game was opened or last saved with.
    GameFileFormat saveFormat_ = GameFileFormat::kNative;
    QString gamePath_;
};

}  // namespace taravin
