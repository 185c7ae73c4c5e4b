// Recording file and font dialogs answered from queues.
#include "ScriptedFileDialogs.h"

namespace testsupport {
namespace {

template <typename T>
std::optional<T> Next(std::deque<std::optional<T>>& queue) {
    if (queue.empty()) {
        return std::nullopt;
    }
    std::optional<T> answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

}  // namespace

std::optional<QString> ScriptedFileDialogs::getOpenFileName(QWidget* parent, const QString& title,
                                                            const QString& initialDir,
                                                            const QString& windowsFilter,
                                                            const QString& defaultSuffix) {
    m_calls.push_back({Kind::Open, parent, title, initialDir, windowsFilter, defaultSuffix, {}});
    return Next(m_open);
}

std::optional<QString> ScriptedFileDialogs::getSaveFileName(QWidget* parent, const QString& title,
                                                            const QString& initialDir,
                                                            const QString& windowsFilter,
                                                            const QString& defaultSuffix) {
    m_calls.push_back({Kind::Save, parent, title, initialDir, windowsFilter, defaultSuffix, {}});
    return Next(m_save);
}

std::optional<QFont> ScriptedFileDialogs::getFont(QWidget* parent, const QFont& initial) {
    m_calls.push_back({Kind::Font, parent, {}, {}, {}, {}, initial});
    return Next(m_font);
}

void ScriptedFileDialogs::clear() {
    m_open.clear();
    m_save.clear();
    m_font.clear();
    m_calls.clear();
}

}  // namespace testsupport
