// The .mod parser: blocks and single-line forms, values, steps, faults and hostile input.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <random>
#include <tuple>

#include "EngineTestSupport.h"
#include "ReferenceParser.h"
#include "kestrune/ModParser.h"

using enginetest::Lines;
using enginetest::ScriptedBox;
using kestrune::ParseModFile;
using kestrune::ParseModText;
using kestrune::TMod;
using kestrune::TStep;
using modcommon::BoxAnswer;

namespace {

using StepTuple = std::tuple<std::string, std::string, int, std::string>;

std::vector<StepTuple> StepsOf(const TMod& mod) {
    std::vector<StepTuple> out;
    for (const TStep& s : mod.Steps) {
        out.emplace_back(s.FileToEdit, s.SearchText, s.Kind, s.ActionText);
    }
    return out;
}

struct ParseCase {
    const char* name;
    std::string text;
    std::vector<StepTuple> steps;
    std::vector<int> boxes = {};  // codes shown, each answered "closed" (go on)
    std::string id = "";
    std::string modInfo = "";
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.name;
}

const std::string kScript = "/srv/forum/YaBB.pl";

std::vector<ParseCase> ParseCases() {
    return {
        {"TagsInAnyLetterCase",
         Lines({"<ID>", "Mod", "</Id>", "<Edit File>", "a.pl", "</EDIT FILE>", "<SEARCH FOR>", "s",
                "</Search For>", "<RePlace>", "r", "</REPLACE>"}),
         {{"a.pl", "s", 14, "r"}},
         {},
         "Mod"},
        {"BlankAfterIdTagIsCode15AndOpensNoBlock", Lines({"<id> ", "Mod", "</id>"}), {}, {15}},
        {"ValueOnIdLineIsCode15", Lines({"<id>Mod</id>"}), {}, {15}},
        {"SingleLineSearchAndActions",
         Lines({"<search for>old();</search for>", "<replace>new();</replace>",
                "<search for>a</search for>", "<add before>b</add before>",
                "<search for>c</search for>", "<add after>d</add after>"}),
         {{"", "old();", 14, "new();"}, {"", "a", 16, "b"}, {"", "c", 18, "d"}}},
        {"SingleLineActionWithoutClosingTagRunsToLineEndAndMakesStepAtOnce",
         Lines({"<search for>s</search for>", "<add after>  tail text ", "not collected",
                "</add after>"}),
         {{"", "s", 18, "  tail text "}}},
        {"SearchTagWithTrailingBlankCollectsNothing",
         Lines({"<search for> ", "s", "</search for>", "<replace>", "r", "</replace>"}),
         {{"", "", 14, "r"}}},
        {"SingleLineContentIsCutByPositionAfterTheTagLength",
         Lines({"  <replace>x</replace>"}),
         {{"", "", 14, "e>x"}}},
        {"EmptyLinesOpeningASearchBlockAreKept",
         Lines({"<search for>", "", "", "x", "</search for>", "<replace>", "r", "</replace>"}),
         {{"", "\r\n\r\nx", 14, "r"}}},
        {"EmptyLinesOpeningTheDescriptionAreDropped",
         Lines({"<mod info>", "", "", "x", "", "y", "</mod info>"}),
         {},
         {},
         "",
         "x\r\n\r\ny"},
        {"EmptyLinesInsideAndAtTheEndOfAnActionAreKept",
         Lines({"<search for>", "s", "</search for>", "<replace>", "a", "", "b", "", "</replace>"}),
         {{"", "s", 14, "a\r\n\r\nb\r\n"}}},
        {"TwoSearchBlocksJoinAndTheNextActionStartsEmpty",
         Lines({"<search for>", "a", "</search for>", "<search for>", "b", "</search for>",
                "<replace>", "r", "</replace>", "<add after>", "x", "</add after>"}),
         {{"", "a\r\nb", 14, "r"}, {"", "", 18, "x"}}},
        {"SingleLineSearchAppendsWithoutSeparator",
         Lines({"<search for>", "a", "</search for>", "<search for>b</search for>", "<replace>r"}),
         {{"", "ab", 14, "r"}}},
        {"TheLastLineOfAValueBlockCounts",
         Lines({"<id>", "first", "second", "</id>"}),
         {},
         {},
         "second"},
        {"AnEmptyValueBlockKeepsTheEarlierValue",
         Lines({"<id>", "A", "</id>", "<id>", "</id>"}),
         {},
         {},
         "A"},
        {"TwoDescriptionBlocksJoin",
         Lines({"<mod info>", "one", "</mod info>", "<mod info>", "two", "</mod info>"}),
         {},
         {},
         "",
         "one\r\ntwo"},
        {"ContentLineHoldingAnIdTagIsCode15",
         Lines({"<search for>", "s", "</search for>", "<replace>", "print '<id>';", "</replace>"}),
         {{"", "s", 14, "print '<id>';"}},
         {15}},
        {"ClosingTagAnywhereOnALineEndsTheBlock",
         Lines({"<search for>", "s", "x </search for> y", "<replace>", "r", "</replace> z"}),
         {{"", "s", 14, "r"}}},
        {"TagLineAsLastLineOpensNothing",
         Lines({"<search for>", "s", "</search for>", "<replace>"}),
         {}},
        {"TagLineWithBreakAsLastLineOpensNothing",
         Lines({"<search for>", "s", "</search for>", "<replace>", ""}),
         {}},
        {"UnclosedActionIsCode9AndKeepsEarlierSteps",
         Lines({"<search for>", "a", "</search for>", "<replace>", "b", "</replace>",
                "<search for>", "c", "</search for>", "<replace>", "d"}),
         {{"", "a", 14, "b"}},
         {9}},
        {"LfBreaksReadLikeCrLf",
         Lines({"<id>", "M", "</id>", "<search for>", "a", "b", "</search for>", "<replace>", "r",
                "</replace>"},
               "\n"),
         {{"", "a\r\nb", 14, "r"}},
         {},
         "M"},
        {"LoneCrBreaksReadLikeCrLf",
         Lines({"<search for>", "a", "", "b", "</search for>", "<replace>", "r", "</replace>"},
               "\r"),
         {{"", "a\r\n\r\nb", 14, "r"}}},
        {"EditFileServesTheStepsAfterIt",
         Lines({"<search for>a</search for>", "<replace>b", "<edit file>", "Sources\\Post.pl",
                "</edit file>", "<search for>c</search for>", "<replace>d", "<edit file>",
                "yabb.cgi", "</edit file>", "<search for>e</search for>", "<add after>f"}),
         {{"", "a", 14, "b"}, {"Sources/Post.pl", "c", 14, "d"}, {"YaBB.pl", "e", 18, "f"}}},
        {"EmptyActionBlockMakesAStep",
         Lines({"<search for>", "s", "</search for>", "<replace>", "</replace>"}),
         {{"", "s", 14, ""}}},
        {"TextEndsAtTheFirstNul",
         Lines({"<id>", "A"}) + std::string("\0B", 2) + Lines({"", "</id>", "<replace>x"}),
         {},
         {9},
         "A"},
        {"BlocksOfOneTagInsideEachOtherEachCollectTheirLines",
         Lines({"<search for>", "<search for>", "a", "</search for>", "<replace>", "r",
                "</replace>"}),
         {{"", "<search for>\r\na\r\na", 14, "r"}}},
    };
}

class ParseTable : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTable, GivesTheModAndTheFaults) {
    const ParseCase& c = GetParam();
    TMod mod;
    ScriptedBox box;
    auto report = ParseModText(mod, c.text, "/x/Mods/YaBB 2/test.mod", kScript, box.fn());
    EXPECT_EQ(StepsOf(mod), c.steps);
    EXPECT_EQ(box.codes(), c.boxes);
    EXPECT_EQ(mod.Id, c.id);
    EXPECT_EQ(mod.ModInfo, c.modInfo);
    EXPECT_EQ(mod.FileName, "test.mod");
    EXPECT_EQ(report.faultCode, c.boxes.empty() ? 0 : c.boxes.front());
    EXPECT_FALSE(report.stopped);
}

INSTANTIATE_TEST_SUITE_P(Parser, ParseTable, ::testing::ValuesIn(ParseCases()),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ModParser, ReadsTheLayoutTheEditorWritesFromAFile) {
    TMod mod;
    ScriptedBox box;
    auto report = ParseModFile(mod, TEST_DATA_DIR "/engine/two-files.mod", kScript, box.fn());
    EXPECT_FALSE(report.faulted());
    EXPECT_TRUE(box.requests.empty());
    EXPECT_EQ(mod.FileName, "two-files.mod");
    EXPECT_EQ(mod.Id, "Quick Reply Box");
    EXPECT_EQ(mod.Version, "1.2");
    EXPECT_EQ(mod.ModInfo, "Adds a reply box under each thread.\r\nWritten for the demo forum.");
    EXPECT_EQ(mod.Author, "Demo Author");
    EXPECT_EQ(mod.Homepage, "http://example.org/mods");
    std::vector<StepTuple> expected = {
        {"Sources/Display.pl", "    &template_footer;", 16, "    &quick_reply_box;"},
        {"YaBB.pl", "require \"$sourcedir/Display.pl\";", 18,
         "require \"$sourcedir/QuickReply.pl\";"},
        {"YaBB.pl", "$quickreply = 0;", 14, "$quickreply = 1;"},
    };
    EXPECT_EQ(StepsOf(mod), expected);
}

TEST(ModParser, FaultBoxesAreErrorBoxesWithTheCodeAndMessage) {
    TMod mod;
    ScriptedBox box;
    ParseModText(mod, Lines({"<replace>", "x"}), "a.mod", kScript, box.fn());
    ASSERT_EQ(box.requests.size(), 1u);
    EXPECT_EQ(box.requests[0].kind, modcommon::BoxKind::Error);
    EXPECT_EQ(box.requests[0].buttons, modcommon::BoxButtons::Ok);
    EXPECT_EQ(box.requests[0].caption, "Error");
    EXPECT_EQ(box.requests[0].text,
              "Error Code 9:\r\n\r\nThis mod seems to be incomplete, there is a </replace> tag "
              "missing!");
}

TEST(ModParser, OkStopsAtTheFaultAndKeepsWhatWasRead) {
    struct Case {
        const char* name;
        std::string text;
        size_t stepsKept;
        int code;
    };
    std::vector<Case> cases = {
        {"code 15",
         Lines({"<search for>a</search for>", "<replace>b", "<author>x",
                "<search for>c</search for>", "<replace>d"}),
         1, 15},
        {"code 9 stops before the next tag on the line",
         Lines({"<search for>a</search for>", "<replace>b", "<mod info>", "x"}) + "\r\n" +
             "<search for>c</search for><replace>d",
         1, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TMod mod;
        ScriptedBox box(BoxAnswer::Ok);
        auto report = ParseModText(mod, c.text, "a.mod", kScript, box.fn());
        EXPECT_EQ(mod.Steps.size(), c.stepsKept);
        EXPECT_EQ(box.codes(), std::vector<int>{c.code});
        EXPECT_TRUE(report.stopped);
        EXPECT_EQ(report.faultCode, c.code);
    }
}

TEST(ModParser, MissingModFileIsCode8AndOkLeavesTheModEmpty) {
    for (BoxAnswer answer : {BoxAnswer::Ok, BoxAnswer::Closed}) {
        TMod mod;
        ScriptedBox box(answer);
        std::string path = "/nonexistent/Mods/YaBB 2/gone.mod";
        auto report = ParseModFile(mod, path, kScript, box.fn());
        ASSERT_EQ(box.requests.size(), 1u);
        EXPECT_EQ(box.requests[0].text,
                  "Error Code 8:\r\n\r\nThe following mod file could not be found:\r\n" + path);
        EXPECT_EQ(report.faultCode, 8);
        EXPECT_EQ(report.stopped, answer == BoxAnswer::Ok);
        EXPECT_EQ(mod.FileName, answer == BoxAnswer::Ok ? "" : "gone.mod");
        EXPECT_TRUE(mod.Steps.empty());
    }
}

TEST(ModParser, AFolderAtTheModPathIsNoModFile) {
    TMod mod;
    ScriptedBox box;
    ParseModFile(mod, TEST_DATA_DIR "/engine", kScript, box.fn());
    EXPECT_EQ(box.codes(), std::vector<int>{8});
}

TEST(ModParser, FileNameIsThePartAfterTheLastSeparator) {
    std::vector<std::pair<std::string, std::string>> cases = {
        {"/prog/Mods/YaBB 2/a.mod", "a.mod"},
        {"C:\\prog\\Mods\\YaBB 2\\b.mod", "b.mod"},
        {"C:c.mod", "c.mod"},
        {"d.mod", "d.mod"},
        {"/prog/Mods/", ""},
    };
    for (const auto& [path, name] : cases) {
        EXPECT_EQ(kestrune::FileNamePart(path), name) << path;
    }
}

TEST(ModParser, TopLevelScriptNamesTakeTheFormOfTheMainScript) {
    struct Case {
        const char* written;
        const char* script;
        const char* becomes;
    };
    std::vector<Case> cases = {
        {"yabb.cgi", "/srv/forum/YaBB.pl", "YaBB.pl"},
        {"yabb.cgi", "/srv/forum/YaBB.cgi", "yabb.cgi"},
        {"YaBB.pl", "C:\\forum\\yabb.CGI", "YaBB.cgi"},
        {"ADMININDEX.PL", "yabb.cgi", "AdminIndex.cgi"},
        {"adminindex.cgi", "YaBB.pl", "AdminIndex.pl"},
        {"FixFile.cgi", "YaBB.pl", "FixFile.pl"},
        {"paths.pl", "YaBB.cgi", "Paths.cgi"},
        {"Setup.cgi", "YaBB.pl", "Setup.pl"},
        {"Setup.cgi", "index.php", "Setup.cgi"},
        {"cgi-bin/yabb.cgi", "YaBB.pl", "cgi-bin/yabb.cgi"},
        {"Sources\\Sub\\Post.pl", "YaBB.pl", "Sources/Sub/Post.pl"},
        {" yabb.cgi", "YaBB.pl", " yabb.cgi"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kestrune::AdaptFileName(c.written, c.script), c.becomes)
            << c.written << " for " << c.script;
    }
}

// Random mixtures of tags, content and line breaks must give exactly what the plain
// line-by-line reading gives, boxes and their order included.
TEST(ModParser, MatchesThePlainReadingOnRandomMods) {
    const std::vector<std::string> vocabulary = {"<id>",
                                                 "</id>",
                                                 "<version>",
                                                 "</version>",
                                                 "<mod info>",
                                                 "</mod info>",
                                                 "<author>",
                                                 "</author>",
                                                 "<homepage>",
                                                 "</homepage>",
                                                 "<edit file>",
                                                 "</edit file>",
                                                 "<search for>",
                                                 "</search for>",
                                                 "<replace>",
                                                 "</replace>",
                                                 "<add before>",
                                                 "</add before>",
                                                 "<add after>",
                                                 "</add after>",
                                                 "<SEARCH for>",
                                                 "</Replace>",
                                                 "",
                                                 "",
                                                 "text",
                                                 " indented",
                                                 "yabb.cgi",
                                                 "Sources\\a.pl",
                                                 "<id> ",
                                                 "<search for>x</search for>",
                                                 "<replace>y",
                                                 "<add after>z</add after>",
                                                 "<search for> ",
                                                 "a <replace>",
                                                 "<replace><add before>w",
                                                 "</search for><search for>q",
                                                 "<edit file>f",
                                                 "x </add after> y"};
    const std::vector<std::string> breaks = {"\r\n", "\n", "\r"};
    std::mt19937 rng(20240611);
    for (int round = 0; round < 4000; ++round) {
        std::string text;
        int lines = static_cast<int>(rng() % 24);
        for (int i = 0; i < lines; ++i) {
            text += vocabulary[rng() % vocabulary.size()];
            if (i + 1 < lines || rng() % 2 == 0) {
                text += breaks[rng() % breaks.size()];
            }
        }
        if (rng() % 20 == 0) {
            text.insert(rng() % (text.size() + 1), 1, '\0');
        }
        std::vector<BoxAnswer> answers;
        for (int i = 0; i < 30; ++i) {
            answers.push_back(rng() % 8 == 0 ? BoxAnswer::Ok : BoxAnswer::Closed);
        }
        TMod expected, actual;
        ScriptedBox expectedBox(BoxAnswer::Closed, answers), actualBox(BoxAnswer::Closed, answers);
        auto want = enginetest::ReferenceParse(expected, text, "m.mod", kScript, expectedBox.fn());
        auto got = ParseModText(actual, text, "m.mod", kScript, actualBox.fn());
        SCOPED_TRACE(::testing::PrintToString(text));
        ASSERT_EQ(StepsOf(actual), StepsOf(expected));
        ASSERT_EQ(actual.Id, expected.Id);
        ASSERT_EQ(actual.Version, expected.Version);
        ASSERT_EQ(actual.ModInfo, expected.ModInfo);
        ASSERT_EQ(actual.Author, expected.Author);
        ASSERT_EQ(actual.Homepage, expected.Homepage);
        ASSERT_EQ(actualBox.codes(), expectedBox.codes());
        ASSERT_EQ(got.faultCode, want.faultCode);
        ASSERT_EQ(got.stopped, want.stopped);
    }
}

std::string Repeat(std::string_view line, size_t times) {
    std::string out;
    out.reserve((line.size()) * times);
    for (size_t i = 0; i < times; ++i) {
        out.append(line);
    }
    return out;
}

// Inputs that make a line-by-line reading with a forward scan per block take quadratic time.
struct HostileCase {
    const char* name;
    std::function<std::string()> make;
    std::function<void(const TMod&, const kestrune::ParseReport&, const ScriptedBox&)> check;
};

TEST(ModParser, HostileInputParsesInLinearTime) {
    constexpr size_t kLines = 200000;
    std::vector<HostileCase> cases = {
        {"opening search lines without a closing tag: the text grows quadratically",
         [] { return Repeat("<search for>\n", kLines); },
         [](const TMod&, const kestrune::ParseReport& report, const ScriptedBox& box) {
             EXPECT_TRUE(report.textLimitReached);
             EXPECT_TRUE(report.stopped);
             EXPECT_TRUE(report.faulted());
             EXPECT_EQ(box.codes().back(), -1);
             EXPECT_EQ(box.requests.back().caption, "Error");
         }},
        {"opening id lines without a closing tag", [] { return Repeat("<id>\r\n", kLines); },
         [](const TMod& mod, const kestrune::ParseReport& report, const ScriptedBox& box) {
             EXPECT_EQ(mod.Id, "<id>");
             EXPECT_EQ(box.requests.size(), kLines - 1);
             EXPECT_FALSE(report.textLimitReached);
         }},
        {"edit file blocks inside each other with a long name, then many steps",
         [] {
             return Repeat("<edit file>\n", kLines) + std::string(1 << 20, 'n') +
                    "\n</edit file>\n" + Repeat("<search for>s</search for><replace>r\n", kLines);
         },
         [](const TMod& mod, const kestrune::ParseReport& report, const ScriptedBox&) {
             EXPECT_TRUE(report.textLimitReached);
             ASSERT_FALSE(mod.Steps.empty());
             EXPECT_EQ(mod.Steps.front().FileToEdit.size(), size_t{1} << 20);
         }},
        {"one 16 MB line without a break full of tags",
         [] { return Repeat("<replace><search for>x</search for>", 1 << 19); },
         [](const TMod& mod, const kestrune::ParseReport& report, const ScriptedBox&) {
             EXPECT_FALSE(report.faulted());
             ASSERT_EQ(mod.Steps.size(), 1u);
             // Content is cut by position: it starts right after the first nine bytes.
             EXPECT_EQ(mod.Steps[0].SearchText, "arch for>x");
             EXPECT_EQ(mod.Steps[0].ActionText.size(), (size_t{35} << 19) - 9);
         }},
        {"16 MB of random bytes",
         [] {
             std::mt19937 rng(7);
             std::string text(16 << 20, ' ');
             for (char& c : text) {
                 c = static_cast<char>(1 + rng() % 255);
             }
             return text;
         },
         [](const TMod&, const kestrune::ParseReport&, const ScriptedBox&) {}},
    };
    for (const HostileCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = c.make();
        TMod mod;
        ScriptedBox box;
        auto start = std::chrono::steady_clock::now();
        auto report = ParseModText(mod, text, "h.mod", kScript, box.fn());
        auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
        c.check(mod, report, box);
        // A quadratic reading needs many minutes for these; a linear one about a second.
        EXPECT_LT(seconds.count(), 20.0);
    }
}

TEST(ModParser, BlocksInsideEachOtherGiveTheExactTextWhileItStaysWithinTheLimit) {
    std::string text = Repeat("<search for>\r\n", 1500) +
                       Lines({"</search for>", "<add after>", "r", "</add after>"});
    TMod expected, actual;
    ScriptedBox box1, box2;
    enginetest::ReferenceParse(expected, text, "m.mod", kScript, box1.fn());
    auto report = ParseModText(actual, text, "m.mod", kScript, box2.fn());
    EXPECT_FALSE(report.faulted());
    ASSERT_EQ(actual.Steps.size(), 1u);
    EXPECT_GT(actual.Steps[0].SearchText.size(), size_t{10} << 20);
    EXPECT_EQ(StepsOf(actual), StepsOf(expected));
}

}  // namespace
