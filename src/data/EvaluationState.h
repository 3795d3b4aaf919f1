#pragma once

#include <cstdint>
#include <memory>

class Connection;

// Whether a record's page is to be built anew (its geometry in G0 written afresh) or drawn with
// the geometry stored: the record's row in A1 and its flag [BONEU]. Every evaluation run, in the
// program and in the tools, keeps it through these three steps.
namespace EvaluationState {

// True when the page is to be built anew; a record without a row gets one that says so.
bool rebuildPending(const std::shared_ptr<Connection>& db, int32_t id);
// The page is to be built anew: the record's row replaced by one that says so.
void requireRebuild(const std::shared_ptr<Connection>& db, int32_t id);
// The page was built: its geometry is stored.
void built(const std::shared_ptr<Connection>& db, int32_t id);

}  // namespace EvaluationState
