#include "base/decimal.h"
#include "base/template_text.h"
#include "base/tokenize.h"
#include "base/trim.h"
#include "pagegen/element_wrappers.h"
#include "pagegen/link_target.h"
#include "pagegen/media_elements.h"
#include "pagegen/page_converter.h"
#include "pagegen/record_walk.h"
#include "pagegen/resource_file.h"
#include "xml/tag_id.h"

namespace morvek::pagegen {
namespace {

// Clock n is the resource n + 327; the browser view knows clocks by that element id.
constexpr int kClockResourceBase = 327;

QString SizeAttribute(const QString& value) {
    const SizePieces size = SplitSize(value);
    return base::FillTemplate(u" width=\"%s\" height=\"%s\" ", {size.width, size.height});
}

struct Image {
    QString source;
    QString border = QStringLiteral("0");
    QString tooltip;
    QString align;
    QString sizeAttr;
    QString link;
};

void WriteImage(const Image& image, QString& output) {
    AlignmentDivision division(output, image.align);
    QString html = base::FillTemplate(u"<img alt=\"\" title=\"%s\" border=\"%s\" src=\"%s\" %s>",
                                      {image.tooltip, image.border, image.source, image.sizeAttr});
    if (!image.link.isEmpty()) {
        html = base::FillTemplate(u"<a href=\"%s\">", {image.link}) + html + u"</a>";
    }
    output += html + u"\r\n";
}

} // namespace

SizePieces SplitSize(const QString& value) {
    const QStringList pieces = base::Tokenize(value, u"*xX,");
    return {pieces.size() > 0 ? base::Trim(pieces[0]) : QString(),
            pieces.size() > 1 ? base::Trim(pieces[1]) : QString()};
}

qsizetype HandleImage(CPageConverter& converter, qsizetype index, QString& output) {
    const xml::CTagDataArray& tags = converter.tags;
    ClassWrapper wrapper(output, tags[index - 1]);
    Image image;
    const qsizetype next = WalkElement(tags, index, xml::TAG_BILD, [&](qsizetype i) {
        const QString& value = tags[i].value;
        switch (tags[i].tagId) {
        case xml::TAG_DATEI:
            image.source = converter.Resolve(value);
            break;
        case xml::TAG_RAHMEN:
            image.border = value;
            break;
        case xml::TAG_TOOLTIP:
            image.tooltip = value;
            break;
        case xml::TAG_AUSRICHTUNG:
            image.align = value;
            break;
        case xml::TAG_GROESSE:
            image.sizeAttr = SizeAttribute(value);
            break;
        case xml::TAG_LINKAKTION:
            image.link = ResolveLinkTarget(converter, value);
            break;
        default:
            break;
        }
        return i + 1;
    });
    WriteImage(image, output);
    return next;
}

qsizetype HandleClock(CPageConverter& converter, qsizetype index, QString& output) {
    const xml::CTagDataArray& tags = converter.tags;
    ClassWrapper wrapper(output, tags[index - 1]);
    int number = -1;
    QString fileName;
    QString align;
    QString sizeAttr;
    const qsizetype next = WalkElement(tags, index, xml::TAG_UHR, [&](qsizetype i) {
        const QString& value = tags[i].value;
        switch (tags[i].tagId) {
        case xml::TAG_UHRNUMMER:
            number = base::ReadDecimal(value);
            fileName = base::FillTemplate(u"uhr%d.swf", {number});
            // Only clocks 1 to 14 exist; asking for them alone also keeps the id in range.
            if (number >= 1 && number <= 14) {
                ProvideResourceFile(QStringLiteral("SWF_UHR"), number + kClockResourceBase,
                                    converter.document.tempFolder, fileName);
            }
            break;
        case xml::TAG_AUSRICHTUNG:
            align = value;
            break;
        case xml::TAG_GROESSE:
            sizeAttr = SizeAttribute(value);
            break;
        default:
            break;
        }
        return i + 1;
    });
    {
        AlignmentDivision division(output, align);
        // The id is formed in 64 bits: a clock number near the int range must not overflow.
        const double elementId = static_cast<double>(number) + kClockResourceBase;
        output += base::FillTemplate(u"<embed  src=%s  %s wmode=transparent "
                                     u"type=application/x-shockwave-flash id=%d></embed>",
                                     {fileName, sizeAttr, elementId});
        output += u"\r\n";
    }
    return next;
}

std::optional<qsizetype> HandleMediaElement(CPageConverter& converter, qsizetype index,
                                            QString& output) {
    switch (converter.tags[index].tagId) {
    case xml::TAG_BILD:
        return HandleImage(converter, index + 1, output);
    case xml::TAG_UHR:
        return HandleClock(converter, index + 1, output);
    case xml::TAG_FILM:
        return HandleFilm(converter, index + 1, output);
    case xml::TAG_FILM_EX:
        return HandleExtendedFilm(converter, index + 1, output);
    default:
        return std::nullopt;
    }
}

} // namespace morvek::pagegen
