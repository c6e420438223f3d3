#pragma once

#include <QByteArray>
#include <QString>

// The bytes of a statistics file, shared with every other workstation of the portal: a header
// (a length byte and the marker) and records with nothing in between, little-endian:
//   kind 3 | 8 | time (OLE date, double) | U | user (U bytes) | P | page (P bytes) | 2 | ms
// The texts are Windows-1252, scrambled with a fixed key.
namespace morvek::statistics {

inline constexpr char kRecordKind = 3;
inline constexpr qsizetype kMaxTextBytes = 255;

// The 18-byte header: 17, then "STATISTIK_KENNUNG".
QByteArray StatisticsHeader();
// True when the marker starts with `marker` (an empty or shorter prefix counts as well).
bool IsMarkerPrefix(QByteArrayView marker);

// Byte i of a field plus (minus) key byte i mod 12, modulo 256; each field starts at key byte 0.
QByteArray ScrambleText(QByteArrayView plain);
QByteArray UnscrambleText(QByteArrayView scrambled);

// The texts of records in the ANSI code page (Windows-1252), cut to 255 bytes.
QByteArray AnsiBytes(QStringView text);
QString AnsiText(QByteArrayView bytes);

// A complete record whose time taken is still 0.
QByteArray EncodeCallRecord(double time, QStringView user, QStringView page);
// Puts the time taken (milliseconds modulo 65536) into the record's last two bytes.
void StampTimeTaken(QByteArray& record, quint16 milliseconds);

} // namespace morvek::statistics
