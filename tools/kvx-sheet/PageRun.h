#pragma once

#include "ParameterExport.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class PaperSurface;
class QIODevice;
class Session;
class TerminalMessages;

// The sheets of a run of records, drawn with one session: each record evaluated as an
// evaluation run does, its page printed onto a PDF (and, for one record, shown as a PNG), its
// parameters kept for the tables. Runs over one project may be drawn side by side, each on a
// thread of its own with a session on its own copy of the project.
class PageRun {
public:
    struct Record {
        int32_t id = 0;
        std::string ken;
        int16_t pageNumber = 1;  // "Seite k/n" of its first page; a slope check adds one
    };

    PageRun(Session& session, TerminalMessages& messages, double dpi, bool screen, int16_t pageCount);

    // Draws the records in order; `starting` is told each record first. A record that cannot
    // be evaluated leaves the project as it was and its page out, and is noted in `failed`.
    // False when the PNG could not be written.
    bool draw(const std::vector<Record>& records, PaperSurface* paper, QIODevice* png,
              const std::function<void(const Record&)>& starting);

    const std::vector<ParameterExport::Row>& rows() const { return rows_; }
    // "KEN: why" for each record left out.
    const std::vector<std::string>& failed() const { return failed_; }
    int printed() const { return static_cast<int>(rows_.size()); }

private:
    bool evaluate(class Seite1& page, int32_t id);

    Session& session_;
    TerminalMessages& messages_;
    double dpi_;
    bool screen_;
    int16_t pageCount_;
    std::vector<ParameterExport::Row> rows_;
    std::vector<std::string> failed_;
};
