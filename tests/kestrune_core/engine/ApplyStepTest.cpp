// One step installed or uninstalled on its buffer: the results, and the codes in their order.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "kestrune/ApplyStep.h"

using kestrune::ApplyStep;
using kestrune::DataFileList;
using kestrune::TMod;
using kestrune::TStep;
using testsupport::TempDir;

namespace {

const std::string kText = "a\r\nb\r\nc";

// A forum folder holding Sources/Post.pl, and its buffer holding `content`.
struct Forum {
    TempDir dir;
    DataFileList list;

    explicit Forum(const std::string& content) {
        testsupport::WriteFile(dir.file("Sources/Post.pl"), content);
        list.push_back({"Sources/Post.pl", 1, content});
    }
    std::string& content() { return list[0].Content; }
};

TMod OneStep(int kind, std::string search, std::string action,
             std::string file = "Sources/Post.pl") {
    TMod mod;
    mod.Steps.push_back(TStep{std::move(file), std::move(search), kind, std::move(action)});
    return mod;
}

struct KindCase {
    const char* name;
    int kind;
    std::string installed;
};

void PrintTo(const KindCase& c, std::ostream* os) {
    *os << c.name;
}

class KindTable : public ::testing::TestWithParam<KindCase> {};

TEST_P(KindTable, InstallsAndUninstallingGivesTheTextBack) {
    Forum forum(kText);
    TMod mod = OneStep(GetParam().kind, "b", "X");
    ASSERT_EQ(ApplyStep(mod, 1, true, forum.dir.folder(), forum.list), 0);
    EXPECT_EQ(forum.content(), GetParam().installed);
    ASSERT_EQ(ApplyStep(mod, 1, false, forum.dir.folder(), forum.list), 0);
    EXPECT_EQ(forum.content(), kText);
}

INSTANTIATE_TEST_SUITE_P(ApplyStep, KindTable,
                         ::testing::Values(KindCase{"Replace", 14, "a\r\nX\r\nc"},
                                           KindCase{"AddBefore", 16, "a\r\nX\r\nb\r\nc"},
                                           KindCase{"AddAfter", 18, "a\r\nb\r\nX\r\nc"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ApplyStep, MultiLineTextsRoundTrip) {
    const std::string text = "sub a {\r\n  one();\r\n  two();\r\n}\r\n";
    Forum forum(text);
    TMod mod = OneStep(14, "  one();\r\n  two();", "  three();\r\n\r\n  four();");
    ASSERT_EQ(ApplyStep(mod, 1, true, forum.dir.folder(), forum.list), 0);
    EXPECT_EQ(forum.content(), "sub a {\r\n  three();\r\n\r\n  four();\r\n}\r\n");
    ASSERT_EQ(ApplyStep(mod, 1, false, forum.dir.folder(), forum.list), 0);
    EXPECT_EQ(forum.content(), text);
}

TEST(ApplyStep, ReplacingTheLastLineEndsTheTextWithABreak) {
    Forum forum(kText);
    ASSERT_EQ(ApplyStep(OneStep(14, "c", "X"), 1, true, forum.dir.folder(), forum.list), 0);
    EXPECT_EQ(forum.content(), "a\r\nb\r\nX\r\n");
}

TEST(ApplyStep, AddingTwiceAndUninstallingOnceRemovesOnlyTheFirst) {
    Forum forum(kText);
    TMod mod = OneStep(18, "b", "X");
    ASSERT_EQ(ApplyStep(mod, 1, true, forum.dir.folder(), forum.list), 0);
    ASSERT_EQ(ApplyStep(mod, 1, true, forum.dir.folder(), forum.list), 0);
    EXPECT_EQ(forum.content(), "a\r\nb\r\nX\r\nX\r\nc");
    ASSERT_EQ(ApplyStep(mod, 1, false, forum.dir.folder(), forum.list), 0);
    EXPECT_EQ(forum.content(), "a\r\nb\r\nX\r\nc");
}

enum class FileState { Writable, ReadOnly, Deleted, NoBuffer };

struct CodeCase {
    const char* name;
    FileState state;
    bool install;
    std::string search;
    std::string action;
    int code;
    std::string content = kText;
};

void PrintTo(const CodeCase& c, std::ostream* os) {
    *os << c.name;
}

class CodeTable : public ::testing::TestWithParam<CodeCase> {};

TEST_P(CodeTable, FailsWithTheFirstCodeAndLeavesTheBufferAlone) {
    const CodeCase& c = GetParam();
    Forum forum(c.content);
    TMod mod = OneStep(14, c.search, c.action,
                       c.state == FileState::NoBuffer ? "sources/post.pl" : "Sources/Post.pl");
    if (c.state == FileState::ReadOnly) {
        testsupport::MakeReadOnly(forum.dir.file("Sources/Post.pl"));
    } else if (c.state == FileState::Deleted) {
        std::filesystem::remove(forum.dir.file("Sources/Post.pl"));
    }
    EXPECT_EQ(ApplyStep(mod, 1, c.install, forum.dir.folder(), forum.list), c.code);
    EXPECT_EQ(forum.content(), c.content);
}

INSTANTIATE_TEST_SUITE_P(
    ApplyStep, CodeTable,
    ::testing::Values(
        CodeCase{"NoBufferComesFirst", FileState::NoBuffer, true, "", "", 2},
        CodeCase{"ReadOnlyComesBeforeEmptyTexts", FileState::ReadOnly, true, "", "", 17},
        CodeCase{"DeletedAfterLoadingIsReadOnly", FileState::Deleted, true, "b", "X", 17},
        CodeCase{"EmptySearchInstalling", FileState::Writable, true, "", "X", 10},
        CodeCase{"EmptySearchUninstalling", FileState::Writable, false, "", "X", 11},
        CodeCase{"EmptyActionInstalling", FileState::Writable, true, "b", "", 11},
        CodeCase{"EmptyActionUninstalling", FileState::Writable, false, "b", "", 10},
        CodeCase{"BothEmptyInstalling", FileState::Writable, true, "", "", 10},
        CodeCase{"BothEmptyUninstalling", FileState::Writable, false, "", "", 11},
        CodeCase{"LetterCaseCounts", FileState::Writable, true, "B", "X", 1},
        CodeCase{"UninstallLooksForTheActionText", FileState::Writable, false, "b", "X", 1},
        CodeCase{"PartOfALine", FileState::Writable, true, "b", "X", 12, "a\r\nbb\r\nc"},
        CodeCase{"IndentedLine", FileState::Writable, true, "b", "X", 12, "a\r\n b\r\nc"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ApplyStep, AStepNumberOutsideTheModFindsNoFile) {
    Forum forum(kText);
    TMod mod = OneStep(14, "b", "X");
    EXPECT_EQ(ApplyStep(mod, 0, true, forum.dir.folder(), forum.list), 2);
    EXPECT_EQ(ApplyStep(mod, 2, true, forum.dir.folder(), forum.list), 2);
}

TEST(ApplyStep, ReadOnlyMeansNoWriteBitAtAll) {
    TempDir dir;
    std::string path = dir.file("f.pl");
    testsupport::WriteFile(path, "x");
    namespace fs = std::filesystem;
    EXPECT_FALSE(kestrune::IsReadOnlyFile(path));
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_write);
    EXPECT_FALSE(kestrune::IsReadOnlyFile(path));
    testsupport::MakeReadOnly(path);
    EXPECT_TRUE(kestrune::IsReadOnlyFile(path));
    EXPECT_TRUE(kestrune::IsReadOnlyFile(dir.file("gone.pl")));
}

}  // namespace
