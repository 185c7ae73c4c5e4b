// File names as a mod spells them, turned into names for this forum.
#include <array>

#include "kestrune/ModParser.h"
#include "modcommon/ModTags.h"

namespace kestrune {
namespace {

struct ScriptName {
    std::string_view written;  // lower case, as the mod may write it
    std::string_view script;   // lower-case name of the chosen main script
    std::string_view becomes;
};

// The top-level scripts exist as ".cgi" and ".pl"; a mod written for one form is adapted to
// the form of the forum it is installed into.
constexpr std::array<ScriptName, 10> kScriptNames = {{
    {"yabb.cgi", "yabb.pl", "YaBB.pl"},
    {"yabb.pl", "yabb.cgi", "YaBB.cgi"},
    {"adminindex.cgi", "yabb.pl", "AdminIndex.pl"},
    {"adminindex.pl", "yabb.cgi", "AdminIndex.cgi"},
    {"fixfile.cgi", "yabb.pl", "FixFile.pl"},
    {"fixfile.pl", "yabb.cgi", "FixFile.cgi"},
    {"paths.cgi", "yabb.pl", "Paths.pl"},
    {"paths.pl", "yabb.cgi", "Paths.cgi"},
    {"setup.cgi", "yabb.pl", "Setup.pl"},
    {"setup.pl", "yabb.cgi", "Setup.cgi"},
}};

}  // namespace

std::string FileNamePart(std::string_view path) {
    size_t cut = path.find_last_of("/\\:");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string AdaptFileName(std::string_view name, std::string_view scriptPath) {
    std::string adapted(name);
    std::string lowerName = modcommon::AsciiLower(name);
    std::string lowerScript = modcommon::AsciiLower(FileNamePart(scriptPath));
    for (const ScriptName& row : kScriptNames) {
        if (lowerName == row.written && lowerScript == row.script) {
            adapted = row.becomes;
            break;
        }
    }
    for (char& c : adapted) {
        if (c == '\\') {
            c = '/';
        }
    }
    return adapted;
}

}  // namespace kestrune
