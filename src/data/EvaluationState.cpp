#include "EvaluationState.h"

#include "data/RecordQueries.h"
#include "platform/Recordset.h"

namespace EvaluationState {

namespace {

// The record's row with the flag set, in place of any row it had (`replace`) or only where it
// had none.
Recordset flagged(const std::shared_ptr<Connection>& db, int32_t id, bool replace)
{
    Recordset state(db, RecordQueries::evaluationState(id));
    if (replace && !state.isEOF()) {
        state.moveFirst();
        state.deleteCurrent();
    }
    if (replace || state.isEOF()) {
        state.addNew();
        state.setField("ID", id);
        state.setField("BONEU", true);
        state.update();
    }
    state.moveFirst();
    return state;
}

}  // namespace

bool rebuildPending(const std::shared_ptr<Connection>& db, int32_t id)
{
    return flagged(db, id, false).field("BONEU").toBoolean();
}

void requireRebuild(const std::shared_ptr<Connection>& db, int32_t id)
{
    flagged(db, id, true);
}

void built(const std::shared_ptr<Connection>& db, int32_t id)
{
    Recordset state = flagged(db, id, false);
    state.setField("BONEU", false);
    state.update();
}

}  // namespace EvaluationState
