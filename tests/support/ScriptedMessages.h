#pragma once

#include "platform/BackgroundWork.h"
#include "platform/MessageService.h"

#include <atomic>
#include <chrono>
#include <deque>
#include <memory>
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

    // File work runs in place; with `giveUpAfter` set it runs on its own thread and is given
    // up after that time, as the window does after a minute. `worksEnded` counts the works
    // that ended, given up or not.
    bool await(const std::string&, const std::string& what, const std::function<void()>& work) override
    {
        waitedFor.push_back(what);
        const auto ended = worksEnded;
        // Counted when the work ends, whether it returns or throws.
        struct Count {
            std::shared_ptr<std::atomic<int>> ended;
            ~Count() { ++*ended; }
        };
        const auto counted = [work, ended] {
            const Count count{ended};
            work();
        };
        if (!giveUpAfter) {
            counted();
            return true;
        }
        return BackgroundWork::run(counted, [this](std::chrono::milliseconds elapsed) { return elapsed < *giveUpAfter; });
    }

    std::vector<Message> shown;
    std::vector<std::string> waitedFor;
    std::optional<std::chrono::milliseconds> giveUpAfter;
    std::shared_ptr<std::atomic<int>> worksEnded = std::make_shared<std::atomic<int>>(0);
    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> inputs;
};
