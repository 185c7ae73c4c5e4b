// The Preference command around the options dialog: dialog, recent-files trim, association.
#include "OptionDialogExecute.h"

#include <QApplication>
#include <QCursor>

#include "FileAssociation.h"
#include "OptionDialog.h"

namespace oxelgui {
namespace {

// The wait cursor for as long as the association changes, restored however that ends.
class WaitCursor final {
  public:
    WaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

int ExecOptionDialog(TFormOption& dialog) {
    return dialog.exec();
}

std::optional<QFont> RunOptionsAndAssociation(QWidget* parent, oxel::OxelSettings& settings,
                                              const QFont& editorFont,
                                              const OptionServices& services) {
    const bool wasAssociated = settings.association;
    std::optional<QFont> chosen;
    {
        TFormOption dialog(settings, editorFont, services.fileDialogs, parent);
        if (services.runDialog(dialog) == QDialog::Accepted) {
            chosen = dialog.selectedFont();
        }
    }
    settings.recentFiles.CheckMRU();
    if (settings.association != wasAssociated) {
        std::optional<std::string> failure;
        {
            WaitCursor wait;
            failure = ChangeModAssociation(settings.association, services.programPath,
                                           services.registry, services.xdg);
        }
        if (failure && services.boxes) {
            services.boxes({modcommon::BoxKind::Error, modcommon::BoxButtons::Ok, "", *failure});
        }
    }
    return chosen;
}

}  // namespace oxelgui
