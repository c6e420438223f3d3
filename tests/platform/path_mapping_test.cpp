#include "platform/path_mapping.h"
#include "support/fake_host.h"
#include "support/printers.h"

#include <gtest/gtest.h>

namespace morvek::platform {
namespace {

TEST(HostPath, MapsDrivesSharesAndSeparators) {
    test::FakeHost host;
    host.settings.SetValue(QStringLiteral("Drives"), QStringLiteral("P"),
                           QStringLiteral("/srv/portal/"));
    host.settings.SetValue(QStringLiteral("Shares"), QStringLiteral("archiv/docs"),
                           QStringLiteral("/mnt/docs"));
    host.mounts.mounts = {{QStringLiteral("/mnt/daten"), QStringLiteral("//FileSrv.corp/Daten/"),
                           QStringLiteral("cifs"), false}};
    const struct {
        const char16_t* portal;
        const char16_t* expected;
    } cases[] = {
        {u"P:\\Seiten\\a.xml", u"/srv/portal/Seiten/a.xml"},
        {u"p:/Seiten/a.xml", u"/srv/portal/Seiten/a.xml"},
        {u"P:a.xml", u"/srv/portal/a.xml"},
        {u"P:", u"/srv/portal"},
        {u"Q:\\a.xml", u""},
        {u"\\\\fileSRV.corp\\daten\\x\\y.pdf", u"/mnt/daten/x/y.pdf"},
        {u"\\\\archiv\\docs\\z.doc", u"/mnt/docs/z.doc"},
        {u"\\\\unbekannt\\share\\z.doc", u""},
        {u"\\\\nur-host", u""},
        {u"Seiten\\a.xml", u"Seiten/a.xml"},
        {u"/home/u/a.xml", u"/home/u/a.xml"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HostPath(QString::fromUtf16(c.portal)), QString::fromUtf16(c.expected))
            << QString::fromUtf16(c.portal).toStdString();
    }
}

} // namespace
} // namespace morvek::platform
