#pragma once

#include "laws/SlidingCheck.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <set>

class Connection;

// The sliding checks of the records, at most one each, in table E4 of a project (ID, BETA,
// LAENGE, DICKE, GAMMA, FSERF). Projects made before the check existed lack the table; it is
// created the first time a record gets a check.
namespace SlopeChecks {

// The records that have a check.
std::set<int32_t> records(const std::shared_ptr<Connection>& db);
std::optional<SlidingCheck::Slope> read(const std::shared_ptr<Connection>& db, int32_t id);
// Replaces the record's check; none removes it.
void write(const std::shared_ptr<Connection>& db, int32_t id, const std::optional<SlidingCheck::Slope>& slope);
void remove(Connection& db, int32_t id);

}  // namespace SlopeChecks
