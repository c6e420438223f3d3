#include "base/code_page.h"
#include "support/printers.h"

#include <gtest/gtest.h>

namespace morvek::base {
namespace {

TEST(CodePage, Latin1MapsEachByteToOneCharacter) {
    const QByteArray bytes("\xC4\x80\xFF\x00z", 5);
    const QString text = DecodeLatin1(bytes);
    ASSERT_EQ(text.size(), 5);
    EXPECT_EQ(text[0], QChar(0xC4));
    EXPECT_EQ(text[1], QChar(0x80));
    EXPECT_EQ(EncodeLatin1(text), bytes);
    EXPECT_EQ(EncodeLatin1(u"€ä"), QByteArray("?\xE4"));
}

TEST(CodePage, Windows1252HasTheEuroAndQuotes) {
    const std::optional<QByteArray> bytes = EncodeWindows1252(u"€„Müller“");
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, QByteArray("\x80\x84M\xFCller\x93"));
    const std::optional<QString> text = DecodeWindows1252(*bytes);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, QStringLiteral("€„Müller“"));
}

} // namespace
} // namespace morvek::base
