#include "base/template_text.h"
#include "support/printers.h"

#include <gtest/gtest.h>

namespace morvek::base {
namespace {

TEST(FillTemplate, FillsConversionsInOrder) {
    EXPECT_EQ(FillTemplate(u"Syntaxfehler in Datei: %s\nin Zeile: (%d)  %s",
                           {QStringLiteral("a.xml"), 7, QStringLiteral("<x")}),
              QStringLiteral("Syntaxfehler in Datei: a.xml\nin Zeile: (7)  <x"));
    EXPECT_EQ(FillTemplate(u"%sDatei%d.htm", {QStringLiteral("/tmp/M/"), 0}),
              QStringLiteral("/tmp/M/Datei0.htm"));
    EXPECT_EQ(FillTemplate(u"%u|%f|%%|%d", {4000000000u, 1.5, -3}),
              QStringLiteral("4000000000|1.500000|%|-3"));
}

TEST(FillTemplate, HandlesWidthPrecisionAndOddPatterns) {
    const struct {
        const char16_t* pattern;
        std::initializer_list<TemplateArg> args;
        const char16_t* expected;
    } cases[] = {
        {u"#%02X%02d", {5}, u"#%02X05"},
        {u"%02d.%02d.%04d", {1, 12, 2026}, u"01.12.2026"},
        {u"[%5s][%-5s]", {QStringLiteral("ab"), QStringLiteral("cd")}, u"[   ab][cd   ]"},
        {u"%.2f %.3s %05d", {3.14159, QStringLiteral("abcdef"), -42}, u"3.14 abc -0042"},
        {u"missing %s and %d", {QStringLiteral("one")}, u"missing one and "},
        {u"trailing %", {}, u"trailing %"},
        {u"%s", {7}, u"7"},
        {u"%d", {QStringLiteral("12")}, u"12"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FillTemplate(c.pattern, c.args), QString::fromUtf16(c.expected));
    }
}

} // namespace
} // namespace morvek::base
