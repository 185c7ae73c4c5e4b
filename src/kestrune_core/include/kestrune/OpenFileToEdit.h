// Opening a step's forum file in the user's text editor, from the manual display.
#pragma once

#include <functional>
#include <string>

#include "kestrune/Mod.h"
#include "modcommon/MessageBox.h"

namespace kestrune {

// Starts `program` with `file` as its one parameter, unquoted, without waiting for it. A
// program that cannot be started is not reported.
using ProgramLauncher = std::function<void(const std::string& program, const std::string& file)>;

// Opens `step`'s file (forumFolder + FileToEdit) in `textEditor`. A missing file gives the
// error box of code 2 and nothing else; a file without CR LF line breaks, with an editor whose
// name contains "notepad" in any case, gives the warning of code 18 and is opened all the same.
void OpenFileToEditClick(const std::string& forumFolder, const TStep& step,
                         const std::string& textEditor, const modcommon::MessageBoxFn& box,
                         const ProgramLauncher& launch);

// Starts `program` on `file` if the file still exists; otherwise the warning box of code 2.
void OpenFileWithProgram(const std::string& program, const std::string& file,
                         const modcommon::MessageBoxFn& box, const ProgramLauncher& launch);

}  // namespace kestrune
