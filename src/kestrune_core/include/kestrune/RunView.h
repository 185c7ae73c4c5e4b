// Everything the install window shows of a run: texts, counters, command states and layout.
#pragma once

#include <string>

#include "kestrune/Mod.h"

namespace kestrune {

// Fast: the log fills the window. Step: the current step's texts sit above the log.
enum class RunLayout { Fast, Step };

// The two labels and two panes that describe one step.
struct ActionDisplay {
    std::string label1 = "Search for this in file";
    std::string label2 = "and replace it with";
    std::string memo1;
    std::string memo2;

    bool operator==(const ActionDisplay&) const = default;
};

// What a step asks the user to do, in the install view or the uninstall view (which shows the
// text a step put in, to be taken out again):
//   DescribeStep(step, true).label2 == "and add this after it"  // for an add-after step
ActionDisplay DescribeStep(const TStep& step, bool install);

// The texts shown instead of a step when the mod has none.
ActionDisplay NothingToDoDisplay();

// A snapshot of the window's outputs. The defaults are the window's designed texts, which the
// first run replaces; everything a run does not set keeps what the previous run left.
struct RunView {
    std::string log = "LogWindow";  // CR LF line breaks; replaced only when a run starts
    std::string status = "Status: working...";
    std::string stepCounter = "Step 0 of 10";
    std::string errorCounter = "0 Errors";
    std::string modText = "mod_bla_bla.mod";
    std::string title = "Installing";

    int progressMax = 100;
    int progressPosition = 0;

    bool nextEnabled = true;
    std::string nextCaption = "&Next Step";
    bool previousEnabled = true;
    bool openFileEnabled = true;
    std::string closeCaption = "&Abort";

    bool errorBadgeVisible = false;

    RunLayout layout = RunLayout::Step;
    ActionDisplay action;
    bool label1Visible = true;
    bool label2Visible = true;
    bool memo1Visible = true;
    bool memo2Visible = true;
    bool actionPanelVisible = true;  // the panel holding the two panes
};

}  // namespace kestrune
