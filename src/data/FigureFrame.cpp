#include "FigureFrame.h"

#include "data/clsDATEN.h"

void FigureFrame::write(Session& session, int32_t id, int16_t figure,
                        std::initializer_list<std::pair<const char*, Variant>> values)
{
    clsDATEN g0(session);
    g0.ETABELLE = "G0";
    g0.ESPIDW = id;
    const clsDATEN::Auswahl row("IDOBJEKT", figure);
    for (const auto& [column, value] : values)
        g0.DVTV(column, value, row);
}
