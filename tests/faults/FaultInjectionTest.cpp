// Every file the two programs write, under every fault a disk or a busy administrator can
// cause between reading and writing: no original is changed or lost, the message names the
// file and the reason, and the next write succeeds once the fault is gone.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "Installation.h"
#include "TestSupport.h"
#include "kestrune/InstallerSession.h"
#include "kestrune/ModFolders.h"
#include "oxel/Document.h"
#include "oxel/ModReader.h"
#include "oxel/ModWriter.h"
#include "oxel/OxelSettings.h"
#include "oxel/RecentFiles.h"

namespace {

namespace fs = std::filesystem;
using hardening::CrLf;
using hardening::Installation;
using testsupport::FaultyFileSystem;
using testsupport::FsCall;

struct Outcome {
    bool failed = false;
    std::string message;  // what the user is shown: a box, or the path and reason of a FileError
};

// One kind of file our programs write, with the program operation that writes it.
class WrittenFile {
  public:
    virtual ~WrittenFile() = default;
    // Creates the file and what it belongs to, and reads it as the program does.
    virtual void Load() = 0;
    // The file the fault hits.
    virtual std::string Target() const = 0;
    // Every file whose bytes a failed write must leave alone, the target among them.
    virtual std::vector<std::string> Precious() const { return {Target()}; }
    // The folder to search for left-over temporaries.
    virtual std::string Folder() const { return fs::path(Target()).parent_path().string(); }
    // Which call of FileSystem::Write writes the target (the forum writes two files).
    virtual int TargetWriteCall() const { return 1; }
    // True when a write to a target that was deleted meanwhile must be refused.
    virtual bool RefusesDeletedTarget() const { return false; }
    // The program's write through `fs`; `beforeWrite` runs after everything was read.
    virtual Outcome Write(modcommon::FileSystem& fs, const std::function<void()>& beforeWrite) = 0;
    // The same write again, fault-free: it succeeds and the file holds what was meant.
    virtual void ExpectNextWriteSucceeds() = 0;
};

// The forum files, written back by an installation run.
class ForumFiles final : public WrittenFile {
  public:
    void Load() override { m_installation.Start(); }
    std::string Target() const override { return m_installation.ForumFile("Sources/Display.pl"); }
    std::vector<std::string> Precious() const override {
        return {m_installation.ForumFile("Sources/Post.pl"), Target()};
    }
    std::string Folder() const override { return m_installation.ForumFolder(); }
    int TargetWriteCall() const override { return 2; }
    bool RefusesDeletedTarget() const override { return true; }
    Outcome Write(modcommon::FileSystem& fs, const std::function<void()>& beforeWrite) override {
        m_installation.Fs().Arm(&fs);
        hardening::TickResult result =
            m_installation.Tick(std::string(hardening::kQuickReply), true, beforeWrite);
        m_installation.Fs().Disarm();
        EXPECT_NE(result.runLog.find("Step 2 ... ok"), std::string::npos) << result.runLog;
        return {!m_installation.Session().log().Contains(Key()),
                m_installation.Boxes().TakeTexts()};
    }
    void ExpectNextWriteSucceeds() override {
        hardening::TickResult result =
            m_installation.Tick(std::string(hardening::kQuickReply), true);
        EXPECT_EQ(m_installation.Boxes().TakeTexts(), "");
        EXPECT_EQ(result.errorCount, 0) << result.runLog;
        EXPECT_TRUE(m_installation.Session().log().Contains(Key()));
        EXPECT_EQ(testsupport::ReadFile(m_installation.ForumFile("Sources/Post.pl")),
                  hardening::kPostInstalled);
        EXPECT_EQ(testsupport::ReadFile(Target()), hardening::kDisplayInstalled);
    }

  private:
    static std::string Key() {
        return kestrune::ModLogKey(std::string(hardening::kModFolder),
                                   std::string(hardening::kQuickReply));
    }
    Installation m_installation;
};

// install.log, saved after a mod was marked installed by hand.
class InstallLogFile final : public WrittenFile {
  public:
    void Load() override {
        testsupport::WriteFile(Target(), "YaBB 2.1\\Other.mod\r\n");
        m_installation.Start();
    }
    std::string Target() const override { return m_installation.ProgramFile("install.log"); }
    Outcome Write(modcommon::FileSystem& fs, const std::function<void()>& beforeWrite) override {
        beforeWrite();
        m_installation.Fs().Arm(&fs);
        m_installation.Mark(std::string(hardening::kQuickReply), true);
        m_installation.Fs().Disarm();
        std::string message = m_installation.Boxes().TakeTexts();
        return {!message.empty(), message};
    }
    void ExpectNextWriteSucceeds() override {
        m_installation.Mark(std::string(hardening::kQuickReply), true);
        EXPECT_EQ(m_installation.Boxes().TakeTexts(), "");
        EXPECT_EQ(testsupport::ReadFile(Target()),
                  "YaBB 2.1\\Other.mod\r\nYaBB 2.1\\QuickReply.mod\r\n");
    }

  private:
    Installation m_installation;
};

// kestrune.ini, written when the main window closes.
class KestruneIniFile final : public WrittenFile {
  public:
    void Load() override {
        m_installation.Start().SetFastMode(false);
        testsupport::WriteFile(m_installation.ProgramFile("install.log"), "");
    }
    std::string Target() const override { return m_installation.ProgramFile("kestrune.ini"); }
    Outcome Write(modcommon::FileSystem& fs, const std::function<void()>& beforeWrite) override {
        beforeWrite();
        m_installation.Fs().Arm(&fs);
        const bool written = m_installation.Session().Shutdown();
        m_installation.Fs().Disarm();
        return {!written, m_installation.Boxes().TakeTexts()};
    }
    void ExpectNextWriteSucceeds() override {
        EXPECT_TRUE(m_installation.Session().Shutdown());
        EXPECT_EQ(m_installation.Boxes().TakeTexts(), "");
        const std::string text = testsupport::ReadFile(Target());
        EXPECT_NE(text.find("Installmode=Step by step mode\r\n"), std::string::npos) << text;
        EXPECT_NE(text.find("Scriptpath=" + m_installation.ForumFile("YaBB.pl") + "\r\n"),
                  std::string::npos)
            << text;
    }

  private:
    Installation m_installation;
};

// The editor's settings file, written when its window closes.
class OxelSettingsFile final : public WrittenFile {
  public:
    void Load() override {
        testsupport::WriteFile(Target(), CrLf({"[General]", "YaBB=/srv/forum/YaBB.pl",
                                               "Your_Name=Ann", "[Other]", "keep=me"}));
        oxel::LoadSettings(Target(), m_settings, oxel::Font{});
        m_settings.yourName = "Mara";
    }
    std::string Target() const override { return m_dir.file("oxel.ini"); }
    Outcome Write(modcommon::FileSystem& fs, const std::function<void()>& beforeWrite) override {
        beforeWrite();
        auto error = oxel::SaveSettings(Target(), m_settings, fs);
        return error ? Outcome{true, error->path + "\n" + error->reason} : Outcome{};
    }
    void ExpectNextWriteSucceeds() override {
        EXPECT_FALSE(oxel::SaveSettings(Target(), m_settings).has_value());
        const std::string text = testsupport::ReadFile(Target());
        EXPECT_NE(text.find("Your_Name=Mara\r\n"), std::string::npos) << text;
        EXPECT_NE(text.find("YaBB=/srv/forum/YaBB.pl\r\n"), std::string::npos) << text;
    }

  private:
    testsupport::TempDir m_dir;
    oxel::OxelSettings m_settings;
};

// A .mod file the editor opened, changed and saves.
class SavedModFile final : public WrittenFile {
  public:
    void Load() override {
        testsupport::WriteFile(
            Target(), CrLf({"<id>", "Quick Reply", "</id>", "", "<version>", "1.0", "</version>"}));
        m_doc.SetCurrentFile(Target());
        ASSERT_EQ(oxel::OpenFile(m_doc, m_recent, {}).status, oxel::OpenStatus::Loaded);
        m_doc.SetValue(oxel::Property::Version, "1.1");
    }
    std::string Target() const override { return m_dir.file("QuickReply.mod"); }
    Outcome Write(modcommon::FileSystem& fs, const std::function<void()>& beforeWrite) override {
        beforeWrite();
        auto error = oxel::Save(m_doc, fs);
        EXPECT_EQ(m_doc.Modified(), error.has_value()) << "unsaved changes stay marked";
        return error ? Outcome{true, error->path + "\n" + error->reason} : Outcome{};
    }
    void ExpectNextWriteSucceeds() override {
        EXPECT_FALSE(oxel::Save(m_doc).has_value());
        EXPECT_FALSE(m_doc.Modified());
        EXPECT_NE(testsupport::ReadFile(Target()).find("<version>\r\n1.1\r\n</version>"),
                  std::string::npos);
    }

  private:
    testsupport::TempDir m_dir;
    oxel::Document m_doc;
    oxel::RecentFiles m_recent;
};

enum class Kind { ForumFiles, InstallLog, KestruneIni, OxelSettings, SavedMod };
enum class Fault { DiskFull, PermissionDenied, ReplacedByFolder, Deleted, MadeReadOnly };

std::unique_ptr<WrittenFile> Make(Kind kind) {
    switch (kind) {
        case Kind::ForumFiles:
            return std::make_unique<ForumFiles>();
        case Kind::InstallLog:
            return std::make_unique<InstallLogFile>();
        case Kind::KestruneIni:
            return std::make_unique<KestruneIniFile>();
        case Kind::OxelSettings:
            return std::make_unique<OxelSettingsFile>();
        case Kind::SavedMod:
            return std::make_unique<SavedModFile>();
    }
    return nullptr;
}

// The reason the message must give for each fault.
std::string Reason(Fault fault) {
    switch (fault) {
        case Fault::DiskFull:
            return "No space left on device";
        case Fault::PermissionDenied:
            return "Permission denied";
        case Fault::ReplacedByFolder:
            return "Is a directory";
        case Fault::Deleted:
            return "has gone";
        case Fault::MadeReadOnly:
            return "read-only";
    }
    return {};
}

class FaultInjectionTest : public ::testing::TestWithParam<std::tuple<Kind, Fault>> {};

TEST_P(FaultInjectionTest, NothingIsLostTheUserIsToldAndTheNextWriteSucceeds) {
    const auto [kind, fault] = GetParam();
    std::unique_ptr<WrittenFile> file = Make(kind);
    file->Load();
    const std::string target = file->Target();
    std::map<std::string, std::string> before;
    for (const std::string& path : file->Precious()) {
        before[path] = testsupport::ReadFile(path);
    }

    // Faults of the disk come through the injected file system, the others from outside.
    std::unique_ptr<modcommon::FileSystem> faulty;
    std::function<void()> cause = [] {};
    if (fault == Fault::DiskFull) {
        faulty = std::make_unique<FaultyFileSystem>(FsCall::Write, file->TargetWriteCall(), ENOSPC);
    } else if (fault == Fault::PermissionDenied) {
        faulty = std::make_unique<FaultyFileSystem>(FsCall::Open, 1, EACCES,
                                                    fs::path(target).filename().string());
    } else {
        faulty = std::make_unique<modcommon::FileSystem>();
        cause = [&] {
            if (fault == Fault::MadeReadOnly) {
                testsupport::MakeReadOnly(target);
                return;
            }
            fs::remove(target);
            if (fault == Fault::ReplacedByFolder) {
                testsupport::WriteFile(fs::path(target) / "inside", "kept");
            }
        };
    }

    const Outcome outcome = file->Write(*faulty, cause);

    const bool mustFail = fault != Fault::Deleted || file->RefusesDeletedTarget();
    ASSERT_EQ(outcome.failed, mustFail) << outcome.message;
    if (mustFail) {
        EXPECT_NE(outcome.message.find(target), std::string::npos) << outcome.message;
        EXPECT_NE(outcome.message.find(Reason(fault)), std::string::npos) << outcome.message;
        for (const auto& [path, bytes] : before) {
            if (path == target && fault == Fault::ReplacedByFolder) {
                EXPECT_EQ(testsupport::ReadFile(fs::path(path) / "inside"), "kept");
            } else if (path == target && fault == Fault::Deleted) {
                EXPECT_FALSE(fs::exists(path)) << "a deleted file is not made anew";
            } else {
                EXPECT_EQ(testsupport::ReadFile(path), bytes) << path;
            }
        }
    } else {
        EXPECT_EQ(outcome.message, "");
    }
    EXPECT_EQ(hardening::LeftoverTemporaries(file->Folder()), std::vector<std::string>{});

    // Take the fault away again, as the administrator would.
    if (fault == Fault::ReplacedByFolder) {
        fs::remove_all(target);
    }
    if (fault == Fault::MadeReadOnly) {
        fs::permissions(target, fs::perms::owner_write, fs::perm_options::add);
    }
    if (mustFail && !fs::exists(target)) {
        testsupport::WriteFile(target, before[target]);
    }
    file->ExpectNextWriteSucceeds();
}

std::string RowName(const ::testing::TestParamInfo<std::tuple<Kind, Fault>>& info) {
    static const char* const kKinds[] = {"ForumFiles", "InstallLog", "KestruneIni", "OxelSettings",
                                         "SavedMod"};
    static const char* const kFaults[] = {"DiskFull", "PermissionDenied", "ReplacedByFolder",
                                          "Deleted", "MadeReadOnly"};
    return std::string(kKinds[static_cast<int>(std::get<0>(info.param))]) + "_" +
           kFaults[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(
    EveryFileEveryFault, FaultInjectionTest,
    ::testing::Combine(::testing::Values(Kind::ForumFiles, Kind::InstallLog, Kind::KestruneIni,
                                         Kind::OxelSettings, Kind::SavedMod),
                       ::testing::Values(Fault::DiskFull, Fault::PermissionDenied,
                                         Fault::ReplacedByFolder, Fault::Deleted,
                                         Fault::MadeReadOnly)),
    RowName);

}  // namespace
