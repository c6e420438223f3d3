#include "base/decimal.h"
#include "base/template_text.h"
#include "base/trim.h"
#include "pagegen/element_wrappers.h"
#include "pagegen/media_elements.h"
#include "pagegen/page_converter.h"
#include "pagegen/record_walk.h"
#include "pagegen/resource_file.h"
#include "xml/tag_id.h"

namespace morvek::pagegen {
namespace {

// The download hosts that the film template names for the browser plug-in.
constexpr QStringView kCabinetHost = u"download.example.net";
constexpr QStringView kPlayerHost = u"www.example.net";

// The player's control bar below the picture.
constexpr double kControlBarHeight = 29;

const QString kPlayerFile = QStringLiteral("Player.swf");
const QString kExtendedPlayerFile = QStringLiteral("jw_Player.swf");

struct Film {
    QString file;
    QString align;
    QString player = kPlayerFile;
    QString background = QStringLiteral("#FFFFFF");
    QString width = QStringLiteral("576");
    QString height = QStringLiteral("324");
    QString autoplay = QStringLiteral("false");
};

QString FilmTemplate() {
    return QStringLiteral("     <object classid=\"clsid:d27cdb6e-ae6d-11cf-96b8-444553540000\" "
                          "codebase=\"http://") +
           kCabinetHost +
           QStringLiteral(
               "/pub/shockwave/cabs/flash/swflash.cab#version=8,0,0,0\" width=\"%s\" "
               "height=\"%s\" id=\"standAlone\" align=\"middle\">\r\n"
               "        <param name=\"allowScriptAccess\" value=\"sameDomain\" />\r\n"
               "        <param name=\"movie\" value=\"%s?url=%s&amp;sound=true&amp;loop=true"
               "&amp;tooltip=true&amp;autoplay=%s&amp;swfborder=true\" />\r\n"
               "        <param name=\"quality\" value=\"high\" />\r\n"
               "        <param name=\"bgcolor\" value=\"%s\" />\r\n"
               "        <embed src=\"%s?url=%s&amp;sound=true&amp;loop=true&amp;tooltip=true"
               "&amp;autoplay=%s&amp;swfborder=true\" quality=\"high\" bgcolor=\"%s\" "
               "width=\"%s\" height=\"%s\" name=\"standAlone\" align=\"middle\" "
               "allowScriptAccess=\"sameDomain\" type=\"application/x-shockwave-flash\" "
               "pluginspage=\"http://") +
           kPlayerHost + QStringLiteral("/go/getflashplayer\" />\r\n     </object>\r\n");
}

constexpr QStringView kExtendedFilmTemplate =
    u"  <object classid='clsid:D27CDB6E-AE6D-11cf-96B8-444553540000' %s %s id='single1' "
    u"name='single1'>\r\n"
    u"       <param name='movie' value='jw_player.swf'>\r\n"
    u"       <param name='allowfullscreen' value='true'>\r\n"
    u"       <param name='allowscriptaccess' value='always'>\r\n"
    u"       <param name='wmode' value='opaque'>\r\n"
    u"       <param name='flashvars' value='%s'>\r\n"
    u"     <embed\r\n"
    u"       id='single2'\r\n"
    u"       name='single2'\r\n"
    u"       src='jw_player.swf'\r\n"
    u"       %s\r\n"
    u"       %s\r\n"
    u"       bgcolor='#000000'\r\n"
    u"       allowscriptaccess='always'\r\n"
    u"       allowfullscreen='true'\r\n"
    u"       flashvars='%s'\r\n"
    u"     />\r\n"
    u"  </object>\r\n";

void ReadFilmSize(const QString& value, Film& film) {
    const SizePieces size = SplitSize(value);
    film.width = size.width;
    film.height = QString::number(
        static_cast<double>(base::ReadDecimal(size.height)) + kControlBarHeight, 'f', 0);
}

// The flashvars name of each FILM_EX child that adds one.
QString FlashVariableName(int tagId) {
    switch (tagId) {
    case xml::TAG_FILM_EX_DURATION:
        return QStringLiteral("duration");
    case xml::TAG_FILM_EX_FILE:
        return QStringLiteral("file");
    case xml::TAG_FILM_EX_IMAGE:
        return QStringLiteral("image");
    case xml::TAG_FILM_EX_AUTOSTART:
        return QStringLiteral("autostart");
    case xml::TAG_FILM_EX_REPEAT:
        return QStringLiteral("repeat");
    case xml::TAG_FILM_EX_MUTE:
        return QStringLiteral("mute");
    case xml::TAG_FILM_EX_STRETCHING:
        return QStringLiteral("stretching");
    case xml::TAG_FILM_EX_VOLUME:
        return QStringLiteral("volume");
    case xml::TAG_FILM_EX_CONTROLBAR:
        return QStringLiteral("controlbar");
    default:
        return {};
    }
}

bool IsPathVariable(int tagId) {
    return tagId == xml::TAG_FILM_EX_FILE || tagId == xml::TAG_FILM_EX_IMAGE;
}

} // namespace

qsizetype HandleFilm(CPageConverter& converter, qsizetype index, QString& output) {
    const xml::CTagDataArray& tags = converter.tags;
    ClassWrapper wrapper(output, tags[index - 1]);
    Film film;
    ProvideResourceFile(QStringLiteral("SWF"), 314, converter.document.tempFolder, kPlayerFile);
    const qsizetype next = WalkElement(tags, index, xml::TAG_FILM, [&](qsizetype i) {
        const QString& value = tags[i].value;
        switch (tags[i].tagId) {
        case xml::TAG_DATEI:
            film.file = converter.Resolve(value, converter.pageFolder);
            break;
        case xml::TAG_FARBE:
            film.background = value;
            break;
        case xml::TAG_GROESSE:
            ReadFilmSize(value, film);
            break;
        case xml::TAG_AUTOSTART:
            film.autoplay =
                base::ReadDecimal(value) != 0 ? QStringLiteral("true") : QStringLiteral("false");
            break;
        case xml::TAG_AUSRICHTUNG:
            film.align = value;
            break;
        default:
            break;
        }
        return i + 1;
    });
    AlignmentDivision division(output, film.align);
    output += base::FillTemplate(FilmTemplate(),
                                 {film.width, film.height, film.player, film.file, film.autoplay,
                                  film.background, film.player, film.file, film.autoplay,
                                  film.background, film.width, film.height});
    return next;
}

qsizetype HandleExtendedFilm(CPageConverter& converter, qsizetype index, QString& output) {
    const xml::CTagDataArray& tags = converter.tags;
    ClassWrapper wrapper(output, tags[index - 1]);
    QString align;
    QString widthAttr;
    QString heightAttr;
    QString flashvars;
    bool stretchingGiven = false;
    ProvideResourceFile(QStringLiteral("SWF"), 327, converter.document.tempFolder,
                        kExtendedPlayerFile);
    const qsizetype next = WalkElement(tags, index, xml::TAG_FILM_EX, [&](qsizetype i) {
        const int tagId = tags[i].tagId;
        const QString value = base::Trim(tags[i].value);
        if (tagId == xml::TAG_AUSRICHTUNG) {
            align = value;
        } else if (tagId == xml::TAG_FILM_EX_HEIGHT) {
            heightAttr = u"height='" + value + u'\'';
        } else if (tagId == xml::TAG_FILM_EX_WIDTH) {
            widthAttr = u"width='" + value + u'\'';
        } else if (const QString name = FlashVariableName(tagId); !name.isEmpty()) {
            flashvars +=
                name + u'=' + (IsPathVariable(tagId) ? converter.Resolve(value) : value) + u'&';
            stretchingGiven = stretchingGiven || tagId == xml::TAG_FILM_EX_STRETCHING;
        }
        return i + 1;
    });
    if (!stretchingGiven) {
        flashvars += u"stretching=uniform&";
    }
    while (flashvars.endsWith(u'&')) {
        flashvars.chop(1);
    }
    AlignmentDivision division(output, align);
    output += base::FillTemplate(kExtendedFilmTemplate, {widthAttr, heightAttr, flashvars,
                                                         widthAttr, heightAttr, flashvars});
    return next;
}

} // namespace morvek::pagegen
