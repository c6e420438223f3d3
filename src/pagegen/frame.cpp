#include "base/template_text.h"
#include "base/trim.h"
#include "pagegen/element_wrappers.h"
#include "pagegen/page_converter.h"
#include "pagegen/record_walk.h"
#include "pagegen/table_elements.h"
#include "pagegen/text_elements.h"
#include "xml/tag_id.h"

namespace morvek::pagegen {
namespace {

// The CSS declaration that a style child of RAHMEN adds, or empty for other records.
QString StyleDeclaration(const xml::CTagData& record) {
    const QString value = base::Trim(record.value);
    switch (record.tagId) {
    case xml::TAG_RAHMEN_BREITE:
        return base::FillTemplate(u"border-width:%s; ", {value});
    case xml::TAG_RAHMEN_FARBE:
        return base::FillTemplate(u"border-color:%s; ", {value});
    case xml::TAG_RAHMEN_TYP:
        return base::FillTemplate(u"border-style:%s; ", {value});
    case xml::TAG_HINTERGRUND_FARBE:
        return base::FillTemplate(u"background-color:%s; ", {value});
    case xml::TAG_TEXTABSTAND:
        return base::FillTemplate(u"padding:%s; ", {value});
    default:
        return {};
    }
}

// Every text area of a frame carries the frame's complete style, also one that stands
// before some of the style's children; so the style is collected before the text areas run.
QString FrameStyle(const xml::CTagDataArray& tags, qsizetype index) {
    QString style;
    WalkElement(tags, index, xml::TAG_RAHMEN, [&](qsizetype i) {
        if (tags[i].tagId == xml::TAG_TEXTBEREICH) {
            return SkipElement(tags, i + 1, xml::TAG_TEXTBEREICH);
        }
        style += StyleDeclaration(tags[i]);
        return i + 1;
    });
    return style;
}

} // namespace

qsizetype HandleFrame(CPageConverter& converter, qsizetype index, QString& output) {
    const xml::CTagDataArray& tags = converter.tags;
    ClassWrapper wrapper(output, tags[index - 1]);
    const QString style = FrameStyle(tags, index);
    QString frameText;
    const qsizetype next = WalkElement(tags, index, xml::TAG_RAHMEN, [&](qsizetype i) {
        if (tags[i].tagId == xml::TAG_TEXTBEREICH) {
            return HandleTextArea(converter, i + 1, frameText, style);
        }
        return i + 1;
    });
    if (frameText.isEmpty()) {
        output += base::FillTemplate(u"<p style=\"%s\">\r\n</p>\r\n", {style});
    } else {
        output += frameText;
    }
    return next;
}

} // namespace morvek::pagegen
