#include "PageRun.h"

#include "data/EvaluationState.h"
#include "page/ParameterTables.h"
#include "page/Seite1.h"
#include "page/Seite2.h"
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/PaperSurface.h"
#include "platform/TerminalMessages.h"
#include "platform/VbError.h"

#include <QIODevice>

PageRun::PageRun(Session& session, TerminalMessages& messages, double dpi, bool screen, int16_t pageCount)
    : session_(session), messages_(messages), dpi_(dpi), screen_(screen), pageCount_(pageCount)
{}

// Loads the record's page as an evaluation run does: a record without evaluation state
// gets its geometry built, and keeps it afterwards.
bool PageRun::evaluate(Seite1& page, int32_t id)
{
    EvaluationState::rebuildPending(session_.cnnX(), id);
    if (!page.load(id))
        return false;
    EvaluationState::built(session_.cnnX(), id);
    return true;
}

bool PageRun::draw(const std::vector<Record>& records, PaperSurface* paper, QIODevice* png,
                   const std::function<void(const Record&)>& starting)
{
    SystemClock clock;
    for (const Record& record : records) {
        if (starting)
            starting(record);
        const int warningsBefore = messages_.warnings();
        // One page in memory at a time, however many records.
        Seite1 page(session_, clock, nullptr, screen_ ? Seite1::screen(dpi_) : Seite1::unseen(dpi_));
        page.state().pageNumber = record.pageNumber;
        page.state().pageCount = pageCount_;
        std::string why;
        try {
            // A record that fails leaves the project as it was: no evaluation state of its own.
            Connection::Savepoint unit(session_.cnnX());
            if (!evaluate(page, record.id) || messages_.warnings() != warningsBefore)
                why = messages_.lastWarning();  // a sheet drawn past an error is not the record's sheet
            else
                unit.commit();
        } catch (const VbError& error) {
            why = error.description();  // a record no check foresaw: named, and the others still printed
        }
        if (!why.empty()) {
            failed_.push_back(record.ken + ": " + why);
            continue;
        }
        if (png && !page.screenImage().save(png, "PNG"))
            return false;
        if (paper) {
            if (!rows_.empty())
                paper->newPage();
            page.DRUCKEN(*paper);
            if (page.state().slope) {
                Seite2 second(page, Seite1::unseen(dpi_));
                paper->newPage();
                second.DRUCKEN(*paper);
                // A second page drawn past an error is no sheet of the record either.
                if (messages_.warnings() != warningsBefore)
                    failed_.push_back(record.ken + ": " + messages_.lastWarning());
            }
        }
        rows_.push_back(ParameterExport::row(page.state(), ParameterTables(page).values(), page.state().slope));
    }
    return true;
}
