#include "OptionalTable.h"

#include "platform/Connection.h"

#include <QFile>

#include <stdexcept>

bool OptionalTable::exists(Connection& db) const
{
    auto statement = db.prepare("SELECT 1 FROM sqlite_master WHERE type='table' AND name='" + name_ + "'");
    return statement->step();
}

void OptionalTable::create(Connection& db) const
{
    QFile schema(QString::fromStdString(":/input/schema/" + name_ + ".sql"));
    if (!schema.open(QIODevice::ReadOnly))
        throw std::logic_error("the schema of table " + name_ + " is missing from the program");
    db.execute(schema.readAll().toStdString());
}

void OptionalTable::remove(Connection& db, int id) const
{
    if (exists(db))
        db.execute("DELETE FROM [" + name_ + "] WHERE [ID]=" + std::to_string(id));
}
