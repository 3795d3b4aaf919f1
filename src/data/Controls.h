#pragma once

#include <cstdint>
#include <string>

// The properties of form controls that the control transfers of clsDATEN read and
// write. The window layer adapts its widgets to them; tests use plain objects.
namespace Controls {

class TextBox {
public:
    virtual ~TextBox() = default;
    virtual std::string Text() const = 0;
    virtual void setText(const std::string& text) = 0;
};

class Label {
public:
    virtual ~Label() = default;
    virtual std::string Caption() const = 0;
    virtual void setCaption(const std::string& caption) = 0;
    virtual int16_t Index() const = 0;  // position within its indexed set
};

class CheckBox {
public:
    virtual ~CheckBox() = default;
    virtual int16_t Value() const = 0;  // 0 unchecked, 1 checked, 2 grey
    virtual void setValue(int16_t value) = 0;
    virtual std::string Caption() const = 0;
    virtual void setCaption(const std::string& caption) = 0;
};

class OptionButton {
public:
    virtual ~OptionButton() = default;
    virtual bool Value() const = 0;
    virtual void setValue(bool value) = 0;
    virtual std::string Caption() const = 0;
    virtual void setCaption(const std::string& caption) = 0;
};

class ListBox {
public:
    virtual ~ListBox() = default;
    virtual int16_t ListCount() const = 0;
    virtual std::string List(int16_t index) const = 0;
    virtual void AddItem(const std::string& item) = 0;
    virtual int16_t ListIndex() const = 0;  // -1: nothing selected
    virtual void setListIndex(int16_t index) = 0;
    virtual int16_t Index() const = 0;  // position within its indexed set
};

class ComboBox : public ListBox {
public:
    virtual std::string Text() const = 0;
    virtual void setText(const std::string& text) = 0;
};

}  // namespace Controls
