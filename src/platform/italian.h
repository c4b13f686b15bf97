#pragma once

namespace platform {

// Qt's own texts in Italian ("Sì", "No", "Annulla"), whatever the system language:
// loads Qt's Italian translation into the application. False when it is not installed.
bool installQtItalian();

} // namespace platform
