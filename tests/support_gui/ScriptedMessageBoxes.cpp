// Recording message boxes answered from a queue.
#include "ScriptedMessageBoxes.h"

namespace testsupport {

modcommon::BoxAnswer ScriptedMessageBoxes::show(QWidget* parent,
                                                const modcommon::BoxRequest& request) {
    m_requests.push_back(request);
    m_parents.push_back(parent);
    if (m_answers.empty()) {
        return m_defaultAnswer;
    }
    const modcommon::BoxAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void ScriptedMessageBoxes::queue(std::initializer_list<modcommon::BoxAnswer> answers) {
    m_answers.insert(m_answers.end(), answers.begin(), answers.end());
}

std::vector<std::string> ScriptedMessageBoxes::texts() const {
    std::vector<std::string> result;
    for (const auto& request : m_requests) {
        result.push_back(request.text);
    }
    return result;
}

void ScriptedMessageBoxes::clear() {
    m_answers.clear();
    m_requests.clear();
    m_parents.clear();
}

}  // namespace testsupport
