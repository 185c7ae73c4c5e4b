// The texts the main window shows for the current mod.
#include "kestrune/ModInfoView.h"

#include <algorithm>

#include "kestrune/TextFiles.h"

namespace kestrune {
namespace {

std::string FilesHeader(size_t count) {
    if (count == 0) {
        return "There are no files to edit";
    }
    if (count == 1) {
        return "There is 1 file to edit";
    }
    return "There are " + std::to_string(count) + " files to edit";
}

}  // namespace

ModInfoView MakeModInfoView(const TMod& mod) {
    ModInfoView view{mod.Id,     mod.Version,  mod.ModInfo,
                     mod.Author, mod.Homepage, std::to_string(mod.Steps.size()),
                     {}};
    std::vector<std::string> files;
    for (const TStep& step : mod.Steps) {
        bool known = std::any_of(files.begin(), files.end(), [&](const std::string& file) {
            return SameTextIgnoringCase(file, step.FileToEdit);
        });
        if (!known) {
            files.push_back(step.FileToEdit);
        }
    }
    view.filesToEdit.push_back(FilesHeader(files.size()));
    view.filesToEdit.emplace_back(kFilesToEditSeparator);
    view.filesToEdit.insert(view.filesToEdit.end(), files.begin(), files.end());
    return view;
}

}  // namespace kestrune
