// Recording program starts and document opens.
#include "RecordingLauncher.h"

namespace testsupport {

bool RecordingLauncher::startProgram(const QString& program, const QStringList& args) {
    m_calls.push_back({Kind::Program, program, args, {}, {}, {}});
    return m_succeeds;
}

bool RecordingLauncher::startWithParameterText(const QString& program,
                                               const QString& parameterText) {
    m_calls.push_back({Kind::ParameterText,
                       program,
                       platform::SplitParameterText(parameterText),
                       parameterText,
                       {},
                       {}});
    return m_succeeds;
}

bool RecordingLauncher::openDocument(const QString& urlOrPath, const QStringList& browsers) {
    m_calls.push_back({Kind::Document, {}, {}, {}, urlOrPath, browsers});
    return m_succeeds;
}

}  // namespace testsupport
