#pragma once

#include <string>

// The control properties that the control transfers of clsDATEN read and write: the text
// of a text box and of a combo box. The window layer adapts its widgets to them.
namespace Controls {

class TextBox {
public:
    virtual ~TextBox() = default;
    virtual std::string Text() const = 0;
    virtual void setText(const std::string& text) = 0;
};

// A combo box's text, typed or chosen from its list, travels as a text box's does.
class ComboBox : public TextBox {};

}  // namespace Controls
