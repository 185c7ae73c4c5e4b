// The editor's reader: the tolerant line scan and what OpenFile does to the document.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "DocDump.h"
#include "TestSupport.h"
#include "modcommon/ModTags.h"
#include "oxel/ModReader.h"

namespace {

using oxel::Document;
using oxel::OpenStatus;
using oxel::ReadStatus;
using oxeltest::Dump;

std::string CrLf(std::string text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    return out;
}

// Records every box and answers Ok.
struct BoxRecorder {
    std::vector<modcommon::BoxRequest> boxes;
    modcommon::MessageBoxFn Fn() {
        return [this](const modcommon::BoxRequest& r) {
            boxes.push_back(r);
            return modcommon::BoxAnswer::Ok;
        };
    }
};

struct ReadCase {
    const char* name;
    std::string text;
    std::string expected;  // Dump() of the document after reading
    ReadStatus status = ReadStatus::Complete;
    std::string message = "";  // text of the one box shown, empty for none
};

class ReadModTextTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadModTextTest, ReadsDocument) {
    const ReadCase& c = GetParam();
    Document doc;
    BoxRecorder box;
    EXPECT_EQ(oxel::ReadModText(doc, c.text, box.Fn()), c.status);
    EXPECT_EQ(Dump(doc), c.expected);
    if (c.message.empty()) {
        EXPECT_TRUE(box.boxes.empty());
    } else {
        ASSERT_EQ(box.boxes.size(), 1u);
        EXPECT_EQ(box.boxes[0].text, c.message);
        EXPECT_EQ(box.boxes[0].caption, "Oxel");
        EXPECT_EQ(box.boxes[0].kind, modcommon::BoxKind::Plain);
        EXPECT_EQ(box.boxes[0].buttons, modcommon::BoxButtons::Ok);
    }
    EXPECT_FALSE(doc.Loading());
}

const std::string kSmallMod =
    "<edit file>\nf.pl\n</edit file>\n<search for>\nx\n</search for>\n<add before>\ny\n</add "
    "before>\n";
const std::string kSmallModDump = "file[<edit file> f.pl] f.pl\n  before[x|y]\n";

std::string Replace(std::string text, char from, const std::string& to) {
    std::string out;
    for (char c : text) {
        out += c == from ? to : std::string(1, c);
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Consequences, ReadModTextTest,
    ::testing::Values(
        ReadCase{"FullLayout",
                 CrLf("<id>\nMyMod\n</id>\n\n<version>\n1.0\n</version>\n\n<mod info>\nLine "
                      "one\nLine two\n</mod info>\n\n<author>\nMe\n</author>\n\n<homepage>\nhttp://"
                      "x\n</homepage>\n\n<edit file>\nSources/Post.pl\n</edit file>\n\n<search "
                      "for>\nfind me\n</search for>\n\n<replace>\nnew\n</replace>\n\n<edit "
                      "file>\nYaBB.pl\n</edit file>\n\n<search for>\na\nb\n</search for>\n\n<add "
                      "after>\nc\n</add after>"),
                 "id=MyMod\nversion=1.0\ninfo=Line one\\r\\nLine two\nauthor=Me\nhomepage=http://"
                 "x\nfile[<edit file> Sources/Post.pl] Sources/Post.pl\n  replace[find me|new]\n"
                 "file[<edit file> YaBB.pl] YaBB.pl\n  after[a\\r\\nb|c]\n"},
        ReadCase{"CrLfBreaks", CrLf(kSmallMod), kSmallModDump},
        ReadCase{"LfBreaks", kSmallMod, kSmallModDump},
        ReadCase{"CrBreaks", Replace(kSmallMod, '\n', "\r"), kSmallModDump},
        ReadCase{"TagsInAnyLetterCase",
                 "<EDIT FILE>\nf\n</Edit File>\n<Search For>\nx\n</SEARCH FOR>\n<RePlace>\ny\n</"
                 "rePLACE>",
                 "file[<edit file> f] f\n  replace[x|y]\n"},
        ReadCase{"TextAroundOpeningTagIsIgnored", "junk <id> trailing\nName\n</id>", "id=Name\n"},
        ReadCase{"ClosingTagOnOpeningLineIsNotSeen",
                 "<search for>abc</search for>\nxyz\n</search for>\n<replace>\nr\n</replace>",
                 "replace[xyz|r]\n"},
        ReadCase{"ContentWithOpeningTagStartsOverlappingBlock",
                 "<edit file>\nf\n</edit file>\n<search for>\nprint \"<replace>\";\n</search "
                 "for>\n<replace>\nnew\n</replace>",
                 "file[<edit file> f] f\n  replace[print \"<replace>\";|</search "
                 "for>\\r\\n<replace>\\r\\nnew]\n  replace[|new]\n"},
        ReadCase{"LeadingEmptyLinesDropped",
                 "<mod info>\n\n\nText\n\nMore\n\n</mod info>\n<search for>\n\n\nfind\n</search "
                 "for>\n<add after>\n\nadd\n\n</add after>",
                 "info=Text\\r\\n\\r\\nMore\\r\\n\nafter[find|add\\r\\n]\n"},
        ReadCase{"RepeatedPropertiesAppend",
                 "<id>\nFoo\nBar\n</id>\n<id>\nBaz\n</id>\n<mod info>\nA\n</mod info>\n<mod "
                 "info>\nB\n</mod info>",
                 "id=FooBarBaz\ninfo=A\\r\\nB\n"},
        ReadCase{"SearchTextsJoinAcrossFileBlock",
                 "<search for>\none\n</search for>\n<edit file>\nf\n</edit file>\n<search "
                 "for>\ntwo\n</search for>\n<replace>\nr\n</replace>",
                 "file[<edit file> f] f\n  replace[one\\r\\ntwo|r]\n"},
        ReadCase{"SearchWithoutActionIsLost",
                 "<edit file>\nf\n</edit file>\n<search for>\nlost\n</search for>",
                 "file[<edit file> f] f\n"},
        ReadCase{"ActionWithoutSearchGetsEmptySearch",
                 "<edit file>\nf\n</edit file>\n<search for>\ns\n</search for>\n<replace>\na\n</"
                 "replace>\n<add before>\nb\n</add before>",
                 "file[<edit file> f] f\n  replace[s|a]\n  before[|b]\n"},
        ReadCase{"ActionBeforeFirstFileStaysAtLevel0",
                 "<search for>\ns\n</search for>\n<replace>\nr\n</replace>\n<edit "
                 "file>\nf\n</edit file>\n<search for>\nt\n</search for>\n<add after>\nu\n</add "
                 "after>",
                 "replace[s|r]\nfile[<edit file> f] f\n  after[t|u]\n"},
        ReadCase{"FileNameVerbatimLastLineWins",
                 "<edit file>\nold\nSources\\Sub/Post.pl\n</edit file>\nremark outside\n",
                 "file[<edit file> Sources\\Sub/Post.pl] Sources\\Sub/Post.pl\n"},
        ReadCase{"EmptyEditFileBlock", "<edit file>\n</edit file>", "file[<edit file> ] \n"},
        ReadCase{"HeaderOnly", "<id>\nX\n</id>\n", "id=X\n"}, ReadCase{"EmptyFile", "", ""},
        ReadCase{"OpeningTagOnLastLineStartsNothing", "<id>\nX\n</id>\n<replace>\n", "id=X\n"},
        ReadCase{"NulEndsText", std::string("<id>\nX\n</id>\n\0<id>\nY\n</id>", 25), "id=X\n"},
        ReadCase{"MissingClosingTagStopsReading",
                 "<id>\nX\n</id>\n<edit file>\nf\n</edit file>\n<search "
                 "for>\ns\n</search for>\n<replace>\nr1\nr2\n<id>\nlate\n</id>",
                 "id=X\nfile[<edit file> f] f\n", ReadStatus::MissingClosingTag,
                 "</replace>not found!"},
        ReadCase{"MissingClosingTagKeepsContentRead", "<id>\nX\n</id>\n<mod info>\nfirst\nsecond",
                 "id=X\ninfo=first\\r\\nsecond\n", ReadStatus::MissingClosingTag,
                 "</mod info>not found!"}),
    [](const ::testing::TestParamInfo<ReadCase>& row) { return std::string(row.param.name); });

TEST(ReadModText, AppendsToPropertiesAlreadyThere) {
    Document doc;
    doc.SetValue(oxel::Property::Id, "A");
    doc.SetValue(oxel::Property::Description, "one");
    oxel::ReadModText(doc, "<id>\nB\n</id>\n<mod info>\ntwo\n</mod info>", {});
    EXPECT_EQ(Dump(doc), "id=AB\ninfo=one\\r\\ntwo\n");
}

TEST(ReadModText, MissingTagIsShownOverTheDocumentReadSoFar) {
    Document doc;
    std::string idWhenShown;
    oxel::ReadModText(doc, "<id>\nX\n</id>\n<replace>\nr\n", [&](const modcommon::BoxRequest&) {
        idWhenShown = doc.Value(oxel::Property::Id);
        return modcommon::BoxAnswer::Ok;
    });
    EXPECT_EQ(idWhenShown, "X");
}

TEST(ReadModText, SelectsEachNewFileNode) {
    Document doc;
    oxel::ReadModText(doc, "<edit file>\na\n</edit file>\n<edit file>\nb\n</edit file>", {});
    ASSERT_NE(doc.Selected(), nullptr);
    EXPECT_EQ(doc.Selected()->Item().FileToEdit, "b");
}

// Every line is an opening tag and the one closing tag is on the last line: a forward scan per
// opening tag would take ~n^2/2 line tests.
TEST(ReadModText, OverlappingBlocksScanInLinearTime) {
    const int n = 100000;
    std::string text;
    for (int i = 0; i < n; ++i) {
        text += "<edit file>\r\n";
    }
    text += "</edit file>";
    Document doc;
    EXPECT_EQ(oxel::ReadModText(doc, text, {}), ReadStatus::Complete);
    EXPECT_EQ(doc.Tree().Count(), n);
    EXPECT_EQ(doc.Tree().Root()->Child(0)->Item().FileToEdit, "<edit file>");
    EXPECT_EQ(doc.Tree().Root()->Child(n - 1)->Item().FileToEdit, "");
}

// The same shape for search texts would hold ~n^2/2 lines of text; the read stops instead of
// exhausting memory, keeping what it read.
TEST(ReadModText, RefusesOverlapThatWouldOutgrowMemory) {
    const int n = 40000;
    std::string text = "<id>\r\nKept\r\n</id>\r\n";
    for (int i = 0; i < n; ++i) {
        text += "<search for>\r\n";
    }
    text += "</search for>\r\n<replace>\r\nr\r\n</replace>";
    Document doc;
    EXPECT_EQ(oxel::ReadModText(doc, text, {}), ReadStatus::TooMuchOverlap);
    EXPECT_EQ(doc.Value(oxel::Property::Id), "Kept");
    EXPECT_FALSE(doc.Loading());
}

TEST(ReadModText, AnyBytesReadWithoutCrash) {
    std::vector<std::string> pieces(modcommon::ModTags.begin(), modcommon::ModTags.end());
    for (const char* extra : {"\r", "\n", "\r\n", "x", " ", "<", ">", "</", "\x81\\"}) {
        pieces.emplace_back(extra);
    }
    pieces.emplace_back(std::string(1, '\0'));
    std::mt19937 rng(12345);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const int count = static_cast<int>(rng() % 40);
        for (int i = 0; i < count; ++i) {
            if (rng() % 8 == 0) {
                text += static_cast<char>(rng() % 256);
            } else {
                text += pieces[rng() % pieces.size()];
            }
        }
        Document doc;
        oxel::ReadModText(doc, text, {});
        for (const oxel::ActionNode* node : doc.Tree().PreOrder()) {
            ASSERT_LE(node->Level(), 1) << oxeltest::Visible(text);
        }
    }
}

class OpenFileTest : public ::testing::Test {
  protected:
    void Open(const std::string& text) {
        testsupport::WriteFile(m_dir.file("my.mod"), text);
        m_doc.ClearAllValue();
        m_doc.SetCurrentFile(m_dir.file("my.mod"));
        m_result = oxel::OpenFile(m_doc, m_recent, m_box.Fn());
    }

    testsupport::TempDir m_dir;
    Document m_doc;
    oxel::RecentFiles m_recent;
    BoxRecorder m_box;
    oxel::OpenResult m_result;
};

TEST_F(OpenFileTest, CompleteReadSetsCaptionClearsModifiedAndRecordsFile) {
    Open(CrLf(kSmallMod + "<id>\nName\n</id>\n"));
    EXPECT_EQ(m_result.status, OpenStatus::Loaded);
    EXPECT_EQ(m_doc.Caption(), "Oxel - " + m_dir.file("my.mod"));
    EXPECT_FALSE(m_doc.Modified());
    EXPECT_FALSE(m_doc.Loading());
    EXPECT_EQ(m_recent.Items(), std::vector<std::string>{m_dir.file("my.mod")});
    EXPECT_EQ(Dump(m_doc), "id=Name\n" + kSmallModDump);
}

TEST_F(OpenFileTest, MissingClosingTagLeavesModifiedPartialDocument) {
    Open("<edit file>\nf\n</edit file>\n<search for>\ns\n");
    EXPECT_EQ(m_result.status, OpenStatus::Incomplete);
    EXPECT_EQ(m_doc.Caption(), "Oxel");
    EXPECT_EQ(m_doc.CurrentFile(), m_dir.file("my.mod"));
    EXPECT_TRUE(m_doc.Modified());
    EXPECT_FALSE(m_doc.Loading());
    EXPECT_TRUE(m_recent.Items().empty());
    EXPECT_EQ(Dump(m_doc), "file[<edit file> f] f\n");
    ASSERT_EQ(m_box.boxes.size(), 1u);
    EXPECT_EQ(m_box.boxes[0].text, "</search for>not found!");
}

TEST_F(OpenFileTest, UnreadableFileReportsPathAndReason) {
    m_doc.SetCurrentFile(m_dir.file("missing.mod"));
    m_result = oxel::OpenFile(m_doc, m_recent, m_box.Fn());
    EXPECT_EQ(m_result.status, OpenStatus::Unreadable);
    EXPECT_EQ(m_result.error.path, m_dir.file("missing.mod"));
    EXPECT_EQ(m_result.error.reason, "No such file or directory");
    EXPECT_EQ(m_doc.Caption(), "Oxel");
    EXPECT_TRUE(m_doc.Tree().Empty());
    EXPECT_TRUE(m_recent.Items().empty());
    EXPECT_FALSE(m_doc.Loading());
}

TEST_F(OpenFileTest, FolderIsUnreadable) {
    m_doc.SetCurrentFile(m_dir.folder());
    m_result = oxel::OpenFile(m_doc, m_recent, m_box.Fn());
    EXPECT_EQ(m_result.status, OpenStatus::Unreadable);
    EXPECT_EQ(m_result.error.reason, "Is a directory");
}

TEST_F(OpenFileTest, SampleModFromDataFolder) {
    m_doc.SetCurrentFile(std::string(TEST_DATA_DIR) + "/oxel/two-files.mod");
    m_result = oxel::OpenFile(m_doc, m_recent, m_box.Fn());
    ASSERT_EQ(m_result.status, OpenStatus::Loaded);
    EXPECT_EQ(Dump(m_doc),
              "id=Quick Reply Box\nversion=1.2\ninfo=Adds a reply box under each "
              "thread.\\r\\n\\r\\nNo database changes.\nauthor=Wren Halloway\nhomepage=http://"
              "example.org/wren\n"
              "file[<edit file> Sources/Display.pl] Sources/Display.pl\n"
              "  after[\t\t$yyjavascript .= qq~\\r\\n\t\tvar quick = 0;|\t\t&QuickReplyBox;]\n"
              "file[<edit file> English.lng] English.lng\n"
              "  replace[$txt{'reply'} = \"Reply\";|$txt{'reply'} = \"Reply\";\\r\\n$txt{'quick'} "
              "= \"Quick Reply\";]\n"
              "  before[1;|$txt{'qr_hint'} = \"Type here\";]\n");
}

}  // namespace
