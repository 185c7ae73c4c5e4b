// The texts the main window shows for the current mod.
#pragma once

#include <string>
#include <vector>

#include "kestrune/Mod.h"

namespace kestrune {

struct ModInfoView {
    std::string name;         // Mod_Name: the mod's Id
    std::string version;      // Mod_Version
    std::string description;  // Mod_Description: ModInfo, lines joined with CR LF
    std::string author;       // Mod_Author
    std::string homepage;     // Mod_Homepage
    std::string steps;        // Mod_Steps: the number of steps in decimal; empty when cleared
    // Mod_FilesToEdit: a header ("There are no files to edit", "There is 1 file to edit",
    // "There are N files to edit"), 21 hyphens, then each distinct file (ignoring case) in
    // step order. The header is the line shown. Empty when cleared.
    std::vector<std::string> filesToEdit;
};

inline constexpr std::string_view kFilesToEditSeparator = "---------------------";

ModInfoView MakeModInfoView(const TMod& mod);

}  // namespace kestrune
