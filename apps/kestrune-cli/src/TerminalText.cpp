// CR LF to LF for the terminal.
#include "TerminalText.h"

namespace kestrune::cli {

std::string ToTerminal(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        out += text[i];
    }
    return out;
}

void TerminalWriter::Write(std::string_view piece) {
    if (piece.empty()) {
        return;
    }
    std::string text;
    if (m_pendingCr) {
        text += '\r';
        m_pendingCr = false;
    }
    text += piece;
    if (text.back() == '\r') {
        m_pendingCr = true;
        text.pop_back();
    }
    std::string shown = ToTerminal(text);
    if (!shown.empty()) {
        m_out << shown;
        m_atLineStart = shown.back() == '\n';
    }
}

void TerminalWriter::EndLine() {
    if (m_pendingCr) {
        m_out << '\r';
        m_pendingCr = false;
        m_atLineStart = false;
    }
    if (!m_atLineStart) {
        m_out << '\n';
        m_atLineStart = true;
    }
}

}  // namespace kestrune::cli
