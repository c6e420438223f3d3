#include "pagegen/page_frame.h"

#include "base/template_text.h"
#include "base/trim.h"
#include "pagegen/element_wrappers.h"
#include "pagegen/media_elements.h"
#include "pagegen/page_converter.h"
#include "pagegen/record_walk.h"
#include "pagegen/text_elements.h"
#include "platform/host.h"
#include "xml/tag_id.h"

namespace morvek::pagegen {
namespace {

struct PageFrame {
    QString title;
    QString backgroundImage;
    QString backgroundColour;
    QString styleSheet;
    QString attachment;
    QString position;
    QString repeat;
};

// The user's choice to colour pages after the look is read anew for every page.
bool PagesTakeLookColour() {
    return platform::CurrentHost().settings->IntValue(QStringLiteral("DlgAnpassen"),
                                                      QStringLiteral("CheckFarbe"), 0) == 1;
}

QString BackgroundColourStyle(const QString& colour) {
    return base::FillTemplate(u"style=\"background-color:%s\"", {colour});
}

void ReadPageChild(const CPageConverter& converter, const xml::CTagData& record, PageFrame& frame) {
    const QString& value = record.value;
    switch (record.tagId) {
    case xml::TAG_TEXT:
        frame.title = base::FillTemplate(u"<title>%s</title>\r\n", {value});
        break;
    case xml::TAG_DATEI:
        frame.backgroundImage =
            base::FillTemplate(u"style=\"background-image:url(%s)\"",
                               {converter.Resolve(value, converter.pageFolder)});
        break;
    case xml::TAG_FARBE:
        frame.backgroundColour = BackgroundColourStyle(value);
        break;
    case xml::TAG_CSS:
        frame.styleSheet =
            base::FillTemplate(u"<link rel=\"stylesheet\" type=\"text/css\" href=\"%s\">\r\n",
                               {converter.Resolve(base::Trim(value))});
        break;
    case xml::TAG_ATTACHMENT:
        frame.attachment = base::FillTemplate(u"style=\"background-attachment:%s\"", {value});
        break;
    case xml::TAG_POSITION:
        frame.position = base::FillTemplate(u"style=\"background-position:%s\"", {value});
        break;
    case xml::TAG_REPEAT:
        frame.repeat = base::FillTemplate(u"style=\"background-repeat:%s\"", {value});
        break;
    default:
        break;
    }
}

void WritePageFrame(const PageFrame& frame, QString& output) {
    const QString title = frame.title.isEmpty() ? QStringLiteral("<title></title>") : frame.title;
    output += base::FillTemplate(u"<head>%s%s</head>\r\n", {title, frame.styleSheet});
    output += base::FillTemplate(u"<body %s %s %s %s %s>\r\n",
                                 {frame.backgroundImage, frame.backgroundColour, frame.attachment,
                                  frame.position, frame.repeat});
}

} // namespace

qsizetype HandlePage(CPageConverter& converter, qsizetype index, QString& output) {
    const xml::CTagDataArray& tags = converter.tags;
    ClassWrapper wrapper(output, tags[index - 1]);
    PageFrame frame;
    const qsizetype next = WalkElement(tags, index, xml::TAG_SEITE, [&](qsizetype i) {
        ReadPageChild(converter, tags[i], frame);
        return i + 1;
    });
    if (frame.backgroundImage.isEmpty() && PagesTakeLookColour()) {
        frame.backgroundColour = BackgroundColourStyle(
            HashColour(converter.document.styleColour.StyleBackgroundColour()));
    }
    WritePageFrame(frame, output);
    return next;
}

qsizetype HandlePageHeader(CPageConverter& converter, qsizetype index, QString& output) {
    const xml::CTagDataArray& tags = converter.tags;
    ClassWrapper wrapper(output, tags[index - 1]);
    QString imageCell;
    QString textCell;
    QString ruleColour = QStringLiteral("#808080");
    const qsizetype next = WalkElement(tags, index, xml::TAG_SEITENKOPF, [&](qsizetype i) {
        switch (tags[i].tagId) {
        case xml::TAG_BILD:
            return HandleImage(converter, i + 1, imageCell);
        case xml::TAG_UHR:
            return HandleClock(converter, i + 1, imageCell);
        case xml::TAG_TEXTBEREICH:
            return HandleTextArea(converter, i + 1, textCell);
        case xml::TAG_FARBE:
            ruleColour = tags[i].value;
            return i + 1;
        default:
            return i + 1;
        }
    });
    output += base::FillTemplate(
        u"<table  width=\"100%%\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\">\r\n"
        u"<colgroup width=\"10pt\" span=\"1\"></colgroup>\r\n"
        u" <tr>\r\n"
        u"  <td>%s</td>\r\n"
        u"  <td>%s</td>\r\n"
        u" </tr>\r\n"
        u"</table>\r\n"
        u"<hr color=\"%s\" size=\"2\" noshade>\r\n",
        {imageCell, textCell, ruleColour});
    return next;
}

} // namespace morvek::pagegen
