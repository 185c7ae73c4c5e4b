// Input that reaches the run while it works: Next and close pressed during the fast loop,
// re-entrant calls, and calls after the window has closed.
#include <gtest/gtest.h>

#include "RunFixtures.h"
#include "kestrune/InstallRun.h"

namespace {

using kestrune::InstallRun;
using kestrune::TMod;
using runtest::Forum;
using runtest::Lines;
using runtest::RecordingObserver;
using Strings = std::vector<std::string>;

Strings StepLines(const std::string& log) {
    Strings steps;
    for (const std::string& line : Lines(log)) {
        if (line.rfind("Step ", 0) == 0) {
            steps.push_back(line);
        }
    }
    return steps;
}

TEST(RunConcurrencyTest, NextPressedWhileTheFastLoopYieldsTakesTheNextStepOnce) {
    Forum forum;
    TMod mod = runtest::QuickReplyMod();
    RecordingObserver observer;
    InstallRun run;
    run.SetObserver(&observer);
    observer.onProcessEvents = [&](int call) {
        if (call == 1) {
            run.Next();  // step 3
            run.Next();  // nothing left: ignored
        }
    };

    run.Start(mod, forum.Inputs(true, true));

    EXPECT_EQ(StepLines(run.View().log),
              (Strings{"Step 1 ... ok", "Step 2 ... ok", "Step 3 ... ok"}));
    EXPECT_EQ(observer.processEventsCalls(), 1);
    EXPECT_EQ(run.CurrentStep(), 3);
    ASSERT_TRUE(run.Finish().recordResult);
    // An add-after applied twice would show its line twice.
    EXPECT_EQ(forum.read("Sources/Display.pl"), runtest::kDisplayInstalled);
}

TEST(RunConcurrencyTest, CloseRequestedDuringTheFastLoopWaitsForTheLastStep) {
    Forum forum;
    TMod mod = runtest::QuickReplyMod();
    RecordingObserver observer;
    InstallRun run;
    run.SetObserver(&observer);
    bool closedAtOnce = true;
    observer.onProcessEvents = [&](int call) {
        if (call == 1) {
            closedAtOnce = run.RequestClose();
        }
    };

    run.Start(mod, forum.Inputs(true, true));

    EXPECT_FALSE(closedAtOnce);
    EXPECT_TRUE(run.ClosePending());
    EXPECT_EQ(run.CurrentStep(), 3);
    ASSERT_TRUE(run.RequestClose());
    EXPECT_FALSE(run.ClosePending());
    EXPECT_TRUE(run.Finish().wrote);
    EXPECT_EQ(forum.read("Sources/Post.pl"), runtest::kPostInstalled);
}

// A window that handled input while painting must not get a step applied inside another.
class ReentrantObserver : public kestrune::RunObserver {
  public:
    explicit ReentrantObserver(InstallRun& run) : m_run(run) {}
    void Refresh(const kestrune::RunView&) override {
        m_run.Next();
        m_run.Previous();
    }

  private:
    InstallRun& m_run;
};

TEST(RunConcurrencyTest, OperationsCalledFromRefreshAreIgnored) {
    Forum forum;
    TMod mod = runtest::QuickReplyMod();
    InstallRun run;
    ReentrantObserver observer(run);
    run.SetObserver(&observer);

    run.Start(mod, forum.Inputs(true, false));
    EXPECT_EQ(run.CurrentStep(), 1);
    run.Next();
    EXPECT_EQ(run.CurrentStep(), 2);
    EXPECT_EQ(StepLines(run.View().log), (Strings{"Step 1 ... ok", "Step 2 ... ok"}));
    run.Finish();

    run.Start(mod, forum.ManualInputs(false));
    run.Next();
    EXPECT_EQ(run.CurrentStep(), 2);
    run.Previous();
    EXPECT_EQ(run.CurrentStep(), 1);
}

TEST(RunConcurrencyTest, FinishActsOnceAndEndsTheRun) {
    Forum forum;
    TMod mod = runtest::QuickReplyMod();
    InstallRun run;
    run.Start(mod, forum.Inputs(true, false));

    EXPECT_TRUE(run.Finish().restoreTick);
    // A second close must not flip the check mark back again.
    auto again = run.Finish();
    EXPECT_FALSE(again.restoreTick || again.wrote || again.recordResult);
    run.Next();
    EXPECT_EQ(run.CurrentStep(), 1);
    EXPECT_EQ(StepLines(run.View().log), (Strings{"Step 1 ... ok"}));
}

}  // namespace
