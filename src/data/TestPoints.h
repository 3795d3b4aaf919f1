#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class Connection;

// One shear test at a normal stress σ': the peak and residual strength of the contact
// and, where the soil itself was tested, of the soil (kN/m²); values not measured are empty.
struct ShearTestPoint {
    double sigma = 0;
    std::array<std::optional<double>, 4> tau;  // by law: contact τf, τr, soil τB, τBr

    bool operator==(const ShearTestPoint&) const = default;
};

// The test results of the records, in table E3 of a project (ID, NR, SIG, TAUF, TAUR,
// TAUB, TAUBR). Projects made before test results existed lack the table; it is created
// the first time a record gets points.
namespace TestPoints {

enum Law { Contact = 0, ContactResidual = 1, Soil = 2, SoilResidual = 3 };
constexpr int maximum = 20;  // points of one record

bool exists(Connection& db);
void create(Connection& db);
std::vector<ShearTestPoint> read(const std::shared_ptr<Connection>& db, int32_t id);
// Replaces the record's points, all or nothing.
void write(const std::shared_ptr<Connection>& db, int32_t id, const std::vector<ShearTestPoint>& points);
void remove(Connection& db, int32_t id);

// The points measured for one law: (σ', τ).
std::vector<std::pair<double, double>> of(const std::vector<ShearTestPoint>& points, Law law);

}  // namespace TestPoints
