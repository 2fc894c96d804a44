#include "ui/information_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/secondary_window_placement.h"

namespace taravin {

InformationWindow::InformationWindow(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      list_(new QListWidget(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Information Window"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_->setUniformItemSizes(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    const QRect ownerFrame = owner->frameGeometry();
    const QScreen* screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    // Its own frame is taken to be as wide as the owner's.
    const QSize decoration = ownerFrame.size() - owner->size();
    const QRect placed =
        secondaryWindowRect(ownerFrame, QSize(kWidth, ownerFrame.height()) + decoration,
                            ownerFrame.top(), screen->availableGeometry());
    move(placed.topLeft());
    resize(placed.size() - decoration);
}

void InformationWindow::appendLine(const std::string& line) {
    list_->addItem(QString::fromStdString(line));
    list_->setCurrentRow(list_->count() - 1);
    list_->scrollToBottom();
}

}  // namespace taravin
