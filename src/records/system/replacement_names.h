#pragma once

#include <QString>

namespace records {

// A new name for the temporary file of a replacement of the file at `path`:
// the file's name, a dot and six random letters or digits. QSaveFile names
// its own temporary files so, and leftoversIn finds them all by that rule.
QString temporaryNameFor(const QString &path);

} // namespace records
