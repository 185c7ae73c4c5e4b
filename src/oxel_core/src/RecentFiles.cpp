// Recording opened files and trimming the list to its maximum.
#include "oxel/RecentFiles.h"

#include <algorithm>

namespace oxel {

void RecentFiles::AddMRU(const std::string& path) {
    const bool present = std::any_of(m_items.begin(), m_items.end(), [&](const std::string& item) {
        return SameFileName(item, path, m_style);
    });
    if (present) {
        return;
    }
    m_items.push_back(path);
    CheckMRU();
}

void RecentFiles::CheckMRU() {
    const size_t max = m_max < 0 ? 0 : static_cast<size_t>(m_max);
    if (m_items.size() > max) {
        m_items.erase(m_items.begin(), m_items.end() - static_cast<std::ptrdiff_t>(max));
    }
}

}  // namespace oxel
