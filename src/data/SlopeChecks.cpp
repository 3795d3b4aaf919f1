#include "SlopeChecks.h"

#include "data/OptionalTable.h"
#include "platform/Connection.h"
#include "platform/Recordset.h"

namespace SlopeChecks {

namespace {

const OptionalTable table("E4");

}  // namespace

std::set<int32_t> records(const std::shared_ptr<Connection>& db)
{
    std::set<int32_t> ids;
    if (!table.exists(*db))
        return ids;
    for (Recordset rows(db, "SELECT [ID] FROM [E4]"); !rows.isEOF(); rows.moveNext())
        ids.insert(rows.field(0).toLong());
    return ids;
}

std::optional<SlidingCheck::Slope> read(const std::shared_ptr<Connection>& db, int32_t id)
{
    if (!table.exists(*db))
        return std::nullopt;
    Recordset row(db, "SELECT * FROM [E4] WHERE [ID]=" + std::to_string(id));
    if (row.isEOF())
        return std::nullopt;
    return SlidingCheck::Slope{row.field("BETA").toDouble(), row.field("LAENGE").toDouble(),
                               row.field("DICKE").toDouble(), row.field("GAMMA").toDouble(),
                               row.field("FSERF").toDouble()};
}

void write(const std::shared_ptr<Connection>& db, int32_t id, const std::optional<SlidingCheck::Slope>& slope)
{
    // A project without checks keeps its old shape.
    if (!slope && !table.exists(*db))
        return;
    Connection::Savepoint unit(*db);
    table.create(*db);
    table.remove(*db, id);
    if (slope) {
        auto insert = db->prepare("INSERT INTO [E4] VALUES (?,?,?,?,?,?)");
        insert->bind(1, Variant(id));
        const double values[] = {slope->beta, slope->length, slope->thickness, slope->unitWeight, slope->required};
        for (int i = 0; i < 5; ++i)
            insert->bind(2 + i, Variant(values[i]));
        insert->step();
    }
    unit.commit();
}

void remove(Connection& db, int32_t id)
{
    table.remove(db, id);
}

}  // namespace SlopeChecks
