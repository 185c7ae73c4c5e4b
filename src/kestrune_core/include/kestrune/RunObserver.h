// How an installation run reports to the window that shows it.
#pragma once

#include <string>
#include <string_view>

#include "kestrune/RunView.h"

namespace kestrune {

// Every hook runs on the caller's thread, inside the run's operation. Only ProcessEvents may
// let the user act on the run (press Next, ask to close); the others must just show.
class RunObserver {
  public:
    virtual ~RunObserver() = default;

    // The log was replaced (a run started); afterwards it only grows, by LogAppended.
    virtual void LogReplaced(const std::string& log) { (void)log; }
    virtual void LogAppended(std::string_view added) { (void)added; }

    // Show `view`: called whenever the outputs reach a state worth painting (before loading,
    // before and after each step, at the end of every operation).
    virtual void Refresh(const RunView& view) { (void)view; }

    // Called by the fast loop after every step so the window repaints and handles input.
    virtual void ProcessEvents() {}
};

}  // namespace kestrune
