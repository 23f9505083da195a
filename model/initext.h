#ifndef TARVEO_MODEL_INITEXT_H
#define TARVEO_MODEL_INITEXT_H

#include <QString>

// How a key and a value of the [classes] section are written so that the
// INI reader (IniReader, which reads as the site's reader does) gives back
// exactly the text that was written. The reader trims blanks, ends a line
// at ";", resolves backslash escapes and quotes, splits values at commas,
// treats a leading "@" as a type tag and decodes "%XX" and "%UXXXX" in
// keys. A text it leaves alone is written as it stands; any other is
// escaped so that the reader restores it.
namespace IniText {

QString key(const QString &key);
QString value(const QString &value);

// Whether the INI reader returns the text unchanged when it is written as
// it stands.
bool keyReadsBack(const QString &key);
bool valueReadsBack(const QString &value);

} // namespace IniText

#endif
