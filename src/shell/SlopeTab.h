#pragma once

#include "laws/SlidingCheck.h"

#include <QWidget>

#include <optional>
#include <string>

class QLineEdit;

// The input form's tab of the sliding check of a cover on a slope: inclination β (in degrees,
// or typed as the inclination "1:n"), slope length L, cover thickness h, unit weight γ and
// the factor of safety asked for. All fields empty: the record has no check.
class SlopeTab : public QWidget {
    Q_OBJECT

public:
    SlopeTab(int16_t language, char decimalSeparator, QWidget* parent = nullptr);

    // The check typed, none when every field is empty; `problem` names the first field that
    // holds no number or a value the check cannot take.
    std::optional<SlidingCheck::Slope> slope(std::string& problem) const;
    void setSlope(const std::optional<SlidingCheck::Slope>& slope);

private:
    QLineEdit* addField(class QFormLayout* layout, const char* name, const QString& label);
    bool english() const;

    int16_t language_;
    char decimal_;
};
