// Recognising the forum version from a signature text in its main script.
#pragma once

#include <string>
#include <vector>

namespace kestrune {

// The mod folder name of the forum version whose signature occurs in the script at
// `scriptPath`, or empty. `table` holds "folder=signature" lines (the AutoDetectableScripts
// section); rows are tried in order, each with the signature of the first row of the same
// name (ignoring case), and the first whose signature occurs wins. The script is compared with
// its line breaks made CR LF, a CR LF after every line; an empty signature never matches. A
// missing or unreadable script gives empty.
//
//   DetectForumVersion("/forum/YaBB.pl", {"YaBB 2.1=$YaBBversion = 'YaBB 2.1';"})
//   // == "YaBB 2.1" when the script holds that line
std::string DetectForumVersion(const std::string& scriptPath,
                               const std::vector<std::string>& table);

}  // namespace kestrune
