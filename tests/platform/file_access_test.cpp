#include "platform/file_access.h"
#include "support/fake_host.h"
#include "support/fixtures.h"
#include "support/printers.h"

#include <QDir>
#include <cerrno>
#include <gtest/gtest.h>

namespace morvek::platform {
namespace {

TEST(FileAccess, OpensPortalPathsThroughTheDriveMap) {
    test::FakeHost host;
    test::TempFiles files;
    files.Write(QStringLiteral("Seiten/a.xml"), "<XML>");
    host.settings.SetValue(QStringLiteral("Drives"), QStringLiteral("P"), files.Path(QString()));

    QFile file;
    ASSERT_EQ(OpenPortalFile(QStringLiteral("P:\\Seiten\\a.xml"), QIODevice::ReadOnly, file), 0);
    EXPECT_EQ(file.readAll(), QByteArray("<XML>"));
}

TEST(FileAccess, ReportsTheCauseOfAFailure) {
    test::FakeHost host;
    test::TempFiles files;
    files.Write(QStringLiteral("ordner/x"), "");
    QFile missing;
    EXPECT_EQ(OpenPortalFile(files.Path(QStringLiteral("fehlt.xml")), QIODevice::ReadOnly, missing),
              ENOENT);
    QFile unmapped;
    EXPECT_EQ(OpenPortalFile(QStringLiteral("Q:\\a.xml"), QIODevice::ReadOnly, unmapped), ENOENT);
    QFile folder;
    EXPECT_EQ(OpenPortalFile(files.Path(QStringLiteral("ordner")), QIODevice::ReadOnly, folder),
              EISDIR);
}

TEST(FileAccess, HasGermanTextsForTheCommonCauses) {
    EXPECT_EQ(FileErrorText(ENOENT, QStringLiteral("C:\\a.xml")),
              QStringLiteral("C:\\a.xml wurde nicht gefunden."));
    EXPECT_EQ(FileErrorText(EACCES, QStringLiteral("a.xml")),
              QStringLiteral("Zugriff auf a.xml wurde verweigert."));
    for (const int error : {ENOTDIR, EISDIR, EMFILE, EBUSY, ENOSPC, EROFS, EIO, EINVAL}) {
        const QString text = FileErrorText(error, QStringLiteral("a.xml"));
        EXPECT_TRUE(text.contains(QStringLiteral("a.xml"))) << text.toStdString();
        EXPECT_TRUE(text.endsWith(u'.')) << text.toStdString();
    }

    test::FakeHost host;
    ReportFileError(ENOENT, QStringLiteral("b.xml"));
    EXPECT_EQ(host.messages.messages, QStringList{QStringLiteral("b.xml wurde nicht gefunden.")});
}

} // namespace
} // namespace morvek::platform
