// A message-box service that shows nothing: it records every request and answers from a
// script.
//
//   testsupport::ScriptedMessageBoxes boxes;
//   boxes.queue(BoxAnswer::Yes);              // the first box is answered Yes
//   window.clearLog();                        // asks through boxes
//   ASSERT_EQ(boxes.requests().size(), 1u);
//   EXPECT_EQ(boxes.requests()[0].text, "Do you want to clear the log file? ...");
#pragma once

#include <deque>
#include <initializer_list>
#include <vector>

#include "platform/MessageBoxService.h"

namespace testsupport {

class ScriptedMessageBoxes final : public platform::MessageBoxService {
  public:
    // The answer given once the queue is empty.
    explicit ScriptedMessageBoxes(modcommon::BoxAnswer defaultAnswer = modcommon::BoxAnswer::Ok)
        : m_defaultAnswer(defaultAnswer) {}

    modcommon::BoxAnswer show(QWidget* parent, const modcommon::BoxRequest& request) override;

    void queue(modcommon::BoxAnswer answer) { m_answers.push_back(answer); }
    void queue(std::initializer_list<modcommon::BoxAnswer> answers);
    void setDefaultAnswer(modcommon::BoxAnswer answer) { m_defaultAnswer = answer; }

    // Every request in the order asked, and the parent each was shown over.
    const std::vector<modcommon::BoxRequest>& requests() const { return m_requests; }
    const std::vector<QWidget*>& parents() const { return m_parents; }
    // Only the texts, for quick comparisons.
    std::vector<std::string> texts() const;
    size_t pendingAnswers() const { return m_answers.size(); }
    void clear();

  private:
    modcommon::BoxAnswer m_defaultAnswer;
    std::deque<modcommon::BoxAnswer> m_answers;
    std::vector<modcommon::BoxRequest> m_requests;
    std::vector<QWidget*> m_parents;
};

}  // namespace testsupport
