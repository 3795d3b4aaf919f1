#pragma once

#include "platform/MessageService.h"

#include <deque>
#include <vector>

// Records every message shown and answers from a queue; with the queue empty it answers
// OK (or Yes for a yes/no question).
class ScriptedMessages : public MessageService {
public:
    Answer show(const Message& message) override
    {
        shown.push_back(message);
        if (!answers.empty()) {
            const Answer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return message.buttons == Buttons::YesNo || message.buttons == Buttons::YesNoCancel ? Answer::Yes
                                                                                            : Answer::Ok;
    }

    std::vector<Message> shown;
    std::deque<Answer> answers;
};
