#pragma once

#include <QString>

namespace morvek::pagegen {

struct CPageConverter;

// TABELLE: a two-column table of link rows; settings take effect in document order.
qsizetype HandleTable(CPageConverter& converter, qsizetype index, QString& output);
// TABELLENZEILE with the table's font size and colour at the time the row is met.
qsizetype HandleTableRow(CPageConverter& converter, qsizetype index, QString& output,
                         const QString& size, const QString& colour);
// RAHMEN at the page's top level: a bordered box around text areas, or a line without them.
qsizetype HandleFrame(CPageConverter& converter, qsizetype index, QString& output);

} // namespace morvek::pagegen
