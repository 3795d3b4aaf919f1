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
