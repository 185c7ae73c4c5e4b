// The editor's writer: exact bytes, reading back, and saving through the crash-safe write.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "DocDump.h"
#include "TestSupport.h"
#include "oxel/ModReader.h"
#include "oxel/ModWriter.h"

namespace {

using oxel::ActionItem;
using oxel::ActionNode;
using oxel::Document;
using oxel::Property;

ActionNode* AddFile(Document& doc, const std::string& name) {
    return doc.Tree().Append(doc.Tree().Root(), oxel::FileItem(name),
                             oxel::ReaderFileCaption(name));
}

ActionNode* AddAct(Document& doc, ActionNode* parent, int kind, const std::string& search,
                   const std::string& action) {
    return doc.Tree().Append(parent ? parent : doc.Tree().Root(), ActionItem(kind, search, action),
                             std::string(oxel::KindTable(kind).caption));
}

void SetHeader(Document& doc, const std::string& id, const std::string& version,
               const std::string& info, const std::string& author, const std::string& homepage) {
    doc.SetValue(Property::Id, id);
    doc.SetValue(Property::Version, version);
    doc.SetValue(Property::Description, info);
    doc.SetValue(Property::Author, author);
    doc.SetValue(Property::Homepage, homepage);
}

std::string Header(const std::string& id, const std::string& version, const std::string& info,
                   const std::string& author, const std::string& homepage) {
    return "<id>\r\n" + id + "\r\n</id>\r\n\r\n<version>\r\n" + version +
           "\r\n</version>\r\n\r\n<mod info>\r\n" + info + "\r\n</mod info>\r\n\r\n<author>\r\n" +
           author + "\r\n</author>\r\n\r\n<homepage>\r\n" + homepage + "\r\n</homepage>\r\n\r\n";
}

struct WriteCase {
    const char* name;
    std::function<void(Document&)> build;
    std::string expected;
};

class AssembleModTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(AssembleModTest, WritesExactBytes) {
    Document doc;
    GetParam().build(doc);
    EXPECT_EQ(oxeltest::Visible(oxel::AssembleMod(doc)), oxeltest::Visible(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, AssembleModTest,
    ::testing::Values(
        WriteCase{"EmptyDocumentEndsInBlankLine", [](Document&) {}, Header("", "", "", "", "")},
        WriteCase{"ExampleLayout",
                  [](Document& d) {
                      SetHeader(d, "MyMod", "1.0", "Line one\r\nLine two", "", "");
                      AddAct(d, AddFile(d, "Sources/Post.pl"), 1, "old one\r\nold two", "new");
                  },
                  Header("MyMod", "1.0", "Line one\r\nLine two", "", "") +
                      "<edit file>\r\nSources/Post.pl\r\n</edit file>\r\n\r\n<search for>\r\nold "
                      "one\r\nold two\r\n</search for>\r\n\r\n<replace>\r\nnew\r\n</replace>"},
        WriteCase{"LastNodeFileEndsInBlankLine",
                  [](Document& d) {
                      AddAct(d, AddFile(d, "a.pl"), 3, "s", "t");
                      AddFile(d, "b.pl");
                  },
                  Header("", "", "", "", "") +
                      "<edit file>\r\na.pl\r\n</edit file>\r\n\r\n<search "
                      "for>\r\ns\r\n</search for>\r\n\r\n<add after>\r\nt\r\n</add after>\r\n\r\n"
                      "<edit file>\r\nb.pl\r\n</edit file>\r\n\r\n"},
        WriteCase{"ActionsOfEveryKindInTreeOrder",
                  [](Document& d) {
                      ActionNode* a = AddFile(d, "a.pl");
                      ActionNode* b = AddFile(d, "b.pl");
                      AddAct(d, b, 2, "s2", "t2");
                      AddAct(d, a, 1, "s1", "t1");
                  },
                  Header("", "", "", "", "") +
                      "<edit file>\r\na.pl\r\n</edit file>\r\n\r\n<search "
                      "for>\r\ns1\r\n</search for>\r\n\r\n<replace>\r\nt1\r\n</replace>\r\n\r\n"
                      "<edit file>\r\nb.pl\r\n</edit file>\r\n\r\n<search "
                      "for>\r\ns2\r\n</search for>\r\n\r\n<add before>\r\nt2\r\n</add before>"},
        WriteCase{"NothingValidatedOrEscaped",
                  [](Document& d) {
                      SetHeader(d, "<id>", "", "ends with a break\r\n", "", "");
                      AddAct(d, nullptr, 1, "", "</replace>");
                      AddFile(d, "");
                  },
                  Header("<id>", "", "ends with a break\r\n", "", "") +
                      "<search for>\r\n\r\n</search for>\r\n\r\n<replace>\r\n</"
                      "replace>\r\n</replace>\r\n\r\n<edit file>\r\n\r\n</edit file>\r\n\r\n"}),
    [](const ::testing::TestParamInfo<WriteCase>& row) { return std::string(row.param.name); });

TEST(AssembleMod, LongTextsAreWrittenWhole) {
    Document doc;
    const std::string big(3 << 20, 'x');
    AddAct(doc, AddFile(doc, "f"), 1, big, big + "y");
    const std::string expected = Header("", "", "", "", "") +
                                 "<edit file>\r\nf\r\n</edit file>\r\n\r\n<search for>\r\n" + big +
                                 "\r\n</search for>\r\n\r\n<replace>\r\n" + big + "y\r\n</replace>";
    const std::string text = oxel::AssembleMod(doc);
    EXPECT_EQ(text.size(), expected.size());
    EXPECT_TRUE(text == expected);
}

struct RoundTripCase {
    const char* name;
    std::function<void(Document&)> build;
    std::string expected;  // Dump() of the document read back
};

class RoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTripTest, ReadsBackWhatWasWritten) {
    Document written;
    GetParam().build(written);
    Document read;
    EXPECT_EQ(oxel::ReadModText(read, oxel::AssembleMod(written), {}), oxel::ReadStatus::Complete);
    EXPECT_EQ(oxeltest::Dump(read), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, RoundTripTest,
    ::testing::Values(
        RoundTripCase{
            "Everything",
            [](Document& d) {
                SetHeader(d, "Id", "2.0", "one\r\n\r\ntwo\r\n", "Me", "http://h");
                ActionNode* a = AddFile(d, "Sources/A.pl");
                AddAct(d, a, 1, "s1\r\ns2", "t1");
                AddAct(d, a, 2, "x", "\ty\r\n\r\nz\r\n");
                AddAct(d, AddFile(d, "B.pl"), 3, "p", "q");
            },
            "id=Id\nversion=2.0\ninfo=one\\r\\n\\r\\ntwo\\r\\n\nauthor=Me\nhomepage=http:/"
            "/h\nfile[<edit file> Sources/A.pl] Sources/A.pl\n  replace[s1\\r\\ns2|t1]\n"
            "  before[x|\ty\\r\\n\\r\\nz\\r\\n]\nfile[<edit file> B.pl] B.pl\n  after[p|q]\n"},
        RoundTripCase{"EmptyTextsAndFileWithoutActions",
                      [](Document& d) {
                          AddFile(d, "empty.pl");
                          AddAct(d, AddFile(d, ""), 1, "", "");
                      },
                      "file[<edit file> empty.pl] empty.pl\nfile[<edit file> ] \n  replace[|]\n"},
        RoundTripCase{"Level0Action",
                      [](Document& d) {
                          AddAct(d, nullptr, 2, "s", "a");
                          AddAct(d, AddFile(d, "f"), 1, "t", "b");
                      },
                      "before[s|a]\nfile[<edit file> f] f\n  replace[t|b]\n"},
        RoundTripCase{"LeadingEmptyLinesAreLost",
                      [](Document& d) {
                          SetHeader(d, "", "", "\r\n\r\ninfo", "", "");
                          AddAct(d, AddFile(d, "f"), 1, "\r\ns", "\r\n\r\na");
                      },
                      "info=info\nfile[<edit file> f] f\n  replace[s|a]\n"},
        RoundTripCase{"TextHoldingATagIsMisread",
                      [](Document& d) { AddAct(d, AddFile(d, "f"), 1, "s", "a\r\n</replace>"); },
                      "file[<edit file> f] f\n  replace[s|a]\n"}),
    [](const ::testing::TestParamInfo<RoundTripCase>& row) { return std::string(row.param.name); });

class SaveTest : public ::testing::Test {
  protected:
    SaveTest() {
        m_doc.SetValue(Property::Id, "Saved");
        AddAct(m_doc, AddFile(m_doc, "f.pl"), 1, "s", "a");
    }
    testsupport::TempDir m_dir;
    Document m_doc;
};

TEST_F(SaveTest, SaveWritesAssembledTextAndClearsModified) {
    m_doc.SetCurrentFile(m_dir.file("out.mod"));
    ASSERT_TRUE(m_doc.Modified());
    EXPECT_EQ(oxel::Save(m_doc), std::nullopt);
    EXPECT_EQ(testsupport::ReadFile(m_dir.file("out.mod")), oxel::AssembleMod(m_doc));
    EXPECT_FALSE(m_doc.Modified());
    EXPECT_EQ(m_doc.Caption(), "Oxel");
}

TEST_F(SaveTest, FailedSaveKeepsOldFileAndModified) {
    testsupport::WriteFile(m_dir.file("out.mod"), "old content");
    m_doc.SetCurrentFile(m_dir.file("out.mod"));
    testsupport::FaultyFileSystem fs(testsupport::FsCall::Write, 1, ENOSPC);
    const auto error = oxel::Save(m_doc, fs);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->path, m_dir.file("out.mod"));
    EXPECT_EQ(error->reason, "No space left on device");
    EXPECT_TRUE(m_doc.Modified());
    EXPECT_EQ(testsupport::ReadFile(m_dir.file("out.mod")), "old content");
}

TEST_F(SaveTest, SaveWithoutFileNameIsRefused) {
    EXPECT_TRUE(oxel::Save(m_doc).has_value());
    EXPECT_TRUE(m_doc.Modified());
}

TEST_F(SaveTest, SaveAsWritesUnmodifiedDocumentAndRenamesIt) {
    m_doc.SetModified(false);
    const std::string path = m_dir.file("new.mod");
    EXPECT_EQ(oxel::SaveAs(m_doc, path), std::nullopt);
    EXPECT_EQ(testsupport::ReadFile(path), oxel::AssembleMod(m_doc));
    EXPECT_EQ(m_doc.CurrentFile(), path);
    EXPECT_EQ(m_doc.Caption(), path + " - Oxel");
}

TEST_F(SaveTest, FailedSaveAsChangesNothing) {
    m_doc.SetCurrentFile(m_dir.file("old.mod"));
    testsupport::FaultyFileSystem fs(testsupport::FsCall::Rename, 1, EACCES);
    EXPECT_TRUE(oxel::SaveAs(m_doc, m_dir.file("new.mod"), fs).has_value());
    EXPECT_EQ(m_doc.CurrentFile(), m_dir.file("old.mod"));
    EXPECT_EQ(m_doc.Caption(), "Oxel");
    EXPECT_TRUE(m_doc.Modified());
    EXPECT_FALSE(std::filesystem::exists(m_dir.file("new.mod")));
}

TEST_F(SaveTest, SavedFileOpensToTheSameDocument) {
    m_doc.SetValue(Property::Description, std::string(1 << 20, 'd'));
    ASSERT_EQ(oxel::SaveAs(m_doc, m_dir.file("again.mod")), std::nullopt);
    Document read;
    read.SetCurrentFile(m_dir.file("again.mod"));
    oxel::RecentFiles recent;
    ASSERT_EQ(oxel::OpenFile(read, recent, {}).status, oxel::OpenStatus::Loaded);
    EXPECT_EQ(oxeltest::Dump(read), oxeltest::Dump(m_doc));
}

}  // namespace
