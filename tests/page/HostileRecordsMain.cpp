// hostile-records [--seconds N] [--seed S]: random and hostile records through the page
// and the sheet tool for a while; says how many were tried and prints every failing one.
#include "HostileRecords.h"

#include <QGuiApplication>

#include <chrono>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    double seconds = 60;
    unsigned seed = std::random_device()();
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--seconds")
            seconds = std::atof(argv[i + 1]);
        else if (option == "--seed")
            seed = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Locale::setCurrent({Locale::German, ","});
    TestSession session;
    HostileRecords records(seed);
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    long tried = 0, sheets = 0, failed = 0;
    while (std::chrono::steady_clock::now() < end) {
        records.next(session);
        std::string faults = records.checkPage(session);
        if (tried % 10 == 0) {
            faults += records.checkSheet(session.root() / "sheet.pdf");
            ++sheets;
        }
        ++tried;
        if (!faults.empty()) {
            ++failed;
            std::cout << "FAILED: " << faults << "\n  " << records.record << "\n";
        }
    }
    std::cout << "seed " << seed << ": " << tried << " records tried (" << sheets << " through kvx-sheet), " << failed
              << " failed\n";
    return failed == 0 ? 0 : 1;
}
