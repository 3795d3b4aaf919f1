#pragma once

// The program's version record: product, developer and issuer lines of its pages.
namespace VersionRecord {

constexpr const char* product = "Tarvelo";
constexpr const char* programmer = "Tarvelo Software";
constexpr const char* copyright = "Tarvelo – Kontaktscherfestigkeit";
constexpr const char* copyrightEnglish = "Tarvelo – Contact shear strength";

}  // namespace VersionRecord
