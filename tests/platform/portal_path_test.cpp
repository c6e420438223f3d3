#include "platform/portal_path.h"
#include "support/fake_host.h"
#include "support/printers.h"

#include <gtest/gtest.h>

namespace morvek::platform {
namespace {

TEST(SplitPath, SplitsLikeThePlatform) {
    test::FakeHost host;
    const struct {
        const char16_t* path;
        const char16_t *drive, *folder, *name, *extension;
    } cases[] = {
        {u"C:\\a\\b\\seite.xml", u"C:", u"\\a\\b\\", u"seite", u".xml"},
        {u"C:seite", u"C:", u"", u"seite", u""},
        {u"\\\\host\\share\\dir", u"", u"\\\\host\\share\\", u"dir", u""},
        {u"/home/u/archiv.tar.gz", u"", u"/home/u/", u"archiv.tar", u".gz"},
        {u"a/b\\c.d/e", u"", u"a/b\\c.d/", u"e", u""},
        {u"", u"", u"", u"", u""},
    };
    for (const auto& c : cases) {
        const CPathParts parts = SplitPath(QString::fromUtf16(c.path));
        EXPECT_EQ(parts.drive, QString::fromUtf16(c.drive));
        EXPECT_EQ(parts.folder, QString::fromUtf16(c.folder));
        EXPECT_EQ(parts.name, QString::fromUtf16(c.name));
        EXPECT_EQ(parts.extension, QString::fromUtf16(c.extension));
    }
    EXPECT_EQ(FolderOfPath(QStringLiteral("C:\\a\\b.xml")), QStringLiteral("C:\\a\\"));
    EXPECT_EQ(FileNameOfPath(QStringLiteral("C:\\a\\b.xml")), QStringLiteral("b.xml"));
    EXPECT_EQ(SplitPath(QString(300, u'n')).name.size(), 255);
}

TEST(SplitPath, FindsServerAndDriveMapping) {
    test::FakeHost host;
    host.settings.SetValue(QStringLiteral("Drives"), QStringLiteral("S"),
                           QStringLiteral("/mnt/s/sub"));
    host.settings.SetValue(QStringLiteral("Drives"), QStringLiteral("C"), QStringLiteral("/"));
    host.mounts.mounts = {
        {QStringLiteral("/"), QStringLiteral("/dev/vda1"), QStringLiteral("ext4"), false},
        {QStringLiteral("/mnt/s"), QStringLiteral("//host.domain/share"), QStringLiteral("cifs"),
         false},
    };
    const CPathParts network = SplitPath(QStringLiteral("S:\\dir\\start.xml"));
    EXPECT_EQ(network.driveMapping, QStringLiteral("\\\\host.domain\\share\\sub"));
    EXPECT_EQ(network.serverName, QStringLiteral("host"));

    const CPathParts local = SplitPath(QStringLiteral("C:\\dir"));
    EXPECT_EQ(local.driveMapping, QString());
    EXPECT_EQ(local.serverName, QString());

    // A bare drive is not looked up on the network.
    EXPECT_EQ(SplitPath(QStringLiteral("S:")).serverName, QString());

    const CPathParts unc = SplitPath(QStringLiteral("\\\\host.domain\\share\\dir"));
    EXPECT_EQ(unc.serverName, QStringLiteral("host"));
    EXPECT_EQ(unc.driveMapping, QString());
}

TEST(ServerOfUnc, CutsAtTheFirstDotThenAtTheFirstBackslash) {
    EXPECT_EQ(ServerOfUnc(QStringLiteral("\\\\srv\\share")), QStringLiteral("srv"));
    EXPECT_EQ(ServerOfUnc(QStringLiteral("\\\\srv.a.b\\share")), QStringLiteral("srv"));
    EXPECT_EQ(ServerOfUnc(QStringLiteral("\\\\")), QString());
    EXPECT_EQ(ServerOfUnc(QStringLiteral("C:\\x")), QString());
    EXPECT_EQ(WithoutTrailingSeparators(QStringLiteral("X:\\/\\")), QStringLiteral("X:"));
}

} // namespace
} // namespace morvek::platform
