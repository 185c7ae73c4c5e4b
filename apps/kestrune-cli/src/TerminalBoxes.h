// The core's message boxes on a terminal: the text goes to standard error, and a question gets
// a fixed answer, since nobody is there to press a button.
#pragma once

#include <ostream>

#include "modcommon/MessageBox.h"

namespace kestrune::cli {

class TerminalBoxes {
  public:
    explicit TerminalBoxes(std::ostream& err) : m_err(err) {}
    TerminalBoxes(const TerminalBoxes&) = delete;
    TerminalBoxes& operator=(const TerminalBoxes&) = delete;

    // The function handed to the core. OK boxes are answered Ok, which also stops a parse at
    // its first fault; questions get questionAnswer(). Must not outlive this object.
    modcommon::MessageBoxFn Fn();

    // No by default: a question asked on its own (converting an old log) changes nothing then.
    // `echo` prints the question with its answer; a command that is itself the user's answer
    // (clear-log) needs no echo.
    void SetQuestionAnswer(modcommon::BoxAnswer answer, bool echo = true) {
        m_questionAnswer = answer;
        m_echoQuestions = echo;
    }
    // Warnings are dropped while set (used while a start-up selects a folder for a script
    // that --script replaces at once).
    void SetQuietWarnings(bool quiet) { m_quietWarnings = quiet; }

    // How many error boxes were shown so far; a caller compares before and after a call.
    int errorsShown() const { return m_errorsShown; }

  private:
    modcommon::BoxAnswer Show(const modcommon::BoxRequest& request);

    std::ostream& m_err;
    modcommon::BoxAnswer m_questionAnswer = modcommon::BoxAnswer::No;
    bool m_echoQuestions = true;
    bool m_quietWarnings = false;
    int m_errorsShown = 0;
};

}  // namespace kestrune::cli
