#pragma once

class QMenu;
class QMenuBar;
class QString;

// Access keys ("&" markers) that are unique within each menu. The captions keep their
// words; where two items of one menu would answer the same letter, the later one moves
// its marker to the next letter of its caption not yet taken, and an item without a
// marker gets one.
namespace AccessKeys {

void assign(QMenuBar* bar);
void assign(QMenu* menu);

// A caption as a title: without its access-key marker.
QString plain(const QString& caption);

}  // namespace AccessKeys
