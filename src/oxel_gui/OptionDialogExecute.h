// What the main window's Preference command does around the options dialog: runs it, trims
// the recent files, and changes the .mod association when its setting changed.
//
//   oxelgui::OptionServices services{fileDialogs, boxes, programPath, registry, xdg};
//   if (auto font = oxelgui::RunOptionsAndAssociation(this, settings, memSearch->font(), services))
//       applyEditorFont(*font);
#pragma once

#include <QFont>
#include <functional>
#include <optional>
#include <string>

#include "FileAssociationXdg.h"
#include "modcommon/MessageBox.h"
#include "oxel/OxelSettings.h"
#include "platform/RegistryStore.h"

class QWidget;
class TFormOption;

namespace platform {
class FileDialogService;
}

namespace oxelgui {

// Shows the dialog modally and returns its result; tests replace it to drive the dialog.
using OptionDialogRunner = std::function<int(TFormOption& dialog)>;
int ExecOptionDialog(TFormOption& dialog);

struct OptionServices {
    platform::FileDialogService& fileDialogs;
    modcommon::MessageBoxFn boxes;  // reports a failed association change (error box, OK)
    std::string programPath;        // Oxel's full path: the command and icon of the file type
    platform::RegistryStore& registry;
    XdgAssociation& xdg;
    OptionDialogRunner runDialog = ExecOptionDialog;
};

// The dialog over the settings; then CheckMRU; then, if the association setting differs from
// before, the association changed under a wait cursor (restored also on failure; a failure is
// shown and the setting keeps its new value). Returns the chosen editor font when the dialog
// closed with OK, for the main window to give to its text fields.
std::optional<QFont> RunOptionsAndAssociation(QWidget* parent, oxel::OxelSettings& settings,
                                              const QFont& editorFont,
                                              const OptionServices& services);

}  // namespace oxelgui
