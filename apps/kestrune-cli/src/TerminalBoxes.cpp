// Message boxes printed to standard error.
#include "TerminalBoxes.h"

#include "TerminalText.h"

namespace kestrune::cli {

using modcommon::BoxAnswer;
using modcommon::BoxButtons;
using modcommon::BoxKind;

modcommon::MessageBoxFn TerminalBoxes::Fn() {
    return [this](const modcommon::BoxRequest& request) { return Show(request); };
}

BoxAnswer TerminalBoxes::Show(const modcommon::BoxRequest& request) {
    if (request.buttons == BoxButtons::Ok) {
        if (request.kind == BoxKind::Warning && m_quietWarnings) {
            return BoxAnswer::Ok;
        }
        if (request.kind == BoxKind::Error) {
            ++m_errorsShown;
        }
        m_err << ToTerminal(request.text) << "\n";
        return BoxAnswer::Ok;
    }
    if (!m_echoQuestions) {
        return m_questionAnswer;
    }
    const char* answer = m_questionAnswer == BoxAnswer::Yes ? "Yes" : "No";
    m_err << ToTerminal(request.text) << "\n(answered " << answer << ")\n";
    return m_questionAnswer;
}

}  // namespace kestrune::cli
