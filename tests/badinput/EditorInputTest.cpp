// The editor's inputs gone wrong: a malformed settings file, malformed font strings, and a
// recent-files list whose entries are missing, folders or pipes.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Installation.h"
#include "TestSupport.h"
#include "oxel/Document.h"
#include "oxel/IniPlus.h"
#include "oxel/ModReader.h"
#include "oxel/OxelSettings.h"

namespace {

namespace fs = std::filesystem;
using hardening::CrLf;

TEST(BadEditorSettings, MalformedValuesGiveTheDefaultsAndUnknownLinesSurviveASave) {
    testsupport::TempDir dir;
    const std::string ini = dir.file("oxel.ini");
    const std::string junk = std::string("\x00\xff\x01", 3) + " not a line of any INI file";
    testsupport::WriteFile(ini, CrLf({junk,
                                      "[Broken",
                                      "[General]",
                                      "Tree_Width=0x",
                                      "MRU_Max_Number=99999999999",
                                      "Left=12abc",
                                      "Top=-2147483649",
                                      "Width=0xFFFFFFFFF",
                                      "Height=",
                                      "State=7",
                                      "Association=yes",
                                      "Editor_Font=,,,,",
                                      "YaBB=" + std::string(5000, 'p'),
                                      "=no key",
                                      "[MRU]",
                                      "MRU0=",
                                      "MRU1",
                                      "MRU00=/skipped/zero.mod",
                                      "mru2 = /kept.mod",
                                      "[General]",
                                      "Your_Name=second section, never read"}));
    oxel::OxelSettings settings;
    const oxel::Font platformFont{"Platform Sans", 10, false, false, false, false, oxel::clBlack};
    oxel::LoadSettings(ini, settings, platformFont);

    EXPECT_EQ(settings.treeWidth, 200);
    EXPECT_EQ(settings.recentFiles.Max(), 10);
    EXPECT_EQ(settings.left, 265);
    EXPECT_EQ(settings.top, 244);
    EXPECT_EQ(settings.width, 621);
    EXPECT_EQ(settings.height, 574);
    EXPECT_EQ(settings.state, 7);  // the window leaves itself be for unknown states
    EXPECT_FALSE(settings.association);
    EXPECT_EQ(settings.editorFont, platformFont);
    EXPECT_EQ(settings.forumScriptPath, std::string(oxel::TIniPlus::kMaxValueLength, 'p'));
    EXPECT_EQ(settings.yourName, "");
    EXPECT_EQ(settings.recentFiles.Items(), (std::vector<std::string>{"/kept.mod"}));

    settings.yourName = "Mara";
    ASSERT_FALSE(oxel::SaveSettings(ini, settings).has_value());
    const std::string saved = testsupport::ReadFile(ini);
    EXPECT_EQ(saved.rfind(junk + "\r\n[Broken\r\n[General]\r\n", 0), 0u) << "kept as it was";
    EXPECT_NE(saved.find("Your_Name=Mara\r\n"), std::string::npos);
    oxel::OxelSettings reread;
    oxel::LoadSettings(ini, reread, platformFont);
    EXPECT_EQ(reread.yourName, "Mara");
    EXPECT_EQ(reread.recentFiles.Items(), (std::vector<std::string>{"/kept.mod"}));
}

TEST(BadEditorSettings, MalformedFontStringsGiveTheFontThatWasThere) {
    const std::vector<std::string> strings = {
        "",
        "Arial",
        "Arial,10",
        "Arial,10,0000",
        "Arial,10,00000,clRed",
        "Arial,10,000,clRed",
        "Arial,ten,0000,clRed",
        "Arial,99999999999,0000,clRed",
        "Arial,$,0000,clRed",
        "Arial,10,0000,",
        "Arial,10,0000,clNoSuchColour",
        "Arial,10,0000,$123456789",
        "Arial,10,0000,$",
        "Arial,10,0000,--5",
        ",,,,",
    };
    const oxel::Font current{"Courier New", 9, true, false, true, false, oxel::clNavy};
    for (const std::string& text : strings) {
        oxel::TIniPlus ini;
        ini.LoadText("[General]\r\nEditor_Font=" + text + "\r\n");
        oxel::Font font = current;
        ini.ReadFont("General", "Editor_Font", font);
        EXPECT_EQ(font, current) << text;
    }
}

TEST(BadRecentFiles, EntriesThatAreNoReadableFileFailToOpenAndStayListed) {
    testsupport::TempDir dir;
    fs::create_directory(dir.file("folder.mod"));
    ASSERT_EQ(::mkfifo(dir.file("pipe.mod").c_str(), 0644), 0);
    fs::create_symlink("nowhere.mod", dir.file("dangling.mod"));
    struct Case {
        std::string path;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {dir.file("missing.mod"), "No such file or directory"},
        {dir.file("dangling.mod"), "No such file or directory"},
        {dir.file("folder.mod"), "Is a directory"},
        {dir.file("pipe.mod"), "not a regular file"},
    };
    const std::string ini = dir.file("oxel.ini");
    std::string text = "[MRU]\r\n";
    for (size_t i = 0; i < cases.size(); ++i) {
        text += "MRU" + std::to_string(i) + "=" + cases[i].path + "\r\n";
    }
    testsupport::WriteFile(ini, text);
    oxel::OxelSettings settings;
    oxel::LoadSettings(ini, settings, oxel::Font{});
    const std::vector<std::string> listed = settings.recentFiles.Items();
    ASSERT_EQ(listed.size(), cases.size());

    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        oxel::Document doc;
        doc.SetCurrentFile(c.path);
        hardening::BoxRecorder boxes;
        oxel::OpenResult result = oxel::OpenFile(doc, settings.recentFiles, boxes.Fn());
        EXPECT_EQ(result.status, oxel::OpenStatus::Unreadable);
        EXPECT_EQ(result.error.path, c.path);
        EXPECT_EQ(result.error.reason, c.reason);
        EXPECT_EQ(doc.Caption(), "Oxel");
        EXPECT_TRUE(doc.Tree().Empty());
    }
    EXPECT_EQ(settings.recentFiles.Items(), listed);
    ASSERT_FALSE(oxel::SaveSettings(ini, settings).has_value());
}

}  // namespace
