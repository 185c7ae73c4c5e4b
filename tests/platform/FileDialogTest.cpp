#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QLineEdit>

#include "GuiTestApp.h"
#include "ModalDriver.h"
#include "TestSupport.h"
#include "platform/QtFileDialogService.h"

using platform::QtFileDialogService;

namespace {

// Types the name into the dialog's name field, as a user would. (selectFile() leaves the field
// alone while it has the focus.)
void TypeNameAndAccept(QFileDialog* dialog, const QString& name) {
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (edit == nullptr) {
        ADD_FAILURE() << "no file name field";
        dialog->close();
        return;
    }
    edit->setText(name);
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides it
}

class FileDialogTest : public ::testing::Test {
  protected:
    void SetUp() override { testsupport::EnsureApplication(); }
    testsupport::TempDir m_dir;
    QString folder() const { return QString::fromStdString(m_dir.folder()); }
};

TEST_F(FileDialogTest, OpenShowsTitleFolderAndFiltersAndReturnsTheChoice) {
    testsupport::WriteFile(m_dir.file("YaBB.pl"), "#!/usr/bin/perl\n");
    QString title;
    QStringList filters;
    QString directory;
    platformtest::WhenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog == nullptr) {
            ADD_FAILURE() << "not a file dialog";
            modal->close();
            return;
        }
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        directory = dialog->directory().absolutePath();
        TypeNameAndAccept(dialog, QStringLiteral("YaBB.pl"));
    });

    QtFileDialogService dialogs;
    const auto chosen = dialogs.getOpenFileName(
        nullptr, QStringLiteral("Select Main Script File"), folder(),
        QStringLiteral("YaBB.pl or YaBB.cgi|YaBB.pl; YaBB.cgi|Main Script File|*.*"));

    EXPECT_EQ(chosen, folder() + QStringLiteral("YaBB.pl"));
    EXPECT_EQ(title, QStringLiteral("Select Main Script File"));
    EXPECT_EQ(filters, (QStringList{QStringLiteral("YaBB.pl or YaBB.cgi (YaBB.pl YaBB.cgi)"),
                                    QStringLiteral("Main Script File (*)")}));
    EXPECT_EQ(directory, QDir(folder()).absolutePath());
}

TEST_F(FileDialogTest, SaveAddsTheDefaultSuffixAndCancelGivesNothing) {
    platformtest::WhenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog == nullptr) {
            ADD_FAILURE() << "not a file dialog";
            modal->close();
            return;
        }
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        TypeNameAndAccept(dialog, QStringLiteral("Board motto"));
    });
    QtFileDialogService dialogs;
    EXPECT_EQ(dialogs.getSaveFileName(nullptr, QStringLiteral("Save As"), folder(),
                                      QStringLiteral("mod file|*.mod"), QStringLiteral(".mod")),
              folder() + QStringLiteral("Board motto.mod"));

    platformtest::WhenModalOpens([](QWidget* modal) { modal->close(); });
    EXPECT_EQ(dialogs.getSaveFileName(nullptr, QStringLiteral("Save As"), folder(),
                                      QStringLiteral("mod file|*.mod"), QStringLiteral("mod")),
              std::nullopt);
}

TEST_F(FileDialogTest, FontDialogReturnsTheChosenFontOrNothing) {
    QtFileDialogService dialogs;
    const QFont initial(QStringLiteral("DejaVu Sans Mono"), 11);
    platformtest::WhenModalOpens([](QWidget* modal) {
        auto* dialog = qobject_cast<QFontDialog*>(modal);
        if (dialog == nullptr) {
            ADD_FAILURE() << "not a font dialog";
            modal->close();
            return;
        }
        QFont chosen = dialog->currentFont();
        chosen.setPointSize(14);
        dialog->setCurrentFont(chosen);
        static_cast<QDialog*>(dialog)->accept();  // QFontDialog hides it
    });
    const auto font = dialogs.getFont(nullptr, initial);
    ASSERT_TRUE(font.has_value());
    EXPECT_EQ(font->pointSize(), 14);

    platformtest::WhenModalOpens([](QWidget* modal) { modal->close(); });
    EXPECT_EQ(dialogs.getFont(nullptr, initial), std::nullopt);
}

}  // namespace
