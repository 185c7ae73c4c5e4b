// Opening a step's forum file in the user's text editor.
#include "kestrune/OpenFileToEdit.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "kestrune/DataFiles.h"
#include "kestrune/ErrorMessages.h"
#include "kestrune/LineBreaks.h"
#include "modcommon/ModTags.h"

namespace kestrune {
namespace {

// A folder at the path is not a file to edit.
bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

void OpenFileToEditClick(const std::string& forumFolder, const TStep& step,
                         const std::string& textEditor, const modcommon::MessageBoxFn& box,
                         const ProgramLauncher& launch) {
    const std::string path = forumFolder + step.FileToEdit;
    // A file outside the forum is not the mod's to edit: it counts as missing.
    if (!ForumFilePath(forumFolder, step.FileToEdit) || !FileExists(path)) {
        box({modcommon::BoxKind::Error, modcommon::BoxButtons::Ok, "Error",
             ErrorBoxText(2, {path})});
        return;
    }
    // Notepad joins the lines of a file without CR LF into one, and saving then ruins it.
    if (!DetectLineBreakStyle(ReadWholeFile(path)) &&
        modcommon::AsciiLower(textEditor).find("notepad") != std::string::npos) {
        box({modcommon::BoxKind::Warning, modcommon::BoxButtons::Ok, "Warning", ErrorBoxText(18)});
    }
    OpenFileWithProgram(textEditor, path, box, launch);
}

void OpenFileWithProgram(const std::string& program, const std::string& file,
                         const modcommon::MessageBoxFn& box, const ProgramLauncher& launch) {
    if (!FileExists(file)) {
        box({modcommon::BoxKind::Warning, modcommon::BoxButtons::Ok, "Warning",
             ErrorBoxText(2, {file})});
        return;
    }
    if (launch) {
        launch(program, file);
    }
}

}  // namespace kestrune
