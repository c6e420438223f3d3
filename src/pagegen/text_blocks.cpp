#include "base/decimal.h"
#include "base/template_text.h"
#include "base/trim.h"
#include "config/variable_store.h"
#include "pagegen/element_wrappers.h"
#include "pagegen/media_elements.h"
#include "pagegen/page_converter.h"
#include "pagegen/record_walk.h"
#include "pagegen/text_elements.h"
#include "xml/tag_id.h"

namespace morvek::pagegen {
namespace {

// ABSTAND and NEUEZEILE: the piece repeated as often as the element's value says.
qsizetype HandleRepeat(CPageConverter& converter, qsizetype index, QString& output, int tagId,
                       QStringView piece) {
    const xml::CTagData& opening = converter.tags[index - 1];
    ClassWrapper wrapper(output, opening);
    const int count = base::ReadDecimal(opening.value);
    for (int n = 0; n < count; ++n) {
        output += piece;
    }
    output += u"\r\n";
    return SkipElement(converter.tags, index, tagId);
}

} // namespace

qsizetype HandleSpacing(CPageConverter& converter, qsizetype index, QString& output) {
    return HandleRepeat(converter, index, output, xml::TAG_ABSTAND, u"&nbsp;");
}

qsizetype HandleLineBreaks(CPageConverter& converter, qsizetype index, QString& output) {
    return HandleRepeat(converter, index, output, xml::TAG_NEUEZEILE, u"<br>");
}

qsizetype HandleParagraph(CPageConverter& converter, qsizetype index, QString& output) {
    const xml::CTagDataArray& tags = converter.tags;
    ClassWrapper wrapper(output, tags[index - 1]);
    output += u"<p>\r\n";
    const qsizetype next = WalkElement(tags, index, xml::TAG_ABSATZ, [&](qsizetype i) {
        switch (tags[i].tagId) {
        case xml::TAG_ABSTAND:
            return HandleSpacing(converter, i + 1, output);
        case xml::TAG_NEUEZEILE:
            return HandleLineBreaks(converter, i + 1, output);
        case xml::TAG_IF:
        case xml::TAG_IFNOT:
            return EnterCondition(converter, i);
        default:
            return HandleMediaElement(converter, i, output).value_or(i + 1);
        }
    });
    output += u"</p>\r\n";
    return next;
}

void WriteAnchor(const QString& name, QString& output) {
    output += base::FillTemplate(u"<a name=\"%s\"></a>\r\n", {name});
}

void WriteRawHtml(const CPageConverter& converter, const QString& text, QString& output) {
    QString html = base::Trim(text);
    converter.document.variables.ExpandVariables(html);
    output += html;
}

} // namespace morvek::pagegen
