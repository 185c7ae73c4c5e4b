// Loading the files a mod edits, and writing them back all or nothing.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "TestSupport.h"
#include "kestrune/ApplyStep.h"
#include "kestrune/DataFiles.h"

using kestrune::ApplyStep;
using kestrune::DataFileList;
using kestrune::FindDataFile;
using kestrune::LoadDataFiles;
using kestrune::TMod;
using kestrune::TStep;
using kestrune::WriteDataFiles;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace fs = std::filesystem;

namespace {

TMod StepsOn(std::vector<std::string> files, std::string search = "b", std::string action = "X") {
    TMod mod;
    for (auto& file : files) {
        mod.Steps.push_back(TStep{std::move(file), search, 14, action});
    }
    return mod;
}

std::vector<std::string> Names(const DataFileList& list) {
    std::vector<std::string> out;
    for (const auto& f : list) {
        out.push_back(f.FileName);
    }
    return out;
}

std::vector<std::string> Entries(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(dir)) {
        names.push_back(fs::relative(e.path(), dir).string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(DataFiles, OneBufferPerNameRegardlessOfCaseSpeltAsTheFirstStep) {
    TempDir dir;
    WriteFile(dir.file("Sources/Post.pl"), "a\r\nb\r\nc");
    WriteFile(dir.file("YaBB.pl"), "b");
    TMod mod = StepsOn({"Sources/Post.pl", "YaBB.pl", "Sources/Post.pl", "sources/post.pl"});
    DataFileList list;
    ASSERT_FALSE(LoadDataFiles(list, mod, dir.folder(), false));
    EXPECT_EQ(Names(list), (std::vector<std::string>{"Sources/Post.pl", "YaBB.pl"}));
    EXPECT_EQ(FindDataFile("YaBB.pl", list), 1);
    EXPECT_EQ(FindDataFile("yabb.pl", list), -1);
    // The fourth step names the file in other letters: it finds no buffer.
    EXPECT_EQ(ApplyStep(mod, 4, true, dir.folder(), list), 2);
    EXPECT_EQ(ApplyStep(mod, 1, true, dir.folder(), list), 0);
}

TEST(DataFiles, AMissingFileGetsNoBufferAndOnlyItsStepsFail) {
    TempDir dir;
    WriteFile(dir.file("Post.pl"), "b\r\n");
    TMod mod = StepsOn({"Gone.pl", "Post.pl", "Sources"});
    fs::create_directory(dir.file("Sources"));
    DataFileList list;
    ASSERT_FALSE(LoadDataFiles(list, mod, dir.folder(), true));
    EXPECT_EQ(Names(list), std::vector<std::string>{"Post.pl"});
    EXPECT_EQ(ApplyStep(mod, 1, true, dir.folder(), list), 2);
    EXPECT_EQ(ApplyStep(mod, 2, true, dir.folder(), list), 0);
    EXPECT_EQ(ApplyStep(mod, 3, true, dir.folder(), list), 2);
}

TEST(DataFiles, AFileThatCannotBeReadFailsTheLoadAndNamesIt) {
    TempDir dir;
    WriteFile(dir.file("Post.pl"), "b\r\n");
    ASSERT_EQ(::mkfifo(dir.file("Pipe.pl").c_str(), 0644), 0);
    DataFileList list;
    auto failure = LoadDataFiles(list, StepsOn({"Post.pl", "Pipe.pl"}), dir.folder(), true);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->path, dir.folder() + "Pipe.pl");
    EXPECT_FALSE(failure->reason.empty());
    EXPECT_TRUE(list.empty());
}

struct StyleCase {
    const char* name;
    std::string original;
    std::string edited;  // the buffer after loading and installing "b" -> "X"
    uint8_t crlfStyle;
    std::string written;
};

void PrintTo(const StyleCase& c, std::ostream* os) {
    *os << c.name;
}

class LineBreakCheckOn : public ::testing::TestWithParam<StyleCase> {};

TEST_P(LineBreakCheckOn, EditsWithCrLfAndWritesTheFileStyleBack) {
    const StyleCase& c = GetParam();
    TempDir dir;
    WriteFile(dir.file("f.pl"), c.original);
    TMod mod = StepsOn({"f.pl"});
    DataFileList list;
    ASSERT_FALSE(LoadDataFiles(list, mod, dir.folder(), true));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].CrLfStyle, c.crlfStyle);
    ASSERT_EQ(ApplyStep(mod, 1, true, dir.folder(), list), 0);
    EXPECT_EQ(list[0].Content, c.edited);
    ASSERT_FALSE(WriteDataFiles(list, dir.folder(), true));
    EXPECT_EQ(ReadFile(dir.file("f.pl")), c.written);
}

INSTANTIATE_TEST_SUITE_P(
    DataFiles, LineBreakCheckOn,
    ::testing::Values(StyleCase{"Lf", "a\nb\nc\n", "a\r\nX\r\nc\r\n", 0, "a\nX\nc\n"},
                      StyleCase{"CrLf", "a\r\nb\r\nc", "a\r\nX\r\nc", 1, "a\r\nX\r\nc"},
                      StyleCase{"LoneCr", "a\rb\rc", "a\r\nX\r\nc", 1, "a\r\nX\r\nc"},
                      StyleCase{"ThreeCrLfFiveLfIsLf", "1\r\n2\r\nb\r\n4\n5\n6\n7\n8\n",
                                "1\r\n2\r\nX\r\n4\r\n5\r\n6\r\n7\r\n8\r\n", 0,
                                "1\n2\nX\n4\n5\n6\n7\n8\n"},
                      StyleCase{"NoBreakIsCrLf", "b", "X\r\n", 1, "X\r\n"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(DataFiles, WithTheCheckOffBytesStayAsReadAndLfFilesDoNotMatch) {
    TempDir dir;
    const std::string lf = "a\nb\nc\n";
    const std::string crlf = std::string("a\r\nb\r\n\xE9\0\r\n", 10);
    WriteFile(dir.file("lf.pl"), lf);
    WriteFile(dir.file("crlf.pl"), crlf);
    TMod mod = StepsOn({"lf.pl", "crlf.pl"});
    mod.Steps.push_back(TStep{"lf.pl", "a\r\nb", 14, "X"});
    DataFileList list;
    ASSERT_FALSE(LoadDataFiles(list, mod, dir.folder(), false));
    EXPECT_EQ(list[0].Content, lf);
    EXPECT_EQ(list[1].Content, crlf);
    EXPECT_EQ(ApplyStep(mod, 1, true, dir.folder(), list), 12);  // one line: part of a line
    EXPECT_EQ(ApplyStep(mod, 3, true, dir.folder(), list), 1);   // several lines: not found
    ASSERT_EQ(ApplyStep(mod, 2, true, dir.folder(), list), 0);
    ASSERT_FALSE(WriteDataFiles(list, dir.folder(), false));
    EXPECT_EQ(ReadFile(dir.file("lf.pl")), lf);
    EXPECT_EQ(ReadFile(dir.file("crlf.pl")), std::string("a\r\nX\r\n\xE9\0\r\n", 10));
}

TEST(DataFiles, EveryBufferIsWrittenEvenIfNoStepChangedIt) {
    TempDir dir;
    WriteFile(dir.file("same.pl"), "keep\n");
    DataFileList list;
    ASSERT_FALSE(LoadDataFiles(list, StepsOn({"same.pl"}), dir.folder(), true));
    struct stat before {};
    ASSERT_EQ(::stat(dir.file("same.pl").c_str(), &before), 0);
    ASSERT_FALSE(WriteDataFiles(list, dir.folder(), true));
    struct stat after {};
    ASSERT_EQ(::stat(dir.file("same.pl").c_str(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino);  // a new file took the old one's place
    EXPECT_EQ(ReadFile(dir.file("same.pl")), "keep\n");
}

struct WriteFault {
    const char* name;
    testsupport::FsCall call;
    int nth;                 // counted among the calls whose path holds `pathPart`
    const char* pathPart;    // empty: count every call of the kind
    const char* failedFile;  // the file the failure names
};

void PrintTo(const WriteFault& f, std::ostream* os) {
    *os << f.name;
}

class WriteFaults : public ::testing::TestWithParam<WriteFault> {};

TEST_P(WriteFaults, LeaveEveryOriginalAsItWasAndNothingBehind) {
    const WriteFault& f = GetParam();
    TempDir dir;
    WriteFile(dir.file("YaBB.pl"), "b\r\none\r\n");
    WriteFile(dir.file("Sources/Post.pl"), "b\ntwo\n");
    WriteFile(dir.file("Sources/Display.pl"), "three\rb");
    TMod mod = StepsOn({"YaBB.pl", "Sources/Post.pl", "Sources/Display.pl"});
    DataFileList list;
    ASSERT_FALSE(LoadDataFiles(list, mod, dir.folder(), true));
    for (int n = 1; n <= 3; ++n) {
        ASSERT_EQ(ApplyStep(mod, n, true, dir.folder(), list), 0);
    }
    auto entries = Entries(dir.path());

    testsupport::FaultyFileSystem faulty(f.call, f.nth, ENOSPC, f.pathPart);
    auto failure = WriteDataFiles(list, dir.folder(), true, faulty);

    ASSERT_TRUE(faulty.fired());
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->path, dir.folder() + f.failedFile);
    EXPECT_FALSE(failure->reason.empty());
    EXPECT_EQ(ReadFile(dir.file("YaBB.pl")), "b\r\none\r\n");
    EXPECT_EQ(ReadFile(dir.file("Sources/Post.pl")), "b\ntwo\n");
    EXPECT_EQ(ReadFile(dir.file("Sources/Display.pl")), "three\rb");
    EXPECT_EQ(Entries(dir.path()), entries);
}

using testsupport::FsCall;
INSTANTIATE_TEST_SUITE_P(
    DataFiles, WriteFaults,
    ::testing::Values(WriteFault{"OpenFirst", FsCall::Open, 1, "YaBB.pl", "YaBB.pl"},
                      WriteFault{"OpenSecond", FsCall::Open, 1, "Post.pl", "Sources/Post.pl"},
                      WriteFault{"OpenThird", FsCall::Open, 1, "Display.pl", "Sources/Display.pl"},
                      WriteFault{"WriteFirst", FsCall::Write, 1, "", "YaBB.pl"},
                      WriteFault{"WriteThird", FsCall::Write, 3, "", "Sources/Display.pl"},
                      WriteFault{"FlushFails", FsCall::SyncFileSystem, 1, "", "YaBB.pl"},
                      WriteFault{"RenameFirst", FsCall::Rename, 1, "YaBB.pl", "YaBB.pl"},
                      WriteFault{"RenameThird", FsCall::Rename, 1, "Display.pl",
                                 "Sources/Display.pl"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(DataFiles, FreeingEmptiesTheList) {
    DataFileList list = {{"a.pl", 1, "x"}, {"b.pl", 0, "y"}};
    kestrune::FreeDataFiles(list);
    EXPECT_TRUE(list.empty());
}

}  // namespace
