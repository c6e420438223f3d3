#include "read_result.h"
#include "support/fake_host.h"
#include "support/fixtures.h"
#include "support/printers.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace morvek::xml {
namespace {

using namespace Qt::StringLiterals;

struct FileRead {
    bool ok = false;
    CTagReadState state;
    CTagDataArray records;
    QStringList messages;
};

FileRead ReadFile(const QString& path, TagTable table, bool reportOpenError = true) {
    test::FakeHost host;
    FileRead read;
    read.ok = ReadTagFile(path, read.state, table, read.records, reportOpenError);
    read.messages = host.messages.messages;
    return read;
}

TEST(TagReaderFile, ReadsATreeFile) {
    const FileRead read = ReadFile(test::FixturePath("xml/Baum.xml"), TreeFileTags);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.messages, QStringList());
    EXPECT_EQ(DescribeRecords(read.records, TreeFileTags),
              (QStringList{
                  u"<XML>"_s,
                  u"<NAVIGATION>"_s,
                  u"<ITEM>"_s,
                  u"<TEXT>Startseite"_s,
                  u"</TEXT>"_s,
                  u"<ICON>0,1"_s,
                  u"</ICON>"_s,
                  u"<EBENE>0"_s,
                  u"</EBENE>"_s,
                  u"<TOOLTIP>Zur Startseite des Portals"_s,
                  u"</TOOLTIP>"_s,
                  u"<DATEI>%ZORV_Root%\\Seiten\\Start.xml"_s,
                  u"</DATEI>"_s,
                  u"</ITEM>"_s,
                  u"<ITEM>"_s,
                  u"<TEXT><b>Handb\u00FCcher</b>"_s,
                  u"</TEXT>"_s,
                  u"<ICON>4"_s,
                  u"</ICON>"_s,
                  u"<EBENE>1"_s,
                  u"</EBENE>"_s,
                  u"<DATEI>"_s,
                  u"</DATEI>"_s,
                  u"</ITEM>"_s,
                  u"<IF RECHT=ADMIN>"_s,
                  u"<ITEM>"_s,
                  u"<TEXT>Werkzeuge"_s,
                  u"</TEXT>"_s,
                  u"<EBENE>1"_s,
                  u"</EBENE>"_s,
                  u"<TOOLTIP>Nur f\u00FCrAdministratoren"_s,
                  u"</TOOLTIP>"_s,
                  u"<DATEI>http://intranet/werkzeuge"_s,
                  u"</DATEI>"_s,
                  u"</ITEM>"_s,
                  u"</IF>"_s,
                  u"</NAVIGATION>"_s,
                  u"</XML>"_s,
              }));
    EXPECT_TRUE(read.state.atEnd);
    EXPECT_EQ(read.state.lineNumber, 25);
}

TEST(TagReaderFile, ReadsTheOtherFileKinds) {
    const FileRead start = ReadFile(test::FixturePath("xml/Start.xml"), StartFileTags);
    ASSERT_TRUE(start.ok);
    const QStringList startRecords = DescribeRecords(start.records, StartFileTags);
    EXPECT_EQ(startRecords.mid(1, 2),
              (QStringList{u"<GLOBAL>%ZORV_Root%\\Global.xml"_s, u"</GLOBAL>"_s}));
    EXPECT_TRUE(startRecords.contains(u"<NAME>\u00DCbersicht"_s));
    EXPECT_TRUE(startRecords.contains(u"<IF RECHT=ADMIN|TECHNIK>"_s));
    EXPECT_TRUE(startRecords.contains(u"<IFNOT RECHT=CDROM>"_s));
    EXPECT_EQ(startRecords.count(u"<BEREICH>"_s), 3);

    const FileRead global = ReadFile(test::FixturePath("xml/Global.xml"), GlobalFileTags);
    ASSERT_TRUE(global.ok);
    const QStringList globalRecords = DescribeRecords(global.records, GlobalFileTags);
    EXPECT_TRUE(globalRecords.contains(u"<LOKAL>Handbuch = %ZORV_Root%\\Handbuch, "
                                       u"Vorlagen = %ZORV_Root%\\Vorlagen, "_s));
    EXPECT_TRUE(globalRecords.contains(
        u"<LOKAL NAME=SERVER01>Handbuch = \\\\server01\\portal\\Handbuch, "_s));
    EXPECT_TRUE(globalRecords.contains(u"<SYSTEM NAME=standard>PORTAL_VERSION = 3.1, "_s));

    const FileRead page = ReadFile(test::FixturePath("xml/Seite.xml"), PageFileTags);
    ASSERT_TRUE(page.ok);
    EXPECT_EQ(page.messages, QStringList());
    const QStringList pageRecords = DescribeRecords(page.records, PageFileTags);
    EXPECT_TRUE(pageRecords.contains(u"<SEITE CLASS=seite>"_s));
    EXPECT_TRUE(pageRecords.contains(u"<TEXT>Handb\u00FCcher &amp; Vorlagen"_s));
    EXPECT_TRUE(pageRecords.contains(u"<TEXT>Diese Seite sammelt die Handb\u00FCcher.<br/>"
                                     u"Neue Fassungen stehen <i>oben</i>, <u>alte</u> unten."_s));
    EXPECT_TRUE(pageRecords.contains(u"<<![CDATA[><p class=\"fuss\">Stand: 2026 &ndash; <a "
                                     u"href=\"mailto:portal@example.org\">Kontakt</a></p>\r\n"_s));
    EXPECT_TRUE(pageRecords.contains(u"<P_FLAGS>1"_s));
    EXPECT_EQ(pageRecords.last(), u"</XML>"_s);
}

TEST(TagReaderFile, NamesTheFileAsGivenInMessages) {
    const QString path = test::FixturePath("xml/Seite.xml");
    const FileRead read = ReadFile(path, TreeFileTags);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.messages, QStringList{u"Tag nicht erlaubt in Datei: " + path +
                                         u"\nin Zeile: (3)  <SEITE class=seite>\n<SEITE>"});
    EXPECT_EQ(read.state.fileName, path);
    EXPECT_EQ(read.state.folder, QFileInfo(path).absolutePath() + u'/');
}

TEST(TagReaderFile, ReportsAFileThatCannotBeOpenedOnlyWhenAsked) {
    const test::TempFiles files;
    const QString missing = files.Path(QStringLiteral("fehlt.xml"));

    const FileRead reported = ReadFile(missing, PageFileTags);
    EXPECT_FALSE(reported.ok);
    EXPECT_EQ(reported.messages, QStringList{missing + u" wurde nicht gefunden."});
    EXPECT_EQ(reported.state.folder, files.Path(QString()) + u'/');

    const FileRead quiet = ReadFile(missing, PageFileTags, false);
    EXPECT_FALSE(quiet.ok);
    EXPECT_EQ(quiet.messages, QStringList());
    EXPECT_TRUE(quiet.records.isEmpty());

    const FileRead folder = ReadFile(files.Path(QString()), PageFileTags, false);
    EXPECT_FALSE(folder.ok);
}

TEST(TagReaderFile, ReadsAnEmptyFile) {
    const test::TempFiles files;
    const FileRead read = ReadFile(files.Write(QStringLiteral("leer.xml"), {}), PageFileTags);
    EXPECT_TRUE(read.ok);
    EXPECT_TRUE(read.records.isEmpty());
    EXPECT_EQ(read.messages, QStringList());
    EXPECT_EQ(read.state.lineNumber, 0);
}

} // namespace
} // namespace morvek::xml
