#include "dialogs/about_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "dialogs/dialog_builder.h"
#include "dialogs/hyperlink_label.h"
#include "gui_base/application_title.h"

namespace taravin {

namespace {

#ifdef TARAVIN_VERSION_TEXT
constexpr const char* kVersionText = TARAVIN_VERSION_TEXT;
#else
constexpr const char* kVersionText = "Unknown";
#endif

const QUrl kRulesTarget(QStringLiteral("https://en.wikipedia.org/wiki/Game_of_the_Amazons#Rules"));

}  // namespace

QString AboutDialog::titleLine() {
    return QStringLiteral("%1 - v%2").arg(kApplicationTitle, QString::fromUtf8(kVersionText));
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    DialogBuilder build(*this, QStringLiteral("About ") + kApplicationTitle, 235, 87);
    QPushButton* ok =
        build.defaultButton(QStringLiteral("OK"), {178, 7, kButtonWidth, kButtonHeight});
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    build.label(titleLine(), {7, 7, 119, kTextHeight});
    build.label(QStringLiteral("On the web:"), {7, 27, 52, kTextHeight});
    // The first link keeps the control's own target, the page about the game.
    auto* gameLink = new HyperlinkLabel(QStringLiteral("The game of the Amazons"), this);
    build.place(*gameLink, {7, 39, 111, kTextHeight});
    auto* rulesLink = new HyperlinkLabel(QStringLiteral("How the game is played"), this);
    rulesLink->setTarget(kRulesTarget);
    build.place(*rulesLink, {7, 51, 118, kTextHeight});
    build.label(QStringLiteral("Made by the Taravin developers"), {7, 71, 119, kTextHeight});
    // The free column below OK takes the licence, level with the last line and flush right.
    QLabel* license =
        build.label(QStringLiteral("License: GPL 3 or later"), {126, 71, 102, kTextHeight});
    license->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

}  // namespace taravin
