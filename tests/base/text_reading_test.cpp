#include "base/decimal.h"
#include "base/tokenize.h"
#include "base/trim.h"
#include "support/printers.h"

#include <gtest/gtest.h>

namespace morvek::base {
namespace {

TEST(ReadDecimal, ReadsLikeThePortalFiles) {
    const struct {
        const char16_t* text;
        int expected;
    } cases[] = {
        {u"42", 42},
        {u"  \t-17px", -17},
        {u"+8", 8},
        {u"12abc34", 12},
        {u"abc", 0},
        {u"", 0},
        {u"-", 0},
        {u" - 5", 0},
        {u"99999999999", 2147483647},
        {u"-99999999999", -2147483647 - 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadDecimal(c.text), c.expected) << QString::fromUtf16(c.text).toStdString();
    }
}

TEST(Trim, RemovesTheSixWhiteSpaceCharacters) {
    EXPECT_EQ(Trim(u" \t\r\n\v\fText mit Blank \f\v\n\r\t "), QStringLiteral("Text mit Blank"));
    EXPECT_EQ(TrimLeft(u"  a  "), QStringLiteral("a  "));
    EXPECT_EQ(TrimRight(u"  a  "), QStringLiteral("  a"));
    EXPECT_EQ(Trim(u"\u00A0a\u00A0"), QStringLiteral("\u00A0a\u00A0"));
    EXPECT_EQ(Trim(u" \t "), QString());
}

TEST(Tokenize, RunsOfSeparatorsCountAsOne) {
    EXPECT_EQ(Tokenize(u";;pdf,,txt;.doc;", u",;"),
              (QStringList{QStringLiteral("pdf"), QStringLiteral("txt"), QStringLiteral(".doc")}));
    EXPECT_EQ(Tokenize(u"", u","), QStringList());
    EXPECT_EQ(Tokenize(u"a b", u","), QStringList{QStringLiteral("a b")});
}

TEST(Tokenize, TrimmedItemsEndAtTheFirstEmptyItem) {
    EXPECT_EQ(TrimmedItems(u" pdf , ,txt", u",;"), QStringList{QStringLiteral("pdf")});
    EXPECT_EQ(TrimmedItems(u"user1| Admin2 |", u"|"),
              (QStringList{QStringLiteral("user1"), QStringLiteral("Admin2")}));
}

} // namespace
} // namespace morvek::base
