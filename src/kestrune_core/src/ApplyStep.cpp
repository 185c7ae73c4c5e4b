// One step of a mod applied to its edit buffer, forwards to install or backwards to uninstall.
#include "kestrune/ApplyStep.h"

namespace kestrune {

int ApplyStep(const TMod& mod, int stepNumber, bool install, const std::string& forumFolder,
              DataFileList& list) {
    if (stepNumber < 1 || static_cast<size_t>(stepNumber) > mod.Steps.size()) {
        return 2;  // no such step, so no file for it either
    }
    const TStep& step = mod.Steps[static_cast<size_t>(stepNumber - 1)];
    int index = FindDataFile(step.FileToEdit, list);
    if (index < 0) {
        return 2;
    }
    if (IsReadOnlyFile(forumFolder + step.FileToEdit)) {
        return 17;
    }
    // Both directions test the search text first; uninstalling searches for the action text.
    if (step.SearchText.empty()) {
        return install ? 10 : 11;
    }
    if (step.ActionText.empty()) {
        return install ? 11 : 10;
    }

    constexpr std::string_view kCrLf = "\r\n";
    std::string& content = list[static_cast<size_t>(index)].Content;
    const std::string& find = install ? step.SearchText : step.ActionText;
    if (content.find(find) == std::string::npos) {
        return 1;
    }
    std::string insert;
    if (install) {
        const std::string& first = step.Kind == 18 ? step.SearchText : step.ActionText;
        insert.append(first).append(kCrLf);
        if (step.Kind == 16 || step.Kind == 18) {
            const std::string& second = step.Kind == 18 ? step.ActionText : step.SearchText;
            insert.append(second).append(kCrLf);
        }
    } else if (step.Kind == 14) {
        insert.append(step.SearchText).append(kCrLf);
    }

    auto result = SpliceLines(content, find, insert);
    if (auto* code = std::get_if<int>(&result)) {
        return *code;
    }
    content = std::move(std::get<std::string>(result));
    return 0;
}

}  // namespace kestrune
