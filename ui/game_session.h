#pragma once

#include <memory>

#include "app/amazon_doc.h"
#include "model/profile.h"
#include "search/memory_status.h"
#include "ui/main_frame.h"

namespace taravin {

// The one document, main frame and board view of a run. They go in the order that keeps a
// search from outliving what it reports to: the view stops waiting for log lines, the
// document ends its search, then the windows go.
class GameSession {
  public:
    GameSession(Profile& profile, const MemoryStatus& memory);
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    CMainFrame& frame() { return *frame_; }
    CAmazonView& view() { return frame_->view(); }
    CAmazonDoc& document() { return *document_; }

  private:
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<CAmazonDoc> document_;
};

}  // namespace taravin
