// Shared helpers of the installer tests: a scripted message box and small file builders.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "modcommon/MessageBox.h"

namespace installertest {

// Records every box shown and answers from a script; unscripted questions get No, other
// boxes Ok.
struct BoxRecorder {
    std::vector<modcommon::BoxRequest> shown;
    std::deque<modcommon::BoxAnswer> answers;

    modcommon::MessageBoxFn fn() {
        return [this](const modcommon::BoxRequest& request) {
            shown.push_back(request);
            if (!answers.empty()) {
                modcommon::BoxAnswer answer = answers.front();
                answers.pop_front();
                return answer;
            }
            return request.buttons == modcommon::BoxButtons::Ok ? modcommon::BoxAnswer::Ok
                                                                : modcommon::BoxAnswer::No;
        };
    }

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& request : shown) {
            out.push_back(request.text);
        }
        return out;
    }
};

using testsupport::CrLf;

}  // namespace installertest
