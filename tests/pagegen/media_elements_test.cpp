#include "page_test_bed.h"
#include "pagegen/media_elements.h"
#include "pagegen/resource_file.h"
#include "support/printers.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <gtest/gtest.h>

namespace morvek::pagegen::test {
namespace {

QString Body(PageTestBed& bed, const QByteArray& page) {
    const QString html = bed.Convert(page);
    return html.mid(8, html.size() - 8 - 16);
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Image, PathAlone) {
    PageTestBed bed;
    EXPECT_EQ(Body(bed, "<BILD><DATEI>C:\\b\\x.png</DATEI></BILD>"),
              u"<img alt=\"\" title=\"\" border=\"0\" src=\"C:\\b\\x.png\" >\r\n");
}

TEST(Image, EverySettingWithLinkAndAlignment) {
    PageTestBed bed;
    bed.variables.SetVariable(QStringLiteral("Bilder"), QStringLiteral("C:\\b"), false);
    EXPECT_EQ(Body(bed, "<BILD class=\"c\"><LINKAKTION>prog:7</LINKAKTION><RAHMEN>2</RAHMEN>"
                        "<TOOLTIP>Tipp</TOOLTIP><GROESSE>640 x 480</GROESSE>"
                        "<AUSRICHTUNG>right</AUSRICHTUNG><DATEI>%Bilder%\\x.png</DATEI></BILD>"),
              u"<div class=\"c\">\r\n<div align=\"right\">\r\n<a href=\"prog:7\"><img alt=\"\" "
              u"title=\"Tipp\" border=\"2\" src=\"C:\\b\\x.png\"  width=\"640\" height=\"480\" >"
              u"</a>\r\n</div>\r\n</div>\r\n");
}

TEST(Image, RelativePathGetsNoBase) {
    PageTestBed bed;
    EXPECT_EQ(Body(bed, "<BILD><DATEI>bilder\\x.png</DATEI></BILD>"),
              u"<img alt=\"\" title=\"\" border=\"0\" src=\"bilder\\x.png\" >\r\n");
}

TEST(SizeValue, SplitsAtEverySeparatorAndSkipsEmptyPieces) {
    for (const char* value : {"640x480", "640*480", "640, 480", " 640 X 480 "}) {
        const SizePieces size = SplitSize(QString::fromLatin1(value));
        EXPECT_EQ(size.width, u"640") << value;
        EXPECT_EQ(size.height, u"480") << value;
    }
    EXPECT_EQ(SplitSize(QStringLiteral("x200")).width, u"200");
    EXPECT_EQ(SplitSize(QStringLiteral("x200")).height, u"");
}

TEST(Clock, WritesItsFileOnceAndNamesItById) {
    PageTestBed bed;
    const QString clock = QStringLiteral("<UHR><UHRNUMMER>3</UHRNUMMER><GROESSE>120x120</GROESSE>"
                                         "</UHR>");
    const QString expected =
        QStringLiteral("<embed  src=uhr3.swf   width=\"120\" height=\"120\"  wmode=transparent "
                       "type=application/x-shockwave-flash id=330></embed>\r\n");
    EXPECT_EQ(Body(bed, clock.toLatin1()), expected);
    const QString file = bed.TempFile(QStringLiteral("uhr3.swf"));
    EXPECT_EQ(FileBytes(file), FileBytes(QStringLiteral(":/morvek/SWF_UHR/330")));
    EXPECT_TRUE(FileBytes(file).startsWith("FWS"));

    // An existing file is never rewritten: a second clock of that number leaves it alone.
    QFile marker(file);
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly | QIODevice::Truncate));
    marker.write("mine");
    marker.close();
    EXPECT_EQ(Body(bed, (clock + clock).toLatin1()), expected + expected);
    EXPECT_EQ(FileBytes(file), "mine");
}

TEST(Clock, UnknownNumberWritesNoFile) {
    PageTestBed bed;
    EXPECT_EQ(Body(bed, "<UHR><AUSRICHTUNG>center</AUSRICHTUNG><UHRNUMMER>15</UHRNUMMER></UHR>"),
              u"<div align=\"center\">\r\n<embed  src=uhr15.swf   wmode=transparent "
              u"type=application/x-shockwave-flash id=342></embed>\r\n</div>\r\n");
    EXPECT_FALSE(QFileInfo::exists(bed.TempFile(QStringLiteral("uhr15.swf"))));
}

TEST(Clock, WithoutNumber) {
    PageTestBed bed;
    EXPECT_EQ(Body(bed, "<UHR></UHR>"),
              u"<embed  src=   wmode=transparent type=application/x-shockwave-flash id=326>"
              u"</embed>\r\n");
}

TEST(Clock, HugeNumberDoesNotOverflowTheId) {
    PageTestBed bed;
    EXPECT_TRUE(Body(bed, "<UHR><UHRNUMMER>99999999999</UHRNUMMER></UHR>")
                    .contains(u"src=uhr2147483647.swf   wmode=transparent "
                              u"type=application/x-shockwave-flash id=2147483974>"));
}

TEST(Resources, EveryPlayerAndClockIsAValidMovie) {
    PageTestBed bed;
    QList<std::pair<QString, int>> resources{{QStringLiteral("SWF"), 314},
                                             {QStringLiteral("SWF"), 327}};
    for (int id = 328; id <= 341; ++id) {
        resources.append({QStringLiteral("SWF_UHR"), id});
    }
    for (const auto& [type, id] : resources) {
        const QString path = WriteResourceFile(type, id, bed.context.tempFolder,
                                               QStringLiteral("r") + QString::number(id));
        const QByteArray bytes = FileBytes(path);
        ASSERT_GE(bytes.size(), 8) << id;
        EXPECT_TRUE(bytes.startsWith("FWS")) << id;
        EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 4), bytes.size()) << id;
    }
    EXPECT_EQ(WriteResourceFile(QStringLiteral("SWF"), 315, bed.context.tempFolder,
                                QStringLiteral("none.swf")),
              u"");
    EXPECT_FALSE(QFileInfo::exists(bed.TempFile(QStringLiteral("none.swf"))));
}

QString FilmHtml(const QString& width, const QString& height, const QString& file,
                 const QString& autoplay, const QString& background) {
    const QString movie = QStringLiteral("Player.swf?url=") + file +
                          u"&amp;sound=true&amp;loop=true&amp;tooltip=true&amp;autoplay=" +
                          autoplay + u"&amp;swfborder=true";
    return u"     <object classid=\"clsid:d27cdb6e-ae6d-11cf-96b8-444553540000\" "
           u"codebase=\"http://download.example.net/pub/shockwave/cabs/flash/"
           u"swflash.cab#version=8,0,0,0\" width=\"" +
           width + u"\" height=\"" + height +
           u"\" id=\"standAlone\" align=\"middle\">\r\n"
           u"        <param name=\"allowScriptAccess\" value=\"sameDomain\" />\r\n"
           u"        <param name=\"movie\" value=\"" +
           movie +
           u"\" />\r\n"
           u"        <param name=\"quality\" value=\"high\" />\r\n"
           u"        <param name=\"bgcolor\" value=\"" +
           background +
           u"\" />\r\n"
           u"        <embed src=\"" +
           movie + u"\" quality=\"high\" bgcolor=\"" + background + u"\" width=\"" + width +
           u"\" height=\"" + height +
           u"\" name=\"standAlone\" align=\"middle\" allowScriptAccess=\"sameDomain\" "
           u"type=\"application/x-shockwave-flash\" "
           u"pluginspage=\"http://www.example.net/go/getflashplayer\" />\r\n"
           u"     </object>\r\n";
}

TEST(Film, Defaults) {
    PageTestBed bed;
    EXPECT_EQ(Body(bed, "<FILM></FILM>"),
              FilmHtml(QStringLiteral("576"), QStringLiteral("324"), QString(),
                       QStringLiteral("false"), QStringLiteral("#FFFFFF")));
    EXPECT_EQ(FileBytes(bed.TempFile(QStringLiteral("Player.swf"))),
              FileBytes(QStringLiteral(":/morvek/SWF/314")));
}

TEST(Film, SettingsWithRelativeFileBelowThePage) {
    PageTestBed bed;
    const QString folder = bed.files.Path(QStringLiteral("pages/"));
    EXPECT_EQ(Body(bed, "<FILM class=\"f\"><DATEI>filme\\a.flv</DATEI><GROESSE>640x480</GROESSE>"
                        "<AUTOSTART>2</AUTOSTART><FARBE>#000000</FARBE><RAHMEN>1</RAHMEN>"
                        "<TOOLTIP>t</TOOLTIP><AUSRICHTUNG>left</AUSRICHTUNG></FILM>"),
              u"<div class=\"f\">\r\n<div align=\"left\">\r\n" +
                  FilmHtml(QStringLiteral("640"), QStringLiteral("509"), folder + u"filme\\a.flv",
                           QStringLiteral("true"), QStringLiteral("#000000")) +
                  u"</div>\r\n</div>\r\n");
}

TEST(Film, AutostartZeroAndSizeWithoutHeight) {
    PageTestBed bed;
    EXPECT_EQ(Body(bed, "<FILM><AUTOSTART>0</AUTOSTART><GROESSE>576x324</GROESSE>"
                        "<DATEI>C:\\f.flv</DATEI></FILM>"),
              FilmHtml(QStringLiteral("576"), QStringLiteral("353"), QStringLiteral("C:\\f.flv"),
                       QStringLiteral("false"), QStringLiteral("#FFFFFF")));
    EXPECT_TRUE(Body(bed, "<FILM><GROESSE>300</GROESSE></FILM>")
                    .contains(u"width=\"300\" height=\"29\" id=\"standAlone\""));
}

QString ExtendedFilmHtml(const QString& widthAttr, const QString& heightAttr,
                         const QString& flashvars) {
    return u"  <object classid='clsid:D27CDB6E-AE6D-11cf-96B8-444553540000' " + widthAttr + u' ' +
           heightAttr +
           u" id='single1' name='single1'>\r\n"
           u"       <param name='movie' value='jw_player.swf'>\r\n"
           u"       <param name='allowfullscreen' value='true'>\r\n"
           u"       <param name='allowscriptaccess' value='always'>\r\n"
           u"       <param name='wmode' value='opaque'>\r\n"
           u"       <param name='flashvars' value='" +
           flashvars +
           u"'>\r\n"
           u"     <embed\r\n"
           u"       id='single2'\r\n"
           u"       name='single2'\r\n"
           u"       src='jw_player.swf'\r\n"
           u"       " +
           widthAttr + u"\r\n       " + heightAttr +
           u"\r\n"
           u"       bgcolor='#000000'\r\n"
           u"       allowscriptaccess='always'\r\n"
           u"       allowfullscreen='true'\r\n"
           u"       flashvars='" +
           flashvars +
           u"'\r\n"
           u"     />\r\n"
           u"  </object>\r\n";
}

TEST(ExtendedFilm, WithoutChildren) {
    PageTestBed bed;
    EXPECT_EQ(Body(bed, "<FILM_EX></FILM_EX>"),
              ExtendedFilmHtml(QString(), QString(), QStringLiteral("stretching=uniform")));
    EXPECT_EQ(FileBytes(bed.TempFile(QStringLiteral("jw_Player.swf"))),
              FileBytes(QStringLiteral(":/morvek/SWF/327")));
}

TEST(ExtendedFilm, ChildrenInDocumentOrderTrimmed) {
    PageTestBed bed;
    bed.variables.SetVariable(QStringLiteral("Filme"), QStringLiteral("C:\\f"), false);
    EXPECT_EQ(Body(bed, "<FILM_EX><FILM_EX_FILE> %Filme%\\a.mp4 </FILM_EX_FILE>"
                        "<FILM_EX_WIDTH> 576 </FILM_EX_WIDTH><FILM_EX_HEIGHT>324</FILM_EX_HEIGHT>"
                        "<FILM_EX_AUTOSTART> true</FILM_EX_AUTOSTART>"
                        "<FILM_EX_MUTE>false</FILM_EX_MUTE><FILM_EX_MUTE>true</FILM_EX_MUTE>"
                        "</FILM_EX>"),
              ExtendedFilmHtml(QStringLiteral("width='576'"), QStringLiteral("height='324'"),
                               QStringLiteral("file=C:\\f\\a.mp4&autostart=true&mute=false&"
                                              "mute=true&stretching=uniform")));
}

TEST(ExtendedFilm, GivenStretchingReplacesTheDefault) {
    PageTestBed bed;
    EXPECT_EQ(Body(bed, "<FILM_EX class=\"x\"><AUSRICHTUNG>center</AUSRICHTUNG>"
                        "<FILM_EX_STRETCHING>fill</FILM_EX_STRETCHING><FILM_EX_IMAGE>C:\\i.png"
                        "</FILM_EX_IMAGE><FILM_EX_DURATION>10</FILM_EX_DURATION>"
                        "<FILM_EX_REPEAT>always</FILM_EX_REPEAT><FILM_EX_VOLUME>80</FILM_EX_VOLUME>"
                        "<FILM_EX_CONTROLBAR>over</FILM_EX_CONTROLBAR><FILM_EX_MUTE></FILM_EX_MUTE>"
                        "</FILM_EX>"),
              u"<div class=\"x\">\r\n<div align=\"center\">\r\n" +
                  ExtendedFilmHtml(QString(), QString(),
                                   QStringLiteral("stretching=fill&image=C:\\i.png&duration=10&"
                                                  "repeat=always&volume=80&controlbar=over&"
                                                  "mute=")) +
                  u"</div>\r\n</div>\r\n");
}

} // namespace
} // namespace morvek::pagegen::test
