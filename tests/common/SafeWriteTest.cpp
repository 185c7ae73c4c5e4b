#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "TestSupport.h"
#include "modcommon/SafeWrite.h"

namespace fs = std::filesystem;
using modcommon::PendingWrite;
using modcommon::WriteFilesAtomically;
using testsupport::FaultyFileSystem;
using testsupport::FsCall;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

// Only the files the test made: no temporary or backup may be left behind.
std::vector<std::string> Entries(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) {
        names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

struct Fault {
    const char* name;
    FsCall call;
    int nth;
    int err;
    const char* reason;
};

class SafeWriteFaults : public ::testing::TestWithParam<Fault> {};

TEST_P(SafeWriteFaults, NoOriginalChangesAndNothingIsLeftBehind) {
    const Fault& f = GetParam();
    TempDir dir;
    WriteFile(dir.file("a.pl"), "old a\r\n");
    WriteFile(dir.file("b.pl"), "old b\n");
    WriteFile(dir.file("c.pl"), "old c");
    std::vector<PendingWrite> files = {
        {dir.file("a.pl"), "new a"}, {dir.file("b.pl"), "new b"}, {dir.file("c.pl"), "new c"}};

    FaultyFileSystem faulty(f.call, f.nth, f.err);
    auto failure = WriteFilesAtomically(files, faulty);

    ASSERT_TRUE(faulty.fired());
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->reason, f.reason);
    EXPECT_EQ(ReadFile(dir.file("a.pl")), "old a\r\n");
    EXPECT_EQ(ReadFile(dir.file("b.pl")), "old b\n");
    EXPECT_EQ(ReadFile(dir.file("c.pl")), "old c");
    EXPECT_EQ(Entries(dir.path()), (std::vector<std::string>{"a.pl", "b.pl", "c.pl"}));
}

// Every kind of call, failing at the first, second and third file in turn.
INSTANTIATE_TEST_SUITE_P(
    EachCall, SafeWriteFaults,
    ::testing::Values(
        Fault{"DiskFullAtFirstWrite", FsCall::Write, 1, ENOSPC, "No space left on device"},
        Fault{"DiskFullAtThirdWrite", FsCall::Write, 3, ENOSPC, "No space left on device"},
        Fault{"PermissionDeniedAtOpen", FsCall::Open, 2, EACCES, "Permission denied"},
        Fault{"FlushFails", FsCall::SyncFileSystem, 1, EIO, "Input/output error"},
        Fault{"CloseFails", FsCall::Close, 3, EIO, "Input/output error"},
        Fault{"ChmodFails", FsCall::Fchmod, 1, EPERM, "Operation not permitted"},
        Fault{"StatFails", FsCall::Stat, 3, EACCES, "Permission denied"},
        Fault{"BackupLinkFails", FsCall::Link, 2, EMLINK, "Too many links"},
        Fault{"SecondRenameFails", FsCall::Rename, 2, EXDEV, "Invalid cross-device link"},
        Fault{"LastRenameFails", FsCall::Rename, 3, EACCES, "Permission denied"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SafeWrite, ASingleFileIsFlushedByItselfAndAFailedFlushKeepsTheOriginal) {
    TempDir dir;
    WriteFile(dir.file("install.log"), "old\r\n");
    FaultyFileSystem faulty(FsCall::Fsync, 1, EIO);
    auto failure = modcommon::WriteFileAtomically(dir.file("install.log"), "new\r\n", faulty);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->path, dir.file("install.log"));
    EXPECT_EQ(failure->reason, "Input/output error");
    EXPECT_EQ(ReadFile(dir.file("install.log")), "old\r\n");
    EXPECT_EQ(Entries(dir.path()), (std::vector<std::string>{"install.log"}));
}

TEST(SafeWrite, ReplacesAllFilesKeepingTheirPermissions) {
    TempDir dir;
    WriteFile(dir.file("a.pl"), "old");
    fs::permissions(dir.file("a.pl"), fs::perms(0750));
    auto failure = WriteFilesAtomically({{dir.file("a.pl"), "new"}, {dir.file("sub/n.txt"), "x"}});
    // The sub-folder does not exist: a new file can't be created there, and a.pl stays old.
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->path, dir.file("sub/n.txt"));
    EXPECT_EQ(ReadFile(dir.file("a.pl")), "old");

    fs::create_directory(dir.file("sub"));
    ASSERT_FALSE(WriteFilesAtomically({{dir.file("a.pl"), "new"}, {dir.file("sub/n.txt"), "x"}}));
    EXPECT_EQ(ReadFile(dir.file("a.pl")), "new");
    EXPECT_EQ(ReadFile(dir.file("sub/n.txt")), "x");
    EXPECT_EQ(fs::status(dir.file("a.pl")).permissions(), fs::perms(0750));
}

TEST(SafeWrite, WritesThroughASymlinkAndKeepsTheLink) {
    TempDir dir;
    WriteFile(dir.file("real/YaBB.pl"), "old");
    fs::create_symlink("real/YaBB.pl", dir.file("YaBB.pl"));
    ASSERT_FALSE(modcommon::WriteFileAtomically(dir.file("YaBB.pl"), "new"));
    EXPECT_TRUE(fs::is_symlink(dir.file("YaBB.pl")));
    EXPECT_EQ(ReadFile(dir.file("real/YaBB.pl")), "new");
}

TEST(SafeWrite, RefusesAFolderOrAReadOnlyTarget) {
    TempDir dir;
    fs::create_directory(dir.file("folder.pl"));
    WriteFile(dir.file("ro.pl"), "keep");
    testsupport::MakeReadOnly(dir.file("ro.pl"));
    WriteFile(dir.file("ok.pl"), "old");

    auto folder = WriteFilesAtomically({{dir.file("ok.pl"), "new"}, {dir.file("folder.pl"), "x"}});
    ASSERT_TRUE(folder.has_value());
    EXPECT_EQ(folder->path, dir.file("folder.pl"));
    EXPECT_EQ(folder->reason, "Is a directory");

    auto readOnly = WriteFilesAtomically({{dir.file("ok.pl"), "new"}, {dir.file("ro.pl"), "x"}});
    ASSERT_TRUE(readOnly.has_value());
    EXPECT_EQ(readOnly->path, dir.file("ro.pl"));
    EXPECT_EQ(readOnly->reason, "the file is read-only");

    EXPECT_EQ(ReadFile(dir.file("ok.pl")), "old");
    EXPECT_EQ(ReadFile(dir.file("ro.pl")), "keep");
}

}  // namespace
