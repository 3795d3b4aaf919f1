#pragma once

#include "Connection.h"
#include "Variant.h"

#include <memory>
#include <string>
#include <vector>

// The rows of one statement, read at opening (a static cursor): exact record count,
// movement in both directions, and adding, updating and deleting the current row of a
// single-table statement. A value written into a field is converted by the column's
// declared type; a value that does not convert raises the error and nothing changes.
class Recordset {
public:
    Recordset(std::shared_ptr<Connection> connection, const std::string& sql);

    bool isBOF() const;
    bool isEOF() const;
    long recordCount() const;

    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();

    int fieldCount() const { return static_cast<int>(columns_.size()); }
    const std::string& fieldName(int position) const;
    Variant field(const std::string& name) const;
    Variant field(int position) const;
    void setField(const std::string& name, const Variant& value);

    void addNew();
    void update();  // saves the pending edit of the current row
    void deleteCurrent();
    void close();

private:
    enum class ColumnType { Boolean, Integer, Long, Single, Double, Date, Text, Other };
    struct Column {
        std::string name;
        ColumnType type;
        std::string origin;  // the table column written back; empty: read-only
    };
    struct Row {
        long long rowid = 0;
        std::vector<Variant> values;
        std::vector<bool> changed;
        bool isNew = false;
        bool deleted = false;
    };

    static ColumnType typeOf(const std::string& declared);
    static Variant fromStorage(const Variant& stored, ColumnType type);
    static Variant toStorage(const Variant& value, ColumnType type);

    Connection& connection() const;
    int position(const std::string& name) const;
    Row& current();
    const Row& current() const;
    bool hasPendingEdit() const;
    void saveBeforeMove();
    void seek(long index, int direction);  // first live row from index on, in direction
    void insert(Row& row);
    void write(Row& row);

    std::shared_ptr<Connection> connection_;
    std::string table_;  // empty: the statement cannot be updated
    std::vector<Column> columns_;
    std::vector<Row> rows_;
    long position_ = 0;  // -1 before the first row, rows_.size() after the last
    long live_ = 0;      // rows not deleted
};
