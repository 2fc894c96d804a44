#pragma once

#include "analysis/analysis_recorder.h"
#include "search/search_host.h"

namespace taravin {

// The host of an analysis search: its end goes the way of every search's end, to the window
// thread, while its reports feed the recorder instead of the Information Window and its
// status texts stay off the game's status line.
class AnalysisHost final : public SearchHost {
  public:
    explicit AnalysisHost(SearchHost& window) : window_(window) {}

    // Set only while no analysis runs.
    void setRecorder(AnalysisRecorder* recorder) { recorder_ = recorder; }

    void postSearchFinished(const SearchResult& result) override;
    void postStatusText(const std::string&) override {}
    bool report(const SearchReport& report) override;
    void startTimeoutTimer(int periodMilliseconds) override;
    void killTimeoutTimer() override;

  private:
    SearchHost& window_;
    AnalysisRecorder* recorder_ = nullptr;
};

}  // namespace taravin
