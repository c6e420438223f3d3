#pragma once

#include <QString>
#include <optional>

namespace morvek::pagegen {

struct CPageConverter;

// Handlers of the form of the text elements: index after the opening record in, index after
// the closing record out.
qsizetype HandleImage(CPageConverter& converter, qsizetype index, QString& output);
qsizetype HandleClock(CPageConverter& converter, qsizetype index, QString& output);
qsizetype HandleFilm(CPageConverter& converter, qsizetype index, QString& output);
qsizetype HandleExtendedFilm(CPageConverter& converter, qsizetype index, QString& output);

// BILD, UHR, FILM or FILM_EX opening at index: its handler's result; nothing for any other
// record.
std::optional<qsizetype> HandleMediaElement(CPageConverter& converter, qsizetype index,
                                            QString& output);

// Width and height of a size value such as 640x480, 640*480 or "640, 480".
struct SizePieces {
    QString width;
    QString height;
};
SizePieces SplitSize(const QString& value);

} // namespace morvek::pagegen
