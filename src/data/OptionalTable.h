#pragma once

#include <string>

class Connection;

// A table that projects made before it existed lack: created, from its schema file among the
// program's resources, the first time a record needs it, so older projects keep their shape
// until then.
class OptionalTable {
public:
    explicit OptionalTable(std::string name) : name_(std::move(name)) {}

    const std::string& name() const { return name_; }
    bool exists(Connection& db) const;
    void create(Connection& db) const;
    // The record's rows gone, where the table exists.
    void remove(Connection& db, int id) const;

private:
    std::string name_;
};
