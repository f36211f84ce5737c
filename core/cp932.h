#pragma once

#include <QByteArray>
#include <QString>

namespace tallyrix {

// Code page 932 (Shift_JIS with the Windows extensions), the encoding of every
// text file the program reads or writes.

// Bytes that are not valid code page 932 become U+FFFD, so they are visible and
// never crash a reader.
QString decodeCp932(const QByteArray& bytes);
// The same for a slice of bytes; with dropCarriageReturns, CR bytes are left out.
QString decodeCp932(const char* data, qsizetype size, bool dropCarriageReturns = false);

// Characters code page 932 cannot hold are written as "?".
QByteArray encodeCp932(const QString& text);

// True when every character of the text survives a round trip through code page 932.
bool isCp932Encodable(const QString& text);

// The first character of the text that code page 932 cannot hold, or an empty text.
QString firstNonCp932Character(const QString& text);

// The longest beginning of the text whose code page 932 form has at most
// maxBytes bytes. A double-byte character that would be split is left out whole.
QString cutToCp932Bytes(const QString& text, int maxBytes);

// The length of the text's code page 932 form in bytes.
int cp932ByteLength(const QString& text);

}  // namespace tallyrix
