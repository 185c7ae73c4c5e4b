// Registering and removing Oxel as the handler of a file type: the four file-type keys in the
// registry store, and the same association on the desktop.
//
//   oxelgui::UnregisterFileType(".mod", registry, xdg);
//   if (auto failure = oxelgui::RegisterFileType(".mod", "modfile", "YaBB Mod File",
//                                                program, program + ",0", registry, xdg))
//       report(*failure);
#pragma once

#include <optional>
#include <string>

#include "FileAssociationXdg.h"
#include "platform/RegistryStore.h"

namespace oxelgui {

inline constexpr const char* kModExtension = ".mod";
inline constexpr const char* kModFileType = "modfile";
inline constexpr const char* kModFileDescription = "YaBB Mod File";

// The extension (dots dropped, one put back) names fileType; fileType gets the description,
// the icon (when not empty) under "\DefaultIcon" and programCommand + " \"%1\"" under
// "\shell\open\command". An empty fileType becomes "<ext>_auto_file". Nothing at all happens
// when the extension or the command is empty. The desktop gets the same type, then is told
// that associations changed. Returns the first failure; the steps before it stay done.
std::optional<std::string> RegisterFileType(const std::string& extension,
                                            const std::string& fileType,
                                            const std::string& description,
                                            const std::string& programCommand,
                                            const std::string& icon,
                                            platform::RegistryStore& registry, XdgAssociation& xdg);

// Deletes the extension's key (named with its dot) and the file-type key it names, with its
// subkeys; nothing when the extension has no key. Oxel's desktop files go too, and the desktop
// is told when any were there. Returns the first failure.
std::optional<std::string> UnregisterFileType(const std::string& extension,
                                              platform::RegistryStore& registry,
                                              XdgAssociation& xdg);

// The association switched on (the old one removed first, then Oxel's registered for .mod with
// the program's own icon) or off.
std::optional<std::string> ChangeModAssociation(bool on, const std::string& programPath,
                                                platform::RegistryStore& registry,
                                                XdgAssociation& xdg);

// The association on this desktop: the environment's folders, the real command runner and
// Oxel's icon from the resources.
XdgAssociation DesktopModAssociation();

}  // namespace oxelgui
