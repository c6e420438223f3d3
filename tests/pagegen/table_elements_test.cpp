#include "page_test_bed.h"
#include "support/printers.h"

#include <gtest/gtest.h>

namespace morvek::pagegen::test {
namespace {

QString Body(PageTestBed& bed, const QByteArray& page) {
    const QString html = bed.Convert(page);
    return html.mid(8, html.size() - 8 - 16);
}

constexpr char16_t kDefaultHead[] = u"<table border=\"1\" width=\"100%\"   cellspacing=\"0\">\r\n"
                                    u"<colgroup width=\"30%\" span=\"1\"></colgroup>\r\n";

QString Row(const QString& size, const QString& cell1, const QString& description) {
    const QString font = u"<font size=\"" + size + u"\" color=\"#000000\"><b>";
    return u"<tr><td title=\"\">" + font + cell1 + u"</b></font></td><td>" + font + description +
           u"</b></font></td></tr>\r\n";
}

TEST(Table, RowWithDefaults) {
    PageTestBed bed;
    EXPECT_EQ(Body(bed, "<TABELLE><TABELLENZEILE><LINKTEXT>Test1.pdf</LINKTEXT>"
                        "<LINKAKTION>C:\\d\\Test1.pdf</LINKAKTION><BESCHREIBUNG>Text"
                        "</BESCHREIBUNG></TABELLENZEILE></TABELLE>"),
              kDefaultHead +
                  Row(QStringLiteral("-1"),
                      QStringLiteral("<a href=\"C:\\d\\Test1.pdf\">Test1.pdf</a>"),
                      QStringLiteral("Text")) +
                  u"</table>\r\n");
}

TEST(Table, RowWithTooltipWithoutLinkAndDescription) {
    PageTestBed bed;
    EXPECT_EQ(Body(bed, "<TABELLE><TABELLENZEILE class=\"z\"><LINKTOOLTIP>Tipp</LINKTOOLTIP>"
                        "<LINKTEXT>Nur Text</LINKTEXT></TABELLENZEILE></TABELLE>"),
              kDefaultHead +
                  QStringLiteral("<div class=\"z\">\r\n<tr><td title=\"Tipp\"><font size=\"-1\" "
                                 "color=\"#000000\"><b>Nur Text</b></font></td><td><font "
                                 "size=\"-1\" color=\"#000000\"><b>&nbsp</b></font></td></tr>\r\n"
                                 "</div>\r\n</table>\r\n"));
}

TEST(Table, SettingsTakeEffectInDocumentOrder) {
    PageTestBed bed;
    bed.variables.SetVariable(QStringLiteral("ColSmall"), QStringLiteral("25%"), false);
    EXPECT_EQ(Body(bed, "<TABELLE class=\"t\"><SPALTENBREITE> %ColSmall% </SPALTENBREITE>"
                        "<RAHMEN>0</RAHMEN><TABELLENZEILE><LINKTEXT>a</LINKTEXT></TABELLENZEILE>"
                        "<GROESSE>+1</GROESSE><RAHMEN>5</RAHMEN><SPALTENBREITE>50%</SPALTENBREITE>"
                        "<TABELLENZEILE><LINKTEXT>b</LINKTEXT></TABELLENZEILE></TABELLE>"),
              u"<div class=\"t\">\r\n<table border=\"0\" width=\"100%\"   cellspacing=\"0\">\r\n"
              u"<colgroup width=\"25%\" span=\"1\"></colgroup>\r\n" +
                  Row(QStringLiteral("-1"), QStringLiteral("a"), QStringLiteral("&nbsp")) +
                  Row(QStringLiteral("+1"), QStringLiteral("b"), QStringLiteral("&nbsp")) +
                  u"</table>\r\n</div>\r\n");
}

TEST(Table, EmptySizeDropsOnlyTheSizeAttribute) {
    PageTestBed bed;
    EXPECT_EQ(Body(bed, "<TABELLE><GROESSE></GROESSE><TABELLENZEILE><LINKTEXT>a</LINKTEXT>"
                        "</TABELLENZEILE></TABELLE>"),
              kDefaultHead +
                  QStringLiteral("<tr><td title=\"\"><font  color=\"#000000\"><b>a</b></font></td>"
                                 "<td><font  color=\"#000000\"><b>&nbsp</b></font></td></tr>\r\n"
                                 "</table>\r\n"));
}

TEST(Table, WithoutRowsOrWithoutClosingRecord) {
    PageTestBed bed;
    EXPECT_EQ(Body(bed, "<TABELLE><RAHMEN>0</RAHMEN></TABELLE>"), u"</table>\r\n");
    EXPECT_EQ(Body(bed, "<TABELLE><TABELLENZEILE><LINKTEXT>a</LINKTEXT></TABELLENZEILE>"),
              kDefaultHead +
                  Row(QStringLiteral("-1"), QStringLiteral("a"), QStringLiteral("&nbsp")));
    // The row runs to the end and takes the table's closing record with it.
    EXPECT_EQ(Body(bed, "<TABELLE><TABELLENZEILE><LINKTEXT>a</LINKTEXT></TABELLE>"),
              kDefaultHead +
                  Row(QStringLiteral("-1"), QStringLiteral("a"), QStringLiteral("&nbsp")));
}

TEST(Frame, WithoutTextIsALine) {
    PageTestBed bed;
    EXPECT_EQ(Body(bed, "<RAHMEN><RAHMEN_BREITE> 1px</RAHMEN_BREITE><RAHMEN_FARBE>RGB(255,100,100)"
                        "</RAHMEN_FARBE><RAHMEN_TYP>solid </RAHMEN_TYP></RAHMEN>"),
              u"<p style=\"border-width:1px; border-color:RGB(255,100,100); border-style:solid; \">"
              u"\r\n</p>\r\n");
}

TEST(Frame, EveryTextAreaGetsTheCompleteStyle) {
    PageTestBed bed;
    EXPECT_EQ(Body(bed, "<RAHMEN class=\"r\"><TEXTBEREICH><TEXT>50% Rabatt</TEXT></TEXTBEREICH>"
                        "<TEXTABSTAND>5px</TEXTABSTAND><TEXTBEREICH><TEXT>%s und %d</TEXT>"
                        "<FARBE>red</FARBE><RAHMEN_TYP>dotted</RAHMEN_TYP></TEXTBEREICH>"
                        "<HINTERGRUND_FARBE>#EEEEEE</HINTERGRUND_FARBE></RAHMEN>"),
              u"<div class=\"r\">\r\n"
              u"<p style=\"padding:5px; background-color:#EEEEEE; \">50% Rabatt</p>\r\n"
              u"<font   color=\"red\" ><p style=\"padding:5px; background-color:#EEEEEE; \">"
              u"%s und %d</p></font>\r\n</div>\r\n");
}

TEST(Frame, PaddingWithOneTextArea) {
    PageTestBed bed;
    EXPECT_EQ(Body(bed, "<RAHMEN><TEXTABSTAND>5px</TEXTABSTAND><TEXTBEREICH><TEXT>Hallo</TEXT>"
                        "</TEXTBEREICH></RAHMEN>"),
              u"<p style=\"padding:5px; \">Hallo</p>\r\n");
}

} // namespace
} // namespace morvek::pagegen::test
