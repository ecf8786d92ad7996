#pragma once

#include <QString>

// The attached documents of all cards share one flat folder, Documenti_Allegati; a card
// keeps only their names.
namespace attachment_files {

inline constexpr const char* kFolder = "Documenti_Allegati";

QString folderIn(const QString& programDir);
// The stored name as a bare file name: blanks around it and any folders in front of it are
// dropped, so that no stored name reaches outside the folder. Empty when nothing usable is
// left ("", ".", "..").
QString bareName(const QString& stored);
// The document's path inside the folder; empty when the name has no bare file name.
QString pathFor(const QString& programDir, const QString& stored);
// Creates the folder with any missing parents.
bool ensureFolder(const QString& programDir);
// Copies `source` over `target`; the old target stays as it was unless the copy completes.
bool copyReplacing(const QString& source, const QString& target);

} // namespace attachment_files
