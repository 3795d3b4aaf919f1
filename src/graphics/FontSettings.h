#pragma once

#include "platform/Surface.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class MessageService;

// Line and font settings of a target, shared by figures, tables and page heads.
class FontSettings {
public:
    // Slot 0 keeps the target's font during a text output; 1 … 5 are derived from it:
    // 2 plain, 3 Greek, 4 index, 5 Greek index.
    using Slots = std::array<std::optional<SurfaceFont>, 6>;

    // Empty name: Arial; size below 1: 8; colour below 1: black. Errors are reported
    // under "Schrifteinstellungen".
    static void apply(Surface* target, Slots& fonts, MessageService& messages, const std::string& name, int16_t size,
                      int16_t bold, int16_t underline, int16_t italic, int32_t colour);

    // The width in target units becomes pixels (0: one pixel) and colour 0 black, both in
    // the caller's variables. Errors are reported under "Linieneinstellungen" with the prefix.
    static void lines(Surface* target, float pixelsPerUnit, MessageService& messages, const std::string& prefix,
                      int16_t& style, float& width, int32_t& colour);
};
