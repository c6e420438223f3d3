#include "base/log.h"
#include "config/global_file.h"
#include "config/portal.h"
#include "config/statistics_target.h"
#include "support/fake_host.h"
#include "support/fixtures.h"
#include "support/printers.h"

#include <gtest/gtest.h>

namespace morvek::config {
namespace {

using namespace Qt::Literals::StringLiterals;

class RecordingStatistics final : public StatisticsFileTarget {
public:
    void SetStatisticsFile(const QString& path) override { paths.append(path); }
    QStringList paths;
};

class GlobalFileTest : public testing::Test {
protected:
    GlobalFileTest() {
        base::ClearLog();
        portal.statistics = &statistics;
    }

    bool Load(const QByteArray& text) {
        return LoadGlobalFile(portal, files.Write(u"Global.xml"_s, text));
    }
    QString Variable(const QString& name) const {
        return portal.variables.GetVariable(name).value_or(u"<none>"_s);
    }

    test::FakeHost host;
    test::TempFiles files;
    CStartContext context;
    CPortal portal{context};
    RecordingStatistics statistics;
};

// Sections for every kind of start location; each defines Ort and a variable of its own.
const QByteArray kEnvironment = "<XML>\n"
                                "<ENVIRONMENT>\n"
                                "<LOKAL>Ort = Platte, Platte = ja,</LOKAL>\n"
                                "<LOKAL name=\"Standard\">Basis = immer,</LOKAL>\n"
                                "<SYSTEM name=\"fileserver\">Ort = Server, Server = ja,</SYSTEM>\n"
                                "<LOKAL name=\"CDROM\">Ort = CD, CD = ja,</LOKAL>\n"
                                "<SYSTEM name=\"REMOVABLE\">Ort = Stick, Stick = ja,</SYSTEM>\n"
                                "</ENVIRONMENT>\n"
                                "</XML>\n";

TEST_F(GlobalFileTest, SectionsAreChosenByTheStartLocation) {
    const struct {
        const char* where;
        QString server, startDrive, driveType;
        QString ort;
        QStringList applied;
    } cases[] = {
        {"local disk",
         u"C:"_s,
         u"C:"_s,
         {},
         u"Platte"_s,
         {u"<Lokal name=\"\">"_s, u"<Lokal name=\"standard\">"_s}},
        {"network share",
         u"FILESERVER"_s,
         u"S:"_s,
         {},
         u"Server"_s,
         {u"<Lokal name=\"standard\">"_s, u"<System name=\"FILESERVER\">"_s}},
        {"CD",
         u"D:"_s,
         u"d:"_s,
         u"CDROM"_s,
         u"CD"_s,
         {u"<Lokal name=\"standard\">"_s, u"<Lokal name=\"CDROM\">"_s}},
        {"stick",
         u"E:"_s,
         u"E:"_s,
         u"REMOVABLE"_s,
         u"Stick"_s,
         {u"<Lokal name=\"standard\">"_s, u"<System name=\"REMOVABLE\">"_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        portal.variables.Clear();
        context.serverName = c.server;
        context.startDrive = c.startDrive;
        context.driveTypeName = c.driveType;
        ASSERT_TRUE(Load(kEnvironment));
        EXPECT_EQ(Variable(u"Ort"_s), c.ort);
        EXPECT_EQ(Variable(u"Basis"_s), u"immer"_s);
        EXPECT_EQ(portal.variables.appliedSections, c.applied);
    }
    // System sections reach the process environment.
    EXPECT_EQ(host.environment.variables.value(u"Stick"_s), u"ja"_s);
}

TEST_F(GlobalFileTest, SelectorIsTheServerOnlyWhenItIsNotTheDrive) {
    context.serverName = u"QX"_s;
    context.startDrive = u"C:"_s;
    context.driveTypeName = u"CDROM"_s;
    EXPECT_EQ(EnvironmentSelector(context), u"QX"_s);
    context.serverName = u"c:"_s;
    EXPECT_EQ(EnvironmentSelector(context), u"CDROM"_s);
}

TEST_F(GlobalFileTest, ItemsAreDefinedInFileOrderAndExpandedAtOnce) {
    context.serverName = context.startDrive = u"C:"_s;
    ASSERT_TRUE(Load("<ENVIRONMENT><LOKAL>\n"
                     "Pfad1 = C:\\x,\n"
                     "Pfad2 = %Pfad1%\\Test2,\n"
                     "Pfad3 = %Pfad4%\\Test3,\n"
                     "Pfad4 = C:\\y,\n"
                     "Key1=a\n"
                     "Key2=b,\n"
                     "Leer,\n"
                     " , Danach = nie,\n"
                     "</LOKAL></ENVIRONMENT>\n"));
    EXPECT_EQ(Variable(u"Pfad2"_s), u"C:\\x\\Test2"_s);
    EXPECT_EQ(Variable(u"Pfad3"_s), u"\\Test3"_s);
    // Without a comma the lines join into one item, and the second "=" cuts the value.
    EXPECT_EQ(Variable(u"Key1"_s), u"a Key2"_s);
    EXPECT_EQ(Variable(u"Key2"_s), u"<none>"_s);
    EXPECT_EQ(Variable(u"Leer"_s), QString());
    // A blank item ends the section.
    EXPECT_EQ(Variable(u"Danach"_s), u"<none>"_s);
}

TEST_F(GlobalFileTest, LaterSectionReplacesEarlierValues) {
    context.serverName = context.startDrive = u"C:"_s;
    ASSERT_TRUE(Load("<ENVIRONMENT><LOKAL name=\"standard\">A = standard1, B = standard1,</LOKAL>"
                     "<LOKAL>A = lokal,</LOKAL>"
                     "<LOKAL name=\"STANDARD\">B = standard2,</LOKAL></ENVIRONMENT>"));
    EXPECT_EQ(Variable(u"A"_s), u"lokal"_s);
    EXPECT_EQ(Variable(u"B"_s), u"standard2"_s);
}

TEST_F(GlobalFileTest, ExtensionsAreCollectedAsWritten) {
    ASSERT_TRUE(Load("<EXT>pdf,txt;.doc</EXT>\n<EXT>PDF;;;xls</EXT>\n<EXT>zip, ,rar</EXT>\n"));
    EXPECT_EQ(portal.areas.extensions,
              (QStringList{u".pdf"_s, u".txt"_s, u".doc"_s, u".PDF"_s, u".xls"_s, u".zip"_s}));
}

TEST_F(GlobalFileTest, RightsAreDefinedAndTheSectionSkipped) {
    context.userName = u"ADMIN2"_s;
    context.driveTypeName = u"CDROM"_s;
    ASSERT_TRUE(Load("<RECHTE>\n"
                     "CD = CDROM,\n"
                     "Admins = user1| Admin2,\n"
                     "Admins = nobody,\n"
                     "Leer,\n"
                     "</RECHTE>\n"
                     "<EXT>pdf</EXT>\n"));
    EXPECT_TRUE(portal.rights.HasRight(u"CD"_s));
    EXPECT_FALSE(portal.rights.HasRight(u"Admins"_s));
    EXPECT_EQ(portal.rights.Names(), (QStringList{u"ADMINS"_s, u"CD"_s, u"LEER"_s}));
    EXPECT_EQ(portal.areas.extensions, QStringList{u".pdf"_s});
}

TEST_F(GlobalFileTest, StatisticsFileIsHandedOverAtTheClosingTag) {
    portal.variables.SetVariable(u"Ablage"_s, u"S:\\Statistik"_s, false);
    ASSERT_TRUE(Load("<STATISTIK><DATEI>C:\\alt.sta</DATEI>\n"
                     "<DATEI> %Ablage%\\Aufrufe.sta </DATEI></STATISTIK>\n"
                     "<STATISTIK><DATEI></DATEI></STATISTIK>\n"));
    EXPECT_EQ(statistics.paths, QStringList{u"S:\\Statistik\\Aufrufe.sta"_s});

    statistics.paths.clear();
    ASSERT_TRUE(Load("<STATISTIK><DATEI>C:\\offen.sta</DATEI>\n"));
    EXPECT_TRUE(statistics.paths.isEmpty());

    portal.statistics = nullptr;
    EXPECT_TRUE(Load("<STATISTIK><DATEI>C:\\x.sta</DATEI></STATISTIK>\n"));
}

TEST_F(GlobalFileTest, UnreadableFileAppliesNothing) {
    const QString missing = files.Path(u"fehlt.xml"_s);
    EXPECT_FALSE(LoadGlobalFile(portal, missing));
    EXPECT_EQ(portal.globalFile, missing);
    EXPECT_EQ(host.messages.messages.size(), 1);
    EXPECT_TRUE(base::logText().contains(u"Globale Datei: "_s + missing + u"\r\n"_s));

    // Conditions are not allowed here: the whole file is refused.
    host.messages.messages.clear();
    EXPECT_FALSE(Load("<EXT>pdf</EXT>\n<IF RECHT=\"X\">\n<EXT>doc</EXT>\n</IF>\n"));
    EXPECT_EQ(host.messages.messages.size(), 1);
    EXPECT_TRUE(portal.areas.extensions.isEmpty());
}

TEST_F(GlobalFileTest, UnclosedSectionsRunToTheEnd) {
    context.serverName = context.startDrive = u"C:"_s;
    EXPECT_TRUE(Load("<ENVIRONMENT><LOKAL>A = 1,</LOKAL>\n<RECHTE>R = C:,\n"));
    EXPECT_EQ(Variable(u"A"_s), u"1"_s);
    // RECHTE inside the unclosed ENVIRONMENT is passed over.
    EXPECT_TRUE(portal.rights.Names().isEmpty());
    EXPECT_TRUE(Load("<RECHTE>R = C:,\n<EXT>pdf</EXT>\n"));
    EXPECT_TRUE(portal.rights.HasRight(u"R"_s));
    EXPECT_TRUE(portal.areas.extensions.isEmpty());
}

} // namespace
} // namespace morvek::config
