#pragma once

#include "data/Controls.h"

class QComboBox;
class QLineEdit;

// Qt widgets seen through the control properties of the data transfers.
class QtTextBox : public Controls::TextBox {
public:
    explicit QtTextBox(QLineEdit& edit) : edit_(edit) {}
    std::string Text() const override;
    void setText(const std::string& text) override;

private:
    QLineEdit& edit_;
};

class QtComboBox : public Controls::ComboBox {
public:
    explicit QtComboBox(QComboBox& combo) : combo_(combo) {}
    std::string Text() const override;
    void setText(const std::string& text) override;

private:
    QComboBox& combo_;
};
