#pragma once

#include "data/Controls.h"
#include "platform/Variant.h"
#include "platform/VbError.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Connection;
class ErrorTrap;
class MessageService;
class Recordset;
class Session;

// The data-access object: bound to one connection and one table, it selects the rows of
// one record (identifier column and value, up to three text keys, up to three index
// columns per call) and moves values between them and the program. Every operation opens
// and closes a recordset of its own.
class clsDATEN {
public:
    // Index columns and filter values that every transfer takes. A filter value that is
    // not given is distinct from every value, the empty text included.
    struct Auswahl {
        Auswahl() = default;
        Auswahl(std::string spi1, std::optional<Variant> spi1w = {}, std::string spi2 = {},
                std::optional<Variant> spi2w = {}, std::string spi3 = {}, std::optional<Variant> spi3w = {})
            : SPI1(std::move(spi1)), SPI1W(std::move(spi1w)), SPI2(std::move(spi2)), SPI2W(std::move(spi2w)),
              SPI3(std::move(spi3)), SPI3W(std::move(spi3w))
        {}

        std::string SPI1;
        std::optional<Variant> SPI1W;
        std::string SPI2;
        std::optional<Variant> SPI2W;
        std::string SPI3;
        std::optional<Variant> SPI3W;
    };

    // Takes the session's project connection and the first selected record of E1.
    explicit clsDATEN(Session& session);
    ~clsDATEN();

    std::string ETABELLE = "E1";
    std::string ESPID = "ID";
    int32_t ESPIDW = 0;
    std::string ESPK1, ESPK1W;
    std::string ESPK2, ESPK2W;
    std::string ESPK3, ESPK3W;

    // True: the preset database (the project database when running stand-alone).
    void EBOV(bool preset);
    const std::string& EMDB() const { return EMDB_; }
    // Opens <project path>/<project>/<name>.mdb as this instance's connection.
    void EMDB(const std::string& name, bool& BOMDB);

    std::string statement(const std::string& SPV, const Auswahl& auswahl = {}) const;
    std::unique_ptr<Recordset> DT(const std::string& SPV, const Auswahl& auswahl = {}) const;

    // The array transfers answer false on any failure; why is kept in `lastError`.
    bool WERTESCHREIBEN(const std::string& SPV, const std::vector<Variant>& V, const Auswahl& auswahl = {});
    bool WERTELESEN(const std::string& SPV, std::vector<Variant>& A, const Auswahl& auswahl = {});
    // The number and text of the last failure an array transfer answered with false.
    const std::optional<VbError>& lastError() const { return lastError_; }

    bool DVTA(const std::string& SPV, VbDate W, const Auswahl& auswahl = {});
    bool DVTB(const std::string& SPV, bool W, const Auswahl& auswahl = {});
    bool DVTT(const std::string& SPV, const std::string& W, const Auswahl& auswahl = {});
    bool DVTI(const std::string& SPV, int16_t W, const Auswahl& auswahl = {});
    bool DVTIF(const std::string& SPV, const std::vector<int16_t>& W, const Auswahl& auswahl = {});
    bool DVTL(const std::string& SPV, int32_t W, const Auswahl& auswahl = {});
    bool DVTS(const std::string& SPV, float W, const Auswahl& auswahl = {});
    bool DVTSF(const std::string& SPV, const std::vector<float>& W, const Auswahl& auswahl = {});
    bool DVTD(const std::string& SPV, double W, const Auswahl& auswahl = {});
    bool DVTV(const std::string& SPV, const Variant& W, const Auswahl& auswahl = {});

    // Readers leave the target unchanged on failure; a missing row or a stored null gives
    // the zero value of the target's type. A stored value that does not convert raises.
    bool DTVA(const std::string& SPV, VbDate& W, const Auswahl& auswahl = {});
    bool DTVB(const std::string& SPV, bool& W, const Auswahl& auswahl = {});
    bool DTVT(const std::string& SPV, std::string& W, const Auswahl& auswahl = {});
    bool DTVI(const std::string& SPV, int16_t& W, const Auswahl& auswahl = {});
    bool DTVL(const std::string& SPV, int32_t& W, const Auswahl& auswahl = {});
    bool DTVS(const std::string& SPV, float& W, const Auswahl& auswahl = {});
    bool DTVSF(const std::string& SPV, std::vector<float>& W, const Auswahl& auswahl = {});
    bool DTVD(const std::string& SPV, double& W, const Auswahl& auswahl = {});
    bool DTVV(const std::string& SPV, Variant& W, const Auswahl& auswahl = {});
    bool DTVVF(const std::string& SPV, std::vector<Variant>& W, const Auswahl& auswahl = {});

    // Form to table: the text of a text box or of a combo box into the value column.
    bool DFTTT(const std::string& SPV, const Controls::TextBox& txtX, const Auswahl& auswahl = {});
    bool DFTMT(const std::string& SPV, const Controls::ComboBox& cboX, const Auswahl& auswahl = {});

    // Table to form: the value column into the text of a text box or a combo box; a stored
    // null or a missing row arrives as empty text.
    bool DTFTT(const std::string& SPV, Controls::TextBox& txtX, const Auswahl& auswahl = {});
    bool DTFM(const std::string& SPV, Controls::ComboBox& cboX, const Auswahl& auswahl = {});

    // Extent of the last given index column within the rows fixed by the others.
    void Index(int16_t& MINI, int16_t& MAXI, int16_t& AN, const Auswahl& auswahl);
    void INDEXL(int32_t& MINI, int32_t& MAXI, int32_t& AN, const Auswahl& auswahl);
    std::string indexStatement(const Auswahl& auswahl) const;

    // Identifiers or identifications of the records of E1, ordered by identification.
    void LID(std::vector<int32_t>& ID, bool AKT);
    void LKEN(std::vector<std::string>& KEN, bool AKT);

    // Deletes the selected rows of the current record.
    bool LOESCHEN(const Auswahl& auswahl = {});

private:
    using Store = std::function<void(int16_t index, const Variant& value)>;

    void remember(const std::exception& failure);

    MessageService& messages() const;
    bool writeValue(const std::string& SPV, const Variant& W, const Auswahl& auswahl);
    bool writeArray(const std::string& SPV, const std::vector<Variant>& W, const Auswahl& auswahl);
    bool readValue(const std::string& SPV, Variant& W, const Auswahl& auswahl);
    template <typename T>
    bool readAs(const std::string& SPV, T& W, const Auswahl& auswahl, T (Variant::*convert)() const);
    bool readRows(const std::string& SPV, const Auswahl& auswahl, const Store& store);
    // Reads one value and hands it to the control.
    bool readControl(const std::string& SPV, const Auswahl& auswahl, const std::function<void(const Variant&)>& apply);
    template <typename T>
    void countIndex(T& MINI, T& MAXI, T& AN, const Auswahl& auswahl, const std::string& title,
                    T (*convert)(const Variant&));
    std::vector<Variant> listE1(const std::string& column, bool AKT);

    Session& session_;
    std::shared_ptr<Connection> connection_;
    std::string EMDB_;
    std::optional<VbError> lastError_;
};
