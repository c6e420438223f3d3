#include "page_test_bed.h"
#include "support/printers.h"

#include <gtest/gtest.h>

namespace morvek::pagegen::test {
namespace {

// The generated text between "<html>\r\n" and "</body></html>\r\n" of a page without SEITE.
QString Content(PageTestBed& bed, const QByteArray& page) {
    const QString html = bed.Convert(page);
    const QString head = QStringLiteral("<html>\r\n");
    const QString tail = QStringLiteral("</body></html>\r\n");
    EXPECT_TRUE(html.startsWith(head) && html.endsWith(tail)) << html.toStdString();
    return html.mid(head.size(), html.size() - head.size() - tail.size());
}

struct TextCase {
    const char* name;
    const char* page;
    const char16_t* html;
};

class TextElement : public testing::TestWithParam<TextCase> {};

TEST_P(TextElement, GeneratesExactly) {
    PageTestBed bed;
    bed.variables.SetVariable(QStringLiteral("Root"), QStringLiteral("C:\\portal"), false);
    EXPECT_EQ(Content(bed, GetParam().page), QString::fromUtf16(GetParam().html));
}

const TextCase kTextCases[] = {
    {"TextAlone", "<TEXTBEREICH><TEXT>Hallo</TEXT></TEXTBEREICH>", u"Hallo\r\n"},
    {"EveryAttributeInNestingOrder",
     "<TEXTBEREICH><LINKAKTION>prog:1</LINKAKTION><AUSRICHTUNG>center</AUSRICHTUNG>"
     "<KEIN_ZEILENUMBRUCH><TEXT>Hallo</TEXT></KEIN_ZEILENUMBRUCH><FARBE>#FF0000</FARBE>"
     "<GROESSE>+2</GROESSE><SCHRIFT>Arial,14</SCHRIFT></TEXTBEREICH>",
     u"<nobr><div align=\"center\">\r\n<a href=\"prog:1\"><font size=\"+2\" >"
     u"<font  face=\"Arial\" size=\"14\"   color=\"#FF0000\" >Hallo</font></font>\r\n"
     u"</a></div>\r\n</nobr>"},
    {"LastTextCounts", "<TEXTBEREICH><TEXT>eins</TEXT><TEXT>zwei</TEXT></TEXTBEREICH>",
     u"zwei\r\n"},
    {"LinkAroundAnEmptyLine", "<TEXTBEREICH><LINKAKTION>prog:1</LINKAKTION></TEXTBEREICH>",
     u"<a href=\"prog:1\">\r\n</a>"},
    {"FontWithoutSize", "<TEXTBEREICH><TEXT>x</TEXT><SCHRIFT>Arial</SCHRIFT></TEXTBEREICH>",
     u"<font  face=\"Arial\" size=\"\"  >x</font>\r\n"},
    {"FontPiecesTrimmedAndEmptyOnesSkipped",
     "<TEXTBEREICH><TEXT>x</TEXT><SCHRIFT>, Verdana ,, 12 </SCHRIFT></TEXTBEREICH>",
     u"<font  face=\"Verdana\" size=\"12\"  >x</font>\r\n"},
    {"SizeWithoutInnerFont", "<TEXTBEREICH><GROESSE>-1</GROESSE><TEXT>x</TEXT></TEXTBEREICH>",
     u"<font size=\"-1\" >x</font>\r\n"},
    {"ColourOnly", "<TEXTBEREICH><TEXT>x</TEXT><FARBE>red</FARBE></TEXTBEREICH>",
     u"<font   color=\"red\" >x</font>\r\n"},
    {"TextKeepsVariablesAndMarkup",
     "<TEXTBEREICH><TEXT>%Root% <b>fett</b>&lt;</TEXT></TEXTBEREICH>",
     u"%Root% <b>fett</b>&lt;\r\n"},
    {"LinkIsResolved", "<TEXTBEREICH><LINKAKTION> %Root%\\a.pdf </LINKAKTION></TEXTBEREICH>",
     u"<a href=\"C:\\portal\\a.pdf\">\r\n</a>"},
    {"LinkWithoutFileNameGivesNoLink",
     "<TEXTBEREICH><TEXT>x</TEXT><LINKAKTION>C:\\docs\\</LINKAKTION></TEXTBEREICH>", u"x\r\n"},
    {"RelativeLinkStaysRelative",
     "<TEXTBEREICH><LINKAKTION>Dateien\\x.pdf</LINKAKTION></TEXTBEREICH>",
     u"<a href=\"Dateien\\x.pdf\">\r\n</a>"},
    {"NobrClosedOnlyByItsClosingRecord",
     "<TEXTBEREICH><KEIN_ZEILENUMBRUCH><TEXT>x</TEXT></TEXTBEREICH>", u"<nobr>x\r\n"},
    {"OtherElementsInsideAreIgnored",
     "<TEXTBEREICH><IF recht=\"GAST\"><TEXT>x</TEXT></IF><ANKER>a</ANKER><BILD><DATEI>C:\\b.png"
     "</DATEI></BILD></TEXTBEREICH>",
     u"x\r\n"},
    {"ClassAroundTheTextArea", "<TEXTBEREICH class=\"t\"><TEXT>x</TEXT></TEXTBEREICH>",
     u"<div class=\"t\">\r\nx\r\n</div>\r\n"},
    {"ClassOnAChildHasNoEffect",
     "<TEXTBEREICH><KEIN_ZEILENUMBRUCH class=\"n\"><TEXT>x</TEXT></KEIN_ZEILENUMBRUCH>"
     "</TEXTBEREICH>",
     u"<nobr>x\r\n</nobr>"},
    {"SpacingAtTopLevel", "<ABSTAND>2</ABSTAND>", u"<p>&nbsp;&nbsp;\r\n</p>"},
    {"SpacingZero", "<ABSTAND>0</ABSTAND>", u"<p>\r\n</p>"},
    {"SpacingNegativeOrNoNumber", "<ABSTAND>-3</ABSTAND><ABSTAND>zwei</ABSTAND>",
     u"<p>\r\n</p><p>\r\n</p>"},
    {"SpacingWithClassInsideTheParagraph", "<ABSTAND class=\"s\"> +1x</ABSTAND>",
     u"<p><div class=\"s\">\r\n&nbsp;\r\n</div>\r\n</p>"},
    {"LineBreaks", "<NEUEZEILE>2</NEUEZEILE>", u"<br><br>\r\n"},
    {"Anchor", "<ANKER class=\"a\">Marke</ANKER>", u"<a name=\"Marke\"></a>\r\n"},
    {"ParagraphWithSpacingAndBreaks",
     "<ABSATZ class=\"p\"><ABSTAND>1</ABSTAND><NEUEZEILE>1</NEUEZEILE>"
     "<TEXTBEREICH><TEXT>weg</TEXT></TEXTBEREICH><ANKER>weg</ANKER></ABSATZ>",
     u"<div class=\"p\">\r\n<p>\r\n&nbsp;\r\n<br>\r\n</p>\r\n</div>\r\n"},
    {"ParagraphWithImage", "<ABSATZ><BILD><DATEI>C:\\b.png</DATEI></BILD></ABSATZ>",
     u"<p>\r\n<img alt=\"\" title=\"\" border=\"0\" src=\"C:\\b.png\" >\r\n</p>\r\n"},
    {"ParagraphWithoutClosingRunsToTheEnd", "<ABSATZ><NEUEZEILE>1</NEUEZEILE>",
     u"<p>\r\n<br>\r\n</p>\r\n"},
    {"StrayClosingRecordsArePassedOver", "</TEXT></ABSATZ><HTML>x</HTML><NEUEZEILE>1</NEUEZEILE>",
     u"<br>\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, TextElement, testing::ValuesIn(kTextCases),
                         [](const testing::TestParamInfo<TextCase>& param) {
                             return std::string(param.param.name);
                         });

TEST(RawHtml, IsTrimmedAndExpandedAtTopLevel) {
    PageTestBed bed;
    bed.variables.SetVariable(QStringLiteral("Root"), QStringLiteral("C:\\portal"), false);
    EXPECT_EQ(Content(bed, "<![CDATA[\n  <a href=\"%Root%\\x.htm\">50% Rabatt</a>\n"
                           "<hr>\n]]>\n"),
              u"<a href=\"C:\\portal\\x.htm\">50% Rabatt</a>\r\n<hr>");
}

TEST(RawHtml, InsideAnotherElementProducesNothing) {
    PageTestBed bed;
    EXPECT_EQ(Content(bed, "<ABSATZ>\n<![CDATA[\n<hr>\n]]>\n</ABSATZ>\n"), u"<p>\r\n</p>\r\n");
}

} // namespace
} // namespace morvek::pagegen::test
