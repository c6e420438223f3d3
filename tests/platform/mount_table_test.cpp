#include "platform/mount_table.h"
#include "support/printers.h"

#include <gtest/gtest.h>

namespace morvek::platform {
namespace {

MountEntry Mount(const char16_t* point, const char16_t* source, const char16_t* type,
                 bool removable = false) {
    return {QString::fromUtf16(point), QString::fromUtf16(source), QString::fromUtf16(type),
            removable};
}

TEST(MountTable, ParsesMountInfoWithEscapesAndOptionalFields) {
    const QByteArray text =
        "22 1 254:0 / / rw,relatime shared:1 - ext4 /dev/vda rw\n"
        "40 22 0:50 / /media/USB\\040Stick rw shared:3 master:2 - vfat /dev/sdb1 rw\n"
        "41 22 0:51 / /mnt/share rw - cifs //host.domain/share rw\n"
        "broken line\n";
    const QList<MountEntry> mounts = ParseMountInfo(text);
    ASSERT_EQ(mounts.size(), 3);
    EXPECT_EQ(mounts[0].mountPoint, QStringLiteral("/"));
    EXPECT_EQ(mounts[0].fsType, QStringLiteral("ext4"));
    EXPECT_EQ(mounts[1].mountPoint, QStringLiteral("/media/USB Stick"));
    EXPECT_EQ(mounts[1].source, QStringLiteral("/dev/sdb1"));
    EXPECT_EQ(mounts[2].source, QStringLiteral("//host.domain/share"));
}

TEST(MountTable, TheRealTableHoldsTheRoot) {
    const QList<MountEntry> mounts = ProcMountTable().Mounts();
    const MountEntry* root = FindMount(mounts, QStringLiteral("/"));
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->mountPoint, QStringLiteral("/"));
}

TEST(MountTable, FindsTheLongestMountPointThatHoldsThePath) {
    const QList<MountEntry> mounts = {
        Mount(u"/", u"/dev/vda", u"ext4"),
        Mount(u"/media/stick", u"/dev/sdb1", u"vfat", true),
        Mount(u"/media/stick2", u"/dev/sdc1", u"vfat"),
    };
    EXPECT_EQ(FindMount(mounts, QStringLiteral("/media/stick/portal/x"))->mountPoint,
              QStringLiteral("/media/stick"));
    EXPECT_EQ(FindMount(mounts, QStringLiteral("/media/stick"))->mountPoint,
              QStringLiteral("/media/stick"));
    EXPECT_EQ(FindMount(mounts, QStringLiteral("/media/stick2x"))->mountPoint, QStringLiteral("/"));
    EXPECT_EQ(FindMount({}, QStringLiteral("/x")), nullptr);
}

TEST(MountTable, ClassifiesDriveTypes) {
    EXPECT_EQ(DriveTypeOf(Mount(u"/cd", u"/dev/sr0", u"iso9660")), DriveType::CdRom);
    EXPECT_EQ(DriveTypeOf(Mount(u"/dvd", u"/dev/sr1", u"udf")), DriveType::CdRom);
    EXPECT_EQ(DriveTypeOf(Mount(u"/cd", u"/dev/sr0", u"auto")), DriveType::CdRom);
    EXPECT_EQ(DriveTypeOf(Mount(u"/s", u"/dev/sdb1", u"vfat", true)), DriveType::Removable);
    EXPECT_EQ(DriveTypeOf(Mount(u"/tmp", u"tmpfs", u"tmpfs")), DriveType::RamDisk);
    EXPECT_EQ(DriveTypeOf(Mount(u"/r", u"none", u"ramfs")), DriveType::RamDisk);
    EXPECT_EQ(DriveTypeOf(Mount(u"/", u"/dev/vda", u"ext4")), DriveType::Other);
}

TEST(MountTable, WritesNetworkSourcesInUncForm) {
    const struct {
        MountEntry mount;
        const char16_t* expected;
    } cases[] = {
        {Mount(u"/m", u"//host.domain/share/", u"cifs"), u"\\\\host.domain\\share"},
        {Mount(u"/m", u"//host/share/sub", u"smb3"), u"\\\\host\\share\\sub"},
        {Mount(u"/m", u"files.lan:/export/portal", u"nfs4"), u"\\\\files.lan\\export\\portal"},
        {Mount(u"/m", u"user@box.lan:docs", u"fuse.sshfs"), u"\\\\box.lan\\docs"},
        {Mount(u"/m", u"user@box:", u"fuse.sshfs"), u"\\\\box"},
        {Mount(u"/m", u"/dev/sda1", u"ext4"), u""},
        {Mount(u"/m", u"noslashes", u"cifs"), u""},
        {Mount(u"/m", u":/x", u"nfs"), u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NetworkSourceAsUnc(c.mount), QString::fromUtf16(c.expected))
            << c.mount.source.toStdString();
    }
}

} // namespace
} // namespace morvek::platform
