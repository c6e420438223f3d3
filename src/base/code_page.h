#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The single-byte code pages at the system's boundaries: portal and CSV files are ISO 8859-1,
// the texts of statistics records Windows-1252 on every host.
namespace morvek::base {

QString DecodeLatin1(QByteArrayView bytes);
// Characters outside ISO 8859-1 become "?".
QByteArray EncodeLatin1(QStringView text);

// Empty when the host's Qt has no Windows-1252 codec. Characters outside Windows-1252
// become "?".
std::optional<QString> DecodeWindows1252(QByteArrayView bytes);
std::optional<QByteArray> EncodeWindows1252(QStringView text);

} // namespace morvek::base
