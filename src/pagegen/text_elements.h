#pragma once

#include <QString>
#include <optional>

namespace morvek::pagegen {

struct CPageConverter;

// Element handlers receive the index of the record after the element's opening record,
// write the element's HTML and return the index after its closing record.

// TEXTBEREICH. In a frame, frameStyle is the frame's complete style: the text then stands in
// a paragraph of that style.
qsizetype HandleTextArea(CPageConverter& converter, qsizetype index, QString& output,
                         const std::optional<QString>& frameStyle = std::nullopt);
// ABSATZ: images, clocks, films, spacing, line breaks and conditions; nothing else.
qsizetype HandleParagraph(CPageConverter& converter, qsizetype index, QString& output);
// ABSTAND: the element's value counts the blanks.
qsizetype HandleSpacing(CPageConverter& converter, qsizetype index, QString& output);
// NEUEZEILE: the element's value counts the line breaks.
qsizetype HandleLineBreaks(CPageConverter& converter, qsizetype index, QString& output);

// ANKER and CDATA sections stand for themselves: one record each, at the page's top level.
void WriteAnchor(const QString& name, QString& output);
void WriteRawHtml(const CPageConverter& converter, const QString& text, QString& output);

} // namespace morvek::pagegen
