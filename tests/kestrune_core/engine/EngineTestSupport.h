// Helpers shared by the engine tests: joining lines and a message box that answers from a script.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "modcommon/MessageBox.h"

namespace enginetest {

// The lines joined with `lineBreak`, without one after the last.
inline std::string Lines(std::initializer_list<std::string_view> lines,
                         std::string_view lineBreak = "\r\n") {
    std::string out;
    bool first = true;
    for (std::string_view line : lines) {
        if (!first) {
            out.append(lineBreak);
        }
        out.append(line);
        first = false;
    }
    return out;
}

// Records every box and answers with the scripted answers in turn, then with `otherwise`.
class ScriptedBox {
  public:
    explicit ScriptedBox(modcommon::BoxAnswer otherwise = modcommon::BoxAnswer::Closed,
                         std::vector<modcommon::BoxAnswer> answers = {})
        : m_otherwise(otherwise), m_answers(std::move(answers)) {}

    modcommon::MessageBoxFn fn() {
        return [this](const modcommon::BoxRequest& request) {
            requests.push_back(request);
            size_t n = requests.size() - 1;
            return n < m_answers.size() ? m_answers[n] : m_otherwise;
        };
    }

    // The number after "Error Code " of each box shown, or -1 for a box without one.
    std::vector<int> codes() const {
        std::vector<int> out;
        for (const auto& r : requests) {
            std::string_view prefix = "Error Code ";
            out.push_back(r.text.rfind(prefix, 0) == 0 ? std::stoi(r.text.substr(prefix.size()))
                                                       : -1);
        }
        return out;
    }

    std::vector<modcommon::BoxRequest> requests;

  private:
    modcommon::BoxAnswer m_otherwise;
    std::vector<modcommon::BoxAnswer> m_answers;
};

}  // namespace enginetest
