#include "RecordQueries.h"

std::string RecordQueries::records(const std::string& columns, int filters, bool byIdentification)
{
    std::string conditions;
    const auto add = [&conditions](const char* condition) {
        conditions += (conditions.empty() ? " WHERE " : " AND ") + std::string(condition);
    };
    if (filters & Selected)
        add("[AKT]=true");
    if (filters & Listed)
        add("[ID]>0");
    if (filters & PassedOn)
        add("[KEN]<>'M'");
    return "SELECT " + columns + " FROM [E1]" + conditions + (byIdentification ? " ORDER BY [KEN]" : "");
}

std::string RecordQueries::evaluationState(int32_t id, const std::string& columns)
{
    return "SELECT " + columns + " FROM [A1] WHERE [ID]=" + std::to_string(id);
}

const std::vector<std::string>& RecordQueries::recordTables()
{
    static const std::vector<std::string> tables = {"E1", "E2", "A1", "G0"};
    return tables;
}
