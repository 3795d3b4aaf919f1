#include "QtControls.h"

#include <QComboBox>
#include <QLineEdit>

std::string QtTextBox::Text() const
{
    return edit_.text().toStdString();
}

void QtTextBox::setText(const std::string& text)
{
    edit_.setText(QString::fromStdString(text));
}

int16_t QtComboBox::ListCount() const
{
    return static_cast<int16_t>(combo_.count());
}

std::string QtComboBox::List(int16_t index) const
{
    return combo_.itemText(index).toStdString();
}

void QtComboBox::AddItem(const std::string& item)
{
    combo_.addItem(QString::fromStdString(item));
}

int16_t QtComboBox::ListIndex() const
{
    return static_cast<int16_t>(combo_.currentIndex());
}

void QtComboBox::setListIndex(int16_t index)
{
    combo_.setCurrentIndex(index);
}

std::string QtComboBox::Text() const
{
    return combo_.currentText().toStdString();
}

void QtComboBox::setText(const std::string& text)
{
    if (combo_.isEditable())
        combo_.setEditText(QString::fromStdString(text));
    else
        combo_.setCurrentIndex(combo_.findText(QString::fromStdString(text)));
}
