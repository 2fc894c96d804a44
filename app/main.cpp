#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <QThread>
#include <cstdio>

#include "dialogs/qsettings_profile.h"
#include "model/fatal_error.h"
#include "search/memory_status.h"
#include "ui/game_session.h"

namespace {

// A failed allocation ends the program; on the window thread the user is told first.
void showFatalError(const std::string& text) {
    if (QThread::currentThread() == QCoreApplication::instance()->thread()) {
        QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Taravin"),
                              QString::fromStdString(text));
    } else {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
}

// The application icon at every size the build rendered, for every window of the program.
QIcon applicationIcon() {
    QIcon icon;
    for (const QFileInfo& file : QDir(QStringLiteral(":/icon")).entryInfoList(QDir::Files)) {
        icon.addFile(file.filePath());
    }
    return icon;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Kestrow - Danlo Program"));
    QCoreApplication::setApplicationName(QStringLiteral("Taravin"));
    // Ties the windows to the menu entry, whose icon Wayland desktops show.
    QGuiApplication::setDesktopFileName(QStringLiteral(TARAVIN_APP_ID));
    QApplication::setWindowIcon(applicationIcon());
    taravin::setFatalErrorHandler(showFatalError);

    taravin::QSettingsProfile profile;
    taravin::SystemMemoryStatus memory;
    // A file named on the command line is not opened: games are opened with Open.
    taravin::GameSession session(profile, memory);
    session.frame().show();
    return QApplication::exec();
}
