// The program's entry. Until the main window exists it opens the project of a
// stand-alone installation and lists its records on the terminal.
#include "data/clsDATEN.h"
#include "platform/Connection.h"
#include "platform/Locale.h"
#include "platform/MessageService.h"
#include "platform/Session.h"
#include "platform/VbError.h"

#include <cstdio>
#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;

namespace {

class TerminalMessages : public MessageService {
public:
    Answer show(const Message& message) override
    {
        std::cerr << message.title << ": " << message.text << "\n";
        return message.buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
};

class StandAloneSession : public Session {
public:
    explicit StandAloneSession(fs::path programFolder) : programFolder_(std::move(programFolder)) {}

    void open() { project_ = Connection::openFile(projectFile()); }
    std::string projectFile() const { return PROJEKTSPFAD() + "/" + PROJEKT() + "/KVX.mdb"; }

    std::shared_ptr<Connection> cnnX() const override { return project_; }
    std::shared_ptr<Connection> cnnX_V() const override { return project_; }
    std::string PROJEKTSPFAD() const override { return programFolder_.parent_path().string(); }
    std::string PROJEKT() const override { return "TE0000.00"; }
    std::string programFolder() const override { return programFolder_.string(); }
    MessageService& messages() const override { return messages_; }

private:
    fs::path programFolder_;
    std::shared_ptr<Connection> project_;
    mutable TerminalMessages messages_;
};

void listRecords(Session& session)
{
    clsDATEN records(session);
    clsDATEN parameters(session);
    parameters.ETABELLE = "E2";
    std::vector<int32_t> ids;
    records.LID(ids, false);
    std::cout << ids.size() << " record(s)\n";
    for (int32_t id : ids) {
        records.ESPIDW = parameters.ESPIDW = id;
        std::string ken;
        std::string kom;
        records.DTVT("KEN", ken);
        records.DTVT("KOM", kom);
        std::cout << "\n" << id << "  " << ken << (kom.empty() ? "" : "  (" + kom + ")") << "\n";
        for (const char* column : {"SIB", "A", "C", "AR", "CR", "AB", "CB", "ARB", "CRB", "SIA", "SIMAX", "SI1", "SI2"}) {
            float value = 0;
            parameters.DTVS(column, value);
            std::cout << "  " << column << " = " << vb::singleText(value) << "\n";
        }
        int16_t steps = 0;
        parameters.DTVI("N", steps);
        std::cout << "  N = " << steps << "\n";
    }
}

}  // namespace

int main()
{
    const fs::path programFolder = fs::read_symlink("/proc/self/exe").parent_path();
    if (!Session::runsStandAlone(programFolder.string())) {
        std::cerr << "KVX: this build runs only stand-alone, from a program folder whose path contains \"source\".\n";
        return 1;
    }
    StandAloneSession session(programFolder);
    try {
        session.open();
    } catch (const VbError& error) {
        std::cerr << "KVX: " << error.description() << "\n";
        return 1;
    }
    std::cout << "KVX - project " << session.PROJEKT() << " in " << session.PROJEKTSPFAD() << "\n";
    listRecords(session);
    return 0;
}
