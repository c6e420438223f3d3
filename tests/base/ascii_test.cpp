#include "base/ascii.h"
#include "support/printers.h"

#include <gtest/gtest.h>

namespace morvek::base {
namespace {

TEST(Ascii, FoldsOnlyAsciiLetters) {
    EXPECT_EQ(ToUpperAscii(u"abcxyz ÄöüßéI09_"), QStringLiteral("ABCXYZ ÄöüßéI09_"));
    EXPECT_EQ(ToUpperAscii(u""), QString());
}

TEST(Ascii, ComparesWithoutAsciiCase) {
    EXPECT_TRUE(EqualsNoCase(u"Global.XML", u"gLOBAL.xml"));
    EXPECT_FALSE(EqualsNoCase(u"ä", u"Ä"));
    EXPECT_FALSE(EqualsNoCase(u"abc", u"abcd"));
    EXPECT_TRUE(StartsWithNoCase(u"HTTP://host", u"http://"));
    EXPECT_FALSE(StartsWithNoCase(u"htt", u"http://"));
    EXPECT_EQ(IndexOfNoCase(u"xxAbCxabc", u"ABC"), 2);
    EXPECT_EQ(IndexOfNoCase(u"xxAbCxabc", u"ABC", 3), 6);
    EXPECT_EQ(IndexOfNoCase(u"xx", u"ABC"), -1);
}

} // namespace
} // namespace morvek::base
