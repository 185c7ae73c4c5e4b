// A launcher that starts nothing: it records each call and reports the success it is told.
//
//   testsupport::RecordingLauncher launcher;
//   clickModEditor();
//   ASSERT_EQ(launcher.calls().size(), 1u);
//   EXPECT_EQ(launcher.calls()[0].args, QStringList{"/prog/Mods/YaBB 2.1/a b.mod"});
#pragma once

#include <vector>

#include "platform/Launcher.h"

namespace testsupport {

class RecordingLauncher final : public platform::Launcher {
  public:
    enum class Kind { Program, ParameterText, Document };
    struct Call {
        Kind kind;
        QString program;        // Program and ParameterText
        QStringList args;       // Program; for ParameterText the text split into arguments
        QString parameterText;  // ParameterText
        QString document;       // Document
        QStringList browsers;   // Document
    };

    explicit RecordingLauncher(bool succeeds = true) : m_succeeds(succeeds) {}

    bool startProgram(const QString& program, const QStringList& args) override;
    bool startWithParameterText(const QString& program, const QString& parameterText) override;
    bool openDocument(const QString& urlOrPath, const QStringList& browsers) override;

    void setSucceeds(bool succeeds) { m_succeeds = succeeds; }
    const std::vector<Call>& calls() const { return m_calls; }
    void clear() { m_calls.clear(); }

  private:
    bool m_succeeds;
    std::vector<Call> m_calls;
};

}  // namespace testsupport
