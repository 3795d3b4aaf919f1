#pragma once

#include <functional>
#include <optional>
#include <string>

// Every message box of the program goes through this service: the window system shows
// it, tests script the answers and read what was shown.
class MessageService {
public:
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Icon { None, Information, Warning, Question, Critical };
    enum class Answer { Ok, Cancel, Yes, No };

    // A help topic offered by a Help button beside the answers; context 0 offers none.
    struct HelpTopic {
        std::string file;
        int context = 0;
        bool english = false;
    };

    struct Message {
        std::string title;
        std::string text;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        HelpTopic help = {};
    };

    virtual ~MessageService() = default;
    virtual Answer show(const Message& message) = 0;
    // A text prompt preset with a value; nothing when the user cancels.
    virtual std::optional<std::string> input(const std::string& title, const std::string& prompt,
                                             const std::string& preset) = 0;
    // File work that may wait on a share: the window system keeps its windows alive meanwhile
    // and, after a moment, says under `title` what it waits for (`what`). False when the
    // waiting was given up (by the user, or after a minute): the work then goes on alone and
    // must own what it uses. An exception of the work is thrown here. Without a window the
    // work simply runs.
    virtual bool await(const std::string& title, const std::string& what, const std::function<void()>& work)
    {
        (void)title;
        (void)what;
        work();
        return true;
    }
};
