// CalcProgress.h - a one-line progress bar for long jobs of the ovss tool, redrawn in place on a
// terminal stream; silent when switched off (output that is not a terminal).
#pragma once

#include <ostream>

namespace ovcalc {

class CalcProgress {
  public:
    CalcProgress(std::ostream& out, bool enabled, int total);
    ~CalcProgress();  // clears the line
    CalcProgress(const CalcProgress&) = delete;
    CalcProgress& operator=(const CalcProgress&) = delete;

    // `done` of the total finished; redraws only when the shown percentage moves.
    void update(int done);

  private:
    std::ostream& out_;
    bool enabled_;
    int total_;
    int shownPercent_ = -1;
};

}  // namespace ovcalc
