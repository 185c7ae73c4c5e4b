// QFileDialog and QFontDialog behind the file-dialog service.
#include "platform/QtFileDialogService.h"

#include <QFileDialog>
#include <QFontDialog>

#include "platform/WindowsFilter.h"

namespace platform {
namespace {

std::optional<QString> RunFileDialog(QWidget* parent, const QString& title,
                                     const QString& initialDir, const QString& windowsFilter,
                                     const QString& defaultSuffix, bool save) {
    QFileDialog dialog(parent, title, initialDir);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QString filter = WindowsFilterToQt(windowsFilter);
    if (!filter.isEmpty()) {
        dialog.setNameFilters(filter.split(QStringLiteral(";;")));
    }
    QString suffix = defaultSuffix;
    if (suffix.startsWith(QLatin1Char('.'))) {
        suffix.remove(0, 1);
    }
    dialog.setDefaultSuffix(suffix);
    // QFileDialog asks before replacing an existing file unless told not to.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

std::optional<QString> QtFileDialogService::getOpenFileName(QWidget* parent, const QString& title,
                                                            const QString& initialDir,
                                                            const QString& windowsFilter,
                                                            const QString& defaultSuffix) {
    return RunFileDialog(parent, title, initialDir, windowsFilter, defaultSuffix, false);
}

std::optional<QString> QtFileDialogService::getSaveFileName(QWidget* parent, const QString& title,
                                                            const QString& initialDir,
                                                            const QString& windowsFilter,
                                                            const QString& defaultSuffix) {
    return RunFileDialog(parent, title, initialDir, windowsFilter, defaultSuffix, true);
}

std::optional<QFont> QtFileDialogService::getFont(QWidget* parent, const QFont& initial) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent);
    if (!ok) {
        return std::nullopt;
    }
    return font;
}

}  // namespace platform
