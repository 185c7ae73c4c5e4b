// The file-type key store: an INI-like file of "[key]" headers, each followed by its default
// value as '@="..."' when it has one.
#include "platform/RegistryStore.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "modcommon/ModTags.h"
#include "modcommon/SafeWrite.h"

namespace platform {
namespace {

struct Key {
    std::string name;  // as first created, letter case kept
    std::optional<std::string> value;
};

// Keyed by the lower-cased name, so lookups ignore letter case as the registry does.
using Keys = std::map<std::string, Key>;

bool IsValidKeyName(const std::string& name) {
    if (name.empty() || name.front() == '\\' || name.back() == '\\' ||
        name.find("\\\\") != std::string::npos) {
        return false;
    }
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            return false;
        }
    }
    return true;
}

// Adds the key and every parent it names, as creating a registry key does.
Key& AddKey(Keys& keys, const std::string& name) {
    for (size_t cut = name.find('\\'); cut != std::string::npos; cut = name.find('\\', cut + 1)) {
        const std::string parent = name.substr(0, cut);
        keys.try_emplace(modcommon::AsciiLower(parent), Key{parent, std::nullopt});
    }
    return keys.try_emplace(modcommon::AsciiLower(name), Key{name, std::nullopt}).first->second;
}

std::string Escape(const std::string& value) {
    std::string out;
    for (const char c : value) {
        const auto b = static_cast<unsigned char>(c);
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                if (b < 0x20 || b == 0x7F) {
                    char hex[5];
                    std::snprintf(hex, sizeof hex, "\\x%02X", b);
                    out += hex;
                } else {
                    out.push_back(c);
                }
        }
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// The text between the quotes of '"..."', escapes undone. A damaged escape is kept as written.
std::string Unescape(std::string_view quoted) {
    if (quoted.size() >= 2 && quoted.front() == '"' && quoted.back() == '"') {
        quoted = quoted.substr(1, quoted.size() - 2);
    }
    std::string out;
    for (size_t i = 0; i < quoted.size(); ++i) {
        const char c = quoted[i];
        if (c != '\\' || i + 1 == quoted.size()) {
            out.push_back(c);
            continue;
        }
        const char next = quoted[i + 1];
        if (next == '\\' || next == '"') {
            out.push_back(next);
            ++i;
        } else if (next == 'r') {
            out.push_back('\r');
            ++i;
        } else if (next == 'n') {
            out.push_back('\n');
            ++i;
        } else if (next == 'x' && i + 3 < quoted.size() && HexDigit(quoted[i + 2]) >= 0 &&
                   HexDigit(quoted[i + 3]) >= 0) {
            out.push_back(
                static_cast<char>(HexDigit(quoted[i + 2]) * 16 + HexDigit(quoted[i + 3])));
            i += 3;
        } else {
            out.push_back(c);
        }
    }
    return out;
}

Keys Parse(const std::string& text) {
    Keys keys;
    Key* current = nullptr;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            const std::string name = line.substr(1, line.size() - 2);
            current = IsValidKeyName(name) ? &AddKey(keys, name) : nullptr;
        } else if (current != nullptr && line.rfind("@=", 0) == 0) {
            current->value = Unescape(std::string_view(line).substr(2));
        }
    }
    return keys;
}

std::string Serialize(const Keys& keys) {
    std::string out = "; File-type keys of Oxel's .mod association\n";
    for (const auto& [lower, key] : keys) {
        out += "\n[" + key.name + "]\n";
        if (key.value) {
            out += "@=\"" + Escape(*key.value) + "\"\n";
        }
    }
    return out;
}

// The store's keys; false with the reason when the file exists but can't be read.
bool Load(const std::string& path, Keys& keys, std::string& error) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        keys.clear();
        return true;
    }
    std::ifstream in(path, std::ios::binary);
    if (!std::filesystem::is_regular_file(path, ec) || !in.is_open()) {
        error = "Could not read " + path;
        return false;
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        error = "Could not read " + path;
        return false;
    }
    keys = Parse(text);
    return true;
}

bool Save(const std::string& folder, const std::string& path, const Keys& keys,
          modcommon::FileSystem& fs, std::string& error) {
    std::error_code ec;
    if (!folder.empty()) {
        std::filesystem::create_directories(folder, ec);
        if (ec) {
            error = ec.message();
            return false;
        }
    }
    if (auto failure = modcommon::WriteFileAtomically(path, Serialize(keys), fs)) {
        error = failure->reason;
        return false;
    }
    return true;
}

}  // namespace

RegistryStore::RegistryStore(std::string folder, modcommon::FileSystem& fs)
    : m_folder(std::move(folder)), m_fs(fs) {
    if (!m_folder.empty() && m_folder.back() != '/') {
        m_folder.push_back('/');
    }
}

std::string RegistryStore::DefaultFolder() {
    // A relative XDG_CONFIG_HOME is to be ignored.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') {
        return std::string(xdg) + "/oxel/";
    }
    const char* home = std::getenv("HOME");
    std::string base = home != nullptr ? home : "";
    if (base.empty()) {
        if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
            base = pw->pw_dir;
        }
    }
    return base + "/.config/oxel/";
}

bool RegistryStore::setDefaultValue(const std::string& key, const std::string& value) {
    m_lastError.clear();
    if (!IsValidKeyName(key)) {
        m_lastError = "Invalid key name: " + key;
        return false;
    }
    Keys keys;
    if (!Load(filePath(), keys, m_lastError)) {
        return false;
    }
    AddKey(keys, key).value = value;
    return Save(m_folder, filePath(), keys, m_fs, m_lastError);
}

std::optional<std::string> RegistryStore::defaultValue(const std::string& key) const {
    m_lastError.clear();
    Keys keys;
    if (!Load(filePath(), keys, m_lastError)) {
        return std::nullopt;
    }
    const auto found = keys.find(modcommon::AsciiLower(key));
    if (found == keys.end()) {
        return std::nullopt;
    }
    return found->second.value;
}

bool RegistryStore::keyExists(const std::string& key) const {
    m_lastError.clear();
    Keys keys;
    if (!Load(filePath(), keys, m_lastError)) {
        return false;
    }
    return keys.count(modcommon::AsciiLower(key)) != 0;
}

bool RegistryStore::deleteKeyTree(const std::string& key) {
    m_lastError.clear();
    Keys keys;
    if (!Load(filePath(), keys, m_lastError)) {
        return false;
    }
    const std::string lower = modcommon::AsciiLower(key);
    if (!IsValidKeyName(key) || keys.count(lower) == 0) {
        return false;
    }
    const std::string subkeyPrefix = lower + "\\";
    for (auto it = keys.begin(); it != keys.end();) {
        if (it->first == lower || it->first.rfind(subkeyPrefix, 0) == 0) {
            it = keys.erase(it);
        } else {
            ++it;
        }
    }
    return Save(m_folder, filePath(), keys, m_fs, m_lastError);
}

}  // namespace platform
