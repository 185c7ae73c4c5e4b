// Mods written by the editor, read by the installer's parser: the same steps, and a record of
// where the two readers part ways.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "kestrune/ModParser.h"
#include "oxel/ModReader.h"
#include "oxel/ModWriter.h"

namespace {

using oxel::ActionNode;
using oxel::Document;

constexpr const char* kScript = "/forum/cgi-bin/yabb/YaBB.pl";

struct Step {
    std::string file;
    std::string search;
    int kind;
    std::string action;
    bool operator==(const Step&) const = default;
};

void PrintTo(const Step& s, std::ostream* os) {
    *os << "{" << testing::PrintToString(s.file) << ", " << testing::PrintToString(s.search) << ", "
        << s.kind << ", " << testing::PrintToString(s.action) << "}";
}

ActionNode* AddFile(Document& doc, const std::string& name) {
    return doc.Tree().Append(doc.Tree().Root(), oxel::FileItem(name),
                             oxel::ReaderFileCaption(name));
}

void AddAct(Document& doc, ActionNode* parent, int kind, const std::string& search,
            const std::string& action) {
    doc.Tree().Append(parent ? parent : doc.Tree().Root(), oxel::ActionItem(kind, search, action),
                      std::string(oxel::KindTable(kind).caption));
}

// The steps the editor's document stands for: each action in document order with the file of
// its parent (none for a level-0 action) and kind 12 + 2k.
std::vector<Step> EditorSteps(const Document& doc) {
    std::vector<Step> steps;
    for (const ActionNode* node : doc.Tree().PreOrder()) {
        const oxel::TItem& item = node->Item();
        if (item.Kind == oxel::kKindEditFile) {
            continue;
        }
        const std::string file = node->Level() == 1 ? node->Parent()->Item().FileToEdit : "";
        steps.push_back({file, item.SearchText, 12 + 2 * item.Kind, item.ActionText});
    }
    return steps;
}

struct Parsed {
    kestrune::TMod mod;
    kestrune::ParseReport report;
    std::vector<std::string> boxes;
    std::vector<Step> Steps() const {
        std::vector<Step> steps;
        for (const kestrune::TStep& s : mod.Steps) {
            steps.push_back({s.FileToEdit, s.SearchText, s.Kind, s.ActionText});
        }
        return steps;
    }
};

// Parses as the installer does; boxes are recorded and closed, so the parse goes on.
Parsed InstallerReads(const std::string& text) {
    Parsed p;
    p.report = kestrune::ParseModText(p.mod, text, "/forum/Mods/test.mod", kScript,
                                      [&](const kestrune::BoxRequest& r) {
                                          p.boxes.push_back(r.text);
                                          return kestrune::BoxAnswer::Closed;
                                      });
    return p;
}

struct AgreeCase {
    const char* name;
    std::function<void(Document&)> build;
};

class BothReadersAgree : public ::testing::TestWithParam<AgreeCase> {};

TEST_P(BothReadersAgree, InstallerReadsTheEditorsSteps) {
    Document doc;
    doc.SetValue(oxel::Property::Id, "Cross Mod");
    doc.SetValue(oxel::Property::Description, "first line\r\n\r\nthird line");
    doc.SetValue(oxel::Property::Author, "Wren");
    GetParam().build(doc);
    const std::string text = oxel::AssembleMod(doc);

    const Parsed installer = InstallerReads(text);
    EXPECT_FALSE(installer.report.faulted()) << testing::PrintToString(installer.boxes);
    EXPECT_EQ(installer.Steps(), EditorSteps(doc));
    EXPECT_EQ(installer.mod.Id, "Cross Mod");
    EXPECT_EQ(installer.mod.ModInfo, "first line\r\n\r\nthird line");
    EXPECT_EQ(installer.mod.Author, "Wren");
    EXPECT_EQ(installer.mod.Version, "");

    Document again;
    EXPECT_EQ(oxel::ReadModText(again, text, {}), oxel::ReadStatus::Complete);
    EXPECT_EQ(EditorSteps(again), EditorSteps(doc));
}

INSTANTIATE_TEST_SUITE_P(
    Documents, BothReadersAgree,
    ::testing::Values(AgreeCase{"TwoFilesThreeActions",
                                [](Document& d) {
                                    ActionNode* post = AddFile(d, "Sources/Post.pl");
                                    AddAct(d, post, 1, "my $a = 1;", "my $a = 2;");
                                    AddAct(d, post, 2, "sub Post {", "# quick reply");
                                    AddAct(d, AddFile(d, "English.lng"), 3, "$txt{'1'} = \"x\";",
                                           "$txt{'2'} = \"y\";");
                                }},
                      AgreeCase{"MultiLineTextsWithInnerAndTrailingEmptyLines",
                                [](Document& d) {
                                    AddAct(d, AddFile(d, "Sources/Display.pl"), 1,
                                           "\tif ($x) {\r\n\r\n\t\tfoo();\r\n\t}",
                                           "\tbar();\r\n\r\n");
                                }},
                      AgreeCase{"EmptyTexts",
                                [](Document& d) {
                                    ActionNode* f = AddFile(d, "a.pl");
                                    AddAct(d, f, 1, "", "");
                                    AddAct(d, f, 3, "s", "");
                                    AddAct(d, AddFile(d, ""), 2, "", "t");
                                }},
                      AgreeCase{"Level0ActionBeforeTheFirstFile",
                                [](Document& d) {
                                    AddAct(d, nullptr, 2, "early", "before any file");
                                    AddAct(d, AddFile(d, "Sources/Post.pl"), 1, "s", "a");
                                }},
                      AgreeCase{"FileWithoutActionsLast",
                                [](Document& d) {
                                    AddAct(d, AddFile(d, "a.pl"), 1, "s", "a");
                                    AddFile(d, "b.pl");
                                }}),
    [](const ::testing::TestParamInfo<AgreeCase>& row) { return std::string(row.param.name); });

// The installer keeps empty lines at the start of a block; the editor's reader drops them.
TEST(ReadersDiffer, LeadingEmptyLines) {
    Document doc;
    AddAct(doc, AddFile(doc, "a.pl"), 1, "\r\n\r\nfind", "\r\nput");
    const std::string text = oxel::AssembleMod(doc);

    EXPECT_EQ(InstallerReads(text).Steps(),
              (std::vector<Step>{{"a.pl", "\r\n\r\nfind", 14, "\r\nput"}}));
    Document again;
    oxel::ReadModText(again, text, {});
    EXPECT_EQ(EditorSteps(again), (std::vector<Step>{{"a.pl", "find", 14, "put"}}));
}

// Text holding a tag is written unchanged and misread by both, each in its own way.
TEST(ReadersDiffer, TextThatLooksLikeATag) {
    Document doc;
    AddAct(doc, AddFile(doc, "a.pl"), 1, "print \"<id>\";", "x\r\n</replace>\r\ny");
    const std::string text = oxel::AssembleMod(doc);

    const Parsed installer = InstallerReads(text);
    EXPECT_EQ(installer.report.faultCode, 15) << "a line holding \"<id>\" and more";
    EXPECT_EQ(installer.Steps(), (std::vector<Step>{{"a.pl", "print \"<id>\";", 14, "x"}}));

    // The "<id>" line opens an id block that never closes: the rest of the file becomes the
    // identifier and the action is never made.
    Document again;
    EXPECT_EQ(oxel::ReadModText(again, text, {}), oxel::ReadStatus::MissingClosingTag);
    EXPECT_EQ(again.Value(oxel::Property::Id), "</search for><replace>x</replace>y</replace>");
    EXPECT_EQ(EditorSteps(again), std::vector<Step>{});
}

// The installer adapts file names to the forum; the editor keeps them as written.
TEST(ReadersDiffer, FileNames) {
    Document doc;
    AddAct(doc, AddFile(doc, "Sources\\Post.pl"), 1, "s", "a");
    AddAct(doc, AddFile(doc, "yabb.cgi"), 1, "t", "b");
    const std::string text = oxel::AssembleMod(doc);

    EXPECT_EQ(InstallerReads(text).Steps(),
              (std::vector<Step>{{"Sources/Post.pl", "s", 14, "a"}, {"YaBB.pl", "t", 14, "b"}}));
    Document again;
    oxel::ReadModText(again, text, {});
    EXPECT_EQ(EditorSteps(again),
              (std::vector<Step>{{"Sources\\Post.pl", "s", 14, "a"}, {"yabb.cgi", "t", 14, "b"}}));
}

}  // namespace
