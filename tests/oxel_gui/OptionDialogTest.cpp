// The options dialog driven through its real controls, and the Preference command around it:
// settings applied only on OK, the recent files trimmed, the association changed only when
// its setting changed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "../platform/ModalDriver.h"
#include "EditorFont.h"
#include "FileAssociation.h"
#include "GuiTestApp.h"
#include "OptionDialog.h"
#include "OptionDialogExecute.h"
#include "ScriptedFileDialogs.h"
#include "ScriptedMessageBoxes.h"
#include "TestSupport.h"
#include "platform/MessageBoxService.h"
#include "platform/RegistryStore.h"

namespace {

using testsupport::ScriptedFileDialogs;

oxel::OxelSettings SampleSettings() {
    oxel::OxelSettings settings;
    settings.forumScriptPath = "/srv/forum/cgi-bin/YaBB.pl";
    settings.installerPath = "/opt/kestrune/kestrune";
    settings.yourName = "Ann";
    settings.yourHomepage = "http://caf\xE9.example/";  // Latin-1, not UTF-8
    settings.association = false;
    settings.recentFiles.SetMax(10);
    for (const char* path : {"/m/a.mod", "/m/b.mod", "/m/c.mod", "/m/d.mod", "/m/e.mod"}) {
        settings.recentFiles.AppendLoaded(path);
    }
    return settings;
}

auto Fields(const oxel::OxelSettings& s) {
    return std::make_tuple(s.forumScriptPath, s.installerPath, s.yourName, s.yourHomepage,
                           s.recentFiles.Max(), s.recentFiles.Items(), s.association, s.editorFont);
}

template <typename T>
T* Child(QWidget& parent, const char* name) {
    T* child = parent.findChild<T*>(QLatin1String(name));
    if (child == nullptr) {
        ADD_FAILURE() << "no control " << name;
    }
    return child;
}

class OptionDialogTest : public ::testing::Test {
  protected:
    void SetUp() override { testsupport::EnsureApplication(); }

    std::unique_ptr<TFormOption> MakeDialog() {
        return std::make_unique<TFormOption>(m_settings, oxelgui::ToQFont(m_settings.editorFont),
                                             m_dialogs);
    }

    oxel::OxelSettings m_settings = SampleSettings();
    ScriptedFileDialogs m_dialogs;
};

TEST_F(OptionDialogTest, ShowsTheSettingsInItsLayout) {
    auto dialog = MakeDialog();
    EXPECT_EQ(dialog->windowTitle(), "Option");
    EXPECT_EQ(dialog->size(), QSize(399, 434));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << "a fixed dialog frame";
    EXPECT_EQ(Child<QGroupBox>(*dialog, "gbGeneral")->title(), "General Settings");
    EXPECT_EQ(Child<QLabel>(*dialog, "lblMRUMax")->text(),
              "Maximum Number of MRU(Most Recent used file)  ");
    EXPECT_EQ(Child<QCheckBox>(*dialog, "cbAssociation")->text(),
              "Association with MOD file (*.mod)");
    EXPECT_EQ(Child<QToolButton>(*dialog, "btnBrowseYaBB")->toolTip(), "Browse");
    EXPECT_EQ(Child<QToolButton>(*dialog, "btnBrowseKestrune")->toolTip(), "Browse");
    EXPECT_TRUE(Child<QPushButton>(*dialog, "btnOK")->isDefault());

    EXPECT_EQ(Child<QLineEdit>(*dialog, "edtYaBB")->text(), "/srv/forum/cgi-bin/YaBB.pl");
    EXPECT_EQ(Child<QLineEdit>(*dialog, "edtKestrune")->text(), "/opt/kestrune/kestrune");
    EXPECT_EQ(Child<QLineEdit>(*dialog, "edtYourName")->text(), "Ann");
    EXPECT_EQ(Child<QLineEdit>(*dialog, "edtYourHomepage")->text(),
              QString::fromUtf8("http://caf\xC3\xA9.example/"));
    EXPECT_EQ(Child<QLabel>(*dialog, "lblFont")->text(), "MS Sans Serif 8Pt");
    EXPECT_EQ(Child<QSpinBox>(*dialog, "udMRU")->value(), 10);
    EXPECT_FALSE(Child<QCheckBox>(*dialog, "cbAssociation")->isChecked());
}

TEST_F(OptionDialogTest, OkAppliesEveryControl) {
    auto dialog = MakeDialog();
    auto* yabb = Child<QLineEdit>(*dialog, "edtYaBB");
    yabb->clear();
    QTest::keyClicks(yabb, "/www/YaBB.cgi");
    auto* name = Child<QLineEdit>(*dialog, "edtYourName");
    name->insert(QString::fromUtf8(" \xC3\xBC"));  // "ü": typed text is UTF-8
    auto* mru = Child<QSpinBox>(*dialog, "udMRU");
    mru->setValue(4);
    QTest::mouseClick(Child<QCheckBox>(*dialog, "cbAssociation"), Qt::LeftButton);

    QTest::mouseClick(Child<QPushButton>(*dialog, "btnOK"), Qt::LeftButton);

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(m_settings.forumScriptPath, "/www/YaBB.cgi");
    EXPECT_EQ(m_settings.installerPath, "/opt/kestrune/kestrune");
    EXPECT_EQ(m_settings.yourName, "Ann \xC3\xBC");
    EXPECT_EQ(m_settings.yourHomepage, "http://caf\xE9.example/") << "unedited bytes stay";
    EXPECT_EQ(m_settings.recentFiles.Max(), 4);
    EXPECT_EQ(m_settings.recentFiles.Items().size(), 5u) << "the caller trims the list";
    EXPECT_TRUE(m_settings.association);
}

TEST_F(OptionDialogTest, CancelAndEscapeLeaveEverySetting) {
    const std::vector<std::pair<const char*, std::function<void(TFormOption&)>>> ways = {
        {"Cancel",
         [](TFormOption& d) {
             QTest::mouseClick(Child<QPushButton>(d, "btnCancel"), Qt::LeftButton);
         }},
        {"Escape", [](TFormOption& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
    };
    for (const auto& [way, close] : ways) {
        SCOPED_TRACE(way);
        const auto before = Fields(m_settings);
        auto dialog = MakeDialog();
        dialog->show();
        Child<QLineEdit>(*dialog, "edtKestrune")->setText("/elsewhere");
        Child<QLineEdit>(*dialog, "edtYourHomepage")->setText("x");
        Child<QSpinBox>(*dialog, "udMRU")->setValue(0);
        Child<QCheckBox>(*dialog, "cbAssociation")->setChecked(true);
        m_dialogs.queueFont(QFont("Serif", 20));
        Child<QPushButton>(*dialog, "btnSelectFont")->click();

        close(*dialog);

        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(Fields(m_settings), before);
    }
}

struct BrowseCase {
    const char* name;
    const char* button;
    const char* field;
    QString filter;
    std::optional<QString> picked;
    QString expected;
};

class OptionBrowseTest : public OptionDialogTest,
                         public ::testing::WithParamInterface<BrowseCase> {};

TEST_P(OptionBrowseTest, PutsThePickedFileIntoItsField) {
    const BrowseCase& c = GetParam();
    auto dialog = MakeDialog();
    m_dialogs.queueOpen(c.picked);

    QTest::mouseClick(Child<QToolButton>(*dialog, c.button), Qt::LeftButton);

    ASSERT_EQ(m_dialogs.calls().size(), 1u);
    EXPECT_EQ(m_dialogs.calls()[0].kind, ScriptedFileDialogs::Kind::Open);
    EXPECT_EQ(m_dialogs.calls()[0].windowsFilter, c.filter);
    EXPECT_EQ(Child<QLineEdit>(*dialog, c.field)->text(), c.expected);
}

const QString kYaBBFilter = "YaBB.pl, YaBB.cgi|YaBB.pl;YaBB.cgi";
const QString kKestruneFilter =
    "kestrune|kestrune|Kestrune.exe, KestruneJ.exe|Kestrune.exe;KestruneJ.exe";

INSTANTIATE_TEST_SUITE_P(
    Cases, OptionBrowseTest,
    ::testing::Values(BrowseCase{"YaBB", "btnBrowseYaBB", "edtYaBB", kYaBBFilter,
                                 QString("/new forum/YaBB.cgi"), "/new forum/YaBB.cgi"},
                      BrowseCase{"YaBBCancelled", "btnBrowseYaBB", "edtYaBB", kYaBBFilter,
                                 std::nullopt, "/srv/forum/cgi-bin/YaBB.pl"},
                      BrowseCase{"Kestrune", "btnBrowseKestrune", "edtKestrune", kKestruneFilter,
                                 QString("/usr/local/bin/kestrune"), "/usr/local/bin/kestrune"},
                      BrowseCase{"KestruneCancelled", "btnBrowseKestrune", "edtKestrune",
                                 kKestruneFilter, std::nullopt, "/opt/kestrune/kestrune"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(OptionDialogTest, AChosenFontShowsAtOnceAndIsHandedOutOnOk) {
    auto dialog = MakeDialog();
    auto* label = Child<QLabel>(*dialog, "lblFont");
    QFont chosen("Serif", 14);
    chosen.setItalic(true);
    m_dialogs.queueFont(chosen);

    Child<QPushButton>(*dialog, "btnSelectFont")->click();

    ASSERT_EQ(m_dialogs.calls().size(), 1u);
    EXPECT_EQ(m_dialogs.calls()[0].initialFont, oxelgui::ToQFont(m_settings.editorFont));
    EXPECT_EQ(label->text(), "Serif 14Pt");
    EXPECT_EQ(label->font().family(), "Serif");
    EXPECT_TRUE(label->font().italic());
    EXPECT_EQ(dialog->selectedFont(), label->font());

    // A cancelled font dialog keeps the label's font and caption.
    m_dialogs.queueFont(std::nullopt);
    Child<QPushButton>(*dialog, "btnSelectFont")->click();
    EXPECT_EQ(label->text(), "Serif 14Pt");
    EXPECT_EQ(m_settings.editorFont, oxel::Font{}) << "the settings' font is the window's";
}

TEST_F(OptionDialogTest, TheRecentFilesMaximumStaysWithinZeroToThirtyTwo) {
    auto dialog = MakeDialog();
    auto* mru = Child<QSpinBox>(*dialog, "udMRU");
    EXPECT_EQ(mru->minimum(), 0);
    EXPECT_EQ(mru->maximum(), 32);
    mru->setValue(32);
    QTest::keyClick(mru, Qt::Key_Up);
    EXPECT_EQ(mru->value(), 32);
    mru->setValue(0);
    QTest::keyClick(mru, Qt::Key_Down);
    EXPECT_EQ(mru->value(), 0);
}

// The Preference command, with the dialog driven by a test runner instead of exec().
class PreferenceCommandTest : public OptionDialogTest {
  protected:
    PreferenceCommandTest()
        : m_registry(m_dir.folder() + "registry/"),
          m_xdg({m_dir.folder() + "data", m_dir.folder() + "config"},
                [this](const std::string& program, const std::vector<std::string>&) {
                    m_runs.push_back(program);
                }) {}

    std::optional<QFont> Run(std::function<void(TFormOption&)> act) {
        oxelgui::OptionServices services{m_dialogs,
                                         platform::BindMessageBoxes(m_boxes, nullptr),
                                         "/opt/oxel/oxel",
                                         m_registry,
                                         m_xdg,
                                         [act](TFormOption& dialog) {
                                             act(dialog);
                                             return dialog.result();
                                         }};
        return oxelgui::RunOptionsAndAssociation(nullptr, m_settings, QFont("Sans", 9), services);
    }
    static void ClickOk(TFormOption& d) { Child<QPushButton>(d, "btnOK")->click(); }
    static void ClickCancel(TFormOption& d) { Child<QPushButton>(d, "btnCancel")->click(); }
    static void ToggleAssociation(TFormOption& d) { Child<QCheckBox>(d, "cbAssociation")->click(); }

    testsupport::TempDir m_dir;
    platform::RegistryStore m_registry;
    std::vector<std::string> m_runs;
    oxelgui::XdgAssociation m_xdg;
    testsupport::ScriptedMessageBoxes m_boxes;
};

TEST_F(PreferenceCommandTest, OkWithoutTouchingTheAssociationLeavesTheRegistryAlone) {
    const auto font = Run(ClickOk);

    ASSERT_TRUE(font.has_value());
    EXPECT_EQ(font->family(), "Sans");
    EXPECT_FALSE(std::filesystem::exists(m_registry.filePath()));
    EXPECT_FALSE(std::filesystem::exists(m_dir.file("data")));
    EXPECT_FALSE(std::filesystem::exists(m_dir.file("config")));
    EXPECT_TRUE(m_runs.empty());
    EXPECT_TRUE(m_boxes.requests().empty());
}

TEST_F(PreferenceCommandTest, CancelStillTrimsTheRecentFilesToTheUnchangedMaximum) {
    m_settings.recentFiles.SetMax(3);
    const auto font = Run([](TFormOption& d) {
        Child<QSpinBox>(d, "udMRU")->setValue(20);
        ToggleAssociation(d);
        ClickCancel(d);
    });

    EXPECT_FALSE(font.has_value());
    EXPECT_EQ(m_settings.recentFiles.Max(), 3);
    EXPECT_EQ(m_settings.recentFiles.Items(),
              (std::vector<std::string>{"/m/c.mod", "/m/d.mod", "/m/e.mod"}));
    EXPECT_FALSE(m_settings.association);
    EXPECT_FALSE(std::filesystem::exists(m_registry.filePath()));
}

TEST_F(PreferenceCommandTest, ALowerMaximumDropsTheOldestRecentFiles) {
    const std::vector<std::pair<int, std::vector<std::string>>> cases = {
        {2, {"/m/d.mod", "/m/e.mod"}},
        {0, {}},
    };
    for (const auto& [max, kept] : cases) {
        SCOPED_TRACE(max);
        m_settings = SampleSettings();
        Run([max = max](TFormOption& d) {
            Child<QSpinBox>(d, "udMRU")->setValue(max);
            ClickOk(d);
        });
        EXPECT_EQ(m_settings.recentFiles.Max(), max);
        EXPECT_EQ(m_settings.recentFiles.Items(), kept);
    }
}

TEST_F(PreferenceCommandTest, SwitchingTheAssociationRegistersAndRemovesIt) {
    Run([](TFormOption& d) {
        ToggleAssociation(d);
        ClickOk(d);
    });
    EXPECT_TRUE(m_settings.association);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(m_registry.defaultValue(".mod"), "modfile");
    EXPECT_EQ(m_registry.defaultValue("modfile"), "YaBB Mod File");
    EXPECT_EQ(m_registry.defaultValue("modfile\\DefaultIcon"), "/opt/oxel/oxel,0");
    EXPECT_EQ(m_registry.defaultValue("modfile\\shell\\open\\command"), "/opt/oxel/oxel \"%1\"");
    EXPECT_TRUE(std::filesystem::exists(m_dir.file("data/applications/oxel.desktop")));
    EXPECT_EQ(m_runs,
              (std::vector<std::string>{"update-mime-database", "update-desktop-database"}));

    m_runs.clear();
    Run([](TFormOption& d) {
        ToggleAssociation(d);
        ClickOk(d);
    });
    EXPECT_FALSE(m_settings.association);
    EXPECT_FALSE(m_registry.keyExists(".mod"));
    EXPECT_FALSE(m_registry.keyExists("modfile"));
    EXPECT_FALSE(std::filesystem::exists(m_dir.file("data/applications/oxel.desktop")));
    EXPECT_FALSE(std::filesystem::exists(m_dir.file("config/mimeapps.list")));
    EXPECT_EQ(m_runs.size(), 2u);
    EXPECT_TRUE(m_boxes.requests().empty());
}

TEST_F(PreferenceCommandTest, ARefusedRegistryWriteIsShownAndTheSettingKept) {
    testsupport::WriteFile(m_dir.file("blocked"), "not a folder");
    platform::RegistryStore blocked(m_dir.file("blocked") + "/");
    oxelgui::OptionServices services{m_dialogs,
                                     platform::BindMessageBoxes(m_boxes, nullptr),
                                     "/opt/oxel/oxel",
                                     blocked,
                                     m_xdg,
                                     [](TFormOption& d) {
                                         ToggleAssociation(d);
                                         ClickOk(d);
                                         return d.result();
                                     }};

    oxelgui::RunOptionsAndAssociation(nullptr, m_settings, QFont(), services);

    EXPECT_TRUE(m_settings.association) << "saved at the end all the same";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ASSERT_EQ(m_boxes.requests().size(), 1u);
    EXPECT_EQ(m_boxes.requests()[0].kind, modcommon::BoxKind::Error);
    EXPECT_EQ(m_boxes.requests()[0].buttons, modcommon::BoxButtons::Ok);
    EXPECT_EQ(m_boxes.requests()[0].text.rfind("Failed to set data for '.mod': ", 0), 0u);
}

TEST_F(PreferenceCommandTest, TheRealDialogRunsModally) {
    oxelgui::OptionServices services{m_dialogs, platform::BindMessageBoxes(m_boxes, nullptr),
                                     "/opt/oxel/oxel", m_registry, m_xdg};
    platformtest::WhenModalOpens([](QWidget* modal) {
        auto* dialog = qobject_cast<TFormOption*>(modal);
        ASSERT_NE(dialog, nullptr);
        Child<QLineEdit>(*dialog, "edtYourName")->setText("Bob");
        QTest::keyClick(dialog, Qt::Key_Return);  // OK is the default button
    });

    const auto font =
        oxelgui::RunOptionsAndAssociation(nullptr, m_settings, QFont("Sans", 9), services);

    EXPECT_TRUE(font.has_value());
    EXPECT_EQ(m_settings.yourName, "Bob");
}

}  // namespace
