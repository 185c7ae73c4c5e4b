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
    auto found = FindWholeLines(content, find);
    if (const int* code = std::get_if<int>(&found)) {
        return *code;  // 1 not there, 12 only part of a line
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
    // In place: only the tail moves, and a buffer of many megabytes is not copied per step.
    const SpliceRange& range = std::get<SpliceRange>(found);
    content.replace(range.at, range.length, insert);
    return 0;
}

}  // namespace kestrune
