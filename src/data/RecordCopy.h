#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Connection;
class MessageService;

// Whole records between two project databases: the list of a project's records, and the
// copy of selected records with all their rows in E1, E2, A1 and G0 under a new
// identifier of the target. Records are matched by their identification.
namespace RecordCopy {

struct Entry {
    std::string text;  // KEN + " (" + KOM + ")", or "<leer>" for an empty project
    int32_t id;        // 0 for the placeholder
};

// Records whose KEN is not "M", ordered by KEN.
std::vector<Entry> LISTEFUELLEN(const std::shared_ptr<Connection>& connection);

// Copies the records with these identifiers. A KEN that the target has already is
// reported; OK skips the record, Cancel ends the copying. Each record is copied in one
// transaction: a failure leaves nothing of it in the target. Returns the copied count.
int DATENSATZKOPIEREN(const std::shared_ptr<Connection>& source, const std::shared_ptr<Connection>& target,
                      const std::vector<int32_t>& ids, MessageService& messages);

}  // namespace RecordCopy
