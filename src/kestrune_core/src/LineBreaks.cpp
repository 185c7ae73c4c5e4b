// Line-break style detection and conversion for forum files.
#include "kestrune/LineBreaks.h"

#include <algorithm>
#include <cstring>

namespace kestrune {
namespace {

// Only the CR and LF bytes of a forum file matter here; memchr skips the text between them
// many times faster than a byte loop.
class BreakScanner {
  public:
    explicit BreakScanner(std::string_view text)
        : m_end(text.data() + text.size()),
          m_cr(Find(text.data(), '\r')),
          m_lf(Find(text.data(), '\n')) {}

    // The first CR or LF at or after `from`, or the end.
    const char* Next(const char* from) {
        if (m_cr < from) {
            m_cr = Find(from, '\r');
        }
        if (m_lf < from) {
            m_lf = Find(from, '\n');
        }
        return std::min(m_cr, m_lf);
    }
    const char* end() const { return m_end; }

  private:
    const char* Find(const char* from, char c) const {
        const void* found = std::memchr(from, c, static_cast<size_t>(m_end - from));
        return found ? static_cast<const char*>(found) : m_end;
    }

    const char* m_end;
    const char* m_cr;
    const char* m_lf;
};

// True when converting `text` to `lineBreak` would change nothing: every break is already
// `lineBreak` and there is no lone CR.
bool AlreadyInStyle(std::string_view text, std::string_view lineBreak) {
    BreakScanner scan(text);
    const bool crlf = lineBreak == "\r\n";
    if (!crlf && lineBreak != "\n") {
        return false;
    }
    for (const char* p = scan.Next(text.data()); p != scan.end(); p = scan.Next(p)) {
        if (crlf) {
            if (*p != '\r' || p + 1 == scan.end() || p[1] != '\n') {
                return false;
            }
            p += 2;
        } else {
            if (*p == '\r') {
                return false;
            }
            p += 1;
        }
    }
    return true;
}

}  // namespace

bool DetectLineBreakStyle(std::string_view text) {
    // Taking out the first CR LF again and again, where a removal may join a CR and an LF
    // into a new pair, pairs each LF with the nearest unpaired CR directly before it, with
    // nothing but such CRs between them. That is bracket matching, done here in one pass:
    // `openCrs` counts the unpaired CRs at the end of what is left so far.
    size_t pairs = 0;
    size_t loneLfs = 0;
    size_t openCrs = 0;
    BreakScanner scan(text);
    for (const char* p = scan.Next(text.data()); p != scan.end(); p = scan.Next(p)) {
        if (p != text.data() && p[-1] != '\r' && p[-1] != '\n') {
            openCrs = 0;  // other bytes stand between the CRs before and this break
        }
        for (; p != scan.end() && (*p == '\r' || *p == '\n'); ++p) {
            if (*p == '\r') {
                ++openCrs;
            } else if (openCrs > 0) {
                --openCrs;
                ++pairs;
            } else {
                ++loneLfs;
            }
        }
    }
    return pairs >= loneLfs;
}

std::string ConvertLineBreaks(std::string_view text, std::string_view lineBreak) {
    // Most files are in one style already; a copy then saves a pass of small appends.
    if (AlreadyInStyle(text, lineBreak)) {
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    BreakScanner scan(text);
    const char* p = text.data();
    while (p < scan.end()) {
        const char* brk = scan.Next(p);
        out.append(p, brk);
        if (brk == scan.end()) {
            break;
        }
        out.append(lineBreak);
        p = brk + ((*brk == '\r' && brk + 1 != scan.end() && brk[1] == '\n') ? 2 : 1);
    }
    return out;
}

}  // namespace kestrune
