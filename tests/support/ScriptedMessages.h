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
        return message.buttons == Buttons::YesNo || message.buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
    }

    // Prompts answer from their own queue; with it empty they take the preset.
    std::optional<std::string> input(const std::string& title, const std::string& prompt,
                                     const std::string& preset) override
    {
        shown.push_back({title, prompt, Buttons::OkCancel, Icon::None});
        if (inputs.empty())
            return preset;
        const std::optional<std::string> answer = inputs.front();
        inputs.pop_front();
        return answer;
    }

    std::vector<Message> shown;
    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> inputs;
};
