// Clearing a parsed mod.
#include "kestrune/Mod.h"

namespace kestrune {

void TMod::Clear() {
    FileName.clear();
    Id.clear();
    Version.clear();
    ModInfo.clear();
    Author.clear();
    Homepage.clear();
    Steps.clear();
}

}  // namespace kestrune
