#include "SlopeTab.h"

#include "input/TestPointText.h"
#include "platform/Locale.h"
#include "platform/TextPair.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include <array>

namespace {

// The fields in the order of the slope's values, with their labels.
struct Field {
    const char* name;
    TextPair label;
};
const std::array<Field, 5> fields = {{
    {"txtBETA", {"Neigung β [°] oder 1:n", "inclination β [°] or 1:n"}},
    {"txtLAENGE", {"Böschungslänge L [m]", "slope length L [m]"}},
    {"txtDICKE", {"Dicke der Abdeckung h [m]", "cover thickness h [m]"}},
    {"txtGAMMA", {"Wichte γ [kN/m³]", "unit weight γ [kN/m³]"}},
    {"txtFSERF", {"erforderliche Sicherheit", "required factor of safety"}},
}};

}  // namespace

SlopeTab::SlopeTab(int16_t language, char decimalSeparator, QWidget* parent)
    : QWidget(parent), language_(language), decimal_(decimalSeparator)
{
    setObjectName(QStringLiteral("fraBOESCHUNG"));
    auto* layout = new QFormLayout(this);
    for (const Field& field : fields)
        addField(layout, field.name, field.label.inQt(english()));
    findChild<QLineEdit*>(QStringLiteral("txtFSERF"))->setPlaceholderText(QString(decimal_ == ',' ? "1,5" : "1.5"));
}

bool SlopeTab::english() const
{
    return language_ == Locale::English;
}

QLineEdit* SlopeTab::addField(QFormLayout* layout, const char* name, const QString& label)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAlignment(Qt::AlignRight);
    auto* caption = new QLabel(label, this);
    caption->setBuddy(edit);
    layout->addRow(caption, edit);
    return edit;
}

std::optional<SlidingCheck::Slope> SlopeTab::slope(std::string& problem) const
{
    problem.clear();
    std::array<std::string, fields.size()> texts;
    bool any = false;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        texts[i] = findChild<QLineEdit*>(QString::fromLatin1(fields[i].name))->text().trimmed().toStdString();
        any = any || !texts[i].empty();
    }
    if (!any)
        return std::nullopt;
    std::array<double, fields.size()> values{};
    values[4] = 1.5;  // the factor asked for when none is typed
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i == 4 && texts[i].empty())
            continue;
        // β may be typed as the inclination "1:n" (or "1 : n").
        const QRegularExpressionMatch ratio =
            QRegularExpression(QStringLiteral("^1\\s*:\\s*(\\S+)$")).match(QString::fromStdString(texts[i]));
        const std::optional<double> number =
            TestPointText::number(i == 0 && ratio.hasMatch() ? ratio.captured(1).toStdString() : texts[i], decimal_);
        if (!number || (i == 0 && ratio.hasMatch() && !(*number > 0))) {
            problem = fields[i].label.in(english()) + ": \"" + texts[i] + "\"" +
                      TextPair{" ist keine Zahl.", " is not a number."}.in(english());
            return std::nullopt;
        }
        values[i] = i == 0 && ratio.hasMatch() ? SlidingCheck::degreesOf(*number) : *number;
    }
    const SlidingCheck::Slope slope{values[0], values[1], values[2], values[3], values[4]};
    const auto [german, englishText] = SlidingCheck::problem(slope);
    problem = english() ? englishText : german;
    return problem.empty() ? std::optional(slope) : std::nullopt;
}

void SlopeTab::setSlope(const std::optional<SlidingCheck::Slope>& slope)
{
    const double values[] = {slope ? slope->beta : 0, slope ? slope->length : 0, slope ? slope->thickness : 0,
                             slope ? slope->unitWeight : 0, slope ? slope->required : 0};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        QString text;
        if (slope) {
            text = QString::number(values[i], 'g', 15);
            if (decimal_ == ',')
                text.replace(u'.', u',');
        }
        findChild<QLineEdit*>(QString::fromLatin1(fields[i].name))->setText(text);
    }
}
