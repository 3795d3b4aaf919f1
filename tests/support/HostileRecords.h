#pragma once

// Random and hostile records for the page and the sheet tool: every field of E1 and E2
// gets, now and then, NaN, infinities, values beyond single precision, zero, negatives,
// text, NULL, a huge N, long and odd names; most values stay plausible so that the page
// gets far. One run checks what must hold whatever a file holds: no crash, no hang, no
// coordinate past every scale on a surface, at most one warning per figure, and from the
// sheet tool an exit status of 0 with a sheet or 1 without one.
#include "FixedClock.h"
#include "TestSession.h"
#include "page/Seite1.h"
#include "platform/Clock.h"
#include "platform/Locale.h"
#include "platform/RecordingSurface.h"

#include <QProcess>
#include <QStringList>

#include <cmath>
#include <filesystem>
#include <map>
#include <random>
#include <sstream>
#include <string>

class HostileRecords {
public:
    explicit HostileRecords(unsigned seed) : random_(seed) {}

    // One record into the session's working copy (ID 1, selected) and into a project file
    // for the sheet tool; the statement is kept for the report of a failure.
    void next(TestSession& session)
    {
        const std::string sql = statement();
        record = sql;
        auto db = session.cnnX();
        db->execute("DELETE FROM [E1]; DELETE FROM [E2]; DELETE FROM [A1]; DELETE FROM [G0]; " + sql);
        projectFile = session.projectFolder() / "KVX.mdb";
        std::filesystem::remove(projectFile);
        TestSession::makeProjectDatabase(projectFile);
        Connection::openFile(projectFile.string())->execute(sql);
    }

    // The page on recording surfaces, then printed: the faults found, empty when none.
    std::string checkPage(TestSession& session)
    {
        const FixedClock clock;
        std::vector<RecordingSurface*> surfaces;
        session.messages_.shown.clear();
        Seite1 page(session, clock, nullptr, [&surfaces](double width, double height) {
            auto surface = std::make_unique<RecordingSurface>(width, height);
            surfaces.push_back(surface.get());
            return surface;
        });
        RecordingSurface paper(210 * Surface::twipsPerMillimetre, 297 * Surface::twipsPerMillimetre, 300, true);
        surfaces.push_back(&paper);
        if (page.load())
            page.DRUCKEN(paper);
        std::string faults;
        for (const RecordingSurface* surface : surfaces) {
            for (const auto& primitive : surface->primitives) {
                if (!std::isfinite(primitive.x1) || !std::isfinite(primitive.y1) || !std::isfinite(primitive.x2) ||
                    !std::isfinite(primitive.y2))
                    faults += "a coordinate past every scale on " + surface->name + "; ";
            }
        }
        std::map<std::string, int> warnings;
        for (const auto& message : session.messages_.shown) {
            if (message.icon == MessageService::Icon::Warning && ++warnings[message.title] == 2)
                faults += "more than one warning titled " + message.title + "; ";
        }
        return faults;
    }

    // The sheet tool on the project file: the faults found, empty when none.
    std::string checkSheet(const std::filesystem::path& pdf)
    {
        const std::filesystem::path csv = pdf.string() + ".csv", json = pdf.string() + ".json";
        for (const auto& file : {pdf, csv, json})
            std::filesystem::remove(file);
        QProcess tool;
        tool.start(QStringLiteral(KVX_SHEET),
                   {QString::fromStdString(projectFile.string()), "--pdf", QString::fromStdString(pdf.string()),
                    "--csv", QString::fromStdString(csv.string()), "--json", QString::fromStdString(json.string())});
        if (!tool.waitForFinished(60000)) {
            tool.kill();
            tool.waitForFinished();
            return "kvx-sheet did not finish in a minute; ";
        }
        if (tool.exitStatus() != QProcess::NormalExit)
            return "kvx-sheet crashed; ";
        const bool written = std::filesystem::exists(pdf);
        const bool anyWritten = written || std::filesystem::exists(csv) || std::filesystem::exists(json);
        if (tool.exitCode() == 0 && !written)
            return "kvx-sheet reported success without a sheet; ";
        if (tool.exitCode() == 1 && anyWritten)
            return "kvx-sheet failed but left output behind; ";
        if (tool.exitCode() != 0 && tool.exitCode() != 1)
            return "kvx-sheet exit status " + std::to_string(tool.exitCode()) + "; ";
        return {};
    }

    std::string record;
    std::filesystem::path projectFile;

private:
    std::string statement()
    {
        const auto literal = [](const std::string& text) {
            std::string quoted = "'";
            for (char c : text)
                quoted += c == '\'' ? std::string("''") : std::string(1, c);
            return quoted + "'";
        };
        static const char* const names[] = {"Sand",         "Kies 0/32",     "../../x",   "M", "O'Brien",
                                            "Ton\nSchluff", "Schluff ÄÖÜ ß", "/abs/path", "",  ".hidden"};
        std::string ken = pick(10) == 0 ? std::string(2000, 'K') : names[pick(10)];
        const char* const language[] = {"1", "3", "3", "1", "0", "99", "'de'", "1e10", "70000"};
        std::ostringstream sql;
        sql << "INSERT INTO [E1] ([ID],[KEN],[KOM],[AKT],[SPR]) VALUES (1," << literal(ken) << ","
            << (pick(4) == 0 ? "NULL" : literal(std::string(pick(3) * 300, 'k'))) << ",1," << language[pick(9)]
            << ");";
        if (pick(20) == 0)
            return sql.str();  // a record whose values are lost
        sql << " INSERT INTO [E2] ([ID],[SIB],[A],[C],[AR],[CR],[AB],[CB],[ARB],[CRB],[SIA],[SIMAX],[SI1],[SI2],[N]) "
               "VALUES (1";
        const double plausible[] = {60, 22.5, -2, 17, -1.5, 35, -4, 32, -3, 10, 200, 10, 60};
        for (double usual : plausible)
            sql << "," << value(usual);
        const char* const counts[] = {"100", "10", "1", "0", "-5", "32767", "100000", "NULL", "'viele'", "2.5"};
        sql << "," << (pick(3) == 0 ? counts[pick(10)] : "100") << ")";
        return sql.str();
    }
    // A stored value: mostly the usual one, varied; now and then something hostile.
    std::string value(double usual)
    {
        static const char* const hostile[] = {"NULL", "9e999", "-9e999", "1e308", "1e39", "-1e39", "0",
                                              "-60",  "1e-30", "'3x'",   "''",    "90",   "-90",   "1000000"};
        if (pick(6) == 0)
            return hostile[pick(14)];
        std::uniform_real_distribution<double> spread(0.2, 3);
        std::ostringstream text;
        text << usual * spread(random_);
        return text.str();
    }
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    std::mt19937 random_;
};
