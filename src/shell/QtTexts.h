#pragma once

#include <cstdint>

// Qt's own texts (Yes/No/Cancel, the print and colour dialogs) in the session's language,
// from the translations Debian ships with Qt.
namespace QtTexts {

// True when the translation was found and installed for the running application.
bool install(int16_t language);

}  // namespace QtTexts
