// The document commands: New, Open, Reopen, Save, Save As, the unsaved-changes question,
// dropped files and starting the installer.
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTreeView>
#include <QUrl>

#include "ActionTreeModel.h"
#include "FieldText.h"
#include "MainWindow.h"
#include "oxel/ModReader.h"
#include "oxel/ModWriter.h"
#include "platform/FileDialogService.h"
#include "platform/Launcher.h"

namespace {

constexpr const char* kModFilter = "mod file|*.mod";

// What a recent-files entry shows: the path, with "&" kept from becoming an accelerator.
QString MenuCaption(const QString& path) {
    QString caption = path;
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return caption;
}

}  // namespace

bool TFormMain::ConfirmUnsavedChanges() {
    if (!m_doc.Modified()) {
        return true;
    }
    switch (ConfirmSaveOrNot()) {
        case modcommon::BoxAnswer::Yes:
            actSaveExecute();
            // Still modified: Save As was cancelled, or the write failed.
            return !m_doc.Modified();
        case modcommon::BoxAnswer::No:
            return true;
        default:
            return false;
    }
}

modcommon::BoxAnswer TFormMain::ConfirmSaveOrNot() {
    const std::string file = m_doc.CurrentFile().empty() ? "File" : m_doc.CurrentFile();
    return m_box({modcommon::BoxKind::Information, modcommon::BoxButtons::YesNoCancel,
                  "Confirmation", file + " has changed.\r\nDo you want to save the changes?"});
}

void TFormMain::showFileError(const char* what, const oxel::FileError& error) {
    m_box({modcommon::BoxKind::Error, modcommon::BoxButtons::Ok, std::string(oxel::kProgramTitle),
           std::string(what) + " \"" + error.path + "\". " + error.reason});
}

void TFormMain::actNewExecute() {
    if (!ConfirmUnsavedChanges()) {
        return;
    }
    m_doc.ClearAllValue();
    m_encoding = modcommon::TextEncoding::Utf8;
    m_model->setEncoding(m_encoding);
    m_doc.SetModified(false);
    SetInputFieldEnabled();
    AutoFillInfo();
}

void TFormMain::actOpenExecute() {
    const std::optional<QString> path = m_dialogs.getOpenFileName(
        this, tr("Open"), m_openDialogDir, QString::fromLatin1(kModFilter), QStringLiteral("mod"));
    if (!path) {
        return;
    }
    m_openFileName = oxelgui::PathBytes(*path);
    CheckModifiedAndOpen();
}

void TFormMain::CheckModifiedAndOpen() {
    if (!ConfirmUnsavedChanges()) {
        return;
    }
    m_doc.ClearAllValue();
    m_doc.SetCurrentFile(m_openFileName);
    // The fields show the mod in the encoding its bytes are in, and typing keeps to it.
    const auto bytes = oxel::ReadWholeFile(m_openFileName);
    if (const auto* text = std::get_if<std::string>(&bytes)) {
        m_encoding = oxelgui::EncodingOf(*text);
    } else {
        m_encoding = modcommon::TextEncoding::Utf8;
    }
    m_model->setEncoding(m_encoding);

    const oxel::OpenResult result = oxel::OpenFile(m_doc, m_settings.recentFiles, m_box);
    switch (result.status) {
        case oxel::OpenStatus::Loaded:
            m_tvActions->expandAll();
            break;
        case oxel::OpenStatus::Incomplete:
            break;
        case oxel::OpenStatus::Unreadable:
            showFileError("Cannot open file", result.error);
            break;
        case oxel::OpenStatus::TooMuchOverlap:
            showFileError("Cannot read file", result.error);
            break;
    }
    updateActions();
}

void TFormMain::mmiFileClick() {
    m_reopenMenu->clear();
    for (const std::string& item : m_settings.recentFiles.Items()) {
        const QString path = oxelgui::PathText(item);
        QAction* entry = m_reopenMenu->addAction(MenuCaption(path));
        entry->setToolTip(path);
        entry->setStatusTip(path);
        connect(entry, &QAction::triggered, this, [this, item] { MRUClick(item); });
    }
}

void TFormMain::MRUClick(const std::string& path) {
    m_openFileName = path;
    CheckModifiedAndOpen();
}

void TFormMain::AssembleMod() {
    const bool filling = m_fillingFields;
    m_fillingFields = true;
    m_memPreview->setPlainText(toField(oxel::AssembleMod(m_doc)));
    m_fillingFields = filling;
}

void TFormMain::actSaveExecute() {
    if (m_doc.CurrentFile().empty()) {
        actSaveAsExecute();
        return;
    }
    AssembleMod();
    if (const auto error = oxel::Save(m_doc, m_fs)) {
        showFileError("Cannot create file", *error);
    }
}

void TFormMain::actSaveAsExecute() {
    const std::optional<QString> path = m_dialogs.getSaveFileName(
        this, tr("Save As"), QString(), QString::fromLatin1(kModFilter), QStringLiteral(".mod"));
    if (!path) {
        return;
    }
    AssembleMod();
    if (const auto error = oxel::SaveAs(m_doc, oxelgui::PathBytes(*path), m_fs)) {
        showFileError("Cannot create file", *error);
    }
}

void TFormMain::actKestruneExecute() {
    const QString installer = oxelgui::PathText(m_settings.installerPath);
    if (m_settings.installerPath.empty() || !QFileInfo(installer).isFile()) {
        return;
    }
    m_launcher.startProgram(installer, {});
}

void TFormMain::WMDropFile(const QMimeData& dropped) {
    const QString program = oxelgui::PathText(m_programPath);
    for (const QUrl& url : dropped.urls()) {
        if (url.isLocalFile()) {
            m_launcher.startWithParameterText(program, oxelgui::QuotedParameter(url.toLocalFile()));
        }
    }
}
