#pragma once

#include <memory>
#include <string>

class Connection;
class MessageService;

// What every part of the program is given of its session: the open connections, the
// current project and the services for messages. The program's session (SessionContext)
// and the tools' (ProjectSession) implement it; tests build their own over temporary folders.
class Session {
public:
    virtual ~Session() = default;

    virtual std::shared_ptr<Connection> cnnX() const = 0;    // working copy of the project
    virtual std::shared_ptr<Connection> cnnX_V() const = 0;  // preset database
    virtual std::string PROJEKTSPFAD() const = 0;
    virtual std::string PROJEKT() const = 0;
    virtual std::string programFolder() const = 0;
    // The login name in upper case, "UNBEK." when it cannot be told.
    virtual std::string BENUTZER() const = 0;
    // The editor of the project, as the frame program was told; the login name when none was.
    virtual std::string BEARBEITER() const { return BENUTZER(); }
    virtual MessageService& messages() const = 0;

    // The program runs stand-alone, outside the suite, from a folder whose path contains
    // "SOURCE" in any letter case.
    static bool runsStandAlone(const std::string& programFolder);
};
