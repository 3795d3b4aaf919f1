#include "TestPoints.h"

#include "data/OptionalTable.h"
#include "platform/Connection.h"
#include "platform/Recordset.h"

#include <string>

namespace TestPoints {

namespace {

const char* const tauColumns[] = {"TAUF", "TAUR", "TAUB", "TAUBR"};
const OptionalTable table("E3");

}  // namespace

bool exists(Connection& db)
{
    return table.exists(db);
}

void create(Connection& db)
{
    table.create(db);
}

std::vector<ShearTestPoint> read(const std::shared_ptr<Connection>& db, int32_t id)
{
    std::vector<ShearTestPoint> points;
    if (!exists(*db))
        return points;
    Recordset rows(db, "SELECT * FROM [E3] WHERE [ID]=" + std::to_string(id) + " ORDER BY [NR]");
    for (; !rows.isEOF(); rows.moveNext()) {
        ShearTestPoint point;
        point.sigma = rows.field("SIG").toDouble();
        for (int law = 0; law < 4; ++law) {
            const Variant value = rows.field(tauColumns[law]);
            if (!value.isNull() && !value.isEmpty())
                point.tau[law] = value.toDouble();
        }
        points.push_back(point);
    }
    return points;
}

void write(const std::shared_ptr<Connection>& db, int32_t id, const std::vector<ShearTestPoint>& points)
{
    // A project without points keeps its old shape.
    if (points.empty() && !exists(*db))
        return;
    Connection::Savepoint unit(*db);
    create(*db);
    remove(*db, id);
    for (std::size_t i = 0; i < points.size(); ++i) {
        auto insert = db->prepare("INSERT INTO [E3] VALUES (?,?,?,?,?,?,?)");
        insert->bind(1, Variant(id));
        insert->bind(2, Variant(static_cast<int16_t>(i + 1)));
        insert->bind(3, Variant(points[i].sigma));
        for (int law = 0; law < 4; ++law)
            insert->bind(4 + law, points[i].tau[law] ? Variant(*points[i].tau[law]) : Variant::null());
        insert->step();
    }
    unit.commit();
}

void remove(Connection& db, int32_t id)
{
    table.remove(db, id);
}

std::vector<std::pair<double, double>> of(const std::vector<ShearTestPoint>& points, Law law)
{
    std::vector<std::pair<double, double>> measured;
    for (const ShearTestPoint& point : points) {
        if (point.tau[law])
            measured.push_back({point.sigma, *point.tau[law]});
    }
    return measured;
}

}  // namespace TestPoints
