// The installation run's outputs through fast, step-by-step, failing, manual and empty runs.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "RunFixtures.h"
#include "kestrune/InstallRun.h"
#include "modcommon/ModTags.h"

namespace {

using kestrune::FinishResult;
using kestrune::InstallRun;
using kestrune::RunLayout;
using kestrune::TMod;
using runtest::Forum;
using runtest::Lines;
using runtest::RecordingObserver;
using Strings = std::vector<std::string>;

const std::string kSuccessLine = "> finished. modifications successful.";

std::string FailureLine(int errors) {
    return "> modifications failed! " + std::to_string(errors) +
           " errors occured. No files will be modified. Please see readme for help on the "
           "error messages.";
}

Strings Concat(Strings head, const Strings& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

TEST(InstallRunTest, FastInstallAppliesEveryStepAndWritesOnlyAtFinish) {
    Forum forum;
    TMod mod = runtest::QuickReplyMod();
    RecordingObserver observer;
    InstallRun run;
    run.SetObserver(&observer);

    run.Start(mod, forum.Inputs(/*checked=*/true, /*fast=*/true));

    const auto& view = run.View();
    EXPECT_EQ(Lines(view.log),
              Concat(forum.HeaderLines(true),
                     {"Step 1 ... ok", "Step 2 ... ok", "Step 3 ... ok", "", kSuccessLine}));
    EXPECT_EQ(observer.log(), view.log);
    EXPECT_EQ(observer.statuses(), (Strings{"Status: loading...", "Status: working...",
                                            "Status: ready", "Status: working...", "Status: ready",
                                            "Status: working...", "Status: finished"}));
    EXPECT_EQ(observer.processEventsCalls(), 2);
    EXPECT_EQ(view.stepCounter, "Step 3 of 3");
    EXPECT_EQ(view.errorCounter, "0 Errors");
    EXPECT_EQ(view.modText, "quick_reply.mod");
    EXPECT_EQ(view.title, "Installing quick_reply.mod");
    EXPECT_EQ(view.progressMax, 3);
    EXPECT_EQ(view.progressPosition, 3);
    EXPECT_FALSE(view.nextEnabled);
    EXPECT_FALSE(view.previousEnabled);
    EXPECT_FALSE(view.openFileEnabled);
    EXPECT_EQ(view.closeCaption, "&Exit");
    EXPECT_FALSE(view.errorBadgeVisible);
    // The fast layout: the log fills the window.
    EXPECT_EQ(view.layout, RunLayout::Fast);
    EXPECT_FALSE(view.label1Visible);
    EXPECT_FALSE(view.label2Visible);
    EXPECT_FALSE(view.actionPanelVisible);

    EXPECT_EQ(forum.read("Sources/Post.pl"), runtest::kPostOriginal);
    EXPECT_EQ(forum.read("Sources/Display.pl"), runtest::kDisplayOriginal);

    FinishResult result = run.Finish();
    EXPECT_TRUE(result.wrote);
    EXPECT_TRUE(result.recordResult);
    EXPECT_FALSE(result.restoreTick);
    EXPECT_FALSE(result.writeFailure);
    EXPECT_EQ(run.CurrentStep(), 3);
    EXPECT_EQ(run.StepCount(), 3);
    EXPECT_EQ(run.ErrorCount(), 0);
    EXPECT_FALSE(run.ManualMode());
    // Written back in the files' own LF style.
    EXPECT_EQ(forum.read("Sources/Post.pl"), runtest::kPostInstalled);
    EXPECT_EQ(forum.read("Sources/Display.pl"), runtest::kDisplayInstalled);
}

TEST(InstallRunTest, UninstallWithTheSameRunObjectGivesTheForumBack) {
    Forum forum;
    TMod mod = runtest::QuickReplyMod();
    InstallRun run;
    run.Start(mod, forum.Inputs(true, true));
    ASSERT_TRUE(run.Finish().recordResult);

    run.Start(mod, forum.Inputs(/*checked=*/false, /*fast=*/false));
    while (run.View().nextEnabled) {
        run.Next();
    }

    EXPECT_EQ(run.View().title, "Uninstalling quick_reply.mod");
    EXPECT_EQ(Lines(run.View().log),
              Concat(forum.HeaderLines(false),
                     {"Step 1 ... ok", "Step 2 ... ok", "Step 3 ... ok", "", kSuccessLine}));
    // The uninstall view of the last step, an addition: only the added text, to be removed.
    EXPECT_EQ(run.View().action.label1, "remove this in file Sources/Display.pl");
    EXPECT_EQ(run.View().action.memo1, "# quick reply");
    EXPECT_TRUE(run.Finish().recordResult);
    EXPECT_EQ(forum.read("Sources/Post.pl"), runtest::kPostOriginal);
    EXPECT_EQ(forum.read("Sources/Display.pl"), runtest::kDisplayOriginal);
}

TEST(InstallRunTest, StepByStepRunClosedAfterStepTwoWritesNothingAndRestoresTheTick) {
    Forum forum;
    TMod mod = runtest::QuickReplyMod();
    RecordingObserver observer;
    InstallRun run;
    run.SetObserver(&observer);
    auto inputs = forum.Inputs(true, /*fast=*/false);
    inputs.detectedScript.clear();

    run.Start(mod, inputs);
    const auto& view = run.View();
    EXPECT_EQ(view.stepCounter, "Step 1 of 3");
    EXPECT_EQ(view.status, "Status: ready");
    EXPECT_TRUE(view.nextEnabled);
    EXPECT_EQ(view.nextCaption, "&Next Step");
    EXPECT_EQ(view.closeCaption, "&Abort");
    EXPECT_EQ(view.layout, RunLayout::Step);
    EXPECT_TRUE(view.memo1Visible && view.memo2Visible && view.actionPanelVisible);
    EXPECT_EQ(view.action.label1, "Search for this in file Sources/Post.pl");
    EXPECT_EQ(view.action.label2, "and replace it with this");
    EXPECT_EQ(view.action.memo1, "    print $form;");
    EXPECT_EQ(view.action.memo2, "    print $form_with_reply;");

    run.Next();
    EXPECT_EQ(view.stepCounter, "Step 2 of 3");
    EXPECT_EQ(view.progressPosition, 2);
    EXPECT_EQ(view.action.label2, "and add this after it");
    // A step once applied is never taken back before the finish.
    EXPECT_FALSE(view.previousEnabled);
    EXPECT_FALSE(view.openFileEnabled);

    Strings expected = forum.HeaderLines(true);
    expected[2] = "detected script: autodetect failed";
    EXPECT_EQ(Lines(view.log), Concat(expected, {"Step 1 ... ok", "Step 2 ... ok"}));
    EXPECT_EQ(observer.statuses(),
              (Strings{"Status: loading...", "Status: working...", "Status: ready",
                       "Status: working...", "Status: ready"}));
    EXPECT_EQ(observer.processEventsCalls(), 0);

    ASSERT_TRUE(run.RequestClose());
    FinishResult result = run.Finish();
    EXPECT_TRUE(result.restoreTick);
    EXPECT_FALSE(result.wrote);
    EXPECT_FALSE(result.recordResult);
    EXPECT_EQ(run.CurrentStep(), 2);
    EXPECT_EQ(run.ErrorCount(), 0);
    EXPECT_EQ(forum.read("Sources/Post.pl"), runtest::kPostOriginal);
    EXPECT_EQ(forum.read("Sources/Display.pl"), runtest::kDisplayOriginal);
}

// A failing step does not stop the run; every failure is logged and counted, and nothing is
// written at the finish.
TEST(InstallRunTest, FailingStepsAreLoggedCountedAndBlockTheWriteBack) {
    struct Case {
        std::string name;
        kestrune::TStep stepTwo;
        bool displayReadOnly;
        Strings stepLines;  // with "{forum}" for the forum folder
        int errors;
    };
    const Case cases[] = {
        {"search text missing",
         runtest::Step("Sources/Display.pl", "    print $threads;", modcommon::kTagAddAfter, "x"),
         false,
         {"Step 1 ... ok", "Step 2 ... failed - ERR(1): Search string could not be found",
          "Step 3 ... ok"},
         1},
        {"file missing",
         runtest::Step("Sources/Missing.pl", "a", modcommon::kTagReplace, "b"),
         false,
         {"Step 1 ... ok",
          "Step 2 ... failed - ERR(2): Could not find file to edit ({forum}Sources/Missing.pl)",
          "Step 3 ... ok"},
         1},
        {"file read-only",
         runtest::QuickReplyMod().Steps[1],
         true,
         {"Step 1 ... ok",
          "Step 2 ... failed - ERR(17): File to edit is readonly ({forum}Sources/Display.pl)",
          "Step 3 ... failed - ERR(17): File to edit is readonly ({forum}Sources/Display.pl)"},
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Forum forum;
        TMod mod = runtest::QuickReplyMod();
        mod.Steps[1] = c.stepTwo;
        if (c.displayReadOnly) {
            testsupport::MakeReadOnly(forum.file("Sources/Display.pl"));
        }
        InstallRun run;
        run.Start(mod, forum.Inputs(true, true));

        Strings stepLines;
        for (std::string line : c.stepLines) {
            if (auto at = line.find("{forum}"); at != std::string::npos) {
                line.replace(at, 7, forum.folder());
            }
            stepLines.push_back(line);
        }
        EXPECT_EQ(Lines(run.View().log),
                  Concat(forum.HeaderLines(true), Concat(stepLines, {"", FailureLine(c.errors)})));
        EXPECT_EQ(run.View().errorCounter, std::to_string(c.errors) + " Errors");
        EXPECT_EQ(run.View().status, "Status: failed");
        EXPECT_TRUE(run.View().errorBadgeVisible);
        EXPECT_EQ(run.ErrorCount(), c.errors);

        FinishResult result = run.Finish();
        EXPECT_TRUE(result.restoreTick);
        EXPECT_FALSE(result.wrote);
        EXPECT_FALSE(result.recordResult);
        EXPECT_FALSE(run.View().errorBadgeVisible);
        EXPECT_EQ(forum.read("Sources/Post.pl"), runtest::kPostOriginal);
        EXPECT_EQ(forum.read("Sources/Display.pl"), runtest::kDisplayOriginal);
    }
}

TEST(InstallRunTest, ManualDisplayPagesWithNextAndPreviousAndTouchesNothing) {
    Forum forum;
    TMod mod = runtest::QuickReplyMod();
    RecordingObserver observer;
    InstallRun run;
    run.SetObserver(&observer);

    // A ticked (installed) mod is shown as its uninstallation.
    run.Start(mod, forum.ManualInputs(/*checked=*/true));

    const auto& view = run.View();
    const Strings log = {"starting log...", "manual uninstallation mode.",
                         "(note: this mode will only display the mod information, it will not "
                         "modify any files)"};
    EXPECT_EQ(Lines(view.log), log);
    EXPECT_EQ(observer.statuses(), (Strings{"Status: loading...", "Status: ready"}));
    EXPECT_EQ(view.title, "Uninstalling quick_reply.mod");
    EXPECT_EQ(view.closeCaption, "&Exit");
    EXPECT_TRUE(view.openFileEnabled);
    EXPECT_EQ(view.layout, RunLayout::Step);

    enum class Press { None, Next, Previous };
    struct Row {
        Press press;
        std::string stepCounter;
        std::string status;
        bool next;
        bool previous;
        std::string label1;
    };
    const std::string post = "Search for this in file Sources/Post.pl";
    const std::string display = "remove this in file Sources/Display.pl";
    const Row rows[] = {
        {Press::None, "Step 1 of 3", "Status: ready", true, false, post},
        {Press::Next, "Step 2 of 3", "Status: ready", true, true, display},
        {Press::Next, "Step 3 of 3", "Status: done.", false, true, display},
        {Press::Next, "Step 3 of 3", "Status: done.", false, true, display},  // unavailable
        {Press::Previous, "Step 2 of 3", "Status: ready", true, true, display},
        {Press::Previous, "Step 1 of 3", "Status: ready", true, false, post},
        {Press::Previous, "Step 1 of 3", "Status: ready", true, false, post},  // unavailable
    };
    int row = 0;
    for (const Row& r : rows) {
        SCOPED_TRACE("row " + std::to_string(row++));
        if (r.press == Press::Next) {
            run.Next();
        } else if (r.press == Press::Previous) {
            run.Previous();
        }
        EXPECT_EQ(view.stepCounter, r.stepCounter);
        EXPECT_EQ(view.progressPosition, std::stoi(r.stepCounter.substr(5)));
        EXPECT_EQ(run.CurrentStep(), view.progressPosition);
        EXPECT_EQ(view.status, r.status);
        EXPECT_EQ(view.nextEnabled, r.next);
        EXPECT_EQ(view.previousEnabled, r.previous);
        EXPECT_EQ(view.action.label1, r.label1);
        EXPECT_EQ(view.errorCounter, "-");
        EXPECT_EQ(run.ErrorCount(), 0);
        EXPECT_EQ(Lines(view.log), log);
    }
    // The uninstall view of a replacement: the replacement text goes back to the search text.
    EXPECT_EQ(view.action.memo1, "    print $form_with_reply;");
    EXPECT_EQ(view.action.memo2, "    print $form;");

    ASSERT_TRUE(run.RequestClose());
    FinishResult result = run.Finish();
    EXPECT_FALSE(result.wrote || result.restoreTick || result.recordResult);
    EXPECT_TRUE(run.ManualMode());
    EXPECT_EQ(forum.read("Sources/Post.pl"), runtest::kPostOriginal);
    EXPECT_EQ(forum.read("Sources/Display.pl"), runtest::kDisplayOriginal);
}

TEST(InstallRunTest, ModWithoutStepsShowsNothingToDo) {
    struct Case {
        std::string name;
        bool manual;
        bool fast;
        Strings logTail;  // after the header of a real run; the whole log of a manual one
        bool panesVisible;
        bool recorded;
    };
    const std::string note =
        "> note: this mod did not contain any actions so nothing has been done at all";
    const Case cases[] = {
        {"fast real run", false, true, {"", "> finished.", note}, false, true},
        {"step-by-step real run", false, false, {"", "> finished.", note}, true, true},
        {"manual display",
         true,
         true,
         {"starting log...", "manual installation mode.",
          "(note: this mode will only display the mod information, it will not modify any "
          "files)"},
         true,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Forum forum;
        TMod mod;
        mod.FileName = "empty.mod";
        InstallRun run;
        auto inputs = c.manual ? forum.ManualInputs(false) : forum.Inputs(true, c.fast);
        inputs.modListItem = "empty.mod";
        run.Start(mod, inputs);

        const auto& view = run.View();
        if (c.manual) {
            EXPECT_EQ(Lines(view.log), c.logTail);
            EXPECT_EQ(view.errorCounter, "-");
        } else {
            Strings header = forum.HeaderLines(true);
            header[9] = "now installing: Quick Reply 1.2 (empty.mod)";
            EXPECT_EQ(Lines(view.log), Concat(header, c.logTail));
            EXPECT_EQ(view.errorCounter, "0 Errors");
        }
        EXPECT_EQ(view.title, "Installing empty.mod");
        EXPECT_EQ(view.status, "Status: done.");
        EXPECT_EQ(view.stepCounter, "Steps 0 of 0");
        EXPECT_EQ(view.progressPosition, 0);
        EXPECT_EQ(view.closeCaption, "&Exit");
        EXPECT_FALSE(view.nextEnabled);
        EXPECT_FALSE(view.previousEnabled);
        EXPECT_FALSE(view.openFileEnabled);
        EXPECT_EQ(view.action, kestrune::NothingToDoDisplay());
        EXPECT_EQ(view.label1Visible, c.panesVisible);
        EXPECT_EQ(view.memo1Visible, c.panesVisible);
        EXPECT_EQ(view.memo2Visible, c.panesVisible);
        EXPECT_EQ(run.CurrentStep(), 0);

        FinishResult result = run.Finish();
        EXPECT_EQ(result.recordResult, c.recorded);
        EXPECT_EQ(result.wrote, c.recorded);
        EXPECT_FALSE(result.restoreTick);
    }
}

TEST(InstallRunTest, StepTextsComeBackAfterAFastRunOfAnEmptyMod) {
    Forum forum;
    TMod empty;
    empty.FileName = "empty.mod";
    TMod mod = runtest::QuickReplyMod();
    InstallRun run;
    run.Start(empty, forum.Inputs(true, true));
    run.Finish();
    ASSERT_FALSE(run.View().memo1Visible);

    run.Start(mod, forum.Inputs(true, false));

    const auto& view = run.View();
    EXPECT_TRUE(view.label1Visible && view.label2Visible && view.actionPanelVisible);
    EXPECT_TRUE(view.memo1Visible && view.memo2Visible);
    EXPECT_EQ(view.layout, RunLayout::Step);
    EXPECT_EQ(view.action, kestrune::DescribeStep(mod.Steps[0], true));
    EXPECT_EQ(view.progressMax, 3);
}

TEST(InstallRunTest, OneStepModEndsAtOnce) {
    Forum forum;
    TMod mod = runtest::QuickReplyMod();
    mod.Steps.resize(1);
    InstallRun run;
    run.Start(mod, forum.Inputs(true, /*fast=*/false));

    const auto& view = run.View();
    EXPECT_FALSE(view.nextEnabled);
    EXPECT_EQ(view.status, "Status: finished");
    EXPECT_EQ(view.closeCaption, "&Exit");
    EXPECT_EQ(view.stepCounter, "Step 1 of 1");
    EXPECT_EQ(Lines(view.log).back(), kSuccessLine);
    EXPECT_TRUE(run.Finish().recordResult);
    EXPECT_EQ(forum.read("Sources/Post.pl"), runtest::kPostInstalled);
}

TEST(InstallRunTest, WriteFailureAtFinishChangesNoFileAndIsReported) {
    Forum forum;
    TMod mod = runtest::QuickReplyMod();
    // The second file's switch into place fails, after the first one's succeeded.
    testsupport::FaultyFileSystem fs(testsupport::FsCall::Rename, 2, EIO);
    InstallRun run(fs);
    run.Start(mod, forum.Inputs(true, true));
    ASSERT_EQ(run.View().status, "Status: finished");

    FinishResult result = run.Finish();

    EXPECT_TRUE(fs.fired());
    ASSERT_TRUE(result.writeFailure);
    EXPECT_EQ(result.writeFailure->path, forum.file("Sources/Display.pl"));
    EXPECT_FALSE(result.writeFailure->reason.empty());
    EXPECT_FALSE(result.wrote);
    EXPECT_FALSE(result.recordResult);
    EXPECT_TRUE(result.restoreTick);
    // Whoever reads the run state afterwards must not record the mod either.
    EXPECT_EQ(run.ErrorCount(), 1);
    EXPECT_EQ(forum.read("Sources/Post.pl"), runtest::kPostOriginal);
    EXPECT_EQ(forum.read("Sources/Display.pl"), runtest::kDisplayOriginal);
}

TEST(InstallRunTest, UnreadableFileAtStartFailsTheRunSoundly) {
    Forum forum;
    std::filesystem::remove(forum.file("Sources/Display.pl"));
    // A pipe exists but is no file that can be read whole.
    ASSERT_EQ(::mkfifo(forum.file("Sources/Display.pl").c_str(), 0644), 0);
    TMod mod = runtest::QuickReplyMod();
    InstallRun run;

    run.Start(mod, forum.Inputs(true, true));

    const Strings lines = Lines(run.View().log);
    const Strings header = forum.HeaderLines(true);
    ASSERT_GT(lines.size(), header.size());
    EXPECT_EQ(Strings(lines.begin(), lines.begin() + header.size()), header);
    const std::string& loadLine = lines[header.size()];
    EXPECT_EQ(loadLine.rfind(
                  "> could not read file to edit (" + forum.file("Sources/Display.pl") + "): ", 0),
              0u)
        << loadLine;
    EXPECT_GT(run.ErrorCount(), 0);
    EXPECT_EQ(run.View().status, "Status: failed");
    EXPECT_TRUE(run.View().errorBadgeVisible);
    EXPECT_EQ(lines.back(), FailureLine(run.ErrorCount()));

    ASSERT_TRUE(run.RequestClose());
    FinishResult result = run.Finish();
    EXPECT_TRUE(result.restoreTick);
    EXPECT_FALSE(result.wrote || result.recordResult);
    EXPECT_EQ(forum.read("Sources/Post.pl"), runtest::kPostOriginal);
}

}  // namespace
