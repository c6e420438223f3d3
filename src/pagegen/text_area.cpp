#include "base/template_text.h"
#include "base/tokenize.h"
#include "base/trim.h"
#include "pagegen/element_wrappers.h"
#include "pagegen/link_target.h"
#include "pagegen/page_converter.h"
#include "pagegen/record_walk.h"
#include "pagegen/text_elements.h"
#include "xml/tag_id.h"

namespace morvek::pagegen {
namespace {

struct TextArea {
    QString nobrOpen;
    QString nobrClose;
    QString text;
    QString colour;
    QString size;
    QString font;
    QString align;
    QString link;
};

// " face=\"..\" size=\"..\" " from a font written as name and size separated by a comma.
QString FaceAttribute(const QString& font) {
    if (font.isEmpty()) {
        return {};
    }
    const QStringList pieces = base::Tokenize(font, u",");
    const QString face = pieces.size() > 0 ? base::Trim(pieces[0]) : QString();
    const QString size = pieces.size() > 1 ? base::Trim(pieces[1]) : QString();
    return base::FillTemplate(u" face=\"%s\" size=\"%s\" ", {face, size});
}

// In a frame every text stands in a paragraph that carries the frame's style.
QString FrameParagraph(const QString& style, const QString& text) {
    return base::FillTemplate(u"<p style=\"%s\">", {style}) + text + u"</p>";
}

QString TextLine(const TextArea& area) {
    const QString faceAttr = FaceAttribute(area.font);
    const QString colourAttr =
        area.colour.isEmpty() ? QString() : base::FillTemplate(u" color=\"%s\" ", {area.colour});
    QString body = area.text;
    if (!faceAttr.isEmpty() || !colourAttr.isEmpty()) {
        body = base::FillTemplate(u"<font %s %s>%s</font>", {faceAttr, colourAttr, area.text});
    }
    if (!area.size.isEmpty()) {
        body = base::FillTemplate(u"<font size=\"%s\" >", {area.size}) + body + u"</font>";
    }
    return body + u"\r\n";
}

void WriteTextArea(const TextArea& area, QString& output) {
    output += area.nobrOpen;
    {
        AlignmentDivision division(output, area.align);
        if (!area.link.isEmpty()) {
            output += base::FillTemplate(u"<a href=\"%s\">", {area.link});
        }
        output += TextLine(area);
        if (!area.link.isEmpty()) {
            output += u"</a>";
        }
    }
    output += area.nobrClose;
}

} // namespace

qsizetype HandleTextArea(CPageConverter& converter, qsizetype index, QString& output,
                         const std::optional<QString>& frameStyle) {
    const xml::CTagDataArray& tags = converter.tags;
    ClassWrapper wrapper(output, tags[index - 1]);
    TextArea area;
    const ElementEnd end = WalkRecords(tags, index, xml::TAG_TEXTBEREICH, [&](qsizetype i) {
        const xml::CTagData& record = tags[i];
        if (record.tagId == xml::TAG_KEIN_ZEILENUMBRUCH) {
            if (record.isOpen) {
                area.nobrOpen = QStringLiteral("<nobr>");
            } else {
                area.nobrClose = QStringLiteral("</nobr>");
            }
            return i + 1;
        }
        if (!record.isOpen) {
            return i + 1;
        }
        switch (record.tagId) {
        case xml::TAG_TEXT:
            area.text = frameStyle ? FrameParagraph(*frameStyle, record.value) : record.value;
            break;
        case xml::TAG_FARBE:
            area.colour = record.value;
            break;
        case xml::TAG_GROESSE:
            area.size = record.value;
            break;
        case xml::TAG_SCHRIFT:
            area.font = record.value;
            break;
        case xml::TAG_AUSRICHTUNG:
            area.align = record.value;
            break;
        case xml::TAG_LINKAKTION:
            area.link = ResolveLinkTarget(converter, record.value);
            break;
        default:
            break;
        }
        return i + 1;
    });
    WriteTextArea(area, output);
    return end.next;
}

} // namespace morvek::pagegen
