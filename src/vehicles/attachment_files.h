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
// Creates the folder with any missing parents; says why not in `error`.
bool ensureFolder(const QString& programDir, QString* error = nullptr);

// Whether a chosen file's name can be kept on the card as it is. A name the card would store
// altered ("?" for a character outside its code page, cut at the field's length, a backslash
// read back as a folder) would later open nothing, or another card's document.
enum class NameFit { Fits, Characters, TooLong };
NameFit nameFit(const QString& fileName);
// The most characters a card keeps of a name.
int nameCapacity();

} // namespace attachment_files
