// The web addresses the installer opens: its own site and the page that offers more mods.
#pragma once

#include <string_view>

namespace kestrunegui {

inline constexpr std::string_view kWebSite = "https://kestrune.example.org/";
inline constexpr std::string_view kMoreModsPage = "https://kestrune.example.org/mods/";

}  // namespace kestrunegui
