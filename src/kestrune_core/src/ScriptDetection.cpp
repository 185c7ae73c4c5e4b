// Recognising the forum version from a signature text in its main script.
#include "kestrune/ScriptDetection.h"

#include "kestrune/IniFile.h"
#include "kestrune/TextFiles.h"

namespace kestrune {
namespace {

// The signature of the first row named `name`; rows without "=" have no name.
std::string_view SignatureOf(std::string_view name, const std::vector<std::string>& table) {
    for (const std::string& row : table) {
        auto key = EntryKey(row);
        if (key && SameTextIgnoringCase(*key, name)) {
            return EntryValue(row);
        }
    }
    return {};
}

}  // namespace

std::string DetectForumVersion(const std::string& scriptPath,
                               const std::vector<std::string>& table) {
    if (!IsExistingFile(scriptPath)) {
        return {};
    }
    std::string bytes;
    std::string reason;
    if (!ReadWholeFile(scriptPath, bytes, reason)) {
        return {};
    }
    const std::string script = JoinLinesCrLf(SplitLines(bytes));
    for (const std::string& row : table) {
        auto key = EntryKey(row);
        if (!key) {
            continue;
        }
        std::string_view signature = SignatureOf(*key, table);
        if (!signature.empty() && script.find(signature) != std::string::npos) {
            return std::string(*key);
        }
    }
    return {};
}

}  // namespace kestrune
