// A small key store standing in for the system registry's file-type keys: keys named with
// "\" between their parts ("modfile\shell\open\command"), compared without regard to the
// letter case of ASCII letters, each with an optional default value. Every change is written
// to one file at once, all or nothing; reads see what other instances wrote.
//
//   platform::RegistryStore classes(platform::RegistryStore::DefaultFolder());
//   if (!classes.setDefaultValue(".mod", "modfile")) report(classes.lastError());
#pragma once

#include <optional>
#include <string>

#include "modcommon/FileSystem.h"

namespace platform {

class RegistryStore {
  public:
    // folder ends in "/"; the store is the file "classes-registry.ini" in it. The folder is
    // created on the first write.
    explicit RegistryStore(std::string folder,
                           modcommon::FileSystem& fs = modcommon::DefaultFileSystem());

    // $XDG_CONFIG_HOME/oxel/, else ~/.config/oxel/.
    static std::string DefaultFolder();
    static constexpr const char* kFileName = "classes-registry.ini";

    // Sets the key's default value, creating the key and its parents as needed. False (with
    // lastError()) when the key name is not valid or the file can't be read or written.
    bool setDefaultValue(const std::string& key, const std::string& value);

    // Empty when the key does not exist or has no default value.
    std::optional<std::string> defaultValue(const std::string& key) const;

    bool keyExists(const std::string& key) const;

    // Deletes the key with all its subkeys. False when the key does not exist (lastError()
    // empty) or the change could not be written (lastError() says why).
    bool deleteKeyTree(const std::string& key);

    // Why the last call failed; empty after a call that succeeded.
    const std::string& lastError() const { return m_lastError; }

    std::string filePath() const { return m_folder + kFileName; }

  private:
    std::string m_folder;
    modcommon::FileSystem& m_fs;
    mutable std::string m_lastError;
};

}  // namespace platform
