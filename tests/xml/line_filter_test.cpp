#include "support/printers.h"
#include "xml/line_filter.h"

#include <gtest/gtest.h>

namespace morvek::xml {
namespace {

TEST(LineFilter, RemovesCommentsAndCarriesAnOpenOneToTheNextLine) {
    struct Case {
        const char16_t* line;
        bool inCommentBefore;
        const char16_t* kept;
        bool inCommentAfter;
    };
    const Case cases[] = {
        {u"a<!-- x -->b", false, u"ab", false},
        {u"a<!--x-->b<!--y-->c", false, u"abc", false},
        {u"<A>x</A><!-- offen", false, u"<A>x</A>", true},
        {u"noch Kommentar <A>", true, u"", true},
        {u"Ende --> <A>", true, u" <A>", false},
        {u"Ende --> a <!-- neu", true, u" a ", true},
        {u"a<!-->b", false, u"a", true},
        {u"a<!---->b", false, u"ab", false},
        {u"a<!<!-- x -->-- y -->b", false, u"ab", false},
        {u"x<!-<!-- c -->-y-->z", false, u"xz", false},
        {u"x<<!-- c -->!-- y -->z", false, u"xz", false},
        {u"a --> b", false, u"a --> b", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.line).toStdString());
        bool inComment = c.inCommentBefore;
        EXPECT_EQ(RemoveComments(QString::fromUtf16(c.line), inComment),
                  QString::fromUtf16(c.kept));
        EXPECT_EQ(inComment, c.inCommentAfter);
    }
}

TEST(LineFilter, ProtectsExactlyTheSevenInlineTags) {
    const QString written = QStringLiteral("<br/><i></i><b></b><u></u>");
    const QString hidden = ProtectInlineTags(written);
    EXPECT_FALSE(hidden.contains(u'<'));
    EXPECT_EQ(hidden.size(), 7);
    EXPECT_EQ(RestoreInlineTags(hidden), written);

    for (const QString& other :
         {QStringLiteral("<B>"), QStringLiteral("<br>"), QStringLiteral("<br />"),
          QStringLiteral("<I>"), QStringLiteral("<p>")}) {
        EXPECT_EQ(ProtectInlineTags(other), other);
    }
}

TEST(LineFilter, RecognisesMarkerLines) {
    EXPECT_TRUE(IsMarkerLine(u" \t<![cdata[ \r", u"<![CDATA["));
    EXPECT_TRUE(IsMarkerLine(u"]]>", u"]]>"));
    EXPECT_FALSE(IsMarkerLine(u"<![CDATA[x", u"<![CDATA["));
    EXPECT_FALSE(IsMarkerLine(u"\u00A0]]>", u"]]>"));
    EXPECT_FALSE(IsMarkerLine(u"", u"]]>"));
}

} // namespace
} // namespace morvek::xml
