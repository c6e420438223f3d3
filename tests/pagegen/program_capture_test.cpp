#include "page_test_bed.h"
#include "pagegen/page_converter.h"
#include "support/printers.h"

#include <QDir>
#include <gtest/gtest.h>

namespace morvek::pagegen::test {
namespace {

const QByteArray kTwoPrograms =
    "<PROGRAMME>\n"
    "<PROG><P_NAME>Editor</P_NAME><P_PROGRAMM> %Tools%\\edit.exe </P_PROGRAMM>"
    "<P_PARAMETER>%Tools%\\a.txt</P_PARAMETER><P_FLAGS>1</P_FLAGS>"
    "<P_ARBEITSVERZEICHNIS>C:\\work\\</P_ARBEITSVERZEICHNIS></PROG>\n"
    "<PROG><P_ARBEITSVERZEICHNIS>C:\\temp\\x</P_ARBEITSVERZEICHNIS><P_FLAGS> 2</P_FLAGS>"
    "<P_NAME>EDITOR</P_NAME><P_PROGRAMM>calc</P_PROGRAMM></PROG>\n"
    "<PROG><P_PROGRAMM>ohne</P_PROGRAMM></PROG>\n"
    "</PROGRAMME>\n";

TEST(ProgramCapture, LaterEntryOfTheSameNameWinsAndFlagsStayApart) {
    PageTestBed bed;
    bed.variables.SetVariable(QStringLiteral("Tools"), QStringLiteral("C:\\tools"), false);
    EXPECT_EQ(bed.Convert(kTwoPrograms), u"<html>\r\n</body></html>\r\n");
    ASSERT_EQ(bed.programTable.size(), 2);
    const CProgramEntry* editor = bed.programTable.Find(QStringLiteral("editor"));
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->program, u"calc");
    EXPECT_EQ(editor->parameter, u"");
    EXPECT_EQ(editor->workingFolder, u"C:\\temp\\x");
    EXPECT_EQ(editor->flags, u" 2");
    const CProgramEntry* unnamed = bed.programTable.Find(QString());
    ASSERT_TRUE(unnamed);
    EXPECT_EQ(unnamed->program, u"ohne");
}

TEST(ProgramCapture, EntryValuesAreResolvedWithoutBase) {
    PageTestBed bed;
    bed.variables.SetVariable(QStringLiteral("Tools"), QStringLiteral("C:\\tools"), false);
    bed.Convert(kTwoPrograms.left(kTwoPrograms.indexOf("</PROG>") + 7) + "</PROGRAMME>");
    const CProgramEntry* editor = bed.programTable.Find(QStringLiteral("EDITOR"));
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->program, u"C:\\tools\\edit.exe");
    EXPECT_EQ(editor->parameter, u"C:\\tools\\a.txt");
    EXPECT_EQ(editor->workingFolder, u"");
    EXPECT_EQ(editor->flags, u"1");
}

TEST(ProgramCapture, SectionInsideADroppedConditionOrATableIsCapturedAndRemoved) {
    PageTestBed bed;
    EXPECT_EQ(bed.Convert("<IF recht=\"GAST\"><PROGRAMME><PROG><P_NAME>a</P_NAME></PROG>"
                          "</PROGRAMME></IF><TABELLE><PROGRAMME><PROG><P_NAME>b</P_NAME></PROG>"
                          "</PROGRAMME><TABELLENZEILE><LINKTEXT>x</LINKTEXT></TABELLENZEILE>"
                          "</TABELLE>")
                  .contains(u"<b>x</b>"),
              true);
    EXPECT_TRUE(bed.programTable.Find(QStringLiteral("A")));
    EXPECT_FALSE(bed.programTable.Find(QStringLiteral("B")));
}

TEST(ProgramCapture, OnlyTheLastOpeningBeforeTheFirstClosingCounts) {
    PageTestBed bed;
    EXPECT_EQ(bed.Convert("<PROGRAMME><PROG><P_NAME>a</P_NAME></PROG><ANKER>m</ANKER>"
                          "<PROGRAMME><PROG><P_NAME>b</P_NAME></PROG></PROGRAMME>"
                          "<PROGRAMME><PROG><P_NAME>c</P_NAME></PROG></PROGRAMME>"),
              u"<html>\r\n<a name=\"m\"></a>\r\n</body></html>\r\n");
    EXPECT_EQ(bed.programTable.size(), 1);
    EXPECT_TRUE(bed.programTable.Find(QStringLiteral("b")));
}

TEST(ProgramCapture, LinkedPagesAddTheirPrograms) {
    PageTestBed bed;
    const QString b = bed.WritePage(QStringLiteral("b.xml"),
                                    "<PROGRAMME><PROG><P_NAME>b</P_NAME></PROG></PROGRAMME>");
    bed.Convert("<PROGRAMME><PROG><P_NAME>a</P_NAME></PROG></PROGRAMME><TEXTBEREICH><LINKAKTION>"
                "HTML(" +
                b.toLatin1() + ")</LINKAKTION></TEXTBEREICH>");
    EXPECT_TRUE(bed.programTable.Find(QStringLiteral("a")));
    EXPECT_TRUE(bed.programTable.Find(QStringLiteral("b")));
}

class IncompleteSection : public testing::TestWithParam<const char*> {};

TEST_P(IncompleteSection, ShowsMessage505AndWritesNothing) {
    PageTestBed bed;
    const QString page = bed.WritePage(QStringLiteral("p.xml"), GetParam());
    EXPECT_FALSE(ConvertPage(bed.context, page));
    EXPECT_EQ(bed.host.messages.messages,
              QStringList{u"Tag-Fehler in Datei: " + page +
                          u"\nEs fehlen die Tags  <PROGRAMME> oder </PROGRAMME>.\nBeide müssen "
                          u"vorhanden sein oder keiner."});
    EXPECT_EQ(bed.programTable.size(), 0);
    EXPECT_TRUE(QDir(bed.context.tempFolder).isEmpty());
    EXPECT_EQ(bed.pageCounter.Current(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, IncompleteSection,
                         testing::Values("<ANKER>a</ANKER><PROGRAMME><PROG><P_NAME>a</P_NAME>"
                                         "</PROG>",
                                         "<PROG><P_NAME>a</P_NAME></PROG></PROGRAMME>",
                                         "</PROGRAMME><PROGRAMME>"));

} // namespace
} // namespace morvek::pagegen::test
