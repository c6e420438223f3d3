#include "page_test_bed.h"
#include "support/printers.h"

#include <gtest/gtest.h>

namespace morvek::pagegen::test {
namespace {

constexpr char16_t kEmptyBody[] = u"<body     >\r\n";

TEST(PageFrame, TitleOnly) {
    PageTestBed bed;
    EXPECT_EQ(bed.Convert("<SEITE><TEXT>T</TEXT></SEITE>"),
              u"<html>\r\n<head><title>T</title>\r\n</head>\r\n<body     >\r\n</body></html>\r\n");
}

TEST(PageFrame, WithoutTitleTheEmptyTitleHasNoLineBreak) {
    PageTestBed bed;
    EXPECT_EQ(bed.Convert("<SEITE></SEITE>"),
              QStringLiteral("<html>\r\n<head><title></title></head>\r\n") + kEmptyBody +
                  u"</body></html>\r\n");
}

TEST(PageFrame, StyleSheetIsTrimmedAndResolvedWithoutBase) {
    PageTestBed bed;
    bed.variables.SetVariable(QStringLiteral("Styles"), QStringLiteral("C:\\p"), false);
    EXPECT_EQ(bed.Convert("<SEITE><CSS>  %Styles%\\Main.css </CSS><TEXT>Start</TEXT></SEITE>"),
              QStringLiteral("<html>\r\n<head><title>Start</title>\r\n"
                             "<link rel=\"stylesheet\" type=\"text/css\" href=\"C:\\p\\Main.css\">"
                             "\r\n</head>\r\n") +
                  kEmptyBody + u"</body></html>\r\n");
}

TEST(PageFrame, BackgroundFillsTheFiveBodySlotsInOrder) {
    PageTestBed bed;
    const QString page = bed.Convert("<SEITE><REPEAT>no-repeat</REPEAT><POSITION>center</POSITION>"
                                     "<ATTACHMENT>fixed</ATTACHMENT><FARBE>rgb(1,2,3)</FARBE>"
                                     "<DATEI>bg.png</DATEI></SEITE>");
    const QString folder = bed.files.Path(QStringLiteral("pages/"));
    EXPECT_EQ(page,
              u"<html>\r\n<head><title></title></head>\r\n<body style=\"background-image:url(" +
                  folder +
                  u"bg.png)\" style=\"background-color:rgb(1,2,3)\" "
                  u"style=\"background-attachment:fixed\" "
                  u"style=\"background-position:center\" "
                  u"style=\"background-repeat:no-repeat\">\r\n</body></html>\r\n");
}

TEST(PageFrame, LaterChildrenReplaceEarlierOnes) {
    PageTestBed bed;
    EXPECT_EQ(bed.Convert("<SEITE><TEXT>A</TEXT><FARBE>red</FARBE><TEXT>B</TEXT>"
                          "<FARBE>blue</FARBE></SEITE>"),
              u"<html>\r\n<head><title>B</title>\r\n</head>\r\n"
              u"<body  style=\"background-color:blue\"   >\r\n</body></html>\r\n");
}

TEST(PageFrame, ClassWrapsHeadAndBody) {
    PageTestBed bed;
    EXPECT_EQ(bed.Convert("<SEITE class=\"k\"><TEXT>T</TEXT></SEITE>"),
              u"<html>\r\n<div class=\"k\">\r\n<head><title>T</title>\r\n</head>\r\n"
              u"<body     >\r\n</div>\r\n</body></html>\r\n");
}

TEST(PageFrame, LookColourReplacesThePageColourWhenChosen) {
    PageTestBed bed;
    bed.SetCheckFarbe(1);
    EXPECT_EQ(bed.Convert("<SEITE><FARBE>#FFFFFF</FARBE></SEITE>"),
              u"<html>\r\n<head><title></title></head>\r\n"
              u"<body  style=\"background-color:#112233\"   >\r\n</body></html>\r\n");
}

TEST(PageFrame, LookColourLeavesPagesWithABackgroundImage) {
    PageTestBed bed;
    bed.SetCheckFarbe(1);
    const QString page =
        bed.Convert("<SEITE><FARBE>#FFFFFF</FARBE><DATEI>C:\\b.png</DATEI></SEITE>");
    EXPECT_EQ(page, u"<html>\r\n<head><title></title></head>\r\n"
                    u"<body style=\"background-image:url(C:\\b.png)\" "
                    u"style=\"background-color:#FFFFFF\"   >\r\n</body></html>\r\n");
}

TEST(PageFrame, LookColourIsReadAtEveryGeneration) {
    PageTestBed bed;
    const QByteArray page = "<SEITE></SEITE>";
    bed.SetCheckFarbe(1);
    EXPECT_TRUE(bed.Convert(page).contains(u"background-color:#112233"));
    bed.SetCheckFarbe(2);
    EXPECT_FALSE(bed.Convert(page).contains(u"background-color"));
}

TEST(PageFrame, HeaderPutsImagesAndTextsIntoTheirCells) {
    PageTestBed bed;
    EXPECT_EQ(bed.Convert("<SEITENKOPF class=\"h\"><TEXTBEREICH><TEXT>Titel</TEXT></TEXTBEREICH>"
                          "<BILD><DATEI>C:\\a.png</DATEI></BILD><FARBE>#FF0000</FARBE>"
                          "<BILD><DATEI>C:\\b.png</DATEI></BILD></SEITENKOPF>"),
              u"<html>\r\n<div class=\"h\">\r\n"
              u"<table  width=\"100%\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\">\r\n"
              u"<colgroup width=\"10pt\" span=\"1\"></colgroup>\r\n <tr>\r\n"
              u"  <td><img alt=\"\" title=\"\" border=\"0\" src=\"C:\\a.png\" >\r\n"
              u"<img alt=\"\" title=\"\" border=\"0\" src=\"C:\\b.png\" >\r\n</td>\r\n"
              u"  <td>Titel\r\n</td>\r\n </tr>\r\n</table>\r\n"
              u"<hr color=\"#FF0000\" size=\"2\" noshade>\r\n</div>\r\n</body></html>\r\n");
}

TEST(PageFrame, EmptyHeaderKeepsTheGreyRule) {
    PageTestBed bed;
    EXPECT_TRUE(bed.Convert("<SEITENKOPF></SEITENKOPF>")
                    .endsWith(u"<hr color=\"#808080\" size=\"2\" noshade>\r\n</body></html>\r\n"));
}

TEST(PageFrame, DefaultLookColourInHashNotation) {
    EXPECT_EQ(HashColour(0x00332211), u"#112233");
    EXPECT_EQ(HashColour(0x00FFDBBF), u"#BFDBFF");
    EXPECT_EQ(HashColour(DefaultLookColour().StyleBackgroundColour()), u"#BFDBFF");
}

} // namespace
} // namespace morvek::pagegen::test
