#pragma once

#include <QByteArray>
#include <QString>

namespace zr {

// Every file the program reads or writes keeps its text in code page 932 (Windows-31J,
// the Microsoft variant of Shift-JIS). These are the only places where text crosses that
// border.

// Encodes text to code page 932. A character the code page lacks becomes '?'.
QByteArray toAnsi(QStringView text);

// Decodes code page 932 bytes. A byte sequence that is not valid code page 932 becomes
// U+FFFD; decoding never fails.
QString fromAnsi(QByteArrayView bytes);

// The number of bytes the text takes in code page 932: 2 for a full-width character,
// 1 for ASCII and half-width katakana.
int AnsiByteLength(QStringView text);

// The single-byte code of a key character: ASCII as it is, half-width katakana
// U+FF61..U+FF9F as 0xA1..0xDF. Anything else has no single-byte code and gives -1.
int ansiKeyCode(QChar c);

// The character of a single-byte code (0..0x7F, 0xA1..0xDF); a null character for
// any other code.
QChar charFromAnsiKeyCode(int code);

}  // namespace zr
