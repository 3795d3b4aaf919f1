#pragma once

#include "data/TestPoints.h"
#include "graphics/clsGRAFIK.h"
#include "laws/LawFit.h"
#include "laws/RecordEvaluation.h"
#include "laws/SlidingCheck.h"
#include "platform/Locale.h"
#include "platform/TextPair.h"
#include "platform/VbError.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// What output page 1 knows of its record and what its figures share: the inputs read on
// loading, what the laws give over the record's range, the values read back from G0, and
// the drawing object of every figure.
struct PageState {
    // The record.
    int32_t ID = 0;
    std::string KEN, KOM;
    int16_t SPR = 3;
    bool BONEU = false;
    float SIB = 0, A = 0, C = 0, AR = 0, CR = 0, AB = 0, CB = 0, ARB = 0, CRB = 0;
    float SIA = 0, SI1 = 0, SI2 = 0, SIMAX = 0;
    int16_t N = 0;

    // Shear-test results of the record and the laws fitted to them, by TestPoints::Law.
    std::vector<ShearTestPoint> points;
    std::array<std::optional<LawFit::Fit>, 4> fits;

    // The measured points of the laws in a figure's coordinates: (σ', τ), or with angles
    // (σ'/σb, arctan(τ/σ') in degrees).
    std::pair<std::vector<float>, std::vector<float>> measured(std::initializer_list<TestPoints::Law> laws,
                                                               bool angles) const
    {
        std::vector<float> x, y;
        for (const TestPoints::Law law : laws) {
            for (const auto& [sigma, tau] : TestPoints::of(points, law)) {
                x.push_back(static_cast<float>(angles ? sigma / SIB : sigma));
                y.push_back(static_cast<float>(angles ? LawFit::angle(sigma, tau) : tau));
            }
        }
        return {x, y};
    }

    // The record's check of a cover on a slope, shown on a page of its own.
    std::optional<SlidingCheck::Slope> slope;

    // Display flags of the page context.
    bool header = true;
    bool numbering = true;
    // The page's place among the pages printed together ("Seite k/n").
    int16_t pageNumber = 1;
    int16_t pageCount = 1;

    // What the record's laws give over its range, evaluated once the record passed the rules.
    RecordEvaluation::Values values;
    float XMAX11 = 0, YMAX11 = 0, MX11 = 0;

    // Figures 13 and 14: the grid over σb.
    std::vector<float> normalized;
    float XMIN13 = 0, XMAX13 = 0, YMIN13 = 0, YMAX13 = 0;

    bool hasLanguage() const { return SPR == Locale::English || SPR == Locale::German; }
    // The text in the page's language; nothing for a code the program does not speak.
    std::string text(const TextPair& pair) const { return hasLanguage() ? pair.in(SPR == Locale::English) : ""; }

    // Drawing objects by figure number 11 … 16.
    std::array<std::unique_ptr<clsGRAFIK>, 6> figures;
    // A figure drawn earlier; an error when it has not been drawn.
    clsGRAFIK& figure(int number)
    {
        const auto& drawn = figures.at(number - 11);
        if (!drawn)
            throw VbError::of(VbError::ObjectNotSet);
        return *drawn;
    }
};
