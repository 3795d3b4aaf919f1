#include "RecordCopy.h"

#include "data/RecordQueries.h"
#include "data/SlopeChecks.h"
#include "data/TestPoints.h"
#include "platform/Connection.h"
#include "platform/ErrorTrap.h"
#include "platform/MessageService.h"
#include "platform/Recordset.h"
#include "platform/VbError.h"

namespace {

void copyRecord(const std::shared_ptr<Connection>& source, const std::shared_ptr<Connection>& target, int32_t from,
                int32_t to)
{
    for (const std::string& table : RecordQueries::recordTables()) {
        const std::string select = "SELECT * FROM [" + table + "] WHERE [ID]=";
        Recordset rows(source, select + std::to_string(from));
        if (rows.isEOF())
            continue;
        Recordset copies(target, select + std::to_string(to));
        for (; !rows.isEOF(); rows.moveNext()) {
            copies.addNew();
            copies.setField(copies.fieldName(0), Variant(to));
            for (int column = 1; column < rows.fieldCount() && column < copies.fieldCount(); ++column) {
                const Variant value = rows.field(column);
                if (!value.isNull())
                    copies.setField(copies.fieldName(column), value);
            }
            copies.update();
        }
        copies.close();
        rows.close();
    }
    // Test results and the sliding check: the target gets each table with the first record
    // that brings one, and never keeps rows an older version left under the new identifier.
    TestPoints::write(target, to, TestPoints::read(source, from));
    SlopeChecks::write(target, to, SlopeChecks::read(source, from));
}

}  // namespace

std::vector<RecordCopy::Entry> RecordCopy::LISTEFUELLEN(const std::shared_ptr<Connection>& connection)
{
    std::vector<Entry> entries;
    Recordset rows(connection, RecordQueries::records("*", RecordQueries::PassedOn, true));
    for (; !rows.isEOF(); rows.moveNext())
        entries.push_back({rows.field(1).text() + " (" + rows.field(2).text() + ")", rows.field(0).toLong()});
    if (entries.empty())
        entries.push_back({"<leer>", 0});
    return entries;
}

int RecordCopy::DATENSATZKOPIEREN(const std::shared_ptr<Connection>& source, const std::shared_ptr<Connection>& target,
                                  const std::vector<int32_t>& ids, MessageService& messages)
{
    int copied = 0;
    ErrorTrap trap(messages, "Export/Import", ErrorPrefix::window);
    for (int32_t id : ids) {
        if (id == 0)
            continue;  // the placeholder of an empty project
        std::string ken;
        bool known = false;
        bool found = false;
        if (!trap.attempt([&] {
                Recordset record(source, "SELECT * FROM [E1] WHERE [ID]=" + std::to_string(id));
                ken = record.field(1).text();
                known = !Recordset(target, "SELECT * FROM [E1] WHERE [KEN]='" + Connection::escaped(ken) + "'").isEOF();
                found = true;
            }))
            return copied;
        if (!found)
            continue;
        if (known) {
            const MessageService::Answer answer =
                messages.show({"Export/Import", "Datensatz " + ken + " ist bereits vorhanden!",
                               MessageService::Buttons::OkCancel, MessageService::Icon::Warning});
            if (answer == MessageService::Answer::Cancel)
                return copied;
            continue;
        }
        bool done = false;
        trap.attempt([&] {
            Connection::Savepoint unit(*target);
            Recordset last(target, "SELECT * FROM [E1] ORDER BY [ID]");
            int32_t next = 1;  // an empty target starts at 1
            if (!last.isEOF()) {
                last.moveLast();
                next = last.field(0).toLong() + 1;
            }
            last.close();
            copyRecord(source, target, id, next);
            // A copy arrives unselected: the target's own selection stays as it was.
            target->execute("UPDATE [E1] SET [AKT]=false WHERE [ID]=" + std::to_string(next));
            unit.commit();
            done = true;
        });
        if (trap.cancelled())
            return copied;
        copied += done ? 1 : 0;
    }
    return copied;
}
