// Find Next and Replace: the position rules as a table, and the dialogs driving the window's
// focused field.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTreeView>

#include "FindReplaceDialogs.h"
#include "OxelWindowTestSupport.h"
#include "TextFieldSearch.h"

namespace oxelgui::test {
namespace {

struct PositionCase {
    const char* name;
    const char* text;
    int selectionStart;
    int selectionLength;
    const char* needle;
    int expected;
};

class FindNextPositionTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(FindNextPositionTest, StartsAfterTheSelectionOrAtTheBeginning) {
    const PositionCase& c = GetParam();
    EXPECT_EQ(FindNextPosition(QString::fromUtf8(c.text), c.selectionStart, c.selectionLength,
                               QString::fromUtf8(c.needle)),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, FindNextPositionTest,
    ::testing::Values(PositionCase{"NothingSelectedStartsAtTheBeginning", "a-b-a", 5, 0, "a", 0},
                      PositionCase{"AfterTheSelection", "a-b-a", 0, 1, "a", 4},
                      PositionCase{"NoWrapAfterTheLast", "a-b-a", 4, 1, "a", -1},
                      PositionCase{"CaseSensitive", "PRINT print", 0, 0, "print", 6},
                      PositionCase{"OnlyUpperCase", "PRINT", 0, 0, "print", -1},
                      PositionCase{"OverlappingStartsAfterTheWholeMatch", "aaaa", 0, 2, "aa", 2},
                      PositionCase{"EmptyNeedleFindsNothing", "abc", 0, 0, "", -1}),
    [](const ::testing::TestParamInfo<PositionCase>& row) { return row.param.name; });

TEST(ReplacePositionTest, AlwaysTheFirstOccurrence) {
    EXPECT_EQ(ReplacePosition(QStringLiteral("x-b-a"), QStringLiteral("a")), 4);
    EXPECT_EQ(ReplacePosition(QStringLiteral("a-b-a"), QStringLiteral("a")), 0);
    EXPECT_EQ(ReplacePosition(QStringLiteral("x-b-x"), QStringLiteral("a")), -1);
}

class FindReplaceTest : public OxelWindowTest {
  protected:
    void SetUp() override {
        const std::string path = writeMod("two.mod", TwoFileMod());
        makeWindow();
        open(path);
        showTab("tsModAction");
        clickNode(nodeAt(1));
        m_search = child<QPlainTextEdit>("memSearch");
    }
    // Puts lines into memSearch by typing and leaves the caret at the end, nothing selected.
    void fill(const QStringList& lines) {
        typeInto(m_search, lines.front());
        for (qsizetype i = 1; i < lines.size(); ++i) {
            QTest::keyClick(m_search, Qt::Key_Return);
            QTest::keyClicks(m_search, lines[i]);
        }
        QTest::keyClick(m_search, Qt::Key_End, Qt::ControlModifier);
    }
    template <typename Dialog>
    Dialog* openDialog(const char* command, const char* name) {
        EXPECT_TRUE(trigger(command));
        return child<Dialog>(name);
    }
    void click(QDialog* dialog, const char* button) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(button)),
                          Qt::LeftButton);
    }
    std::pair<int, int> selection() const {
        const QTextCursor cursor = m_search->textCursor();
        return {cursor.selectionStart(), cursor.selectionEnd()};
    }

    QPlainTextEdit* m_search = nullptr;
};

TEST_F(FindReplaceTest, FindNextWalksThroughTheOccurrencesAndStopsAfterTheLast) {
    fill({QStringLiteral("print a; print b;"), QStringLiteral("print c;")});
    auto* find = openDialog<FindDialog>("actSearch", "FindDialog");
    find->setFindText(QStringLiteral("print"));
    m_search->setFocus();

    click(find, "btnFindNext");
    EXPECT_EQ(selection(), std::make_pair(0, 5)) << "from the beginning, not from the caret";
    click(find, "btnFindNext");
    EXPECT_EQ(selection(), std::make_pair(9, 14));
    click(find, "btnFindNext");
    EXPECT_EQ(selection(), std::make_pair(18, 23));
    click(find, "btnFindNext");
    EXPECT_EQ(selection(), std::make_pair(18, 23)) << "no wrap to the beginning";
    EXPECT_TRUE(m_boxes.requests().empty());
    EXPECT_EQ(window().focusWidget(), m_search);
}

TEST_F(FindReplaceTest, ReplaceChangesTheFirstOccurrenceAndTheNode) {
    fill({QStringLiteral("a-b-a")});
    auto* replace = openDialog<ReplaceDialog>("actReplace", "ReplaceDialog");
    replace->setFindText(QStringLiteral("a"));
    replace->setReplaceText(QStringLiteral("x"));
    m_search->setFocus();
    doc().SetModified(false);

    click(replace, "btnReplace");
    EXPECT_EQ(m_search->toPlainText(), "x-b-a");
    EXPECT_EQ(nodeAt(1)->Item().SearchText, "x-b-a") << "the field's change handler ran";
    EXPECT_TRUE(doc().Modified());
    click(replace, "btnReplace");
    EXPECT_EQ(m_search->toPlainText(), "x-b-x");
    EXPECT_TRUE(m_boxes.requests().empty());

    click(replace, "btnReplace");
    ASSERT_EQ(m_boxes.requests().size(), 1u);
    EXPECT_EQ(m_boxes.requests()[0].kind, modcommon::BoxKind::Error);
    EXPECT_EQ(m_boxes.requests()[0].buttons, modcommon::BoxButtons::Ok);
    EXPECT_EQ(m_boxes.requests()[0].text, "Could not find \"a\" in this field.");
}

TEST_F(FindReplaceTest, ReplaceInAPropertyFieldChangesTheProperty) {
    showTab("tsModProperty");
    auto* id = child<QLineEdit>("edtId");
    auto* description = child<QPlainTextEdit>("memDescription");
    description->setFocus();
    auto* replace = openDialog<ReplaceDialog>("actReplace", "ReplaceDialog");
    replace->setFindText(QStringLiteral("Second"));
    replace->setReplaceText(QStringLiteral("2nd"));
    click(replace, "btnReplace");
    EXPECT_EQ(doc().Value(oxel::Property::Description), "Adds a box.\r\n2nd line");

    // The line edits of the other properties are not text fields for searching.
    id->setFocus();
    replace->setFindText(QStringLiteral("Quick"));
    click(replace, "btnReplace");
    EXPECT_EQ(id->text(), "Quick Reply");
    EXPECT_TRUE(m_boxes.requests().empty());
}

TEST_F(FindReplaceTest, OutsideTheTextFieldsTheDialogsDoNothing) {
    fill({QStringLiteral("a-b-a")});
    child<QTreeView>("tvActions")->setFocus();
    auto* replace = openDialog<ReplaceDialog>("actReplace", "ReplaceDialog");
    replace->setFindText(QStringLiteral("a"));
    replace->setReplaceText(QStringLiteral("x"));
    click(replace, "btnReplace");
    click(replace, "btnFindNext");
    EXPECT_EQ(m_search->toPlainText(), "a-b-a");
    EXPECT_TRUE(m_boxes.requests().empty());
}

TEST_F(FindReplaceTest, TheReadOnlyViewsCanBeSearchedButNotChanged) {
    showTab("tsPreview");
    auto* preview = child<QPlainTextEdit>("memPreview");
    preview->setFocus();
    auto* replace = openDialog<ReplaceDialog>("actReplace", "ReplaceDialog");
    replace->setFindText(QStringLiteral("<replace>"));
    replace->setReplaceText(QStringLiteral("<add after>"));
    click(replace, "btnFindNext");
    EXPECT_EQ(preview->textCursor().selectedText(), "<replace>");
    click(replace, "btnReplace");
    EXPECT_NE(preview->toPlainText().indexOf(QStringLiteral("<replace>")), -1);
    EXPECT_TRUE(m_boxes.requests().empty());
}

}  // namespace
}  // namespace oxelgui::test
