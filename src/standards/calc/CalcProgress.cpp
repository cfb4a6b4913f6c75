// CalcProgress.cpp - the progress bar of the ovss tool's long jobs.
#include "standards/calc/CalcProgress.h"

#include <string>

namespace ovcalc {

namespace {
constexpr int kBarWidth = 40;
}

CalcProgress::CalcProgress(std::ostream& out, bool enabled, int total)
    : out_(out), enabled_(enabled && total > 0), total_(total) {
    update(0);
}

CalcProgress::~CalcProgress() {
    if (enabled_ && shownPercent_ >= 0) {
        out_ << "\r" << std::string(kBarWidth + 32, ' ') << "\r" << std::flush;
    }
}

void CalcProgress::update(int done) {
    if (!enabled_) {
        return;
    }
    const int percent = static_cast<int>(100LL * done / total_);
    if (percent == shownPercent_) {
        return;
    }
    shownPercent_ = percent;
    const int filled = kBarWidth * percent / 100;
    out_ << "\r[" << std::string(filled, '#') << std::string(kBarWidth - filled, ' ') << "] "
         << done << "/" << total_ << " macros" << std::flush;
}

}  // namespace ovcalc
