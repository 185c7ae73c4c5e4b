// The action tree's item model under QAbstractItemModelTester through every kind of change,
// and its drag-and-drop answers.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QGuiApplication>
#include <QMimeData>
#include <memory>
#include <string>
#include <vector>

#include "ActionTreeModel.h"
#include "oxel/Document.h"

namespace oxelgui::test {
namespace {

// What the model tester reports; it reports by warnings so that one test's fault does not
// end the others.
std::vector<std::string>& TesterFindings() {
    static std::vector<std::string> findings;
    return findings;
}

void RecordTesterFindings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg) {
        TesterFindings().push_back(std::string(context.category ? context.category : "") + ": " +
                                   text.toStdString());
    }
}

class ActionTreeModelTest : public ::testing::Test {
  protected:
    ActionTreeModelTest() {
        static int argc = 1;
        static char name[] = "model-test";
        static char* argv[] = {name, nullptr};
        if (QCoreApplication::instance() == nullptr) {
            // Never destroyed, like the window tests' application.
            new QGuiApplication(argc, argv);
        }
        TesterFindings().clear();
        m_previousHandler = qInstallMessageHandler(RecordTesterFindings);
        m_model = std::make_unique<ActionTreeModel>(m_doc);
        m_tester = std::make_unique<QAbstractItemModelTester>(
            m_model.get(), QAbstractItemModelTester::FailureReportingMode::Warning);
    }
    ~ActionTreeModelTest() override {
        m_tester.reset();
        qInstallMessageHandler(m_previousHandler);
        for (const std::string& finding : TesterFindings()) {
            ADD_FAILURE() << finding;
        }
    }

    oxel::ActionNode* file(const std::string& name) {
        return m_doc.Tree().Append(m_doc.Tree().Root(), oxel::FileItem(name),
                                   oxel::ReaderFileCaption(name));
    }
    oxel::ActionNode* act(oxel::ActionNode* parent, int kind, const std::string& search) {
        return m_doc.Tree().Append(parent, oxel::ActionItem(kind, search, "x"),
                                   std::string(oxel::KindTable(kind).caption));
    }
    std::unique_ptr<QMimeData> drag(const oxel::ActionNode* node) {
        return std::unique_ptr<QMimeData>(m_model->mimeData({m_model->indexOf(node)}));
    }

    QtMessageHandler m_previousHandler = nullptr;
    oxel::Document m_doc;
    std::unique_ptr<ActionTreeModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

TEST_F(ActionTreeModelTest, StaysConsistentThroughInsertsMovesChangesRemovalsAndResets) {
    oxel::ActionNode* post = file("Sources/Post.pl");
    oxel::ActionNode* a = act(post, oxel::kKindReplace, "a");
    act(post, oxel::kKindAddAfter, "b");
    oxel::ActionNode* display = file("Sources/Display.pl");
    oxel::ActionNode* c = act(display, oxel::kKindAddBefore, "c");
    ASSERT_EQ(m_model->rowCount(), 2);
    ASSERT_EQ(m_model->rowCount(m_model->indexOf(post)), 2);

    EXPECT_TRUE(m_doc.DropNode(a, display));
    EXPECT_TRUE(m_doc.DropNode(c, m_doc.Tree().Root()->Child(0)->Child(0)));
    EXPECT_TRUE(m_doc.DropNode(display, post));
    EXPECT_EQ(m_model->index(0, 0).data().toString(), "<edit file> Sources/Display.pl");
    EXPECT_EQ(m_model->rowCount(m_model->indexOf(display)), 1);
    EXPECT_EQ(m_model->rowCount(m_model->indexOf(post)), 2);

    m_doc.Select(a);
    EXPECT_TRUE(m_doc.ChangeKind(a, oxel::kKindAddAfter));
    m_doc.SaveRightNow("", "changed", "y");
    m_doc.DeleteNode(post);
    EXPECT_EQ(m_model->rowCount(), 1);
    m_model->setEncoding(modcommon::TextEncoding::Latin1);
    m_doc.ClearAllValue();
    EXPECT_EQ(m_model->rowCount(), 0);
}

TEST_F(ActionTreeModelTest, ShowsCaptionsInTheModsEncodingAndTheKindsImage) {
    oxel::ActionNode* node = file("caf\xE9.pl");
    EXPECT_EQ(m_model->data(m_model->indexOf(node)).toString(),
              QString::fromUtf8("<edit file> caf\xEF\xBF\xBD.pl"));
    m_model->setEncoding(modcommon::TextEncoding::Latin1);
    EXPECT_EQ(m_model->data(m_model->indexOf(node)).toString(),
              QString::fromUtf8("<edit file> caf\xC3\xA9.pl"));
    EXPECT_EQ(m_model->data(m_model->indexOf(node), Qt::DecorationRole).userType(),
              QMetaType::QIcon);
}

TEST_F(ActionTreeModelTest, AcceptsOnlyTheDropsTheRulesAllow) {
    oxel::ActionNode* post = file("Post.pl");
    oxel::ActionNode* a = act(post, oxel::kKindReplace, "a");
    oxel::ActionNode* display = file("Display.pl");
    oxel::ActionNode* c = act(display, oxel::kKindAddBefore, "c");
    struct Case {
        const char* name;
        oxel::ActionNode* dragged;
        int row;  // -1: onto `target`; else before the child `row` of `target`
        oxel::ActionNode* target;
        Qt::DropAction action;
        bool accepted;
    };
    for (const Case& k : {Case{"action onto its own file", a, -1, post, Qt::MoveAction, true},
                          Case{"action onto an action", a, -1, c, Qt::MoveAction, true},
                          Case{"action before a child", a, 0, display, Qt::MoveAction, true},
                          Case{"file onto a file", display, -1, post, Qt::MoveAction, true},
                          Case{"file onto an action", display, -1, a, Qt::MoveAction, false},
                          Case{"onto itself", a, -1, a, Qt::MoveAction, false},
                          Case{"onto nothing", a, -1, nullptr, Qt::MoveAction, false},
                          Case{"copying", a, -1, post, Qt::CopyAction, false}}) {
        const std::unique_ptr<QMimeData> data = drag(k.dragged);
        EXPECT_EQ(
            m_model->canDropMimeData(data.get(), k.action, k.row, 0, m_model->indexOf(k.target)),
            k.accepted)
            << k.name;
    }

    // Data of another model, or of nothing, is refused.
    oxel::Document other;
    ActionTreeModel otherModel(other);
    other.Tree().Append(other.Tree().Root(), oxel::FileItem("x"), "x");
    std::unique_ptr<QMimeData> foreign(otherModel.mimeData({otherModel.index(0, 0)}));
    EXPECT_FALSE(
        m_model->canDropMimeData(foreign.get(), Qt::MoveAction, -1, 0, m_model->indexOf(post)));
    QMimeData empty;
    EXPECT_FALSE(m_model->dropMimeData(&empty, Qt::MoveAction, -1, 0, m_model->indexOf(post)));
    EXPECT_FALSE(m_doc.Modified());

    const std::unique_ptr<QMimeData> data = drag(c);
    EXPECT_TRUE(m_model->dropMimeData(data.get(), Qt::MoveAction, -1, 0, m_model->indexOf(post)));
    EXPECT_EQ(c->Parent(), post);
    EXPECT_EQ(c->Row(), 1);
    EXPECT_TRUE(m_doc.Modified());
}

}  // namespace
}  // namespace oxelgui::test
