#include "operator/progress.h"

namespace zorkan {

void Progress::SetProgressLines(ProgressLines lines) {
  lines_ = std::move(lines);
  panel_.setLines(lines_);
}

void Progress::SetProgressStep(std::string text) {
  lines_[2] = std::move(text);
  panel_.setLines(lines_);
  panel_.processPendingEvents();
}

void Progress::clearProgressStep() {
  lines_[2].clear();
  panel_.setLines(lines_);
}

void Progress::setProgressHeading(std::string text) {
  lines_[1] = std::move(text);
  panel_.setLines(lines_);
}

}  // namespace zorkan
