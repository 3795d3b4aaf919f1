#include "clsDATEN.h"

#include "data/RecordQueries.h"
#include "platform/Connection.h"
#include "platform/ErrorTrap.h"
#include "platform/EventLoop.h"
#include "platform/Locale.h"
#include "platform/Recordset.h"
#include "platform/Session.h"
#include "platform/TextPair.h"
#include "platform/VbError.h"

#include <filesystem>

namespace {

const char* const dataErrorTitle = "Datenfehler";

// A filter value as it stands in a statement. Numbers keep a decimal point whatever the
// session's separator, so that a fractional value cannot break the statement; text is
// written as given, with the quotes the caller supplied.
std::string filterText(const Variant& value)
{
    switch (value.type()) {
    case Variant::Type::Single: return vb::exactText(value.toSingle());
    case Variant::Type::Double: return vb::exactText(value.toDouble());
    case Variant::Type::Boolean: return value.toBoolean() ? "true" : "false";
    default: return value.text();
    }
}

std::string bracketed(const std::string& name)
{
    return "[" + name + "]";
}

}  // namespace

clsDATEN::clsDATEN(Session& session) : session_(session)
{
    ErrorTrap trap(messages(), dataErrorTitle);
    std::unique_ptr<Recordset> active;
    trap.run({
        [&] { connection_ = session_.cnnX(); },
        [&] {
            ETABELLE = "E1";
            ESPID = "ID";
        },
        [&] { active = std::make_unique<Recordset>(connection_, RecordQueries::records("[ID]", RecordQueries::Selected)); },
        [&] {
            if (active)
                ESPIDW = active->isEOF() ? 0 : (active->moveFirst(), active->field("ID").toLong());
        },
        [&] {
            if (active)
                active->close();
        },
    });
}

clsDATEN::~clsDATEN() = default;

MessageService& clsDATEN::messages() const
{
    return session_.messages();
}

void clsDATEN::EBOV(bool preset)
{
    connection_ = preset && !Session::runsStandAlone(session_.programFolder()) ? session_.cnnX_V() : session_.cnnX();
}

void clsDATEN::EMDB(const std::string& name, bool& BOMDB)
{
    BOMDB = false;
    std::string path;
    ErrorTrap trap(messages(), "Datenzugriff - Datenbank " + name);
    trap.run({
        [&] { EMDB_ = name; },
        [&] { path = session_.PROJEKTSPFAD() + "/" + session_.PROJEKT() + "/" + name + ".mdb"; },
        [&] {
            std::error_code ignored;
            if (!std::filesystem::exists(path, ignored))
                return;
            // Success is reported only when the database really opened.
            connection_ = Connection::open(
                "Provider=Microsoft.Jet.OLEDB.4.0; Data Source=" + path + ";Persist Security Info=False", 30);
            BOMDB = true;
        },
    });
}

std::string clsDATEN::statement(const std::string& SPV, const Auswahl& auswahl) const
{
    const std::string* const indexColumns[] = {&auswahl.SPI1, &auswahl.SPI2, &auswahl.SPI3};
    const std::pair<const std::string*, const std::string*> keys[] = {
        {&ESPK1, &ESPK1W}, {&ESPK2, &ESPK2W}, {&ESPK3, &ESPK3W}};

    std::string columns = bracketed(SPV);
    if (!ESPID.empty())
        columns += "," + bracketed(ESPID);
    for (const std::string* column : indexColumns) {
        if (!column->empty())
            columns += "," + bracketed(*column);
    }
    for (const auto& [name, value] : keys) {
        if (!name->empty())
            columns += "," + bracketed(*name);
    }

    std::string conditions;
    if (!ESPID.empty())
        conditions = " WHERE [" + ESPID + "] = " + std::to_string(ESPIDW);
    if (auswahl.SPI1W)
        conditions += (conditions.empty() ? " WHERE " : " AND ") + std::string(" [") + auswahl.SPI1 +
                      "]=" + filterText(*auswahl.SPI1W);
    if (auswahl.SPI2W)
        conditions += " AND [" + auswahl.SPI2 + "]=" + filterText(*auswahl.SPI2W);
    if (auswahl.SPI3W)
        conditions += " AND [" + auswahl.SPI3 + "]=" + filterText(*auswahl.SPI3W);
    if (!ESPK1.empty())
        conditions +=
            (conditions.empty() ? " WHERE " : " AND ") + bracketed(ESPK1) + " ='" + Connection::escaped(ESPK1W) + "'";
    if (!ESPK2.empty())
        conditions += " AND [" + ESPK2 + "] ='" + Connection::escaped(ESPK2W) + "'";
    if (!ESPK3.empty())
        conditions += "  AND [" + ESPK3 + "] ='" + Connection::escaped(ESPK3W) + "'";

    std::string order;
    if (!auswahl.SPI1.empty()) {
        order = " ORDER BY " + bracketed(auswahl.SPI1);
        for (const std::string* column : {&auswahl.SPI2, &auswahl.SPI3}) {
            if (!column->empty())
                order += "," + bracketed(*column);
        }
    }
    return "SELECT " + columns + " FROM [" + ETABELLE + "]" + conditions + order;
}

std::unique_ptr<Recordset> clsDATEN::DT(const std::string& SPV, const Auswahl& auswahl) const
{
    if (!connection_)
        throw VbError::of(VbError::ObjectNotSet);
    return std::make_unique<Recordset>(connection_, statement(SPV, auswahl));
}

void clsDATEN::remember(const std::exception& failure)
{
    const auto* error = dynamic_cast<const VbError*>(&failure);
    lastError_ = error ? *error : VbError(VbError::InternalError, failure.what());
}

bool clsDATEN::WERTESCHREIBEN(const std::string& SPV, const std::vector<Variant>& V, const Auswahl& auswahl)
{
    try {
        // The whole array in one unit: one commit for all its elements, nothing half written.
        if (!connection_)
            throw VbError::of(VbError::ObjectNotSet);
        Connection::Savepoint unit(*connection_);
        std::unique_ptr<Recordset> rows = DT(SPV, auswahl);
        const std::pair<const std::string*, const std::optional<Variant>*> filters[] = {
            {&auswahl.SPI1, &auswahl.SPI1W}, {&auswahl.SPI2, &auswahl.SPI2W}, {&auswahl.SPI3, &auswahl.SPI3W}};
        const std::pair<const std::string*, const std::string*> keys[] = {
            {&ESPK1, &ESPK1W}, {&ESPK2, &ESPK2W}, {&ESPK3, &ESPK3W}};
        for (std::size_t i = 0; i < V.size(); ++i) {
            vb::toInteger(static_cast<double>(i));  // the row counter is 16-bit
            if (rows->isEOF())
                rows->addNew();
            else if (i == 0)
                rows->moveFirst();
            const bool emptyText = V[i].isText() && V[i].toText().empty();
            rows->setField(SPV, emptyText ? Variant::null() : V[i]);
            rows->setField(ESPID, Variant(ESPIDW));
            for (const auto& [column, value] : filters) {
                if (*value)
                    rows->setField(*column, **value);
            }
            for (const auto& [column, value] : keys) {
                if (!column->empty() && !value->empty())
                    rows->setField(*column, Variant(*value));
            }
            rows->update();
            if (!rows->isEOF())
                rows->moveNext();
            EventLoop::yield();
        }
        while (!rows->isEOF()) {
            rows->deleteCurrent();
            rows->moveNext();
        }
        rows->close();
        unit.commit();
        return true;
    } catch (const std::exception& failure) {
        remember(failure);
        return false;
    }
}

bool clsDATEN::WERTELESEN(const std::string& SPV, std::vector<Variant>& A, const Auswahl& auswahl)
{
    try {
        std::unique_ptr<Recordset> rows = DT(SPV, auswahl);
        if (!rows->isEOF()) {
            rows->moveFirst();
            for (std::size_t i = 0; i < A.size() && !rows->isEOF(); ++i) {
                const Variant value = rows->field(SPV);
                if (!value.isNull())
                    A[i] = value;
                rows->moveNext();
            }
        }
        rows->close();
        return true;
    } catch (const std::exception& failure) {
        remember(failure);
        return false;
    }
}

bool clsDATEN::writeValue(const std::string& SPV, const Variant& W, const Auswahl& auswahl)
{
    if (WERTESCHREIBEN(SPV, {W}, auswahl))
        return true;
    messages().show(
        {dataErrorTitle,
         "Wert " + W.text() + " kann nicht in die Spalte " + SPV + " der Tabelle " + ETABELLE + " gespeichert werden!",
         MessageService::Buttons::Ok, MessageService::Icon::Warning});
    return false;
}

bool clsDATEN::writeArray(const std::string& SPV, const std::vector<Variant>& W, const Auswahl& auswahl)
{
    if (WERTESCHREIBEN(SPV, W, auswahl))
        return true;
    messages().show({dataErrorTitle,
                     "Werte können nicht in Spalte " + SPV + " der Tabelle " + ETABELLE + " gespeichert werden!",
                     MessageService::Buttons::Ok, MessageService::Icon::Warning});
    return false;
}

bool clsDATEN::DVTA(const std::string& SPV, VbDate W, const Auswahl& auswahl)
{
    return writeValue(SPV, W, auswahl);
}
bool clsDATEN::DVTB(const std::string& SPV, bool W, const Auswahl& auswahl)
{
    return writeValue(SPV, W, auswahl);
}
bool clsDATEN::DVTT(const std::string& SPV, const std::string& W, const Auswahl& auswahl)
{
    return writeValue(SPV, W, auswahl);
}
bool clsDATEN::DVTI(const std::string& SPV, int16_t W, const Auswahl& auswahl)
{
    return writeValue(SPV, W, auswahl);
}
bool clsDATEN::DVTL(const std::string& SPV, int32_t W, const Auswahl& auswahl)
{
    return writeValue(SPV, W, auswahl);
}
bool clsDATEN::DVTS(const std::string& SPV, float W, const Auswahl& auswahl)
{
    return writeValue(SPV, W, auswahl);
}
bool clsDATEN::DVTD(const std::string& SPV, double W, const Auswahl& auswahl)
{
    return writeValue(SPV, W, auswahl);
}
bool clsDATEN::DVTV(const std::string& SPV, const Variant& W, const Auswahl& auswahl)
{
    return writeValue(SPV, W, auswahl);
}

bool clsDATEN::DVTIF(const std::string& SPV, const std::vector<int16_t>& W, const Auswahl& auswahl)
{
    return writeArray(SPV, std::vector<Variant>(W.begin(), W.end()), auswahl);
}

bool clsDATEN::DVTSF(const std::string& SPV, const std::vector<float>& W, const Auswahl& auswahl)
{
    return writeArray(SPV, std::vector<Variant>(W.begin(), W.end()), auswahl);
}

bool clsDATEN::readValue(const std::string& SPV, Variant& W, const Auswahl& auswahl)
{
    std::vector<Variant> buffer(1);
    if (WERTELESEN(SPV, buffer, auswahl)) {
        W = buffer[0];
        return true;
    }
    messages().show({dataErrorTitle,
                     "Wert " + buffer[0].text() + " kann nicht aus der Spalte " + SPV + " der Tabelle " + ETABELLE +
                         " eingelesen werden!",
                     MessageService::Buttons::Ok, MessageService::Icon::Warning});
    return false;
}

// Reads into a variant, then converts outside any trap: a stored value that does not fit
// the target raises to the caller, naming where it lies (a damaged file is mended there).
template <typename T>
bool clsDATEN::readAs(const std::string& SPV, T& W, const Auswahl& auswahl, T (Variant::*convert)() const)
{
    Variant value;
    if (!readValue(SPV, value, auswahl))
        return false;
    try {
        W = (value.*convert)();
    } catch (const VbError& error) {
        const bool english = Locale::current().englishTexts();
        throw VbError(error.number(), error.description() + TextPair{" (Tabelle ", " (table "}.in(english) + ETABELLE +
                                          TextPair{", Spalte ", ", column "}.in(english) + SPV + ")");
    }
    return true;
}

bool clsDATEN::DTVA(const std::string& SPV, VbDate& W, const Auswahl& auswahl)
{
    return readAs(SPV, W, auswahl, &Variant::toDate);
}
bool clsDATEN::DTVB(const std::string& SPV, bool& W, const Auswahl& auswahl)
{
    return readAs(SPV, W, auswahl, &Variant::toBoolean);
}
bool clsDATEN::DTVT(const std::string& SPV, std::string& W, const Auswahl& auswahl)
{
    return readAs(SPV, W, auswahl, &Variant::toText);
}
bool clsDATEN::DTVI(const std::string& SPV, int16_t& W, const Auswahl& auswahl)
{
    return readAs(SPV, W, auswahl, &Variant::toInteger);
}
bool clsDATEN::DTVL(const std::string& SPV, int32_t& W, const Auswahl& auswahl)
{
    return readAs(SPV, W, auswahl, &Variant::toLong);
}
bool clsDATEN::DTVS(const std::string& SPV, float& W, const Auswahl& auswahl)
{
    return readAs(SPV, W, auswahl, &Variant::toSingle);
}
bool clsDATEN::DTVD(const std::string& SPV, double& W, const Auswahl& auswahl)
{
    return readAs(SPV, W, auswahl, &Variant::toDouble);
}

bool clsDATEN::DTVV(const std::string& SPV, Variant& W, const Auswahl& auswahl)
{
    return readValue(SPV, W, auswahl);
}

bool clsDATEN::readRows(const std::string& SPV, const Auswahl& auswahl, const Store& store)
{
    ErrorTrap trap(messages(), dataErrorTitle,
                   "Werte der Spalte " + SPV + " der Tabelle " + ETABELLE + " können nicht aus der Spalte " + SPV +
                       " eingelesen werden!\n" + ErrorPrefix::engine);
    std::unique_ptr<Recordset> rows;
    if (!trap.attempt([&] { rows = DT(SPV, auswahl); }) || !rows)
        return false;  // nothing to read from
    bool completed = true;
    if (!rows->isEOF()) {
        rows->moveFirst();
        int16_t i = 0;
        while (!rows->isEOF()) {
            const bool stored = trap.attempt([&] {
                const Variant value = rows->field(SPV);
                if (!value.isNull())
                    store(i, value);
            });
            if (!stored) {
                completed = false;
                break;
            }
            rows->moveNext();
            if (!rows->isEOF() && !trap.attempt([&] { i = vb::toInteger(i + 1.0); })) {
                completed = false;
                break;
            }
        }
    }
    rows->close();
    return completed;
}

bool clsDATEN::DTVSF(const std::string& SPV, std::vector<float>& W, const Auswahl& auswahl)
{
    return readRows(SPV, auswahl, [&W](int16_t i, const Variant& value) {
        if (static_cast<std::size_t>(i) >= W.size())
            throw VbError::of(VbError::SubscriptOutOfRange);
        W[i] = value.toSingle();
    });
}

bool clsDATEN::DTVVF(const std::string& SPV, std::vector<Variant>& W, const Auswahl& auswahl)
{
    return readRows(SPV, auswahl, [&W](int16_t i, const Variant& value) {
        if (static_cast<std::size_t>(i) >= W.size())
            throw VbError::of(VbError::SubscriptOutOfRange);
        W[i] = value;
    });
}

std::string clsDATEN::indexStatement(const Auswahl& auswahl) const
{
    const auto value = [](const std::optional<Variant>& filter) {
        return filter ? filterText(*filter) : std::string();
    };
    std::string column;
    std::string conditions;
    if (!auswahl.SPI3.empty()) {
        column = auswahl.SPI3;
        conditions = " WHERE [" + auswahl.SPI1 + "]=" + value(auswahl.SPI1W) + " AND [" + auswahl.SPI2 +
                     "]=" + value(auswahl.SPI2W);
    } else if (!auswahl.SPI2.empty()) {
        column = auswahl.SPI2;
        conditions = " WHERE [" + auswahl.SPI1 + "]=" + value(auswahl.SPI1W);
    } else {
        column = auswahl.SPI1;
    }
    if (!ESPK1.empty()) {
        conditions +=
            (conditions.empty() ? " WHERE " : " AND ") + bracketed(ESPK1) + " ='" + Connection::escaped(ESPK1W) + "'";
        const std::pair<const std::string*, const std::string*> laterKeys[] = {{&ESPK2, &ESPK2W}, {&ESPK3, &ESPK3W}};
        for (const auto& [name, keyValue] : laterKeys) {
            if (!name->empty())
                conditions += " AND [" + *name + "]='" + Connection::escaped(*keyValue) + "'";
        }
    }
    if (!ESPID.empty())
        conditions += (conditions.empty() ? " WHERE " : " AND ") + bracketed(ESPID) + " = " + std::to_string(ESPIDW);
    return "SELECT " + bracketed(column) + " FROM " + bracketed(ETABELLE) + conditions + " ORDER BY " + bracketed(column);
}

template <typename T>
void clsDATEN::countIndex(T& MINI, T& MAXI, T& AN, const Auswahl& auswahl, const std::string& title,
                          T (*convert)(const Variant&))
{
    ErrorTrap trap(messages(), title);
    std::unique_ptr<Recordset> rows;
    // Later steps have nothing to work on when the statement could not be opened.
    const auto withRows = [&](auto step) {
        return [&, step] {
            if (rows && !rows->isEOF())
                step();
        };
    };
    trap.run({
        [&] {
            if (!connection_)
                throw VbError::of(VbError::ObjectNotSet);
            rows = std::make_unique<Recordset>(connection_, indexStatement(auswahl));
        },
        [&] {
            if (rows && rows->isEOF())
                AN = MINI = MAXI = 0;
        },
        withRows([&] { rows->moveFirst(); }),
        withRows([&] { MINI = convert(rows->field(0)); }),
        withRows([&] { rows->moveLast(); }),
        withRows([&] { MAXI = convert(rows->field(0)); }),
        withRows([&] { AN = convert(Variant(static_cast<int32_t>(rows->recordCount()))); }),
        [&] {
            if (rows)
                rows->close();
        },
    });
}

void clsDATEN::Index(int16_t& MINI, int16_t& MAXI, int16_t& AN, const Auswahl& auswahl)
{
    countIndex<int16_t>(MINI, MAXI, AN, auswahl, "Index", [](const Variant& v) { return v.toInteger(); });
}

void clsDATEN::INDEXL(int32_t& MINI, int32_t& MAXI, int32_t& AN, const Auswahl& auswahl)
{
    countIndex<int32_t>(MINI, MAXI, AN, auswahl, dataErrorTitle, [](const Variant& v) { return v.toLong(); });
}

std::vector<Variant> clsDATEN::listE1(const std::string& column, bool AKT)
{
    if (!connection_)
        throw VbError::of(VbError::ObjectNotSet);
    const std::string condition = AKT ? " WHERE [AKT]=true" : "";
    Recordset rows(connection_, "SELECT [" + column + "] FROM [E1]" + condition + " ORDER BY [KEN]");
    std::vector<Variant> values;
    if (!rows.isEOF()) {
        rows.moveLast();
        const int16_t count = vb::toInteger(rows.recordCount());  // the element counter is 16-bit
        values.reserve(count);
        rows.moveFirst();
        for (int16_t i = 0; i < count; ++i) {
            values.push_back(rows.field(0));
            rows.moveNext();
        }
    }
    rows.close();
    return values;
}

void clsDATEN::LID(std::vector<int32_t>& ID, bool AKT)
{
    const std::vector<Variant> values = listE1("ID", AKT);
    if (values.empty())
        return;
    ID.clear();
    for (const Variant& value : values)
        ID.push_back(value.toLong());
}

void clsDATEN::LKEN(std::vector<std::string>& KEN, bool AKT)
{
    const std::vector<Variant> values = listE1("KEN", AKT);
    if (values.empty())
        return;
    KEN.clear();
    for (const Variant& value : values)
        KEN.push_back(value.text());
}

bool clsDATEN::LOESCHEN(const Auswahl& auswahl)
{
    ErrorTrap trap(messages(), dataErrorTitle);
    std::unique_ptr<Recordset> rows;
    const bool completed = trap.run({
        [&] { rows = DT(ESPID, auswahl); },
        [&] {
            if (!rows || rows->isEOF())
                return;
            rows->moveFirst();
            while (!rows->isEOF()) {
                rows->deleteCurrent();
                rows->moveNext();
            }
        },
        [&] {
            if (rows)
                rows->close();
        },
    });
    return completed;
}

// Control transfers: each member reads or sets a control's text; storing and reading go
// through the single-value routines and their messages.

bool clsDATEN::readControl(const std::string& SPV, const Auswahl& auswahl,
                           const std::function<void(const Variant&)>& apply)
{
    Variant value;
    if (!readValue(SPV, value, auswahl))
        return false;
    apply(value);
    return true;
}

bool clsDATEN::DFTTT(const std::string& SPV, const Controls::TextBox& txtX, const Auswahl& auswahl)
{
    return writeValue(SPV, txtX.Text(), auswahl);
}

bool clsDATEN::DFTMT(const std::string& SPV, const Controls::ComboBox& cboX, const Auswahl& auswahl)
{
    return writeValue(SPV, cboX.Text(), auswahl);
}

bool clsDATEN::DTFTT(const std::string& SPV, Controls::TextBox& txtX, const Auswahl& auswahl)
{
    return readControl(SPV, auswahl, [&](const Variant& v) { txtX.setText(v.toText()); });
}

bool clsDATEN::DTFM(const std::string& SPV, Controls::ComboBox& cboX, const Auswahl& auswahl)
{
    return readControl(SPV, auswahl, [&](const Variant& v) { cboX.setText(v.toText()); });
}
