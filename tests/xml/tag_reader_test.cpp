#include "read_result.h"

#include <array>
#include <gtest/gtest.h>

namespace morvek::xml {
namespace {

using namespace std::literals;

TEST(TagReader, ReadsValuesOnOneLineAndOverLines) {
    const std::array<ReadCase, 16> cases{{
        {"tag, word and closing tag on one line",
         "<TEXT>Hallo</TEXT>\n",
         true,
         {u"<TEXT>Hallo", u"</TEXT>"}},
        {"four tags on one line, the outer value empty",
         "<ITEM><TEXT>x</TEXT></ITEM>",
         true,
         {u"<ITEM>", u"<TEXT>x", u"</TEXT>", u"</ITEM>"}},
        {"value over four lines",
         "<TEXT>\nZeile1\nZeile2\n</TEXT>\n",
         true,
         {u"<TEXT>Zeile1 Zeile2 ", u"</TEXT>"}},
        {"text on the tag's line joins the next without a blank",
         "<TEXT>A\nB\n</TEXT>",
         true,
         {u"<TEXT>AB ", u"</TEXT>"}},
        {"closing tag behind the continuation",
         "<TEXT>A\n  B</TEXT>",
         true,
         {u"<TEXT>AB", u"</TEXT>"}},
        {"text on the tag's line is not trimmed",
         "<TEXT>  a b  </TEXT>",
         true,
         {u"<TEXT>  a b  ", u"</TEXT>"}},
        {"continuation lines are trimmed",
         "<TEXT>\n \t c \t \n</TEXT>",
         true,
         {u"<TEXT>c ", u"</TEXT>"}},
        {"blank lines and ; lines inside a value are skipped",
         "<TEXT>\n\n  ; Notiz <TEXT>\nx\n</TEXT>",
         true,
         {u"<TEXT>x ", u"</TEXT>"}},
        {"names in any case, a blank after the name",
         "<TeXt >x</tExT >",
         true,
         {u"<TEXT>x", u"</TEXT>"}},
        {"text after a closing tag is ignored",
         "<TEXT>a</TEXT> lose Worte\nnoch mehr\n<TEXT>b</TEXT>",
         true,
         {u"<TEXT>a", u"</TEXT>", u"<TEXT>b", u"</TEXT>"}},
        {"opening tag running to the end of the file",
         "<XML>\n<TEXT>Hallo\nWelt",
         true,
         {u"<XML>", u"<TEXT>"}},
        {"empty file", "", true, {}},
        {"CR LF line ends", "<TEXT>a\r\nb\r\n</TEXT>\r\n", true, {u"<TEXT>ab ", u"</TEXT>"}},
        {"each byte is one ISO 8859-1 character",
         "<TEXT>\xDC\xE4 \xC3\xBC\xA0</TEXT>",
         true,
         {u"<TEXT>\u00DC\u00E4 \u00C3\u00BC\u00A0", u"</TEXT>"}},
        {"character references stay as written",
         "<TEXT>&lt;&amp;&quot;&euro;</TEXT>",
         true,
         {u"<TEXT>&lt;&amp;&quot;&euro;", u"</TEXT>"}},
        {"NUL bytes are text", "<TEXT>a\0b</TEXT>"sv, true, {u"<TEXT>a\0b"sv, u"</TEXT>"}},
    }};
    ExpectReads(TreeFileTags, cases);
}

TEST(TagReader, RemovesCommentsAndSkipsDeclarationsAndSemicolonLines) {
    const std::array<ReadCase, 11> cases{{
        {"comment over lines, tag after its end",
         "<ITEM><!-- Anfang\nmitte <TEXT>alt</TEXT>\nEnde --><TEXT>neu</TEXT>\n</ITEM>",
         true,
         {u"<ITEM>", u"<TEXT>neu", u"</TEXT>", u"</ITEM>"}},
        {"comment inside a value removes exactly its text",
         "<TEXT>vor<!-- x\ny -->nach</TEXT>",
         true,
         {u"<TEXT>vornach", u"</TEXT>"}},
        {"several comments on a line",
         "<TEXT>a<!--x-->b<!-- <TEXT> -->c</TEXT>",
         true,
         {u"<TEXT>abc", u"</TEXT>"}},
        {"a comment start formed by cutting out a comment",
         "<TEXT>a<!<!-- x -->-- y -->b</TEXT>",
         true,
         {u"<TEXT>ab", u"</TEXT>"}},
        {"two tags before a comment that closes on a later line",
         "<TEXT>a</TEXT><TEXT>b</TEXT><!-- offen\n<TEXT>versteckt</TEXT>\n-->\n<TEXT>c</TEXT>",
         true,
         {u"<TEXT>a", u"</TEXT>", u"<TEXT>b", u"</TEXT>", u"<TEXT>c", u"</TEXT>"}},
        {"a value before a comment that closes on a later line",
         "<ITEM><TEXT>Hallo<!-- Kommentar\nweiter -->\n</TEXT></ITEM>",
         true,
         {u"<ITEM>", u"<TEXT>Hallo", u"</TEXT>", u"</ITEM>"}},
        {"a comment end in front of the comment does not end it",
         "<TEXT>x --> y</TEXT><!-- offen\n<TEXT>versteckt</TEXT>\n-->\n<TEXT>z</TEXT>",
         true,
         {u"<TEXT>x --> y", u"</TEXT>", u"<TEXT>z", u"</TEXT>"}},
        {"comment open to the end of the file",
         "<XML>\n<!-- bis zum Ende\n<TEXT>a</TEXT>",
         true,
         {u"<XML>"}},
        {"declaration and ; lines",
         "<?xml version=\"1.0\"?>\n  ; <TEXT>nein</TEXT>\n<XML></XML>",
         true,
         {u"<XML>", u"</XML>"}},
        {"\"<?xml\" anywhere skips the line",
         "<XML></XML>\n<TEXT>nein</TEXT> <?xml ?>\n",
         true,
         {u"<XML>", u"</XML>"}},
        {"a declaration line that opens a comment",
         "<?xml version=\"1.0\"?><!-- Kopf\n<TEXT>alt</TEXT>\n-->\n<XML></XML>",
         true,
         {u"<XML>", u"</XML>"}},
    }};
    ExpectReads(TreeFileTags, cases);
}

TEST(TagReader, KeepsTheSevenInlineTags) {
    const std::array<ReadCase, 4> cases{{
        {"inline tags in a value",
         "<TEXT>a <b>fett</b><br/><i>k</i> <u>u</u></TEXT>",
         true,
         {u"<TEXT>a <b>fett</b><br/><i>k</i> <u>u</u>", u"</TEXT>"}},
        {"inline tags over lines",
         "<TEXT>Zeile<br/>\n<b>zwei</b>\n</TEXT>",
         true,
         {u"<TEXT>Zeile<br/><b>zwei</b> ", u"</TEXT>"}},
        {"an inline tag in an attribute",
         "<TEXT class=<b>>x</TEXT>",
         true,
         {u"<TEXT CLASS=<b>>x", u"</TEXT>"}},
        {"an inline tag in an element name",
         "<TE<b>XT>x</TEXT>",
         false,
         {u"<?>"},
         {u"Tag nicht erlaubt in Datei: Seite.xml\nin Zeile: (1)  <TE<b>XT>x</TEXT>\n<TE<b>XT>"}},
    }};
    ExpectReads(TreeFileTags, cases);
}

TEST(TagReader, ReadsCdataBlocksOfPageFiles) {
    const std::array<ReadCase, 6> cases{{
        {"block handed over as read",
         "<XML>\n  <![CDATA[  \n  <p>Hallo</p>  \n<!-- bleibt --> <?xml x?>\n]]>\n</XML>",
         true,
         {u"<XML>", u"<<![CDATA[>  <p>Hallo</p>  \r\n<!-- bleibt --> <?xml x?>\r\n", u"</XML>"}},
        {"start in any case, end with blanks",
         "<![cdata[\nx\n ]]> \r\n<ANKER>a</ANKER>",
         true,
         {u"<<![CDATA[>x\r\n", u"<ANKER>a", u"</ANKER>"}},
        {"empty block", "<![CDATA[\n]]>", true, {u"<<![CDATA[>"}},
        {"block without its end line",
         "<XML>\n<![CDATA[\n<p>offen</p>\n",
         false,
         {u"<XML>"},
         {u"CDATA - Endezeichen fehlt in Datei = Seite.xml\n"}},
        {"an end that does not stand alone",
         "<![CDATA[\n<p>x</p> ]]>\n",
         false,
         {},
         {u"CDATA - Endezeichen fehlt in Datei = Seite.xml\n"}},
        {"a commented-out block is comment",
         "<!--\n<![CDATA[\n<p>alt</p>\n]]>\n-->\n<ANKER>a</ANKER>",
         true,
         {u"<ANKER>a", u"</ANKER>"}},
    }};
    ExpectReads(PageFileTags, cases);
}

TEST(TagReader, RefusesCdataBlocksOutsidePageFiles) {
    const std::array<ReadCase, 1> cases{{
        {"block in a tree file",
         "<XML>\n<![CDATA[\nx\n]]>\n</XML>",
         false,
         {u"<XML>", u"<?>"},
         {u"Tag nicht erlaubt in Datei: Seite.xml\nin Zeile: (2)  <![CDATA[\n<<![CDATA[>"}},
    }};
    ExpectReads(TreeFileTags, cases);
}

TEST(TagReader, ParsesAttributesOfOpeningTags) {
    const std::array<ReadCase, 7> cases{{
        {"quoted value", "<IF recht=\"A|B\">\n</IF>", true, {u"<IF RECHT=A|B>", u"</IF>"}},
        {"names upper-cased, all quotes stripped, other quotes kept",
         "<IF Recht=\"\"A|B\"\"\tkLasse='x'>",
         true,
         {u"<IF KLASSE='x' RECHT=A|B>"}},
        {"a later equal name overwrites", "<IF recht=A RECHT=B>", true, {u"<IF RECHT=B>"}},
        {"empty value, \"=\" inside the value",
         "<IF recht= class=a=b>",
         true,
         {u"<IF CLASS=a=b RECHT=>"}},
        {"blanks around \"=\"",
         "<IF recht = \"A|B\">\n<ITEM></ITEM>\n</IF>",
         true,
         {u"<IF>", u"<ITEM>", u"</ITEM>", u"</IF>"},
         {u"Tag-Attributfehler in Datei: Seite.xml\nin Zeile: (1)  <IF recht = \"A|B\">\n"
          u"Gleichheitszeichen (=) fehlt."}},
        {"attributes before the faulty one stay, the value is read",
         "<TEXT class=a name=\"a b\" c=d>x</TEXT>",
         true,
         {u"<TEXT CLASS=a NAME=a>x", u"</TEXT>"},
         {u"Tag-Attributfehler in Datei: Seite.xml\nin Zeile: (1)  <TEXT class=a name=\"a b\" "
          u"c=d>x</TEXT>\nGleichheitszeichen (=) fehlt."}},
        {"closing tags have no attributes",
         "<IF recht=A>\n</IF recht=A>",
         false,
         {u"<IF RECHT=A>", u"</?>"},
         {u"Tag nicht erlaubt in Datei: Seite.xml\nin Zeile: (2)  </IF recht=A>\n</IF recht=A>"}},
    }};
    ExpectReads(TreeFileTags, cases);
}

TEST(TagReader, ReportsSyntaxErrorsWithFileLineAndText) {
    const std::array<ReadCase, 8> cases{{
        {"upper-case B tag in a value",
         "<TEXT>ein <B>fett</B></TEXT>",
         false,
         {u"<TEXT>ein ", u"<?>"},
         {u"Tag nicht erlaubt in Datei: Seite.xml\nin Zeile: (1)  <TEXT>ein <B>fett</B></TEXT>\n"
          u"<B>"}},
        {"<br /> is an element with a faulty attribute",
         "<TEXT>a<br />b</TEXT>",
         false,
         {u"<TEXT>a", u"<?>"},
         {u"Tag-Attributfehler in Datei: Seite.xml\nin Zeile: (1)  <TEXT>a<br />b</TEXT>\n"
          u"Gleichheitszeichen (=) fehlt.",
          u"Tag nicht erlaubt in Datei: Seite.xml\nin Zeile: (1)  <TEXT>a<br />b</TEXT>\n<br>"}},
        {"\">\" before the first \"<\"",
         "x > <TEXT>",
         false,
         {u"<?>"},
         {u"Tag nicht erlaubt in Datei: Seite.xml\nin Zeile: (1)  x > <TEXT>\n<>"}},
        {"\">\" before the \"<\" after a closing tag",
         "<TEXT>a</TEXT> b > <TEXT>",
         false,
         {u"<TEXT>a", u"</TEXT>", u"<?>"},
         {u"Tag nicht erlaubt in Datei: Seite.xml\nin Zeile: (1)  <TEXT>a</TEXT> b > <TEXT>\n<>"}},
        {"unknown tag in the last line",
         "<XML>\n<ITEM></ITEM>\n  <FOO bar=1>",
         false,
         {u"<XML>", u"<ITEM>", u"</ITEM>", u"<? BAR=1>"},
         {u"Tag nicht erlaubt in Datei: Seite.xml\nin Zeile: (3)    <FOO bar=1>\n<FOO>"}},
        {"unknown closing tag",
         "<XML>\r\n</FOO>\r\n",
         false,
         {u"<XML>", u"</?>"},
         {u"Tag nicht erlaubt in Datei: Seite.xml\nin Zeile: (2)  </FOO>\n</FOO>"}},
        {"no \">\" after the \"<\"",
         "<XML>\n<TEXT Hallo\n",
         false,
         {u"<XML>"},
         {u"Syntaxfehler in Datei: Seite.xml\nin Zeile: (2)  <TEXT Hallo\nZeichen > fehlt"}},
        {"no \">\" after a value",
         "<TEXT>a <\n",
         false,
         {u"<TEXT>a "},
         {u"Syntaxfehler in Datei: Seite.xml\nin Zeile: (1)  <TEXT>a <\nZeichen > fehlt"}},
    }};
    ExpectReads(TreeFileTags, cases);
}

TEST(TagReader, AllowsOnlyTheElementsOfTheFileKind) {
    EXPECT_EQ(ReadBytes(GlobalFileTags, "<XML>\n<IF recht=A>"),
              (ReadResult{false,
                          {QStringLiteral("<XML>"), QStringLiteral("<? RECHT=A>")},
                          {QStringLiteral("Tag nicht erlaubt in Datei: Seite.xml\nin Zeile: (2)  "
                                          "<IF recht=A>\n<IF>")}}));
    EXPECT_TRUE(ReadBytes(StartFileTags, "<IF recht=A><BEREICH><TREE>t</TREE></BEREICH></IF>").ok);
    EXPECT_FALSE(ReadBytes(StartFileTags, "<ITEM>").ok);
}

} // namespace
} // namespace morvek::xml
