#include "ui/information_window.h"

#include <QVBoxLayout>

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
    move(ownerFrame.right() + 1, ownerFrame.top());
    resize(kWidth, ownerFrame.height());
}

void InformationWindow::appendLine(const std::string& line) {
    list_->addItem(QString::fromStdString(line));
    list_->setCurrentRow(list_->count() - 1);
    list_->scrollToBottom();
}

}  // namespace taravin
