#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <memory>

#include "GuiTestApp.h"
#include "ModalDriver.h"
#include "ScriptedMessageBoxes.h"
#include "platform/MessageBoxService.h"
#include "platform/QtMessageBoxService.h"

using modcommon::BoxAnswer;
using modcommon::BoxButtons;
using modcommon::BoxKind;
using modcommon::BoxRequest;
using platform::BoxDisplayText;

namespace {

struct TextCase {
    const char* name;
    std::string bytes;
    QString shown;
};

class BoxText : public ::testing::TestWithParam<TextCase> {};

TEST_P(BoxText, DecodesAndBreaksLines) {
    EXPECT_EQ(BoxDisplayText(GetParam().bytes), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BoxText,
    ::testing::Values(TextCase{"CrLfBecomesOneBreak", "Error Code 8:\r\n\r\nmissing",
                               QStringLiteral("Error Code 8:\n\nmissing")},
                      TextCase{"LoneLfStays", "a\nb", QStringLiteral("a\nb")},
                      TextCase{"Utf8Kept", "Caf\xC3\xA9", QString::fromUtf8("Caf\xC3\xA9")},
                      TextCase{"Latin1Decoded", "Caf\xE9\r\n(C:\\forum\\YaBB.pl)",
                               QString::fromUtf8("Caf\xC3\xA9\n(C:\\forum\\YaBB.pl)")},
                      TextCase{"TagsStayText", "<search for>, <add after>",
                               QStringLiteral("<search for>, <add after>")}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(BindMessageBoxes, ShowsOverTheParentUntilItIsGone) {
    testsupport::EnsureApplication();
    testsupport::ScriptedMessageBoxes boxes;
    boxes.queue({BoxAnswer::Yes, BoxAnswer::Cancel});
    auto parent = std::make_unique<QWidget>();
    const modcommon::MessageBoxFn ask = platform::BindMessageBoxes(boxes, parent.get());

    EXPECT_EQ(ask({BoxKind::Information, BoxButtons::YesNo, "", "first"}), BoxAnswer::Yes);
    parent.reset();
    EXPECT_EQ(ask({BoxKind::Warning, BoxButtons::YesNoCancel, "Warning", "second"}),
              BoxAnswer::Cancel);
    EXPECT_EQ(ask({BoxKind::Error, BoxButtons::Ok, "Error", "third"}), BoxAnswer::Ok);

    ASSERT_EQ(boxes.parents().size(), 3u);
    EXPECT_NE(boxes.parents()[0], nullptr);
    EXPECT_EQ(boxes.parents()[1], nullptr);
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"first", "second", "third"}));
    EXPECT_EQ(boxes.requests()[1].caption, "Warning");
}

enum class Act { ClickYes, ClickNo, ClickCancel, ClickOk, Escape, EndWithoutButton };

struct BoxCase {
    const char* name;
    BoxRequest request;
    QMessageBox::Icon icon;
    QString title;
    QMessageBox::StandardButtons buttons;
    Act act;
    BoxAnswer answer;
};

class QtBox : public ::testing::TestWithParam<BoxCase> {
  protected:
    void SetUp() override {
        testsupport::EnsureApplication();
        QApplication::setApplicationName(QStringLiteral("Kestrune"));
    }
};

TEST_P(QtBox, ShowsTheRequestAndReturnsTheAnswer) {
    const BoxCase& c = GetParam();
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::StandardButtons buttons;
    platformtest::WhenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            ADD_FAILURE() << "not a message box";
            modal->close();
            return;
        }
        icon = box->icon();
        title = box->windowTitle();
        text = box->text();
        format = box->textFormat();
        buttons = box->standardButtons();
        switch (c.act) {
            case Act::ClickYes:
                box->button(QMessageBox::Yes)->click();
                break;
            case Act::ClickNo:
                box->button(QMessageBox::No)->click();
                break;
            case Act::ClickCancel:
                box->button(QMessageBox::Cancel)->click();
                break;
            case Act::ClickOk:
                box->button(QMessageBox::Ok)->click();
                break;
            case Act::Escape:
                QTest::keyClick(box, Qt::Key_Escape);
                break;
            case Act::EndWithoutButton:
                box->reject();
                break;
        }
    });

    platform::QtMessageBoxService service;
    EXPECT_EQ(service.show(nullptr, c.request), c.answer);
    EXPECT_EQ(icon, c.icon);
    EXPECT_EQ(title, c.title);
    EXPECT_EQ(text, BoxDisplayText(c.request.text));
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(buttons, c.buttons);
}

const std::string kCode15 =
    "Error Code 15:\r\n\r\nThere are characters directly after tags where it isn't "
    "allowed!\r\nIt is only allowed for: <search for>, <add after>, <add before> and <replace>";
const auto kYesNo = QMessageBox::Yes | QMessageBox::No;
const auto kYesNoCancel = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;

INSTANTIATE_TEST_SUITE_P(
    Cases, QtBox,
    ::testing::Values(BoxCase{"ErrorOk",
                              {BoxKind::Error, BoxButtons::Ok, "Error", kCode15},
                              QMessageBox::Critical,
                              "Error",
                              QMessageBox::Ok,
                              Act::ClickOk,
                              BoxAnswer::Ok},
                      BoxCase{"EscapeOnOkAnswersOk",
                              {BoxKind::Warning, BoxButtons::Ok, "Warning", "w"},
                              QMessageBox::Warning,
                              "Warning",
                              QMessageBox::Ok,
                              Act::Escape,
                              BoxAnswer::Ok},
                      BoxCase{"QuestionYes",
                              {BoxKind::Information, BoxButtons::YesNo, "", "Clear?"},
                              QMessageBox::Information,
                              "Kestrune",
                              kYesNo,
                              Act::ClickYes,
                              BoxAnswer::Yes},
                      BoxCase{"QuestionNo",
                              {BoxKind::Information, BoxButtons::YesNo, "", "Clear?"},
                              QMessageBox::Information,
                              "Kestrune",
                              kYesNo,
                              Act::ClickNo,
                              BoxAnswer::No},
                      BoxCase{"EscapeOnYesNoAnswersNo",
                              {BoxKind::Plain, BoxButtons::YesNo, "Q", "?"},
                              QMessageBox::NoIcon,
                              "Q",
                              kYesNo,
                              Act::Escape,
                              BoxAnswer::No},
                      BoxCase{"ConfirmationCancel",
                              {BoxKind::Information, BoxButtons::YesNoCancel, "Confirmation",
                               "File has changed.\r\nDo you want to save the changes?"},
                              QMessageBox::Information,
                              "Confirmation",
                              kYesNoCancel,
                              Act::ClickCancel,
                              BoxAnswer::Cancel},
                      BoxCase{"EscapeOnYesNoCancelAnswersCancel",
                              {BoxKind::Information, BoxButtons::YesNoCancel, "Confirmation", "?"},
                              QMessageBox::Information,
                              "Confirmation",
                              kYesNoCancel,
                              Act::Escape,
                              BoxAnswer::Cancel},
                      BoxCase{"EndedWithoutButtonIsClosed",
                              {BoxKind::Error, BoxButtons::Ok, "Error", "e"},
                              QMessageBox::Critical,
                              "Error",
                              QMessageBox::Ok,
                              Act::EndWithoutButton,
                              BoxAnswer::Closed}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
