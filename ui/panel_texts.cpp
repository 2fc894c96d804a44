#include "ui/panel_texts.h"

namespace taravin {

namespace {
QString text(const std::string& value) {
    return QString::fromStdString(value);
}

PanelTexts::Clock clockTexts(const PlayerRecord& player) {
    return {text(player.hoursText()), text(player.minutesText()), text(player.secondsTensText()),
            text(player.secondsUnitsText())};
}

QString currentMoveText(const CAmazonDoc& document) {
    if (document.state() == GameState::kOver) {
        return QString::fromLatin1(sideName(document.sideToMove())) + QStringLiteral(" - none");
    }
    return text(document.moveInProgress().prompt());
}

QString messageText(const CAmazonDoc& document) {
    const std::string& message = document.moveInProgress().message();
    // Stepping, Switch Sides and resuming start no search: the computer waits to be asked.
    if (message.empty() && document.state() == GameState::kPlay && !document.sideToMoveIsHuman() &&
        !document.thinking()) {
        return QString::fromLatin1(kMakeAMoveHint)
            .arg(QString::fromLatin1(sideName(document.sideToMove())));
    }
    return text(message);
}
}  // namespace

QStringList widestPanelTexts(const CAmazonDoc* document) {
    QStringList texts{QStringLiteral("Blue - Computer (Alpha-Beta/Square Ownership)"),
                      QStringLiteral("199. Blue: J10 - J10 (J10)"),
                      QStringLiteral("Game State - Over.  Blue has won."),
                      QStringLiteral("Invalid square selected for the arrow."),
                      QString::fromLatin1(kMakeAMoveHint).arg(QStringLiteral("Blue")),
                      QStringLiteral("Evaluation: -9999  Moves: 2176 Nodes: 9999999  Depth: 20"),
                      QStringLiteral("J10-J10 (J10) - Eval: -9999 Depth: 20 Nodes: 9999999")};
    if (document) {
        texts << text(document->player(Side::kRed).description())
              << text(document->player(Side::kBlue).description());
    }
    return texts;
}

QString numberedMoveText(int32_t number, const MoveRecord* move) {
    if (!move) {
        return {};
    }
    return QStringLiteral("%1. %2").arg(number).arg(text(move->text(true)));
}

PanelTexts panelTexts(const CAmazonDoc& document) {
    PanelTexts texts;
    const PlayerRecord& red = document.player(Side::kRed);
    const PlayerRecord& blue = document.player(Side::kBlue);
    texts.redPlayer = text(red.description());
    texts.bluePlayer = text(blue.description());
    texts.redClock = clockTexts(red);
    texts.blueClock = clockTexts(blue);
    texts.currentMove = currentMoveText(document);
    const MoveRecord* last = document.lastMove();
    texts.lastMoves = {numberedMoveText(document.moveNumber() - 2, last ? last->previous : nullptr),
                       numberedMoveText(document.moveNumber() - 1, last)};
    texts.status = {text(document.stateText()), messageText(document),
                    text(document.evaluationText()), text(document.searchText())};
    return texts;
}

}  // namespace taravin
