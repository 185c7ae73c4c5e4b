// The installer's numbered fault messages and the texts built from them.
#include "kestrune/ErrorMessages.h"

namespace kestrune {

const std::array<std::string_view, 20> ErrorMessages = {
    "",
    "Search string could not be found",
    "Could not find file to edit (%s)",
    "Missing space or tab in search string",
    "Could not find selected script file. Please check your path setting",
    "Kestrune has detected the script you selected as\r\n%s\r\nHowever there was no mod folder "
    "found with that name.\r\n\r\nTo solve this, please create the following folder:\r\n%s\r\n\r\n"
    "If you already have a folder for such mods but which is named different, please rename it "
    "to \"%s\" (type it exactly as displayed here, with all it's spaces!).\r\n\r\n\r\nYou can "
    "ignore this warning but Kestrune will no longer autodetect and select the proper script "
    "version. You'd have to select it yourself as in Kestrune 2.5.\r\nTo disable this warning, "
    "set ScriptAutoDetection=off in kestrune.ini",
    "Could not find any of the following browsers:\r\n%s",
    "Could not find the text editor '%s'\r\nYou can set another editor in kestrune.ini",
    "The following mod file could not be found:\r\n%s",
    "This mod seems to be incomplete, there is a %s tag missing!",
    "The search string is empty! However an empty <search for> argument is not allowed because "
    "it would make the mod unremoveable.",
    "The replace string is empty! However an empty <replace> argument is not allowed because it "
    "would make the mod unremoveable.",
    "The line to search for is not complete. Maybe some spaces are missing in front of it.",
    "No Mod choosen!\r\nPlease choose a Mod in the Mod-List!",
    "Mod-editor can not be started!\r\n'OXEL.EXE' not found!",
    "There are characters directly after tags where it isn't allowed!\r\nIt is only allowed for: "
    "<search for>, <add after>, <add before> and <replace>",
    "This feature is not yet available in the linux version",
    "File to edit is readonly (%s)",
    "File to edit is in UNIX format. Editing it with notepad may cause the file to become "
    "currupted. Please use a different editor like Ultraedit which is able to handle the UNIX "
    "format.",
    "broken",
};

std::string FormatErrorMessage(int code, const std::vector<std::string>& args) {
    if (code < 1 || code >= static_cast<int>(ErrorMessages.size())) {
        return {};
    }
    std::string_view message = ErrorMessages[static_cast<size_t>(code)];
    std::string out;
    size_t next = 0;
    for (size_t i = 0; i < message.size(); ++i) {
        if (message[i] == '%' && i + 1 < message.size() && message[i + 1] == 's') {
            if (next < args.size()) {
                out += args[next];
            }
            ++next;
            ++i;
        } else {
            out += message[i];
        }
    }
    return out;
}

std::string ErrorBoxText(int code, const std::vector<std::string>& args) {
    return "Error Code " + std::to_string(code) + ":\r\n\r\n" + FormatErrorMessage(code, args);
}

std::string ErrorLogText(int code, const std::string& arg) {
    return "failed - ERR(" + std::to_string(code) + "): " + FormatErrorMessage(code, {arg});
}

}  // namespace kestrune
