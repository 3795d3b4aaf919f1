// program-icons FOLDER SIZE
// Writes the programs' icons as PNG files (kvx.png, kalmora.png) of SIZE pixels into
// FOLDER, for the desktop's icon theme.
#include "shell/ProgramIcon.h"

#include <QGuiApplication>

#include <iostream>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::cerr << "program-icons FOLDER SIZE\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int size = QString::fromLatin1(argv[2]).toInt();
    for (const char* program : {"KVX", "KALMORA"}) {
        const QString file = folder + u'/' + QString::fromLatin1(program).toLower() + QStringLiteral(".png");
        if (!ProgramIcon::image(QString::fromLatin1(program), size).save(file)) {
            std::cerr << "program-icons: cannot write " << file.toStdString() << "\n";
            return 1;
        }
    }
    return 0;
}
