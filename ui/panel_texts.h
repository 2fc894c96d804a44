#pragma once

#include "app/amazon_doc.h"
#include "ui/view_painter.h"

namespace taravin {

// The panel's texts for the game as the document holds it.
PanelTexts panelTexts(const CAmazonDoc& document);

// "%d. %s": a numbered move written with its side; empty without a move.
QString numberedMoveText(int32_t number, const MoveRecord* move);

}  // namespace taravin
