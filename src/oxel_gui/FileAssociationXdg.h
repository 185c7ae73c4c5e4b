// The .mod association on a freedesktop.org desktop: a shared-mime-info type for the
// extension, a desktop entry for Oxel, and Oxel as that type's default application.
//
//   oxelgui::XdgAssociation xdg(oxelgui::XdgDirs::FromEnvironment(), oxelgui::RunIfPresent);
//   if (auto failure = xdg.Register({"*.mod", "YaBB Mod File", "/opt/oxel/oxel", true})) ...
//   xdg.NotifyAssociationsChanged();
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "modcommon/FileSystem.h"

namespace oxelgui {

// Both end in "/".
struct XdgDirs {
    std::string dataHome;    // $XDG_DATA_HOME, else $HOME/.local/share/
    std::string configHome;  // $XDG_CONFIG_HOME, else $HOME/.config/

    static XdgDirs FromEnvironment();
};

// The names Oxel owns on the desktop; registering writes only these and unregistering removes
// only these.
struct XdgIdentity {
    std::string mimeType = "text/x-yabb-mod";
    std::string packageFile = "oxel-mod.xml";  // in <data>/mime/packages/
    std::string desktopId = "oxel.desktop";    // in <data>/applications/
    std::string iconName = "oxel";             // <data>/icons/hicolor/<n>x<n>/apps/<name>.png
};

// One file type to register.
struct XdgFileType {
    std::string glob;         // "*.mod"
    std::string description;  // the type's comment, "YaBB Mod File"
    std::string program;      // full path of the program that opens these files
    bool withIcon = false;    // install the icon and name it for the type and the program
};

// Starts a program with arguments and waits for it; failures are not reported.
using CommandRunner =
    std::function<void(const std::string& program, const std::vector<std::string>& args)>;

// Runs the program when it is found on PATH (briefly waiting for it); else does nothing.
void RunIfPresent(const std::string& program, const std::vector<std::string>& args);

class XdgAssociation {
  public:
    // iconPng: the picture installed when a type asks for an icon (square, iconSize pixels);
    // empty installs none.
    XdgAssociation(XdgDirs dirs, CommandRunner runner, std::string iconPng = {}, int iconSize = 0,
                   XdgIdentity identity = {},
                   modcommon::FileSystem& fs = modcommon::DefaultFileSystem());

    // Writes the mime package, the desktop entry (and icon), and puts Oxel first among the
    // type's default applications in mimeapps.list, keeping every other line. Running it again
    // gives the same files. The failure names the file and the reason; earlier steps stay.
    std::optional<std::string> Register(const XdgFileType& type);

    // Removes the mime package, the desktop entry and the icon, and Oxel from the type's default
    // applications; other lines and other programs' files stay. True when something was there.
    bool Unregister(std::optional<std::string>* failure = nullptr);

    // The desktop's caches of types and applications follow the files: runs
    // update-mime-database and update-desktop-database over the data folder.
    void NotifyAssociationsChanged();

    // Where the files live, for tests and the documentation.
    std::string PackagePath() const;
    std::string DesktopEntryPath() const;
    std::string IconPath() const;
    std::string MimeAppsPath() const;

  private:
    XdgDirs m_dirs;
    CommandRunner m_runner;
    std::string m_iconPng;
    int m_iconSize;
    XdgIdentity m_identity;
    modcommon::FileSystem& m_fs;
};

// The text of the mime package and the desktop entry for a type (exposed for tests).
std::string MimePackageXml(const XdgIdentity& identity, const XdgFileType& type, bool icon);
std::string DesktopEntryText(const XdgIdentity& identity, const XdgFileType& type, bool icon);
// mimeapps.list text with `desktopId` first for `mimeType` in [Default Applications], or with it
// taken out (an emptied entry line, and an emptied section, go too).
std::string MimeAppsWithDefault(const std::string& text, const std::string& mimeType,
                                const std::string& desktopId);
std::string MimeAppsWithoutDefault(const std::string& text, const std::string& mimeType,
                                   const std::string& desktopId);

}  // namespace oxelgui
