// The about box: its frame, its links and how the main window shows it.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "KestruneGuiTestSupport.h"

namespace kestrunegui::test {
namespace {

using testsupport::RecordingLauncher;

class AboutBoxTest : public KestruneWindowTest {
  protected:
    template <typename T>
    T* aboutChild(const char* name) const {
        T* found = m_aboutBox->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

TEST_F(AboutBoxTest, FixedBoxWithoutTitleBarButtons) {
    makeWindows();

    EXPECT_EQ(m_aboutBox->size(), QSize(401, 369));
    EXPECT_EQ(m_aboutBox->minimumSize(), m_aboutBox->maximumSize());
    EXPECT_EQ(m_aboutBox->windowTitle(), "About");
    const Qt::WindowFlags flags = m_aboutBox->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinMaxButtonsHint));
    EXPECT_EQ(m_aboutBox->font(), m_main->font());
    EXPECT_EQ(aboutChild<QLabel>("Image1")->pixmap().size(), QSize(150, 350));
    EXPECT_EQ(aboutChild<QLabel>("Label1")->text(), "Kestrune");
    EXPECT_TRUE(aboutChild<QLabel>("Label1")->font().bold());
    EXPECT_EQ(aboutChild<QLabel>("Label2")->text(), "v2.5.6");
    EXPECT_TRUE(aboutChild<QLabel>("Label9")->wordWrap());
    EXPECT_EQ(aboutChild<QLabel>("Label9")->geometry(), QRect(168, 136, 225, 161));
    EXPECT_EQ(aboutChild<QPushButton>("Button1")->geometry(), QRect(318, 336, 75, 25));
}

TEST_F(AboutBoxTest, LinksAreBlueAndOpenTheirPages) {
    makeWindows();

    struct Link {
        const char* label;
        QString url;
    };
    for (const Link& link : {Link{"Label7", "https://kestrune.example.org/"},
                             Link{"Label10", "https://kestrune.example.org/mods/"}}) {
        m_launcher.clear();
        auto* label = aboutChild<QLabel>(link.label);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::blue)) << link.label;
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor) << link.label;

        QTest::mouseClick(label, Qt::LeftButton);

        ASSERT_EQ(m_launcher.calls().size(), 1u) << link.label;
        EXPECT_EQ(m_launcher.calls()[0].kind, RecordingLauncher::Kind::Document);
        EXPECT_EQ(m_launcher.calls()[0].document, link.url);
        EXPECT_EQ(m_launcher.calls()[0].browsers,
                  (QStringList{"mozilla", "netscape", "konqueror"}));
    }
}

TEST_F(AboutBoxTest, AboutAndHelpShowTheOneBoxAndOkClosesIt) {
    makeWindows();
    m_main->show();

    QTest::mouseClick(child<QPushButton>("About"), Qt::LeftButton);
    ASSERT_TRUE(m_aboutBox->isVisible());
    EXPECT_FALSE(m_aboutBox->isModal());
    m_aboutBox->hide();
    // Through the window, as the system delivers it: the area under the cursor gets the click.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_main.get()));
    QTest::mouseClick(m_main->windowHandle(), Qt::LeftButton, {},
                      child<QWidget>("ButtonHelp")->geometry().center());
    EXPECT_TRUE(QTest::qWaitFor([this] { return m_aboutBox->isVisible(); }));
    EXPECT_EQ(m_main->findChildren<TAboutBox1*>().size(), 1);

    QTest::mouseClick(aboutChild<QPushButton>("Button1"), Qt::LeftButton);
    EXPECT_FALSE(m_aboutBox->isVisible());
}

}  // namespace
}  // namespace kestrunegui::test
