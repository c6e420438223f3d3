#include "pagegen/media_elements.h"
#include "pagegen/page_converter.h"
#include "pagegen/page_frame.h"
#include "pagegen/program_capture.h"
#include "pagegen/table_elements.h"
#include "pagegen/text_elements.h"
#include "xml/tag_id.h"

namespace morvek::pagegen {
namespace {

// One element at the page's top level, opening at index; returns the index to go on at.
// Elements without a top-level handler (XML, HTML, stray children) are passed over.
qsizetype GenerateTopLevelElement(CPageConverter& converter, qsizetype index, QString& output) {
    const xml::CTagData& record = converter.tags[index];
    switch (record.tagId) {
    case xml::TAG_SEITE:
        return HandlePage(converter, index + 1, output);
    case xml::TAG_SEITENKOPF:
        return HandlePageHeader(converter, index + 1, output);
    case xml::TAG_TEXTBEREICH:
        return HandleTextArea(converter, index + 1, output);
    case xml::TAG_ABSATZ:
        return HandleParagraph(converter, index + 1, output);
    case xml::TAG_ABSTAND: {
        output += u"<p>";
        const qsizetype next = HandleSpacing(converter, index + 1, output);
        output += u"</p>";
        return next;
    }
    case xml::TAG_NEUEZEILE:
        return HandleLineBreaks(converter, index + 1, output);
    case xml::TAG_ANKER:
        WriteAnchor(record.value, output);
        return index + 1;
    case xml::TAG_CDATA:
        WriteRawHtml(converter, record.value, output);
        return index + 1;
    case xml::TAG_RAHMEN:
        return HandleFrame(converter, index + 1, output);
    case xml::TAG_TABELLE:
        return HandleTable(converter, index + 1, output);
    case xml::TAG_IF:
    case xml::TAG_IFNOT:
        return EnterCondition(converter, index);
    default:
        return HandleMediaElement(converter, index, output).value_or(index + 1);
    }
}

} // namespace

bool GeneratePageHtml(CPageConverter& converter, QString& output) {
    if (!CaptureProgramTable(converter)) {
        return false;
    }
    output += u"<html>\r\n";
    for (qsizetype i = 0; i < converter.tags.size();) {
        i = converter.tags[i].isOpen ? GenerateTopLevelElement(converter, i, output) : i + 1;
    }
    output += u"</body></html>\r\n";
    return true;
}

} // namespace morvek::pagegen
