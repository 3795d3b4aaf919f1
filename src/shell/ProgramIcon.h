#pragma once

#include <QImage>
#include <QString>

// The programs' icons, drawn as the SVG files of the desktop entries draw them, so that a
// window carries the same picture without an SVG reader: "KVX" a strength curve cut by its
// secant, "KALMORA" the suite's K.
namespace ProgramIcon {

QImage image(const QString& program, int size);
// Sets the icon of every window of the running application.
void install(const QString& program);

}  // namespace ProgramIcon
