#include "SessionContext.h"

#include "platform/Connection.h"
#include "platform/DatabaseFiles.h"
#include "platform/ErrorTrap.h"
#include "platform/MessageService.h"
#include "platform/Recordset.h"
#include "platform/SettingsStore.h"
#include "platform/VbError.h"

#include <QString>

#include <cmath>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

const char* const code = "KVX";

std::string connectionString(const std::string& path)
{
    return "Provider=Microsoft.Jet.OLEDB.4.0; Data Source=" + path + ";Persist Security Info=False";
}

bool exists(const std::string& path)
{
    std::error_code ignored;
    return fs::exists(path, ignored);
}

}  // namespace

SessionContext::SessionContext(Environment environment) : environment_(std::move(environment)) {}

SessionContext::~SessionContext() = default;

std::string SessionContext::BENUTZER() const
{
    try {
        const std::string name = environment_.loginName ? environment_.loginName() : std::string();
        return name.empty() ? "UNBEK." : QString::fromStdString(name).toUpper().toStdString();
    } catch (const std::exception&) {
        return "UNBEK.";
    }
}

std::string SessionContext::DATENBANKPFAD() const
{
    return environment_.settings.value("KALMORA", "Extras", "Datenbankpfad");
}

void SessionContext::DATENBANKPFAD(const std::string& folder)
{
    environment_.settings.setValue("KALMORA", "Extras", "Datenbankpfad", folder);
}

std::string SessionContext::XMDBPFAD() const
{
    fs::path folder = fs::path(environment_.programFolder).parent_path() / "BENUTZER";
    std::error_code ignored;
    fs::create_directory(folder, ignored);
    folder /= BENUTZER();
    fs::create_directory(folder, ignored);
    return (folder / (std::string(code) + ".mdb")).string();
}

std::string SessionContext::projectFile() const
{
    return PROJEKTSPFAD_ + "/" + PROJEKT_ + "/" + code + ".mdb";
}

void SessionContext::message(const std::string& english, const std::string& german, int buttons, int icon)
{
    environment_.messages.show({code, this->english() ? english : german,
                                static_cast<MessageService::Buttons>(buttons), static_cast<MessageService::Icon>(icon)});
}

bool SessionContext::start()
{
    Locale::setCurrent(environment_.locale);
    ErrorTrap trap(environment_.messages, code, "VB-Error: ");
    const auto warn = [this](const std::string& english, const std::string& german) {
        message(english, german, static_cast<int>(MessageService::Buttons::Ok),
                static_cast<int>(MessageService::Icon::Warning));
    };
    if (standAlone()) {
        PROJEKTSPFAD_ = fs::path(environment_.programFolder).parent_path().string();
        PROJEKT_ = "TE0000.00";
        BEARBEITER_ = BENUTZER();
    } else {
        if (!trap.attempt([&] { cnnARCHIV_ = Connection::open(connectionString(DATENBANKPFAD() + "/ARCHIV.mdb")); }) ||
            !trap.attempt([&] { cnnX_V_ = Connection::open(connectionString(DATENBANKPFAD() + "/VORGABE.mdb")); }))
            return false;
        bool found = false;
        if (!trap.attempt([&] { found = readAdminRow(); }))
            return false;
        if (!found) {
            warn(std::string("Program ") + code + " can used only via the frame program!",
                 std::string("Programm ") + code + " kann nur über das Rahmenprogramm ausgeführt werden!");
            return false;
        }
        if (!exists(PROJEKTSPFAD_ + "/" + PROJEKT_)) {
            warn("Project directory " + PROJEKT_ + " dosn't exist!",
                 "Projektsverzeichnis " + PROJEKT_ + " existiert nicht!");
            return false;
        }
        if (!exists(environment_.programFolder + "/" + code + ".mdb")) {
            warn(std::string("The empty database ") + code + ".mdb dosn't exist!\nKalmora has to be installed again!",
                 std::string("Die leere Datenbank ") + code + ".mdb existiert nicht!\nKalmora muß neu installiert werden!");
            return false;
        }
    }
    bool recovered = false;
    if (!trap.attempt([&] { recovered = prepareWorkingCopy(); }))
        return false;
    // Work kept from an interrupted session is not in the project yet: closing asks to save it.
    GEAENDERT = recovered;
    trap.attempt([&] { cnnX_ = Connection::open(connectionString(XMDBPFAD())); });
    // Without its working copy the program cannot run; the error has been shown.
    return cnnX_ && cnnX_->isOpen();
}

bool SessionContext::readAdminRow()
{
    if (!cnnARCHIV_)
        throw VbError::of(VbError::ObjectNotSet);
    Recordset row(cnnARCHIV_, "SELECT * FROM [ADMIN] WHERE [BENUTZER]='" + Connection::escaped(BENUTZER()) + "'");
    if (row.isEOF())
        return false;
    row.moveFirst();
    row.setField("PROG", code);
    row.update();
    PROJEKTSPFAD_ = row.field("PROJEKTSPFAD").text();
    PROJEKT_ = row.field("PROJEKT").text();
    BEARBEITER_ = row.field("BEARBEITER").text();
    row.close();
    return true;
}

bool SessionContext::prepareWorkingCopy()
{
    // A working copy left behind means the last session did not end normally.
    const std::string copy = XMDBPFAD();
    if (exists(copy)) {
        const MessageService::Answer answer = environment_.messages.show(
            {code,
             english() ? "Program was interuped during the execution!\nDo you want to save the changes till the "
                         "interuption?"
                       : "Programm wurde während der Ausführung unterbrochen!\nSoll die bis zum Abbruch vorhandenen "
                         "Daten gepeichert werden?",
             MessageService::Buttons::YesNo, MessageService::Icon::Question});
        if (answer == MessageService::Answer::Yes)
            return true;
    }
    DatabaseFiles::copy(projectFile(), copy);
    return false;
}

void SessionContext::save()
{
    DatabaseFiles::copy(XMDBPFAD(), projectFile());
}

SessionContext::Compaction SessionContext::compact()
{
    const std::string source = XMDBPFAD();
    const std::string temporary = source.substr(0, source.find(".mdb")) + "TEMP.mdb";
    const auto megabytes = [](const std::string& path) {
        return static_cast<float>(std::nearbyint(fs::file_size(path) / 1e6 * 10) / 10);
    };
    if (!cnnX_)
        throw VbError::of(VbError::ObjectNotSet);
    const float before = megabytes(source);
    DatabaseFiles::remove(temporary);
    try {
        cnnX_->execute("VACUUM INTO '" + Connection::escaped(temporary) + "'");
    } catch (const VbError&) {
        DatabaseFiles::remove(temporary);
        throw;
    }
    cnnX_->close();
    try {
        DatabaseFiles::rename(temporary, source);
    } catch (const VbError&) {
        cnnX_ = Connection::open(connectionString(source), 30);
        throw;
    }
    cnnX_ = Connection::open(connectionString(source), 30);
    const float after = megabytes(source);
    const float reduction = before > 0 ? static_cast<float>(std::nearbyint((before - after) * 100 / before * 10) / 10) : 0;
    return {before, after, reduction};
}

void SessionContext::end()
{
    ErrorTrap trap(environment_.messages, code, "VB-Error: ");
    trap.run({
        [&] {
            if (standAlone() || !cnnARCHIV_)
                return;
            Recordset row(cnnARCHIV_,
                          "SELECT [PROG] FROM [ADMIN] WHERE [BENUTZER]='" + Connection::escaped(BENUTZER()) + "'");
            if (!row.isEOF()) {
                row.setField("PROG", "KALMORA");
                row.update();
            }
            row.close();
        },
        [&] {
            cnnARCHIV_.reset();
            cnnX_V_.reset();
        },
        [&] {
            if (cnnX_)
                cnnX_->close();
            cnnX_.reset();
        },
        [&] { DatabaseFiles::remove(XMDBPFAD()); },
    });
}

std::string SessionContext::shortenedPath(const std::string& path)
{
    if (path.size() <= 20)
        return path;
    std::string text = path;
    std::size_t cut = 2;  // 1-based
    while (text.size() > 20) {
        text = text.substr(cut - 1);
        const auto next = text.find('/', 2);
        if (next == std::string::npos) {
            // No folder boundary left to cut at: the last folder name is shown whole.
            const auto last = text.rfind('/');
            if (last != std::string::npos)
                text = text.substr(last);
            break;
        }
        cut = next + 1;
    }
    return " ... " + text;
}
