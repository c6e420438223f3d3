#pragma once

#include <QString>

namespace morvek::pagegen {

struct CPageConverter;

// SEITE: the page's head (title and style sheet) and its body tag with the background.
qsizetype HandlePage(CPageConverter& converter, qsizetype index, QString& output);
// SEITENKOPF: images and text areas side by side above a horizontal rule.
qsizetype HandlePageHeader(CPageConverter& converter, qsizetype index, QString& output);

} // namespace morvek::pagegen
