#include "ui/game_session.h"

namespace taravin {

GameSession::GameSession(Profile& profile, const MemoryStatus& memory)
    : frame_(std::make_unique<CMainFrame>(profile)),
      document_(std::make_unique<CAmazonDoc>(profile, frame_->view(), frame_->view(), memory)) {
    frame_->attachDocument(*document_);
}

GameSession::~GameSession() {
    frame_->view().shutDown();
    document_.reset();
    frame_.reset();
}

}  // namespace taravin
