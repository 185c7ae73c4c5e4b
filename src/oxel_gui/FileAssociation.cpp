// The four file-type keys of the .mod association, and the desktop's copy of it.
#include "FileAssociation.h"

#include <QFile>

namespace oxelgui {
namespace {

constexpr int kOxelIconSize = 64;

std::optional<std::string> SetValue(platform::RegistryStore& registry, const std::string& key,
                                    const std::string& value) {
    if (registry.setDefaultValue(key, value)) {
        return std::nullopt;
    }
    return "Failed to set data for '" + key + "': " + registry.lastError();
}

std::optional<std::string> DeleteKey(platform::RegistryStore& registry, const std::string& key) {
    // A key that is already gone is not a failure; only a refused write is.
    if (registry.deleteKeyTree(key) || registry.lastError().empty()) {
        return std::nullopt;
    }
    return "Failed to delete key '" + key + "': " + registry.lastError();
}

}  // namespace

std::optional<std::string> RegisterFileType(
    const std::string& extension, const std::string& fileType, const std::string& description,
    const std::string& programCommand, const std::string& icon, platform::RegistryStore& registry,
    XdgAssociation& xdg) {
    std::string bare;
    for (const char c : extension) {
        if (c != '.') {
            bare.push_back(c);
        }
    }
    if (bare.empty() || programCommand.empty()) {
        return std::nullopt;
    }
    const std::string ext = "." + bare;
    const std::string type = fileType.empty() ? bare + "_auto_file" : fileType;

    if (auto failure = SetValue(registry, ext, type)) {
        return failure;
    }
    if (auto failure = SetValue(registry, type, description)) {
        return failure;
    }
    if (!icon.empty()) {
        if (auto failure = SetValue(registry, type + "\\DefaultIcon", icon)) {
            return failure;
        }
    }
    if (auto failure =
            SetValue(registry, type + "\\shell\\open\\command", programCommand + " \"%1\"")) {
        return failure;
    }
    if (auto failure = xdg.Register({"*" + ext, description, programCommand, !icon.empty()})) {
        return failure;
    }
    xdg.NotifyAssociationsChanged();
    return std::nullopt;
}

std::optional<std::string> UnregisterFileType(const std::string& extension,
                                              platform::RegistryStore& registry,
                                              XdgAssociation& xdg) {
    if (registry.keyExists(extension)) {
        const std::optional<std::string> type = registry.defaultValue(extension);
        if (auto failure = DeleteKey(registry, extension)) {
            return failure;
        }
        if (type && !type->empty()) {
            if (auto failure = DeleteKey(registry, *type)) {
                return failure;
            }
        }
    } else if (!registry.lastError().empty()) {
        return "Failed to open key '" + extension + "': " + registry.lastError();
    }
    // The desktop reads its caches, not the files, so it must hear of a removal too.
    std::optional<std::string> failure;
    if (xdg.Unregister(&failure)) {
        xdg.NotifyAssociationsChanged();
    }
    return failure;
}

std::optional<std::string> ChangeModAssociation(bool on, const std::string& programPath,
                                                platform::RegistryStore& registry,
                                                XdgAssociation& xdg) {
    if (auto failure = UnregisterFileType(kModExtension, registry, xdg); failure || !on) {
        return failure;
    }
    return RegisterFileType(kModExtension, kModFileType, kModFileDescription, programPath,
                            programPath + ",0", registry, xdg);
}

XdgAssociation DesktopModAssociation() {
    std::string icon;
    QFile file(QStringLiteral(":/OXEL_ICON"));
    if (file.open(QIODevice::ReadOnly)) {
        icon = file.readAll().toStdString();
    }
    return XdgAssociation(XdgDirs::FromEnvironment(), RunIfPresent, std::move(icon), kOxelIconSize);
}

}  // namespace oxelgui
