#include <gtest/gtest.h>

#include <vector>

#include "GuiTestApp.h"
#include "platform/QtLauncher.h"

using platform::QtLauncher;
using platform::SplitParameterText;

namespace {

struct SplitCase {
    const char* name;
    QString text;
    QStringList args;
};

class ParameterText : public ::testing::TestWithParam<SplitCase> {};

TEST_P(ParameterText, SplitsLikeACommandLine) {
    EXPECT_EQ(SplitParameterText(GetParam().text), GetParam().args);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParameterText,
    ::testing::Values(SplitCase{"QuotedPathWithBlanksIsOneArgument",
                                QStringLiteral("\"/opt/kestrune/Mods/YaBB 2.1/Quick reply.mod\""),
                                {QStringLiteral("/opt/kestrune/Mods/YaBB 2.1/Quick reply.mod")}},
                      // An unquoted path is passed as the shell would pass it: split at its blanks.
                      SplitCase{"UnquotedPathSplitsAtBlanks",
                                QStringLiteral("/srv/my forum/Display.pl"),
                                {QStringLiteral("/srv/my"), QStringLiteral("forum/Display.pl")}},
                      SplitCase{"BackslashesStay",
                                QStringLiteral("C:\\forum\\YaBB.pl"),
                                {QStringLiteral("C:\\forum\\YaBB.pl")}},
                      SplitCase{"SeveralArguments",
                                QStringLiteral("-n  \"a b\" c"),
                                {QStringLiteral("-n"), QStringLiteral("a b"), QStringLiteral("c")}},
                      SplitCase{"Empty", QString(), {}}),
    [](const auto& row) { return std::string(row.param.name); });

struct Started {
    QString program;
    QStringList args;
};

// A QtLauncher whose system calls are recorded; which programs start and whether the desktop
// opens URLs is set per test.
class LauncherTest : public ::testing::Test {
  protected:
    void SetUp() override { testsupport::EnsureApplication(); }

    QtLauncher make() {
        return QtLauncher(
            [this](const QString& program, const QStringList& args) {
                m_started.push_back({program, args});
                return m_startable.contains(program);
            },
            [this](const QUrl& url) {
                m_opened.push_back(url);
                return m_desktopOpens;
            });
    }

    std::vector<Started> m_started;
    std::vector<QUrl> m_opened;
    QStringList m_startable;
    bool m_desktopOpens = true;
};

TEST_F(LauncherTest, ParameterTextArrivesSplit) {
    m_startable = {QStringLiteral("/opt/oxel/oxel")};
    QtLauncher launcher = make();
    EXPECT_TRUE(launcher.startWithParameterText(QStringLiteral("/opt/oxel/oxel"),
                                                QStringLiteral("\"/p/Mods/YaBB 2.1/a b.mod\"")));
    ASSERT_EQ(m_started.size(), 1u);
    EXPECT_EQ(m_started[0].args, QStringList{QStringLiteral("/p/Mods/YaBB 2.1/a b.mod")});

    EXPECT_FALSE(launcher.startWithParameterText(QStringLiteral("/missing/editor"), QString()));
    EXPECT_FALSE(launcher.startProgram(QString(), {}));
    EXPECT_EQ(m_started.size(), 2u);  // an empty program name is not even tried
}

TEST_F(LauncherTest, DocumentOpensOnTheDesktopFirst) {
    QtLauncher launcher = make();
    EXPECT_TRUE(launcher.openDocument(QStringLiteral("https://example.org/mods?x=1"),
                                      {QStringLiteral("firefox")}));
    ASSERT_EQ(m_opened.size(), 1u);
    EXPECT_EQ(m_opened[0], QUrl(QStringLiteral("https://example.org/mods?x=1")));
    EXPECT_TRUE(m_started.empty());
}

TEST_F(LauncherTest, BrowsersAreTriedInOrderUntilOneStarts) {
    m_desktopOpens = false;
    m_startable = {QStringLiteral("konqueror"), QStringLiteral("chromium")};
    QtLauncher launcher = make();
    EXPECT_TRUE(launcher.openDocument(QStringLiteral("www.example.org/mods"),
                                      {QStringLiteral("mozilla"), QStringLiteral("netscape"),
                                       QStringLiteral("konqueror"), QStringLiteral("chromium")}));

    ASSERT_EQ(m_started.size(), 3u);
    EXPECT_EQ(m_started[0].program, QStringLiteral("mozilla"));
    EXPECT_EQ(m_started[1].program, QStringLiteral("netscape"));
    EXPECT_EQ(m_started[2].program, QStringLiteral("konqueror"));
    EXPECT_EQ(m_started[2].args, QStringList{QStringLiteral("http://www.example.org/mods")});
}

TEST_F(LauncherTest, NothingStartedIsFalse) {
    m_desktopOpens = false;
    QtLauncher launcher = make();
    EXPECT_FALSE(
        launcher.openDocument(QStringLiteral("https://example.org"), {QStringLiteral("mozilla")}));
    EXPECT_FALSE(launcher.openDocument(QStringLiteral("  "), {QStringLiteral("mozilla")}));
    EXPECT_EQ(m_opened.size(), 1u);
}

TEST(DocumentUrl, PathsBecomeFileUrls) {
    EXPECT_EQ(QtLauncher::DocumentUrl(QStringLiteral("/opt/kestrune/readme 1.txt")),
              QUrl::fromLocalFile(QStringLiteral("/opt/kestrune/readme 1.txt")));
    EXPECT_EQ(QtLauncher::DocumentUrl(QStringLiteral("http://example.org/a b")).toString(),
              QStringLiteral("http://example.org/a b"));
}

}  // namespace
