// A file-dialog service that shows nothing: it records each call and answers from queues.
// An empty queue answers as a cancelled dialog.
//
//   testsupport::ScriptedFileDialogs dialogs;
//   dialogs.queueOpen(dir.file("YaBB.pl").c_str());
//   clickOpenYaBB();
//   EXPECT_EQ(dialogs.calls()[0].title, "Select Main Script File");
#pragma once

#include <deque>
#include <vector>

#include "platform/FileDialogService.h"

namespace testsupport {

class ScriptedFileDialogs final : public platform::FileDialogService {
  public:
    enum class Kind { Open, Save, Font };
    struct Call {
        Kind kind;
        QWidget* parent;
        QString title;          // file dialogs only
        QString initialDir;     // file dialogs only
        QString windowsFilter;  // as the caller wrote it
        QString defaultSuffix;
        QFont initialFont;  // font dialog only
    };

    std::optional<QString> getOpenFileName(QWidget* parent, const QString& title,
                                           const QString& initialDir, const QString& windowsFilter,
                                           const QString& defaultSuffix = {}) override;
    std::optional<QString> getSaveFileName(QWidget* parent, const QString& title,
                                           const QString& initialDir, const QString& windowsFilter,
                                           const QString& defaultSuffix = {}) override;
    std::optional<QFont> getFont(QWidget* parent, const QFont& initial) override;

    // std::nullopt queues a cancel.
    void queueOpen(std::optional<QString> answer) { m_open.push_back(std::move(answer)); }
    void queueSave(std::optional<QString> answer) { m_save.push_back(std::move(answer)); }
    void queueFont(std::optional<QFont> answer) { m_font.push_back(std::move(answer)); }

    const std::vector<Call>& calls() const { return m_calls; }
    void clear();

  private:
    std::deque<std::optional<QString>> m_open;
    std::deque<std::optional<QString>> m_save;
    std::deque<std::optional<QFont>> m_font;
    std::vector<Call> m_calls;
};

}  // namespace testsupport
