// "Open File To Edit": the boxes it shows and the editor it starts.
#include <gtest/gtest.h>

#include <optional>

#include "RunFixtures.h"
#include "kestrune/InstallRun.h"
#include "kestrune/OpenFileToEdit.h"
#include "modcommon/ModTags.h"

namespace {

using modcommon::BoxAnswer;
using modcommon::BoxKind;
using modcommon::BoxRequest;
using Strings = std::vector<std::string>;

const std::string kUnixWarning =
    "Warning|Warning|Error Code 18:\r\n\r\nFile to edit is in UNIX format. Editing it with "
    "notepad may cause the file to become currupted. Please use a different editor like "
    "Ultraedit which is able to handle the UNIX format.";

// Boxes and program starts in the order they happen.
struct Recorder {
    Strings events;
    modcommon::MessageBoxFn box = [this](const BoxRequest& request) {
        const char* kind = request.kind == BoxKind::Error ? "Error" : "Warning";
        events.push_back(std::string(kind) + "|" + request.caption + "|" + request.text);
        return BoxAnswer::Ok;
    };
    kestrune::ProgramLauncher launch = [this](const std::string& program, const std::string& file) {
        events.push_back("start " + program + " " + file);
    };
};

TEST(OpenFileToEditTest, ChecksTheFileAndItsLineBreaksBeforeStartingTheEditor) {
    struct Case {
        std::string name;
        std::optional<std::string> content;  // none: the file is missing
        std::string editor;
        Strings expected;  // "{path}" stands for the file's full path
    };
    const Case cases[] = {
        {"missing file",
         std::nullopt,
         "notepad.exe",
         {"Error|Error|Error Code 2:\r\n\r\nCould not find file to edit ({path})"}},
        {"LF file, notepad in any case",
         "a\nb\n",
         "C:/Windows/NotePad.EXE",
         {kUnixWarning, "start C:/Windows/NotePad.EXE {path}"}},
        {"CR LF file, notepad", "a\r\nb\r\n", "notepad", {"start notepad {path}"}},
        {"LF file, another editor", "a\nb\n", "/usr/bin/gedit", {"start /usr/bin/gedit {path}"}},
        {"no editor set", "a\r\n", "", {"start  {path}"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        runtest::Forum forum;
        const auto step = runtest::Step("Sources/Board.pl", "a", modcommon::kTagReplace, "b");
        if (c.content) {
            forum.write("Sources/Board.pl", *c.content);
        }
        Recorder recorder;

        kestrune::OpenFileToEditClick(forum.folder(), step, c.editor, recorder.box,
                                      recorder.launch);

        Strings expected;
        for (std::string event : c.expected) {
            if (auto at = event.find("{path}"); at != std::string::npos) {
                event.replace(at, 6, forum.folder() + "Sources/Board.pl");
            }
            expected.push_back(event);
        }
        EXPECT_EQ(recorder.events, expected);
    }
}

TEST(OpenFileToEditTest, AFileGoneBeforeTheEditorStartsGivesAWarning) {
    Recorder recorder;
    kestrune::OpenFileWithProgram("gedit", "/nonexistent/forum/Post.pl", recorder.box,
                                  recorder.launch);
    EXPECT_EQ(recorder.events,
              (Strings{"Warning|Warning|Error Code 2:\r\n\r\nCould not find file to edit "
                       "(/nonexistent/forum/Post.pl)"}));
}

TEST(OpenFileToEditTest, RunOpensTheCurrentStepsFileOnlyInTheManualDisplay) {
    runtest::Forum forum;
    kestrune::TMod mod = runtest::QuickReplyMod();
    kestrune::InstallRun run;
    Recorder recorder;

    run.Start(mod, forum.ManualInputs(false));
    run.Next();
    run.OpenFileToEdit("gedit", recorder.box, recorder.launch);
    EXPECT_EQ(recorder.events, (Strings{"start gedit " + forum.file("Sources/Display.pl")}));
    run.Finish();

    recorder.events.clear();
    run.Start(mod, forum.Inputs(true, false));
    run.OpenFileToEdit("gedit", recorder.box, recorder.launch);
    EXPECT_TRUE(recorder.events.empty());
    run.Finish();
}

}  // namespace
