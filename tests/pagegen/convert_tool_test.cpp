#include "support/fixtures.h"
#include "support/printers.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace morvek::pagegen::test {
namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs morvek-convert with settings and temporary files of its own.
class ConvertTool : public testing::Test {
protected:
    ToolRun Run(const QStringList& arguments) const {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("TMPDIR"), home.filePath(QStringLiteral("tmp")));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(MORVEK_CONVERT), arguments);
        EXPECT_TRUE(process.waitForFinished(20000));
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    void SetCheckFarbe() const {
        QDir().mkpath(home.filePath(QStringLiteral("config/Velloran")));
        QFile ini(home.filePath(QStringLiteral("config/Velloran/Morvek.conf")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[DlgAnpassen]\nCheckFarbe=1\n");
    }

    static QString Generated(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        QStringDecoder decoder(QStringConverter::Utf16LE);
        return decoder.decode(file.readAll());
    }

    QString Out(const char* relative) const { return home.filePath(QString::fromLatin1(relative)); }

    QStringList DocumentArguments() const {
        return {QStringLiteral("--temp"),
                Out("out"),
                QStringLiteral("--var"),
                QStringLiteral("Fixtures=") + morvek::test::FixturePath("pagegen"),
                QStringLiteral("--var=Spalte=25%"),
                morvek::test::FixturePath("pagegen/documents.xml")};
    }

    QTemporaryDir home;
};

TEST_F(ConvertTool, ConvertsAPageWithItsLinkedPage) {
    const ToolRun run = Run(DocumentArguments());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, u"");
    EXPECT_EQ(run.out, Out("out/Datei1.htm") + u'\n');
    EXPECT_EQ(Generated(Out("out/Datei0.htm")),
              u"<html>\r\n<a name=\"oben\"></a>\r\n</body></html>\r\n");
    EXPECT_EQ(Generated(Out("out/Datei1.htm")),
              u"<html>\r\n<head><title>Dokumente</title>\r\n</head>\r\n"
              u"<body  style=\"background-color:#FFFFFF\"   >\r\n"
              u"<table border=\"1\" width=\"100%\"   cellspacing=\"0\">\r\n"
              u"<colgroup width=\"25%\" span=\"1\"></colgroup>\r\n"
              u"<tr><td title=\"\"><font size=\"-1\" color=\"#000000\"><b><a href=\"" +
                  Out("out/Datei0.htm") +
                  u"\">Liste</a></b></font></td><td><font size=\"-1\" color=\"#000000\"><b>"
                  u"Größe 50%</b></font></td></tr>\r\n</table>\r\n</body></html>\r\n");
}

TEST_F(ConvertTool, ReadsTheLookColourSettingLikeTheViewer) {
    SetCheckFarbe();
    const ToolRun run = Run(DocumentArguments());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(Generated(Out("out/Datei1.htm"))
                    .contains(u"<body  style=\"background-color:#BFDBFF\"   >"));
}

TEST_F(ConvertTool, WithoutTempMakesAFreshFolderAndKeepsIt) {
    QDir().mkpath(Out("tmp"));
    const ToolRun run = Run({morvek::test::FixturePath("pagegen/linked.xml")});
    EXPECT_EQ(run.exitCode, 0);
    const QString target = run.out.trimmed();
    EXPECT_TRUE(target.startsWith(Out("tmp/Morvek"))) << run.out.toStdString();
    EXPECT_TRUE(target.endsWith(u"/Datei0.htm"));
    EXPECT_EQ(Generated(target), u"<html>\r\n<a name=\"oben\"></a>\r\n</body></html>\r\n");
}

TEST_F(ConvertTool, AddressesAreTheTargetAsTheyStand) {
    const ToolRun run =
        Run({QStringLiteral("--temp"), Out("out"), QStringLiteral("HTTP://host/a")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, u"HTTP://host/a\n");
    EXPECT_TRUE(QDir(Out("out")).isEmpty());
}

TEST_F(ConvertTool, MessagesGoToStandardErrorAndFail) {
    const QString programmes = morvek::test::FixturePath("pagegen/open_programme.xml");
    const QString unknownTag = morvek::test::FixturePath("pagegen/unknown_tag.xml");
    const QString missing = morvek::test::FixturePath("pagegen/missing.xml");
    const struct {
        QString page;
        QString message;
    } cases[] = {
        {programmes, u"Tag-Fehler in Datei: " + programmes +
                         u"\nEs fehlen die Tags  <PROGRAMME> oder </PROGRAMME>.\nBeide müssen "
                         u"vorhanden sein oder keiner."},
        {unknownTag,
         u"Tag nicht erlaubt in Datei: " + unknownTag + u"\nin Zeile: (3)  <B>fett</B>\n<B>"},
        {missing, missing + u" wurde nicht gefunden."},
    };
    for (const auto& [page, message] : cases) {
        const ToolRun run = Run({QStringLiteral("--temp"), Out("out"), page});
        EXPECT_EQ(run.exitCode, 1) << page.toStdString();
        EXPECT_EQ(run.out, u"");
        EXPECT_EQ(run.err, message + u'\n');
    }
    EXPECT_TRUE(QDir(Out("out")).isEmpty());
}

TEST_F(ConvertTool, WrongCommandLinesAreUsageErrors) {
    for (const QStringList& arguments :
         {QStringList{}, QStringList{QStringLiteral("a.xml"), QStringLiteral("b.xml")},
          QStringList{QStringLiteral("--var"), QStringLiteral("novalue"), QStringLiteral("a.xml")},
          QStringList{QStringLiteral("--temp")},
          QStringList{QStringLiteral("--x"), QStringLiteral("a.xml")}}) {
        const ToolRun run = Run(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(u"usage: morvek-convert"));
    }
}

} // namespace
} // namespace morvek::pagegen::test
