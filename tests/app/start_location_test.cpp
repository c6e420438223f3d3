#include "app/start_location.h"
#include "support/fake_host.h"
#include "support/printers.h"

#include <gtest/gtest.h>

namespace morvek::app {
namespace {

using namespace Qt::Literals::StringLiterals;

// A workstation with a local disk, a USB stick, a CD, a CIFS share of a host with a dotted
// name and an NFS export, reached through drive letters or their mount points.
class StartLocationTest : public testing::Test {
protected:
    void SetUp() override {
        const auto drive = [this](const char* letter, const char* mountPoint) {
            host.settings.SetValue(QStringLiteral("Drives"), QString::fromLatin1(letter),
                                   QString::fromLatin1(mountPoint));
        };
        drive("C", "/");
        drive("E", "/media/stick");
        drive("D", "/media/cdrom");
        drive("S", "/mnt/share");
        drive("R", "/run/ram");
        host.mounts.mounts = {
            {QStringLiteral("/"), QStringLiteral("/dev/vda1"), QStringLiteral("ext4"), false},
            {QStringLiteral("/media/stick"), QStringLiteral("/dev/sdb1"), QStringLiteral("vfat"),
             true},
            {QStringLiteral("/media/cdrom"), QStringLiteral("/dev/sr0"), QStringLiteral("iso9660"),
             false},
            {QStringLiteral("/mnt/share"), QStringLiteral("//host.domain/share"),
             QStringLiteral("cifs"), false},
            {QStringLiteral("/mnt/nfs"), QStringLiteral("files.lan:/export"),
             QStringLiteral("nfs4"), false},
            {QStringLiteral("/run/ram"), QStringLiteral("tmpfs"), QStringLiteral("tmpfs"), false},
        };
    }
    test::FakeHost host;
};

TEST_F(StartLocationTest, DerivesDriveServerTypeAndMapping) {
    const struct {
        const char16_t* folder;
        CStartLocation expected;
    } cases[] = {
        {u"C:\\Portal", {u"C:"_s, u"C:"_s, {}, {}}},
        {u"E:\\Portal", {u"E:"_s, u"E:"_s, u"REMOVABLE"_s, {}}},
        {u"D:\\Portal", {u"D:"_s, u"D:"_s, u"CDROM"_s, {}}},
        {u"R:\\Portal", {u"R:"_s, u"R:"_s, u"RAMDISK"_s, {}}},
        {u"S:\\dir", {u"S:"_s, u"HOST"_s, {}, u"\\\\host.domain\\share"_s}},
        // A bare drive is not looked up on the network.
        {u"S:", {u"S:"_s, u"S:"_s, {}, {}}},
        {u"\\\\host.domain\\share\\dir", {u"\\\\host.domain\\share"_s, u"HOST"_s, {}, {}}},
        {u"/mnt/nfs/portal", {u"/mnt/nfs"_s, u"FILES"_s, {}, u"\\\\files.lan\\export"_s}},
        {u"/media/stick/portal", {u"/media/stick"_s, u"/media/stick"_s, u"REMOVABLE"_s, {}}},
        {u"/home/u/portal", {u"/"_s, u"/"_s, {}, {}}},
        // An unmapped drive letter names no file: no type, no mapping.
        {u"Q:\\Portal", {u"Q:"_s, u"Q:"_s, {}, {}}},
    };
    for (const auto& c : cases) {
        const CStartLocation location = GetStartLocation(QString::fromUtf16(c.folder));
        SCOPED_TRACE(QString::fromUtf16(c.folder).toStdString());
        EXPECT_EQ(location.startDrive, c.expected.startDrive);
        EXPECT_EQ(location.serverName, c.expected.serverName);
        EXPECT_EQ(location.driveTypeName, c.expected.driveTypeName);
        EXPECT_EQ(location.driveMapping, c.expected.driveMapping);
    }
}

} // namespace
} // namespace morvek::app
