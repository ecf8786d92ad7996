#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// INI text read and written the way Windows programs do, so a store edited by hand or written
// by another copy still opens: section and key names match without regard to case, blanks
// around names and values do not count, and a line that is neither "[section]" nor
// "key=value" (a stray word, an unclosed "[section") is passed over. The first match wins.
namespace ini_text {

// nullopt when the section or the key is missing.
std::optional<QString> value(const QString& text, QStringView section, QStringView key);

// `text` with the key set: the line that `value()` reads is replaced, or, without one, the
// section and key are added at the end. Every other line stays exactly as it was.
QString withValue(const QString& text, QStringView section, QStringView key, const QString& value);

} // namespace ini_text
