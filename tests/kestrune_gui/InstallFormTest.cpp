// The install window on the offscreen platform: real controls driven by real clicks.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <memory>
#include <string>
#include <vector>

#include "GuiTestApp.h"
#include "InstallForm.h"
#include "QuickReplyMod.h"
#include "RecordingLauncher.h"
#include "ScriptedMessageBoxes.h"
#include "TestSupport.h"
#include "kestrune/ErrorMessages.h"
#include "kestrune/InstallRun.h"
#include "modcommon/ModTags.h"

// Pictures of a static library are registered by hand; Q_INIT_RESOURCE must not sit in a
// namespace.
static void InitKestruneResources() {
    Q_INIT_RESOURCE(kestrune);
}

namespace {

using kestrune::FinishResult;
using kestrune::RunInputs;
using kestrune::TMod;
using modcommon::BoxKind;
using testsupport::kDisplayOriginal;
using testsupport::kPostOriginal;
using testsupport::QuickReplyMod;
using testsupport::Step;

class InstallFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testsupport::EnsureApplication();
        InitKestruneResources();
        testsupport::WriteFile(m_dir.file("forum/YaBB.pl"), "#!/usr/bin/perl\n");
        testsupport::WriteFile(m_dir.file("forum/Sources/Post.pl"), kPostOriginal);
        testsupport::WriteFile(m_dir.file("forum/Sources/Display.pl"), kDisplayOriginal);
        makeForm(modcommon::DefaultFileSystem());
    }

    void TearDown() override {
        if (m_form->runShown()) {
            m_form->close();
        }
    }

    void makeForm(modcommon::FileSystem& fs) {
        m_form.reset();
        m_run = std::make_unique<kestrune::InstallRun>(fs);
        m_form = std::make_unique<TInstallForm>(*m_run, m_boxes, m_launcher);
    }

    std::string forumFolder() const { return m_dir.folder() + "forum/"; }
    std::string forumFile(const std::string& relative) const {
        return testsupport::ReadFile(forumFolder() + relative);
    }

    RunInputs inputs(bool checked, bool fast, bool manual = false) const {
        RunInputs in;
        in.checked = checked;
        in.manualMode = manual;
        in.fast = fast;
        in.forumFolder = forumFolder();
        in.scriptPath = forumFolder() + "YaBB.pl";
        in.detectedScript = "YaBB 2.1";
        in.modFolderName = "YaBB 2.1";
        in.modName = "Quick Reply";
        in.modVersion = "1.2";
        in.modListItem = "quick_reply.mod";
        return in;
    }

    void start(const TMod& mod, const RunInputs& in, const std::string& editor = "") {
        ASSERT_TRUE(m_form->startRun(mod, in, editor));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_form.get()));
    }

    template <typename T>
    T* widget(const char* name) const {
        T* found = m_form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString text(const char* name) const {
        if (auto* memo = m_form->findChild<QPlainTextEdit*>(QString::fromLatin1(name))) {
            return memo->toPlainText();
        }
        if (auto* button = m_form->findChild<QPushButton*>(QString::fromLatin1(name))) {
            return button->text();
        }
        return widget<QLabel>(name)->text();
    }
    bool shown(const char* name) const { return widget<QWidget>(name)->isVisible(); }
    bool enabled(const char* name) const { return widget<QWidget>(name)->isEnabled(); }
    void click(const char* name) const {
        QTest::mouseClick(widget<QPushButton>(name), Qt::LeftButton);
    }
    std::vector<QString> statusPanels() const {
        return {m_form->statusPanelText(0), m_form->statusPanelText(1), m_form->statusPanelText(2),
                m_form->statusPanelText(3)};
    }
    // Closes through the "&Abort"/"&Exit" button and returns what the run's finish decided.
    FinishResult closeWithButton() {
        QSignalSpy finished(m_form.get(), &TInstallForm::runFinished);
        click("Abort");
        EXPECT_EQ(finished.count(), 1);
        EXPECT_FALSE(m_form->isVisible());
        return m_form->lastFinish();
    }

    testsupport::TempDir m_dir;
    testsupport::ScriptedMessageBoxes m_boxes;
    testsupport::RecordingLauncher m_launcher;
    std::unique_ptr<kestrune::InstallRun> m_run;
    std::unique_ptr<TInstallForm> m_form;
};

TEST_F(InstallFormTest, OpensAsDesignedWithTheBadgeHidden) {
    EXPECT_EQ(m_form->windowTitle(), "Install");
    EXPECT_EQ(m_form->size(), QSize(601, 379));
    EXPECT_EQ(m_form->minimumSize(), QSize(601, 379));
    EXPECT_TRUE(widget<QLabel>("Image1")->isHidden());
    EXPECT_FALSE(widget<QLabel>("Image1")->pixmap().isNull());
    EXPECT_EQ(text("LogWindow"), "LogWindow");
    EXPECT_EQ(statusPanels(), (std::vector<QString>{"Status: working...", "Step 0 of 10",
                                                    "0 Errors", "mod_bla_bla.mod"}));
    for (const char* name : {"StatusBar1", "Panel1", "Label1", "Label2", "Label3", "Panel2",
                             "Memo1", "Memo2", "Panel3", "Panel4", "PreviousStep", "NextStep",
                             "ProgressBar1", "OpenFileToEdit", "Abort"}) {
        EXPECT_NE(m_form->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    }
    EXPECT_EQ(text("PreviousStep"), "&Previous Step");
    EXPECT_EQ(text("OpenFileToEdit"), "Open File To Edit");
    EXPECT_EQ(widget<QPlainTextEdit>("Memo1")->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_TRUE(widget<QPlainTextEdit>("LogWindow")->isReadOnly());
    EXPECT_EQ(widget<QPlainTextEdit>("Memo2")->font().family(),
              QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    EXPECT_EQ(widget<QPlainTextEdit>("Memo2")->font().pixelSize(), 13);
    EXPECT_TRUE(widget<QLabel>("Label3")->font().bold());
    EXPECT_EQ(widget<QLabel>("Label3")->font().pixelSize(), 18);
}

TEST_F(InstallFormTest, LayoutPassFollowsTheWindowSize) {
    struct Case {
        QSize asked;
        int memo2Left, panel3Height, memoHeight, progressWidth, memoWidth;
    };
    const std::vector<Case> cases = {
        {{601, 379}, 305, 94, 226, 159, 296},
        {{801, 500}, 405, 125, 316, 359, 396},
        {{700, 600}, 354, 150, 391, 258, 346},
        {{400, 300}, 305, 94, 226, 159, 296},  // never smaller than designed
    };
    const TMod mod = QuickReplyMod();
    start(mod, inputs(true, false));
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.asked.width() << "x" << c.asked.height());
        m_form->resize(c.asked);
        const QSize size = c.asked.expandedTo({601, 379});
        ASSERT_TRUE(QTest::qWaitFor([&] { return m_form->size() == size; }));
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return widget<QFrame>("Panel3")->height() == c.panel3Height; }));

        EXPECT_EQ(widget<QLabel>("Label2")->x(), c.memo2Left);
        EXPECT_EQ(widget<QWidget>("Memo2")->x(), c.memo2Left);
        EXPECT_EQ(widget<QWidget>("Memo1")->height(), c.memoHeight);
        EXPECT_EQ(widget<QWidget>("Memo2")->height(), c.memoHeight);
        EXPECT_EQ(widget<QWidget>("Memo1")->width(), c.memoWidth);
        EXPECT_EQ(widget<QWidget>("Memo2")->width(), c.memoWidth);
        EXPECT_EQ(widget<QWidget>("ProgressBar1")->width(), c.progressWidth);
        // Panel3 sits on the status bar; the command row keeps gaps of 8.
        EXPECT_EQ(widget<QWidget>("Panel3")->geometry().bottom(), size.height() - 19 - 1);
        const QRect previous = widget<QWidget>("PreviousStep")->geometry();
        const QRect next = widget<QWidget>("NextStep")->geometry();
        const QRect progress = widget<QWidget>("ProgressBar1")->geometry();
        const QRect openFile = widget<QWidget>("OpenFileToEdit")->geometry();
        EXPECT_EQ(next.x(), previous.x() + previous.width() + 8);
        EXPECT_EQ(progress.x(), next.x() + next.width() + 8);
        EXPECT_EQ(openFile.x(), progress.x() + progress.width() + 8);
        EXPECT_EQ(widget<QWidget>("Abort")->x(), openFile.x() + openFile.width() + 8);
    }
}

TEST_F(InstallFormTest, FastRunShowsOnlyTheLogAndCommitsOnClose) {
    const TMod mod = QuickReplyMod();
    start(mod, inputs(true, true));

    EXPECT_FALSE(shown("Label1"));
    EXPECT_FALSE(shown("Label2"));
    EXPECT_FALSE(shown("Panel2"));
    EXPECT_TRUE(shown("Label3"));
    EXPECT_TRUE(shown("LogWindow"));
    EXPECT_EQ(text("Label3"), "Installing quick_reply.mod");
    EXPECT_EQ(widget<QWidget>("Panel3")->geometry(), QRect(0, 41, 601, 379 - 41 - 19));
    EXPECT_EQ(statusPanels(), (std::vector<QString>{"Status: finished", "Step 3 of 3", "0 Errors",
                                                    "quick_reply.mod"}));
    EXPECT_EQ(widget<QProgressBar>("ProgressBar1")->value(), 3);
    EXPECT_TRUE(
        text("LogWindow").endsWith("Step 3 ... ok\n\n> finished. modifications successful."));
    EXPECT_EQ(text("Abort"), "&Exit");

    // Growing the window keeps the log filling it: the action panel stays hidden.
    m_form->resize(800, 600);
    ASSERT_TRUE(QTest::qWaitFor([&] { return widget<QWidget>("Panel3")->height() == 540; }));
    EXPECT_FALSE(shown("Panel2"));
    EXPECT_EQ(forumFile("Sources/Post.pl"), kPostOriginal);  // nothing written before the close

    const FinishResult finish = closeWithButton();
    EXPECT_TRUE(finish.wrote);
    EXPECT_TRUE(finish.recordResult);
    EXPECT_FALSE(finish.restoreTick);
    EXPECT_EQ(forumFile("Sources/Post.pl"), "sub Post {\n    print $form_with_reply;\n}\n");
    EXPECT_EQ(forumFile("Sources/Display.pl"),
              "# quick reply\nsub Display {\n    print $thread;\n    print $quick_reply;\n}\n");
}

TEST_F(InstallFormTest, EachRunChoosesItsOwnLayout) {
    TMod empty;
    empty.FileName = "empty.mod";
    start(empty, inputs(true, true));
    EXPECT_FALSE(shown("Memo1"));
    EXPECT_FALSE(shown("Label1"));
    EXPECT_EQ(statusPanels()[0], "Status: done.");
    closeWithButton();

    const TMod mod = QuickReplyMod();
    start(mod, inputs(true, true));
    EXPECT_FALSE(shown("Panel2"));
    closeWithButton();

    // A manual display after a fast run shows its panes again, even for a mod without steps.
    start(empty, inputs(false, true, true));
    EXPECT_TRUE(shown("Panel2"));
    EXPECT_TRUE(shown("Memo1"));
    EXPECT_TRUE(shown("Memo2"));
    EXPECT_EQ(text("Label1"), "nothing todo here");
    EXPECT_EQ(text("Label2"), "nothing todo here");
    EXPECT_EQ(text("Memo1"), "");
    EXPECT_FALSE(enabled("OpenFileToEdit"));
    EXPECT_EQ(widget<QWidget>("Panel3")->height(), 94);
    closeWithButton();

    start(mod, inputs(true, false));
    EXPECT_TRUE(shown("Memo1"));
    EXPECT_TRUE(shown("Memo2"));
    EXPECT_EQ(text("Memo1"), "    print $form;");
    EXPECT_EQ(text("Memo2"), "    print $form_with_reply;");
}

TEST_F(InstallFormTest, StepByStepRunAdvancesWithNext) {
    const TMod mod = QuickReplyMod();
    start(mod, inputs(true, false));

    EXPECT_EQ(text("Label1"), "Search for this in file Sources/Post.pl");
    EXPECT_EQ(text("Label2"), "and replace it with this");
    EXPECT_EQ(statusPanels(), (std::vector<QString>{"Status: ready", "Step 1 of 3", "0 Errors",
                                                    "quick_reply.mod"}));
    EXPECT_FALSE(enabled("PreviousStep"));
    EXPECT_FALSE(enabled("OpenFileToEdit"));
    EXPECT_TRUE(enabled("NextStep"));
    EXPECT_EQ(text("Abort"), "&Abort");
    EXPECT_EQ(widget<QProgressBar>("ProgressBar1")->maximum(), 3);
    EXPECT_EQ(widget<QProgressBar>("ProgressBar1")->value(), 1);
    EXPECT_TRUE(widget<QWidget>("Memo1")->hasFocus());

    click("NextStep");
    EXPECT_EQ(text("Label2"), "and add this after it");
    EXPECT_EQ(text("Memo2"), "    print $quick_reply;");
    EXPECT_EQ(statusPanels()[1], "Step 2 of 3");
    click("NextStep");

    EXPECT_EQ(text("Label1"), "Search for this in file Sources/Display.pl");
    EXPECT_EQ(text("Label2"), "and add this before it");
    EXPECT_EQ(statusPanels(), (std::vector<QString>{"Status: finished", "Step 3 of 3", "0 Errors",
                                                    "quick_reply.mod"}));
    EXPECT_FALSE(enabled("NextStep"));
    EXPECT_FALSE(enabled("PreviousStep"));
    EXPECT_EQ(text("Abort"), "&Exit");
    EXPECT_EQ(widget<QProgressBar>("ProgressBar1")->value(), 3);

    // The log shows its last line: the cursor sits at the end after every change.
    auto* log = widget<QPlainTextEdit>("LogWindow");
    EXPECT_TRUE(log->toPlainText().endsWith("> finished. modifications successful."));
    EXPECT_TRUE(log->textCursor().atEnd());
    EXPECT_TRUE(log->toPlainText().contains("now installing: Quick Reply 1.2 (quick_reply.mod)"));

    EXPECT_TRUE(closeWithButton().wrote);
    EXPECT_EQ(forumFile("Sources/Post.pl"), "sub Post {\n    print $form_with_reply;\n}\n");
}

TEST_F(InstallFormTest, ManualDisplayPagesWithNextAndPrevious) {
    const TMod mod = QuickReplyMod();
    // A ticked mod is shown as its uninstallation.
    start(mod, inputs(true, false, true));

    EXPECT_EQ(text("Label3"), "Uninstalling quick_reply.mod");
    EXPECT_EQ(statusPanels(),
              (std::vector<QString>{"Status: ready", "Step 1 of 3", "-", "quick_reply.mod"}));
    EXPECT_FALSE(enabled("PreviousStep"));
    EXPECT_TRUE(enabled("NextStep"));
    EXPECT_TRUE(enabled("OpenFileToEdit"));
    EXPECT_EQ(text("Abort"), "&Exit");
    EXPECT_EQ(text("Memo1"), "    print $form_with_reply;");
    EXPECT_EQ(text("Memo2"), "    print $form;");

    click("NextStep");
    EXPECT_TRUE(enabled("PreviousStep"));
    EXPECT_EQ(statusPanels()[1], "Step 2 of 3");
    EXPECT_EQ(text("Label1"), "remove this in file Sources/Display.pl");
    EXPECT_EQ(text("Label2"), "");
    EXPECT_EQ(text("Memo1"), "    print $quick_reply;");
    EXPECT_EQ(text("Memo2"), "");

    click("PreviousStep");
    EXPECT_FALSE(enabled("PreviousStep"));
    EXPECT_TRUE(enabled("NextStep"));
    EXPECT_EQ(text("NextStep"), "&Next Step");
    EXPECT_EQ(statusPanels(),
              (std::vector<QString>{"Status: ready", "Step 1 of 3", "-", "quick_reply.mod"}));
    EXPECT_EQ(widget<QProgressBar>("ProgressBar1")->value(), 1);

    const FinishResult finish = closeWithButton();
    EXPECT_FALSE(finish.wrote);
    EXPECT_FALSE(finish.restoreTick);
    EXPECT_FALSE(finish.recordResult);
    EXPECT_EQ(forumFile("Sources/Post.pl"), kPostOriginal);
}

TEST_F(InstallFormTest, ClosingBeforeTheLastStepPutsTheTickBackAndWritesNothing) {
    const TMod mod = QuickReplyMod();
    struct Close {
        const char* name;
        std::function<void(TInstallForm&)> close;
    };
    const std::vector<Close> ways = {
        {"Abort", [this](TInstallForm&) { click("Abort"); }},
        {"CloseBox", [](TInstallForm& form) { form.close(); }},
        {"Escape", [](TInstallForm& form) { QTest::keyClick(&form, Qt::Key_Escape); }},
    };
    for (const Close& way : ways) {
        SCOPED_TRACE(way.name);
        start(mod, inputs(true, false));
        click("NextStep");
        QSignalSpy finished(m_form.get(), &TInstallForm::runFinished);
        way.close(*m_form);
        ASSERT_EQ(finished.count(), 1);
        EXPECT_FALSE(m_form->isVisible());
        EXPECT_TRUE(m_form->lastFinish().restoreTick);
        EXPECT_FALSE(m_form->lastFinish().wrote);
        EXPECT_FALSE(m_form->lastFinish().recordResult);
        EXPECT_EQ(m_run->CurrentStep(), 2);
        EXPECT_EQ(forumFile("Sources/Post.pl"), kPostOriginal);
        EXPECT_EQ(forumFile("Sources/Display.pl"), kDisplayOriginal);
    }
}

TEST_F(InstallFormTest, ErrorBadgeShowsAFailedStepUntilTheWindowCloses) {
    TMod mod = QuickReplyMod();
    mod.Steps[1].SearchText = "    print $nowhere;";
    start(mod, inputs(true, true));

    EXPECT_TRUE(shown("Image1"));
    EXPECT_EQ(statusPanels()[0], "Status: failed");
    EXPECT_EQ(statusPanels()[2], "1 Errors");
    EXPECT_TRUE(
        text("LogWindow")
            .contains(
                "Step 2 ... failed - ERR(1): Search string could not be found\nStep 3 ... ok"));

    const FinishResult finish = closeWithButton();
    EXPECT_TRUE(widget<QLabel>("Image1")->isHidden());
    EXPECT_TRUE(finish.restoreTick);
    EXPECT_FALSE(finish.wrote);
    EXPECT_EQ(forumFile("Sources/Post.pl"), kPostOriginal);

    // The next run starts without the badge.
    const TMod good = QuickReplyMod();
    start(good, inputs(true, false));
    EXPECT_FALSE(shown("Image1"));
}

TEST_F(InstallFormTest, WriteFailureAtCloseReachesTheCaller) {
    testsupport::FaultyFileSystem fs(testsupport::FsCall::Rename, 2, ENOSPC);
    makeForm(fs);
    const TMod mod = QuickReplyMod();
    start(mod, inputs(true, true));

    const FinishResult finish = closeWithButton();
    ASSERT_TRUE(finish.writeFailure.has_value());
    EXPECT_FALSE(finish.writeFailure->reason.empty());
    EXPECT_TRUE(finish.restoreTick);
    EXPECT_FALSE(finish.recordResult);
    EXPECT_TRUE(m_boxes.requests().empty());  // the main window reports it
    EXPECT_EQ(forumFile("Sources/Post.pl"), kPostOriginal);
    EXPECT_EQ(forumFile("Sources/Display.pl"), kDisplayOriginal);
}

TEST_F(InstallFormTest, OpenFileToEditStartsTheEditorOrSaysWhy) {
    testsupport::WriteFile(m_dir.file("forum/Sources/Crlf.pl"), "sub Crlf {\r\n}\r\n");
    testsupport::WriteFile(m_dir.file("forum/Sources/My Board.pl"), "sub Board {\n}\n");
    struct Case {
        const char* name;
        std::string file;
        std::string editor;
        std::vector<BoxKind> boxes;
        std::vector<std::string> texts;
        bool started;
    };
    const std::string missing = forumFolder() + "Sources/Gone.pl";
    const std::vector<Case> cases = {
        {"MissingFileIsAnError",
         "Sources/Gone.pl",
         "/usr/bin/gedit",
         {BoxKind::Error},
         {"Error Code 2:\r\n\r\nCould not find file to edit (" + missing + ")"},
         false},
        {"LfFileWithNotepadWarnsThenOpens",
         "Sources/My Board.pl",
         "/opt/NotePad++/NOTEPAD",
         {BoxKind::Warning},
         {kestrune::ErrorBoxText(18)},
         true},
        {"LfFileWithAnotherEditorOpens", "Sources/My Board.pl", "/usr/bin/gedit", {}, {}, true},
        {"CrLfFileWithNotepadOpens", "Sources/Crlf.pl", "notepad", {}, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_boxes.clear();
        m_launcher.clear();
        TMod mod;
        mod.FileName = "one.mod";
        mod.Steps = {Step(c.file, "sub", modcommon::kTagAddAfter, "# added")};
        start(mod, inputs(false, true, true), c.editor);

        click("OpenFileToEdit");
        std::vector<BoxKind> kinds;
        for (const auto& request : m_boxes.requests()) {
            kinds.push_back(request.kind);
            EXPECT_EQ(request.caption, request.kind == BoxKind::Error ? "Error" : "Warning");
        }
        EXPECT_EQ(kinds, c.boxes);
        EXPECT_EQ(m_boxes.texts(), c.texts);
        ASSERT_EQ(m_launcher.calls().size(), c.started ? 1u : 0u);
        if (c.started) {
            // The path stays one argument, blanks and all.
            const auto& call = m_launcher.calls()[0];
            EXPECT_EQ(call.kind, testsupport::RecordingLauncher::Kind::Program);
            EXPECT_EQ(call.program, QString::fromStdString(c.editor));
            EXPECT_EQ(call.args, QStringList{QString::fromStdString(forumFolder() + c.file)});
        }
        closeWithButton();
    }
}

TEST_F(InstallFormTest, CloseDuringTheFastLoopWaitsForTheLastStep) {
    TMod mod;
    mod.FileName = "many.mod";
    std::string added;
    for (int i = 0; i < 20; ++i) {
        const std::string line = "# line " + std::to_string(i);
        mod.Steps.push_back(
            Step("Sources/Display.pl", "sub Display {", modcommon::kTagAddBefore, line));
        added += line + "\n";
    }
    int stepsSeenAtClose = -1;
    QSignalSpy finished(m_form.get(), &TInstallForm::runFinished);
    // Delivered while the fast loop lets the window handle its events.
    QTimer::singleShot(0, m_form.get(), [&] {
        stepsSeenAtClose = m_run->CurrentStep();
        m_form->close();
    });
    ASSERT_TRUE(m_form->startRun(mod, inputs(true, true), ""));

    EXPECT_GE(stepsSeenAtClose, 1);
    EXPECT_LT(stepsSeenAtClose, 20);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_FALSE(m_form->isVisible());
    EXPECT_EQ(m_run->CurrentStep(), 20);
    EXPECT_TRUE(m_form->lastFinish().wrote);
    EXPECT_EQ(forumFile("Sources/Display.pl"), added + kDisplayOriginal);
}

TEST_F(InstallFormTest, RunModalReturnsWhenTheWindowCloses) {
    const TMod mod = QuickReplyMod();
    QTimer::singleShot(0, m_form.get(), [this] {
        click("NextStep");
        click("NextStep");
        click("Abort");
    });
    const FinishResult finish = m_form->runModal(mod, inputs(true, false), "");
    EXPECT_TRUE(finish.wrote);
    EXPECT_FALSE(m_form->isVisible());
    EXPECT_EQ(m_run->CurrentStep(), 3);
    EXPECT_EQ(forumFile("Sources/Post.pl"), "sub Post {\n    print $form_with_reply;\n}\n");
}

}  // namespace
