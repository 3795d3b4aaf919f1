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
    QtComboBox(QComboBox& combo, int16_t index = 0) : combo_(combo), index_(index) {}
    int16_t ListCount() const override;
    std::string List(int16_t index) const override;
    void AddItem(const std::string& item) override;
    int16_t ListIndex() const override;
    void setListIndex(int16_t index) override;
    int16_t Index() const override { return index_; }
    std::string Text() const override;
    void setText(const std::string& text) override;

private:
    QComboBox& combo_;
    int16_t index_;
};
