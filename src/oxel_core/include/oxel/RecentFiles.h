// The recent-files list: full paths, oldest first, no duplicates, at most a maximum count.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "oxel/PathStyle.h"

namespace oxel {

class RecentFiles {
  public:
    explicit RecentFiles(PathStyle style = PathStyle::Host()) : m_style(style) {}

    const std::vector<std::string>& Items() const { return m_items; }
    int32_t Max() const { return m_max; }
    void SetMax(int32_t max) { m_max = max; }

    // Appends a path not yet in the list (compared by the style's letter-case rule)
    // and trims; a path already there keeps its place.
    void AddMRU(const std::string& path);
    // Drops the oldest entries while there are more than the maximum.
    void CheckMRU();
    // Appends as read from the settings file, without any check.
    void AppendLoaded(std::string path) { m_items.push_back(std::move(path)); }
    void Clear() { m_items.clear(); }

  private:
    PathStyle m_style;
    std::vector<std::string> m_items;
    int32_t m_max = 10;
};

}  // namespace oxel
