#pragma once

#include "app/amazon_doc.h"
#include "ui/view_painter.h"

namespace taravin {

// What the message line says when a computer side waits for Make A Move.
inline constexpr const char* kMakeAMoveHint = "%1 (computer) waits for Make A Move.";

// The panel's texts for the game as the document holds it. A finished game names no side to
// move, and a computer side that waits for Make A Move says so in the message line.
PanelTexts panelTexts(const CAmazonDoc& document);

// The texts the panel must have room for: the widest of each line's kinds at their usual
// extremes, and the players as they are now (when there is a document).
QStringList widestPanelTexts(const CAmazonDoc* document);

// "%d. %s": a numbered move written with its side; empty without a move.
QString numberedMoveText(int32_t number, const MoveRecord* move);

}  // namespace taravin
