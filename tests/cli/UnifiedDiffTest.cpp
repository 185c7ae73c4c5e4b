// Unified diffs: exact hunks for the cases that trip diff writers, and a round trip through
// patch(1) on many generated files.
#include "UnifiedDiff.h"

#include <gtest/gtest.h>

#include <random>

#include "CliRunner.h"
#include "TestSupport.h"

namespace kestrune::cli {
namespace {

std::string Numbered(int from, int to, int changed = 0) {
    std::string text;
    for (int i = from; i <= to; ++i) {
        text += (i == changed ? "X" : std::to_string(i)) + "\n";
    }
    return text;
}

std::string TwoChanged(int count, int first, int second) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += (i == first || i == second ? "X" : std::to_string(i)) + "\n";
    }
    return text;
}

struct DiffCase {
    const char* name;
    std::string path;
    std::string before;
    std::string after;
    int context;
    std::string expected;  // without the two header lines, unless `path` needs them checked
};

// Rows print as their names in test output.
void PrintTo(const DiffCase& row, std::ostream* os) {
    *os << row.name;
}

class UnifiedDiffCases : public ::testing::TestWithParam<DiffCase> {};

TEST_P(UnifiedDiffCases, GivesExactHunks) {
    const DiffCase& c = GetParam();
    std::string diff = UnifiedDiff(c.path, c.before, c.after, c.context);
    if (c.expected.empty()) {
        EXPECT_EQ(diff, "");
        return;
    }
    const std::string headers = "--- a/" + c.path + "\n+++ b/" + c.path + "\n";
    if (c.path.find(' ') != std::string::npos) {
        EXPECT_EQ(diff, c.expected);
    } else {
        EXPECT_EQ(diff, headers + c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    UnifiedDiff, UnifiedDiffCases,
    ::testing::Values(
        DiffCase{"Equal", "f", "a\nb\n", "a\nb\n", 3, ""},
        DiffCase{"ChangeInTheMiddle", "f", Numbered(1, 9), Numbered(1, 9, 5), 3,
                 "@@ -2,7 +2,7 @@\n 2\n 3\n 4\n-5\n+X\n 6\n 7\n 8\n"},
        DiffCase{"InsertAtTheTop", "f", "a\nb\n", "new\na\nb\n", 3,
                 "@@ -1,2 +1,3 @@\n+new\n a\n b\n"},
        DiffCase{"IntoAnEmptyFile", "f", "", "a\n", 3, "@@ -0,0 +1 @@\n+a\n"},
        DiffCase{"EverythingRemoved", "f", "a\n", "", 3, "@@ -1 +0,0 @@\n-a\n"},
        DiffCase{"InsertWithoutContext", "f", "a\nb\n", "a\nX\nb\n", 0, "@@ -1,0 +2 @@\n+X\n"},
        DiffCase{"LastLineGetsItsLineBreak", "f", "a\nb", "a\nb\n", 3,
                 "@@ -1,2 +1,2 @@\n a\n-b\n\\ No newline at end of file\n+b\n"},
        DiffCase{"LineAddedAfterALastLineWithoutBreak", "f", "a\nb", "a\nb\nc", 3,
                 "@@ -1,2 +1,3 @@\n a\n-b\n\\ No newline at end of file\n+b\n+c\n"
                 "\\ No newline at end of file\n"},
        DiffCase{"UnchangedLastLineWithoutBreakAsContext", "f", "a\nb\nc", "a\nB\nc", 3,
                 "@@ -1,3 +1,3 @@\n a\n-b\n+B\n c\n\\ No newline at end of file\n"},
        DiffCase{"CrLfLinesKeepTheirCr", "f", "a\r\nb\r\n", "a\r\nB\r\n", 3,
                 "@@ -1,2 +1,2 @@\n a\r\n-b\r\n+B\r\n"},
        DiffCase{"DistantChangesMakeTwoHunks", "f", Numbered(1, 20), TwoChanged(20, 2, 18), 3,
                 "@@ -1,5 +1,5 @@\n 1\n-2\n+X\n 3\n 4\n 5\n"
                 "@@ -15,6 +15,6 @@\n 15\n 16\n 17\n-18\n+X\n 19\n 20\n"},
        DiffCase{"ChangesSixLinesApartShareAHunk", "f", Numbered(1, 20), TwoChanged(20, 5, 12), 3,
                 "@@ -2,14 +2,14 @@\n 2\n 3\n 4\n-5\n+X\n 6\n 7\n 8\n 9\n 10\n 11\n-12\n+X\n 13\n"
                 " 14\n 15\n"},
        DiffCase{"DeletionsComeBeforeAdditions", "f", "k\na\nb\nk\n", "k\nc\nd\nk\n", 3,
                 "@@ -1,4 +1,4 @@\n k\n-a\n-b\n+c\n+d\n k\n"},
        DiffCase{"ANameWithABlankIsQuoted", "My Folder/x.pl", "a\n", "b\n", 3,
                 "--- \"a/My Folder/x.pl\"\n+++ \"b/My Folder/x.pl\"\n@@ -1 +1 @@\n-a\n+b\n"}),
    [](const auto& row) { return std::string(row.param.name); });

// Files of repeated lines with mixed line breaks and random edits: whatever the edit script,
// patch must turn `before` into `after` exactly, without fuzz.
TEST(UnifiedDiffRoundTrip, PatchReproducesEveryGeneratedChange) {
    std::mt19937 random(20240611);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const std::vector<std::string> words = {"sub x {", "}", "", "\treturn 1;", "1;", "# note"};
    auto line = [&] {
        return words[static_cast<size_t>(pick(static_cast<int>(words.size())))] +
               (pick(3) == 0 ? "\r\n" : "\n");
    };

    testsupport::TempDir dir;
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        std::vector<std::string> lines(static_cast<size_t>(pick(30)));
        for (std::string& l : lines) {
            l = line();
        }
        std::vector<std::string> edited = lines;
        for (int edits = pick(6); edits > 0; --edits) {
            size_t at =
                edited.empty() ? 0 : static_cast<size_t>(pick(static_cast<int>(edited.size())));
            switch (pick(3)) {
                case 0:
                    edited.insert(edited.begin() + static_cast<long>(at), line());
                    break;
                case 1:
                    if (!edited.empty())
                        edited.erase(edited.begin() + static_cast<long>(at));
                    break;
                default:
                    if (!edited.empty())
                        edited[at] = line();
            }
        }
        std::string before;
        std::string after;
        for (const auto& l : lines)
            before += l;
        for (const auto& l : edited)
            after += l;
        // Sometimes the last line has no line break, on either side.
        if (pick(3) == 0 && !before.empty())
            before.pop_back();
        if (pick(3) == 0 && !after.empty())
            after.pop_back();

        testsupport::WriteFile(dir.file("tree/f.txt"), before);
        testsupport::WriteFile(dir.file("change.diff"), UnifiedDiff("f.txt", before, after));
        if (before != after) {
            ASSERT_TRUE(clitest::Shell("cd " + clitest::ShellQuote(dir.file("tree")) +
                                       " && /usr/bin/patch -p1 -F0 --batch --silent "
                                       "--no-backup-if-mismatch < " +
                                       clitest::ShellQuote(dir.file("change.diff"))));
        }
        EXPECT_EQ(testsupport::ReadFile(dir.file("tree/f.txt")), after);
    }
}

}  // namespace
}  // namespace kestrune::cli
