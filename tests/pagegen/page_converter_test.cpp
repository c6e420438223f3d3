#include "page_test_bed.h"
#include "pagegen/page_converter.h"
#include "support/printers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace morvek::pagegen::test {
namespace {

QString Body(PageTestBed& bed, const QByteArray& page) {
    const QString html = bed.Convert(page);
    return html.mid(8, html.size() - 8 - 16);
}

TEST(PageConverter, WritesUtf16LittleEndianWithoutByteOrderMark) {
    PageTestBed bed;
    const std::optional<QString> target =
        ConvertPage(bed.context, bed.WritePage(QStringLiteral("a.xml"), "<ANKER>\xe4</ANKER>"));
    ASSERT_TRUE(target);
    EXPECT_EQ(*target, bed.TempFile(QStringLiteral("Datei0.htm")));
    QFile file(*target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QStringLiteral("<html>\r\n<a name=\"\u00e4\"></a>\r\n</body></html>\r\n");
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 2 * html.size());
    EXPECT_EQ(bytes.left(4), QByteArray("<\0h\0", 4));
    EXPECT_EQ(bytes.mid(2 * 17, 2), QByteArray("\xe4\0", 2));
    EXPECT_EQ(PageTestBed::ReadGenerated(*target), html);
    EXPECT_EQ(bed.pageCounter.Current(), 1);
}

TEST(PageConverter, PageWithOnlyXmlAndHtmlElements) {
    PageTestBed bed;
    EXPECT_EQ(bed.Convert("<?xml version=\"1.0\"?>\n<XML>\n<HTML>\n</HTML>\n</XML>\n"),
              u"<html>\r\n</body></html>\r\n");
}

TEST(PageConverter, SetsZorvPageToThePageFolder) {
    PageTestBed bed;
    bed.Convert("<ANKER>a</ANKER>");
    QString folder = bed.files.Path(QStringLiteral("pages"));
    EXPECT_EQ(bed.variables.GetVariable(QStringLiteral("zorv_page")), folder);
}

TEST(PageConverter, WebAndFileAddressesAreTheTarget) {
    PageTestBed bed;
    for (const char* address :
         {"http://host/x.htm", "FTP:\\\\host\\x", "ftp://host/x", "File://c:/x.htm"}) {
        const QString path = QString::fromLatin1(address);
        EXPECT_EQ(ConvertPage(bed.context, path), path);
    }
    EXPECT_FALSE(bed.variables.GetVariable(QStringLiteral("ZORV_Page")));
    EXPECT_EQ(bed.pageCounter.Current(), 0);
    EXPECT_TRUE(QDir(bed.context.tempFolder).isEmpty());

    // With one backslash after "ftp:" the text is a page path like any other.
    EXPECT_FALSE(ConvertPage(bed.context, QStringLiteral("ftp:\\fehlt.xml")));
    EXPECT_EQ(bed.host.messages.messages.size(), 1);
}

TEST(PageConverter, UnreadablePageFailsWithTheReadersMessage) {
    PageTestBed bed;
    const QString missing = bed.files.Path(QStringLiteral("pages/fehlt.xml"));
    EXPECT_FALSE(ConvertPage(bed.context, missing));
    EXPECT_EQ(bed.host.messages.messages, QStringList{missing + u" wurde nicht gefunden."});
    EXPECT_FALSE(ConvertPage(bed.context, bed.WritePage(QStringLiteral("b.xml"), "<FOO>")));
    EXPECT_EQ(bed.host.messages.messages.size(), 2);
    EXPECT_TRUE(QDir(bed.context.tempFolder).isEmpty());
}

TEST(PageConverter, UncreatableFileShowsTheFileError) {
    PageTestBed bed;
    bed.context.tempFolder = bed.files.Path(QStringLiteral("nicht-da/"));
    EXPECT_FALSE(ConvertPage(bed.context, bed.WritePage(QStringLiteral("a.xml"), "<ANKER>")));
    EXPECT_EQ(bed.host.messages.messages,
              QStringList{bed.context.tempFolder + u"Datei0.htm wurde nicht gefunden."});
}

TEST(PageConverter, FailedWriteDeletesTheFileAndFails) {
    PageTestBed bed;
    if (!QFileInfo::exists(QStringLiteral("/dev/full"))) {
        GTEST_SKIP() << "no device that fails every write";
    }
    const QString target = bed.TempFile(QStringLiteral("Datei0.htm"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), target));
    EXPECT_FALSE(ConvertPage(bed.context, bed.WritePage(QStringLiteral("a.xml"), "<ANKER>")));
    EXPECT_EQ(bed.host.messages.messages,
              QStringList{u"Der Datenträger für " + target + u" ist voll."});
    EXPECT_FALSE(QFileInfo(target).isSymLink() || QFileInfo::exists(target));
}

TEST(PageConverter, LinkedPageIsConvertedFirst) {
    PageTestBed bed;
    bed.variables.SetVariable(QStringLiteral("ZORV_Root"), bed.files.Path(QStringLiteral("pages")),
                              true);
    bed.WritePage(QStringLiteral("b.xml"), "<ANKER>b</ANKER>");
    const std::optional<QString> target =
        ConvertPage(bed.context,
                    bed.WritePage(QStringLiteral("a.xml"), "<TEXTBEREICH><TEXT>B</TEXT><LINKAKTION>"
                                                           " html(%ZORV_Root%/b.xml) </LINKAKTION>"
                                                           "</TEXTBEREICH>"));
    ASSERT_TRUE(target);
    const QString linked = bed.TempFile(QStringLiteral("Datei0.htm"));
    EXPECT_EQ(*target, bed.TempFile(QStringLiteral("Datei1.htm")));
    EXPECT_EQ(PageTestBed::ReadGenerated(linked),
              u"<html>\r\n<a name=\"b\"></a>\r\n</body></html>\r\n");
    EXPECT_EQ(PageTestBed::ReadGenerated(*target),
              u"<html>\r\n<a href=\"" + linked + u"\">B\r\n</a></body></html>\r\n");
}

TEST(PageConverter, EveryLinkToAPageConvertsItAgain) {
    PageTestBed bed;
    const QString b = bed.WritePage(QStringLiteral("b.xml"), "<ANKER>b</ANKER>");
    const QByteArray link = "<BILD><LINKAKTION>HTML(" + b.toLatin1() + ")</LINKAKTION></BILD>";
    const QString image = QStringLiteral("<img alt=\"\" title=\"\" border=\"0\" src=\"\" >");
    EXPECT_EQ(Body(bed, link + link), u"<a href=\"" + bed.TempFile(QStringLiteral("Datei0.htm")) +
                                          u"\">" + image + u"</a>\r\n<a href=\"" +
                                          bed.TempFile(QStringLiteral("Datei1.htm")) + u"\">" +
                                          image + u"</a>\r\n");
    EXPECT_EQ(bed.pageCounter.Current(), 3);
}

TEST(PageConverter, LinkedPageThatFailsKeepsTheLinkValue) {
    PageTestBed bed;
    EXPECT_EQ(Body(bed, "<TEXTBEREICH><LINKAKTION>HTML(C:\\fehlt.xml)</LINKAKTION></TEXTBEREICH>"),
              u"<a href=\"HTML(C:\\fehlt.xml)\">\r\n</a>");
    EXPECT_EQ(bed.host.messages.messages.size(), 1);
}

TEST(PageConverter, PagesReachingThemselvesAreNotConvertedAgain) {
    PageTestBed bed;
    const QString folder = bed.files.Path(QStringLiteral("pages"));
    bed.WritePage(QStringLiteral("b.xml"), "<TEXTBEREICH><LINKAKTION>HTML(" + folder.toLatin1() +
                                               "/./a.xml)</LINKAKTION></TEXTBEREICH>");
    const QString a =
        bed.WritePage(QStringLiteral("a.xml"),
                      "<TEXTBEREICH><LINKAKTION>HTML(" + folder.toLatin1() +
                          "/b.xml)</LINKAKTION></TEXTBEREICH><TEXTBEREICH>"
                          "<LINKAKTION>HTML(" +
                          folder.toLatin1() + "/../pages/a.xml)</LINKAKTION></TEXTBEREICH>");
    const std::optional<QString> target = ConvertPage(bed.context, a);
    ASSERT_TRUE(target);
    EXPECT_EQ(PageTestBed::ReadGenerated(bed.TempFile(QStringLiteral("Datei0.htm"))),
              u"<html>\r\n<a href=\"HTML(" + folder + u"/./a.xml)\">\r\n</a></body></html>\r\n");
    EXPECT_EQ(PageTestBed::ReadGenerated(*target),
              u"<html>\r\n<a href=\"" + bed.TempFile(QStringLiteral("Datei0.htm")) +
                  u"\">\r\n</a><a href=\"HTML(" + folder + u"/a.xml)\">\r\n</a></body></html>\r\n");
    EXPECT_TRUE(bed.context.pagesInProgress.isEmpty());
    EXPECT_TRUE(bed.host.messages.messages.isEmpty());
}

TEST(PageConverter, PagesLinkingToEachOtherConvertABoundedNumberOfPages) {
    PageTestBed bed;
    constexpr int kPages = 8;
    QByteArray links;
    for (int i = 0; i < kPages; ++i) {
        links += "<TEXTBEREICH><LINKAKTION>HTML(" +
                 bed.files.Path(QStringLiteral("pages/p%1.xml").arg(i)).toLatin1() +
                 ")</LINKAKTION></TEXTBEREICH>";
    }
    for (int i = 0; i < kPages; ++i) {
        bed.WritePage(QStringLiteral("p%1.xml").arg(i), links);
    }
    const QString first = bed.files.Path(QStringLiteral("pages/p0.xml"));
    // Without the bound the eight pages would be converted 13,700 times.
    for (int shown = 1; shown <= 2; ++shown) {
        const std::optional<QString> target = ConvertPage(bed.context, first);
        ASSERT_TRUE(target);
        EXPECT_EQ(bed.pageCounter.Current(), shown * (kMaxLinkedConversions + 1));
        EXPECT_TRUE(PageTestBed::ReadGenerated(*target).contains(QStringLiteral("Datei")));
    }
    EXPECT_TRUE(bed.host.messages.messages.isEmpty());
}

TEST(PageConverter, DevicesAreNoPages) {
    PageTestBed bed;
    if (!QFileInfo::exists(QStringLiteral("/dev/zero"))) {
        GTEST_SKIP() << "no endless device";
    }
    EXPECT_EQ(Body(bed, "<TEXTBEREICH><LINKAKTION>HTML(/dev/zero)</LINKAKTION></TEXTBEREICH>"),
              u"<a href=\"HTML(/dev/zero)\">\r\n</a>");
    EXPECT_EQ(bed.host.messages.messages,
              QStringList{QStringLiteral(
                  "Beim Zugriff auf /dev/zero ist ein unbekannter Fehler aufgetreten.")});
}

struct ConditionCase {
    const char* name;
    const char* page;
    const char16_t* body;
};

class Condition : public testing::TestWithParam<ConditionCase> {};

TEST_P(Condition, KeepsOrDropsItsSection) {
    PageTestBed bed;
    EXPECT_EQ(Body(bed, GetParam().page), QString::fromUtf16(GetParam().body));
}

const ConditionCase kConditionCases[] = {
    {"TopLevelHeld", "<IF recht=\"GAST|ADMIN\"><ANKER>ja</ANKER></IF><ANKER>x</ANKER>",
     u"<a name=\"ja\"></a>\r\n<a name=\"x\"></a>\r\n"},
    {"TopLevelNotHeld", "<IF recht=\"GAST\"><ANKER>ja</ANKER></IF><ANKER>x</ANKER>",
     u"<a name=\"x\"></a>\r\n"},
    {"TopLevelIfNot",
     "<IFNOT recht=\"ADMIN\"><ANKER>a</ANKER></IFNOT><IFNOT recht=\"GAST\">"
     "<ANKER>b</ANKER></IFNOT>",
     u"<a name=\"b\"></a>\r\n"},
    {"NestedInsideDropped",
     "<IF recht=\"GAST\"><IF recht=\"ADMIN\"><ANKER>a</ANKER></IF><ANKER>b</ANKER></IF>"
     "<ANKER>c</ANKER>",
     u"<a name=\"c\"></a>\r\n"},
    {"InParagraph",
     "<ABSATZ><IF recht=\"GAST\"><NEUEZEILE>1</NEUEZEILE></IF><IFNOT recht=\"GAST\"><ABSTAND>1"
     "</ABSTAND></IFNOT></ABSATZ>",
     u"<p>\r\n&nbsp;\r\n</p>\r\n"},
    {"InTable",
     "<TABELLE><IF recht=\"GAST\"><RAHMEN>0</RAHMEN><TABELLENZEILE><LINKTEXT>a</LINKTEXT>"
     "</TABELLENZEILE></IF><TABELLENZEILE><LINKTEXT>b</LINKTEXT></TABELLENZEILE></TABELLE>",
     u"<table border=\"1\" width=\"100%\"   cellspacing=\"0\">\r\n<colgroup width=\"30%\" "
     u"span=\"1\"></colgroup>\r\n<tr><td title=\"\"><font size=\"-1\" color=\"#000000\"><b>b"
     u"</b></font></td><td><font size=\"-1\" color=\"#000000\"><b>&nbsp</b></font></td></tr>"
     u"\r\n</table>\r\n"},
    {"InTextAreaHasNoEffect", "<TEXTBEREICH><IF recht=\"GAST\"><TEXT>x</TEXT></IF></TEXTBEREICH>",
     u"x\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, Condition, testing::ValuesIn(kConditionCases),
                         [](const testing::TestParamInfo<ConditionCase>& param) {
                             return std::string(param.param.name);
                         });

} // namespace
} // namespace morvek::pagegen::test
