#include "Recordset.h"

#include "VbError.h"

#include <cctype>
#include <cfloat>
#include <cmath>
#include <utility>

namespace {

std::string upper(const std::string& text)
{
    std::string result = text;
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

std::string bracketed(const std::string& name)
{
    return "[" + name + "]";
}

}  // namespace

Recordset::Recordset(std::shared_ptr<Connection> connection, const std::string& sql)
    : connection_(std::move(connection))
{
    Connection& db = this->connection();
    // Rows of one table can be written back: their identity travels along as a hidden
    // first column, and every column comes from that table. Grouped or merged rows are no
    // rows of the table; in a join the identity is ambiguous. Those rows only read.
    const std::string text = upper(sql);
    const bool plainRows = text.rfind("SELECT ", 0) == 0 && text.find("DISTINCT") == std::string::npos &&
                           text.find(" GROUP BY ") == std::string::npos && text.find(" UNION ") == std::string::npos;
    std::unique_ptr<Connection::Statement> statement;
    if (plainRows) {
        try {
            statement = db.prepare("SELECT _rowid_," + sql.substr(7));
            table_ = statement->sourceTable();
        } catch (const VbError&) {
            table_.clear();
        }
        if (table_.empty())
            statement.reset();
    }
    if (!statement)
        statement = db.prepare(sql);

    const int first = table_.empty() ? 0 : 1;
    for (int column = first; column < statement->columnCount(); ++column)
        columns_.push_back({statement->columnName(column), typeOf(statement->declaredType(column)),
                            table_.empty() ? std::string() : statement->originColumn(column)});

    while (statement->step()) {
        Row row;
        if (first == 1)
            row.rowid = statement->rowid(0);
        row.values.reserve(columns_.size());
        for (std::size_t column = 0; column < columns_.size(); ++column)
            row.values.push_back(
                fromStorage(statement->value(first + static_cast<int>(column)), columns_[column].type));
        row.changed.assign(columns_.size(), false);
        rows_.push_back(std::move(row));
    }
    live_ = static_cast<long>(rows_.size());
    position_ = 0;
}

Recordset::ColumnType Recordset::typeOf(const std::string& declared)
{
    const std::string base = declared.substr(0, declared.find('('));
    if (base == "BOOLEAN" || base == "BIT" || base == "YESNO")
        return ColumnType::Boolean;
    if (base == "SMALLINT" || base == "SHORT")
        return ColumnType::Integer;
    if (base == "INTEGER" || base == "INT" || base == "LONG")
        return ColumnType::Long;
    if (base == "SINGLE" || base == "REAL" || base == "FLOAT")
        return ColumnType::Single;
    if (base == "DOUBLE")
        return ColumnType::Double;
    if (base == "DATETIME" || base == "DATE")
        return ColumnType::Date;
    if (base == "TEXT" || base == "VARCHAR" || base == "CHAR" || base == "MEMO")
        return ColumnType::Text;
    return ColumnType::Other;
}

Variant Recordset::fromStorage(const Variant& stored, ColumnType type)
{
    if (stored.isNull() || stored.isText())
        return stored;
    const double number = stored.toDouble();
    switch (type) {
    case ColumnType::Boolean: return Variant(number != 0);
    case ColumnType::Integer:
        return number >= INT16_MIN && number <= INT16_MAX && stored.type() == Variant::Type::Long
                   ? Variant(static_cast<int16_t>(number))
                   : stored;
    case ColumnType::Single:
        // A value beyond single precision (a hand-edited file) stays as stored: taking it as
        // a single then raises the overflow instead of reading infinity.
        return std::isfinite(number) && std::fabs(number) <= FLT_MAX ? Variant(static_cast<float>(number)) : stored;
    case ColumnType::Double: return Variant(number);
    case ColumnType::Date: return Variant(VbDate{number});
    default: return stored;
    }
}

Variant Recordset::toStorage(const Variant& value, ColumnType type)
{
    if (value.isNull() || value.isEmpty())
        return Variant::null();
    switch (type) {
    case ColumnType::Boolean: return Variant(value.toBoolean());
    case ColumnType::Integer: return Variant(value.toInteger());
    case ColumnType::Long: return Variant(value.toLong());
    case ColumnType::Single: return Variant(value.toSingle());
    case ColumnType::Double: return Variant(value.toDouble());
    case ColumnType::Date: return Variant(value.toDate());
    case ColumnType::Text: return Variant(value.toText());
    case ColumnType::Other: break;
    }
    return value;
}

Connection& Recordset::connection() const
{
    if (!connection_)
        throw VbError::of(VbError::ObjectClosed);
    return *connection_;
}

bool Recordset::isBOF() const
{
    connection();
    return position_ < 0 || live_ == 0;
}

bool Recordset::isEOF() const
{
    connection();
    return position_ >= static_cast<long>(rows_.size()) || live_ == 0;
}

long Recordset::recordCount() const
{
    connection();
    return live_;
}

void Recordset::seek(long index, int direction)
{
    const long size = static_cast<long>(rows_.size());
    while (index >= 0 && index < size && rows_[index].deleted)
        index += direction;
    position_ = index < 0 ? -1 : (index >= size ? size : index);
}

void Recordset::moveFirst()
{
    saveBeforeMove();
    if (live_ == 0)
        throw VbError::of(VbError::NoCurrentRecord);
    seek(0, 1);
}

void Recordset::moveLast()
{
    saveBeforeMove();
    if (live_ == 0)
        throw VbError::of(VbError::NoCurrentRecord);
    seek(static_cast<long>(rows_.size()) - 1, -1);
}

void Recordset::moveNext()
{
    if (isEOF())
        throw VbError::of(VbError::NoCurrentRecord);
    saveBeforeMove();
    seek(position_ + 1, 1);
}

void Recordset::movePrevious()
{
    if (isBOF())
        throw VbError::of(VbError::NoCurrentRecord);
    saveBeforeMove();
    seek(position_ - 1, -1);
}

const std::string& Recordset::fieldName(int position) const
{
    if (position < 0 || position >= fieldCount())
        throw VbError::of(VbError::ItemNotFound);
    return columns_[position].name;
}

int Recordset::position(const std::string& name) const
{
    const std::string wanted = upper(name);
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (upper(columns_[i].name) == wanted)
            return static_cast<int>(i);
    }
    throw VbError::of(VbError::ItemNotFound);
}

const Recordset::Row& Recordset::current() const
{
    if (isBOF() || isEOF() || rows_[position_].deleted)
        throw VbError::of(VbError::NoCurrentRecord);
    return rows_[position_];
}

Recordset::Row& Recordset::current()
{
    return const_cast<Row&>(std::as_const(*this).current());
}

Variant Recordset::field(const std::string& name) const
{
    return field(position(name));
}

Variant Recordset::field(int position) const
{
    fieldName(position);
    return current().values[position];
}

void Recordset::setField(const std::string& name, const Variant& value)
{
    const int column = position(name);
    if (columns_[column].origin.empty())
        throw VbError::of(VbError::NotUpdatable);
    Row& row = current();
    row.values[column] = toStorage(value, columns_[column].type);
    row.changed[column] = true;
}

bool Recordset::hasPendingEdit() const
{
    if (position_ < 0 || position_ >= static_cast<long>(rows_.size()) || rows_[position_].deleted)
        return false;
    const Row& row = rows_[position_];
    if (row.isNew)
        return true;
    for (bool changed : row.changed) {
        if (changed)
            return true;
    }
    return false;
}

void Recordset::saveBeforeMove()
{
    if (hasPendingEdit())
        update();
}

void Recordset::addNew()
{
    connection();
    if (table_.empty())
        throw VbError::of(VbError::NotUpdatable);
    saveBeforeMove();
    Row row;
    row.isNew = true;
    row.values.assign(columns_.size(), Variant::null());
    row.changed.assign(columns_.size(), false);
    rows_.push_back(std::move(row));
    ++live_;
    position_ = static_cast<long>(rows_.size()) - 1;
}

void Recordset::update()
{
    Row& row = current();
    if (row.isNew)
        insert(row);
    else if (hasPendingEdit())
        write(row);
    row.isNew = false;
    row.changed.assign(columns_.size(), false);
}

void Recordset::insert(Row& row)
{
    std::string names;
    std::string places;
    for (std::size_t column = 0; column < columns_.size(); ++column) {
        if (!row.changed[column])
            continue;
        names += (names.empty() ? "" : ",") + bracketed(columns_[column].origin);
        places += places.empty() ? "?" : ",?";
    }
    const std::string sql = names.empty()
                                ? "INSERT INTO " + bracketed(table_) + " DEFAULT VALUES"
                                : "INSERT INTO " + bracketed(table_) + " (" + names + ") VALUES (" + places + ")";
    auto statement = connection().prepare(sql);
    int place = 1;
    for (std::size_t column = 0; column < columns_.size(); ++column) {
        if (row.changed[column])
            statement->bind(place++, row.values[column]);
    }
    statement->step();
    row.rowid = connection().lastInsertRowid();
}

void Recordset::write(Row& row)
{
    std::string assignments;
    for (std::size_t column = 0; column < columns_.size(); ++column) {
        if (row.changed[column])
            assignments += (assignments.empty() ? "" : ",") + bracketed(columns_[column].origin) + "=?";
    }
    auto statement = connection().prepare("UPDATE " + bracketed(table_) + " SET " + assignments + " WHERE _rowid_=?");
    int place = 1;
    for (std::size_t column = 0; column < columns_.size(); ++column) {
        if (row.changed[column])
            statement->bind(place++, row.values[column]);
    }
    statement->bindRowid(place, row.rowid);
    statement->step();
}

void Recordset::deleteCurrent()
{
    if (table_.empty())
        throw VbError::of(VbError::NotUpdatable);
    Row& row = current();
    if (!row.isNew) {
        auto statement = connection().prepare("DELETE FROM " + bracketed(table_) + " WHERE _rowid_=?");
        statement->bindRowid(1, row.rowid);
        statement->step();
    }
    row.deleted = true;
    --live_;
}

void Recordset::close()
{
    rows_.clear();
    live_ = 0;
    connection_.reset();
}
