#include "ui/help_window.h"

#include <QKeySequence>
#include <QShortcut>
#include <QUrl>

// The help page lives in a resource of a static library, so it is registered explicitly.
static void registerHelpResource() {
    Q_INIT_RESOURCE(taravin);
}

namespace taravin {

HelpWindow::HelpWindow(QWidget* owner) : QTextBrowser(owner) {
    registerHelpResource();
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Taravin Help"));
    setOpenExternalLinks(true);
    setSource(QUrl(QStringLiteral("qrc:/help/taravin.html")));
    resize(640, 560);
    // A reading window closes on Escape like a dialog.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

}  // namespace taravin
