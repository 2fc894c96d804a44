#include "app/analysis_host.h"

namespace taravin {

void AnalysisHost::postSearchFinished(const SearchResult& result) {
    if (recorder_) {
        recorder_->finish(result);
    }
    window_.postSearchFinished(result);
}

bool AnalysisHost::report(const SearchReport& report) {
    if (recorder_) {
        recorder_->record(report);
    }
    return true;
}

void AnalysisHost::startTimeoutTimer(int periodMilliseconds) {
    window_.startTimeoutTimer(periodMilliseconds);
}

void AnalysisHost::killTimeoutTimer() {
    window_.killTimeoutTimer();
}

}  // namespace taravin
