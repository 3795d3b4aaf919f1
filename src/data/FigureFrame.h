#pragma once

#include "platform/Variant.h"

#include <cstdint>
#include <initializer_list>
#include <utility>

class Session;

// The frame of a record's figure: its row in table G0 (orientation OX, OY, margins RL, RR,
// RO, RU, limits, scales), which the drawing object reads and writes back.
namespace FigureFrame {

// Writes these columns of the figure's row; the row is made when the record has none.
void write(Session& session, int32_t id, int16_t figure, std::initializer_list<std::pair<const char*, Variant>> values);

}  // namespace FigureFrame
