// Helpers the fuzz targets share: scripted message-box answers and a hard stop on a broken
// promise (libFuzzer saves the input that made a target abort).
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "modcommon/MessageBox.h"

namespace fuzzsupport {

// Aborts with `what` when `ok` is false.
inline void Require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

// How the user answers the fault boxes, so a parse both stops early and goes on past faults:
// always OK, always closed, alternating, or by the bits of one byte of the input.
class ScriptedAnswers {
  public:
    explicit ScriptedAnswers(uint8_t control) : m_mode(control & 3), m_bits(control >> 2) {}

    modcommon::MessageBoxFn Fn() {
        return [this](const modcommon::BoxRequest&) { return Next(); };
    }

  private:
    modcommon::BoxAnswer Next() {
        const unsigned n = m_count++;
        bool ok = false;
        switch (m_mode) {
            case 0:
                ok = true;
                break;
            case 1:
                ok = false;
                break;
            case 2:
                ok = n % 2 == 1;
                break;
            default:
                ok = ((m_bits >> (n % 6)) & 1) != 0;
                break;
        }
        return ok ? modcommon::BoxAnswer::Ok : modcommon::BoxAnswer::Closed;
    }

    unsigned m_mode;
    unsigned m_bits;
    unsigned m_count = 0;
};

}  // namespace fuzzsupport
