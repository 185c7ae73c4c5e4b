// The installed-mods log: loading, conversion of the old format, recording and saving.
#include "kestrune/InstallLog.h"

#include <gtest/gtest.h>

#include "InstallerTestSupport.h"
#include "TestSupport.h"

namespace {

using installertest::BoxRecorder;
using installertest::CrLf;
using kestrune::InstallLog;
using modcommon::BoxAnswer;

const char* const kConvertQuestion =
    "An 'install.log' of an older Kestrune version was detected!\r\n\r\n"
    "Do you want that Kestrune tries to convert it?";

class InstallLogTest : public ::testing::Test {
  protected:
    std::string LogPath() const { return m_dir.file("install.log"); }
    void WriteLog(const std::string& bytes) { testsupport::WriteFile(LogPath(), bytes); }
    std::string ReadLog() const { return testsupport::ReadFile(LogPath()); }
    void AddMod(const std::string& relative) {
        testsupport::WriteFile(m_dir.file("Mods/" + relative), "<id>\r\nx\r\n</id>\r\n");
    }
    InstallLog LoadedLog() {
        InstallLog log(LogPath());
        EXPECT_FALSE(log.Load());
        return log;
    }

    testsupport::TempDir m_dir;
    BoxRecorder m_box;
};

TEST_F(InstallLogTest, LoadsLinesEndingInAnyBreak) {
    WriteLog("YaBB 2.1\\a.mod\r\nYaBB 2.1\\b.mod\nYaBB 2.1\\c.mod\rYaBB 2.1\\d.mod");
    EXPECT_EQ(LoadedLog().entries(),
              (std::vector<std::string>{"YaBB 2.1\\a.mod", "YaBB 2.1\\b.mod", "YaBB 2.1\\c.mod",
                                        "YaBB 2.1\\d.mod"}));
}

TEST_F(InstallLogTest, MissingFileGivesAnEmptyLog) {
    InstallLog log(LogPath());
    EXPECT_FALSE(log.Load());
    EXPECT_EQ(log.size(), 0u);
}

TEST_F(InstallLogTest, ConvertsOldFormatOnYesKeepingInstalledLinesInOrder) {
    AddMod("YaBB 2.1/Polls.mod");
    AddMod("YaBB SE 1.5.5/Karma.mod");
    WriteLog(CrLf({"Installed: C:\\Kestrune\\Mods\\YaBB 2.1\\Polls.mod",
                   "installed (lower case does not count): C:\\Kestrune\\Mods\\YaBB 2.1\\Gone.mod",
                   "Installed: C:\\Kestrune\\Mods\\YaBB SE 1.5.5\\Karma.mod"}));
    m_box.answers = {BoxAnswer::Yes};
    InstallLog log = LoadedLog();

    EXPECT_FALSE(log.ConvertOldFormatIfWanted(m_dir.folder(), m_box.fn()));
    ASSERT_EQ(m_box.shown.size(), 1u);  // both mods exist: no further question
    EXPECT_EQ(m_box.shown[0].text, kConvertQuestion);
    EXPECT_EQ(m_box.shown[0].kind, modcommon::BoxKind::Information);
    EXPECT_EQ(m_box.shown[0].buttons, modcommon::BoxButtons::YesNo);
    EXPECT_EQ(m_box.shown[0].caption, "");
    EXPECT_EQ(ReadLog(), CrLf({"YaBB 2.1\\Polls.mod", "YaBB SE 1.5.5\\Karma.mod"}));
    EXPECT_TRUE(log.Contains("yabb 2.1\\polls.MOD"));
}

TEST_F(InstallLogTest, NoToConversionKeepsTheOldLines) {
    const std::string old = CrLf({"Installed: C:\\K\\Mods\\YaBB 2.1\\Polls.mod", "other"});
    WriteLog(old);
    m_box.answers = {BoxAnswer::No};
    InstallLog log = LoadedLog();
    EXPECT_FALSE(log.ConvertOldFormatIfWanted(m_dir.folder(), m_box.fn()));
    EXPECT_EQ(log.size(), 2u);
    EXPECT_FALSE(log.closeRequested());
    EXPECT_EQ(ReadLog(), old);
}

TEST_F(InstallLogTest, MissingModAnsweredNoAbandonsAndNeverSaves) {
    const std::string old = CrLf({"Installed: C:\\K\\Mods\\YaBB 2.1\\Missing.mod"});
    WriteLog(old);
    m_box.answers = {BoxAnswer::Yes, BoxAnswer::No};
    InstallLog log = LoadedLog();
    EXPECT_FALSE(log.ConvertOldFormatIfWanted(m_dir.folder(), m_box.fn()));

    ASSERT_EQ(m_box.shown.size(), 2u);
    EXPECT_EQ(m_box.shown[1].text,
              "The Modfile '" + m_dir.folder() +
                  "Mods/YaBB 2.1/Missing.mod' was not found in the current mod-folder!\r\n\r\n"
                  "Do you want to continue converting? (if you choose NO Kestrune will close)");
    EXPECT_TRUE(log.closeRequested());
    EXPECT_FALSE(log.Save());
    EXPECT_EQ(ReadLog(), old);
}

TEST_F(InstallLogTest, MissingModAnsweredYesKeepsTheConvertedLine) {
    WriteLog(CrLf({"Installed: C:\\K\\Mods\\YaBB 2.1\\Missing.mod"}));
    m_box.answers = {BoxAnswer::Yes, BoxAnswer::Yes};
    InstallLog log = LoadedLog();
    EXPECT_FALSE(log.ConvertOldFormatIfWanted(m_dir.folder(), m_box.fn()));
    EXPECT_EQ(ReadLog(), CrLf({"YaBB 2.1\\Missing.mod"}));
}

TEST_F(InstallLogTest, OnlyTheFirstLineDecidesTheFormat) {
    WriteLog(CrLf({"YaBB 2.1\\Polls.mod", "Installed: C:\\K\\Mods\\YaBB 2.1\\Old.mod"}));
    InstallLog log = LoadedLog();
    EXPECT_FALSE(log.ConvertOldFormatIfWanted(m_dir.folder(), m_box.fn()));
    EXPECT_TRUE(m_box.shown.empty());
}

TEST_F(InstallLogTest, RecordComparesKeysIgnoringCase) {
    WriteLog(CrLf({"YaBB 2.1\\Polls.MOD", "yabb 2.1\\polls.mod"}));
    InstallLog log = LoadedLog();

    log.Record("YaBB 2.1\\Polls.mod", true);  // already there in other letters
    EXPECT_EQ(log.size(), 2u);

    log.Record("YABB 2.1\\POLLS.MOD", false);  // removes the first only
    EXPECT_EQ(log.entries(), (std::vector<std::string>{"yabb 2.1\\polls.mod"}));
    EXPECT_TRUE(log.Contains("YaBB 2.1\\Polls.mod"));

    log.Record("YaBB 2.1\\Karma.mod", true);
    EXPECT_EQ(log.entries().back(), "YaBB 2.1\\Karma.mod");
    log.Record("YaBB 2.1\\Unknown.mod", false);
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(InstallLogTest, SaveWritesCrLfAfterEveryEntryAndEmptyLogAsZeroBytes) {
    InstallLog log(LogPath());
    log.Record("A\\a.mod", true);
    log.Record("B\\b.mod", true);
    ASSERT_FALSE(log.Save());
    EXPECT_EQ(ReadLog(), "A\\a.mod\r\nB\\b.mod\r\n");
    log.Clear();
    ASSERT_FALSE(log.Save());
    EXPECT_EQ(ReadLog(), "");
}

TEST_F(InstallLogTest, FailedSaveNamesTheFileAndKeepsItsContent) {
    WriteLog("A\\a.mod\r\n");
    InstallLog log = LoadedLog();
    log.Record("B\\b.mod", true);
    testsupport::FaultyFileSystem fs(testsupport::FsCall::Fsync, 1, EIO);
    auto failure = log.Save(fs);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->path, LogPath());
    EXPECT_FALSE(failure->reason.empty());
    EXPECT_EQ(ReadLog(), "A\\a.mod\r\n");
}

TEST(ModCounterTextTest, CountsModsAndAllInstalledEntries) {
    EXPECT_EQ(kestrune::ModCounterText(0, 0), "0 Mods, 0 Installed");
    EXPECT_EQ(kestrune::ModCounterText(12, 3), "12 Mods, 3 Installed");
    EXPECT_EQ(kestrune::kModCounterInitialText, "0 Mods available");
}

}  // namespace
