#include "clsKOPFFUSS.h"

#include "graphics/FormulaWriter.h"
#include "platform/ErrorTrap.h"
#include "platform/Locale.h"
#include "platform/Surface.h"
#include "platform/TextPair.h"
#include "platform/VbError.h"

#include <QTime>

#include <algorithm>
#include <cmath>

clsKOPFFUSS::clsKOPFFUSS(MessageService& messages) : messages_(messages) {}

Surface& clsKOPFFUSS::target() const
{
    if (!target_ || !frame_)
        throw VbError::of(VbError::ObjectNotSet);
    return *target_;
}

void clsKOPFFUSS::AUSGABEOBJEKT(Surface& RAHMENOBJEKT, Surface& EOBJEKT)
{
    frame_ = &RAHMENOBJEKT;
    target_ = &EOBJEKT;
    const Surface::Measurement millimetres = EOBJEKT.measure(Surface::Millimetres);
    mmX_ = static_cast<float>(millimetres.pixelsPerUnitX);
    mmY_ = static_cast<float>(millimetres.pixelsPerUnitY);
    RANDABSTAND("", 15);
    FontSettings::apply(target_, fonts_, messages_, "", 0, 0, 0, 0, 0);
}

void clsKOPFFUSS::KENNZEICHNUNG(const std::vector<Variant>& values)
{
    identifications_.clear();
    for (const Variant& value : values)
        identifications_.push_back(value.text());
}

void clsKOPFFUSS::KENNZEICHNUNG(const Variant& value)
{
    identifications_ = {value.text()};
}

void clsKOPFFUSS::RANDABSTAND(const std::string& LAGE, float millimetres)
{
    const float vertical = mmY_ != 0 ? millimetres / mmY_ : millimetres;
    const float horizontal = mmX_ != 0 ? millimetres / mmX_ : millimetres;
    if (LAGE == "oben")
        top_ = vertical;
    else if (LAGE == "unten")
        bottom_ = vertical;
    else if (LAGE == "links")
        left_ = horizontal;
    else if (LAGE == "rechts")
        right_ = horizontal;
    else {
        top_ = bottom_ = vertical;
        left_ = right_ = horizontal;
    }
}

void clsKOPFFUSS::font(int16_t size, int16_t bold)
{
    FontSettings::apply(target_, fonts_, messages_, "Arial", size, bold, 0, 0, 0);
}

void clsKOPFFUSS::text(float x, float y, const std::string& content, int16_t ARX, int16_t ARY)
{
    std::string copy = content;
    FormulaWriter(target(), fonts_, messages_, "Sub TEXT, Klassenmodul clsGRAFIK").write(x, y, copy, 0, ARX, ARY);
}

void clsKOPFFUSS::KOPFFUSSZEILE()
{
    const bool english = SPRACHE == Locale::English, german = SPRACHE == Locale::German;
    float W = 0, H = 0, h1 = 0, h2 = 0, h3 = 0, projectX = 0, projectY = 0, blockX = 0, footY = 0;
    float available = 0;
    const auto width = [this](const std::string& text) { return static_cast<float>(target().textWidth(text)); };
    const auto height = [this](const std::string& text) { return static_cast<float>(target().textHeight(text)); };
    const std::string page = std::to_string(SEITE) + "/" + std::to_string(SEITENANZAHL);
    ErrorTrap(messages_, "Kopffuß-Zeile")
        .run({
            [&] {
                W = static_cast<float>(frame_ ? frame_->scaleWidth() : target().scaleWidth());
                H = static_cast<float>(frame_ ? frame_->scaleHeight() : target().scaleHeight());
            },
            [&] {
                const bool one = identifications_.size() == 1;
                // Any other language code keeps the label as it was.
                if (english || german)
                    label_ = (one ? TextPair{"Datensatz", "File"} : TextPair{"Datensätze", "Files"}).in(english);
            },
            [&] {
                font(10, 0);
                available = W - left_ - right_ - width(label_);
            },
            [&] {
                identification_ = identifications_.empty() ? std::string() : identifications_.front();
                for (std::size_t i = 1; i < identifications_.size(); ++i) {
                    if (width(identification_ + identifications_[i] + ",") > available) {
                        identification_ += ", ...";
                        break;
                    }
                    identification_ += ", " + identifications_[i];
                }
            },
            [&] {
                font(16, -1);
                text(left_, top_, UEBERSCHRIFT, 0, 0);
                h1 = height(UEBERSCHRIFT);
            },
            [&] {
                font(10, 0);
                if (!identification_.empty())
                    text(left_, top_ + 9 / mmY_, label_ + " " + identification_, 0, 0);
                h2 = height(identification_);
            },
            [&] {
                if (!KOMMENTAR.empty())
                    text(left_, top_ + 9 / mmY_ + 1.5f * h2, KOMMENTAR, 0, 0);
            },
            [&] {
                const std::string project = TextPair{"Projekt ", "Project "}.in(english) + PROJEKT;
                projectX = W - right_ - width(project);
                projectY = top_ + h1 - h2;
                text(projectX, projectY, project, 0, 0);
            },
            [&] {
                if (EBOKFS == 0)
                    return;
                const float x = projectX - width(std::string(15, ' ') + "Seite " + page);
                text(x, projectY, TextPair{"Seite ", "Page "}.in(english) + page, 0, 0);
            },
            [&] {
                font(7, 0);
                const std::string developer =
                    TextPair{"Programmentwicklung: ", "Program developed by "}.in(english) + PROGRAMMIERER;
                blockX = W - right_ - std::max(width(developer), width(COPYRIGHT));
                footY = H - bottom_;
                h3 = height(PROGRAMMIERER);
                text(blockX, footY, developer, 0, 2);
                text(blockX, footY + h3, COPYRIGHT, 0, 2);
            },
            [&] {
                const float middle = (W + left_ - right_) / 2;
                text(middle, footY, vb::dateText(VbDate{std::floor(DATUM.serial)}), 1, 2);
                const double fraction = UHRZEIT.serial - std::floor(UHRZEIT.serial);
                const QTime time =
                    QTime::fromMSecsSinceStartOfDay(static_cast<int>(std::lround(fraction * 86400000)) % 86400000);
                text(middle, footY + h3, time.toString(QStringLiteral("hh:mm")).toStdString(), 1, 2);
            },
            [&] {
                text(left_, footY, TextPair{"Bearbeiter: ", "Project Manager: "}.in(english) + BEARBEITER, 0, 2);
            },
        });
}
