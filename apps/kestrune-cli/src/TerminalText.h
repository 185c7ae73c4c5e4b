// Texts of the core (CR LF line breaks) as a terminal shows them.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace kestrune::cli {

// Every CR LF becomes LF; every other byte stays as it is.
std::string ToTerminal(std::string_view text);

// Writes text that arrives in pieces with CR LF turned into LF, even when a piece ends between
// the CR and the LF.
class TerminalWriter {
  public:
    explicit TerminalWriter(std::ostream& out) : m_out(out) {}
    void Write(std::string_view piece);
    // Ends the text with a line break, unless it already ends with one or nothing was written.
    void EndLine();

  private:
    std::ostream& m_out;
    bool m_pendingCr = false;
    bool m_atLineStart = true;
};

}  // namespace kestrune::cli
