// A parsed mod and its steps.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestrune {

// One action of a mod.
struct TStep {
    std::string FileToEdit;  // relative to the forum folder, "/"-separated on this host
    std::string SearchText;
    int32_t Kind = 0;  // index of the action's opening tag: 14 replace, 16 add before, 18 add after
    std::string ActionText;
};

struct TMod {
    std::string FileName;  // the mod file's name without its folder
    std::string Id;
    std::string Version;
    std::string ModInfo;  // lines joined with CR LF
    std::string Author;
    std::string Homepage;
    std::vector<TStep> Steps;  // in file order; step N is Steps[N - 1]

    // Empties the six strings and releases every step.
    void Clear();
};

}  // namespace kestrune
