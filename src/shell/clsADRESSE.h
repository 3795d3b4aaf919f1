#pragma once

#include <string>

// The issuer of the program, as the start screen and the about box name it.
class clsADRESSE {
public:
    std::string FIRMA1() const { return "Tarvelo Geotechnik"; }
    std::string FIRMA2() const { return "Software für Grundbau und Bodenmechanik"; }
    std::string PLZ() const { return "10115 Berlin"; }
    std::string STR() const { return "Ingenieurweg 12"; }
    std::string VORSITZ() const { return "Dr.-Ing. Anna Winkler"; }
    std::string TEL() const { return "+49 30 5550 1200"; }
    std::string FAX() const { return "+49 30 5550 1299"; }
    std::string EMAIL() const { return "info@tarvelo.example"; }
    std::string URL() const { return "www.tarvelo.example"; }
};
