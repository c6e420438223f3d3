#include "app/converting_frame.h"
#include "app/morvek_doc.h"
#include "app/portal_report.h"
#include "support/fake_host.h"
#include "support/fixtures.h"
#include "support/printers.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace morvek::app {
namespace {

using namespace Qt::Literals::StringLiterals;

TEST(InspectReportTest, ListsWhatTheUserSeesOfThePortal) {
    test::FakeHost host;
    host.settings.SetValue(u"Drives"_s, u"S"_s, QDir::cleanPath(test::FixturePath("")));
    host.mounts.mounts = {
        {u"/"_s, u"/dev/vda1"_s, u"ext4"_s, false},
        {QDir::cleanPath(test::FixturePath("")), u"//fileserver/portal"_s, u"cifs"_s, false}};
    QTemporaryDir temp;
    config::CStartContext context;
    context.tempFolder = temp.path() + u'/';
    context.userName = u"ADMIN"_s;
    ConvertingFrame frame;
    CMorvekDoc document(context, frame);
    ASSERT_TRUE(document.OnOpenDocument(u"S:\\portal\\Start.xml"_s));

    QString text;
    QTextStream out(&text);
    WritePortalReport(document, frame.statisticsFiles.value(0), out);
    out.flush();
    for (const QString& expected : {
             u"Server:              FILESERVER\n"_s,
             u"Benutzer:            ADMIN\n"_s,
             u"Laufwerkszuordnung:  \\\\fileserver\\portal\n"_s,
             u"Statistikdatei:      S:\\portal\\Aufrufe.sta\n"_s,
             u"\nAngewandte Abschnitte:\n  <Lokal name=\"standard\">\n"
             u"  <Lokal name=\"FILESERVER\">\n"_s,
             u"  Lokal  ORT = Server\n"_s,
             u"  System ZORV_SERVER = FILESERVER\n"_s,
             u"\nDateiendungen:\n  .pdf\n  .doc\n  .xls\n"_s,
             u"\nRechte:\n  ADMINS  gehalten\n  NETZ  gehalten\n"_s,
             u"\nBereiche:\n"
             u"  Übersicht  [Icon 3]  S:\\portal\\Baum\\Uebersicht.xml\n"
             u"    Willkommen  [Icon 16/15]  -> S:\\portal\\Seiten\\Willkommen.xml\n"
             u"      Gruppe  [Icon 1/1]\n"
             u"        Einzelheiten  [Icon 22/22]  -> S:\\portal\\Seiten\\Details.xml\n"
             u"  Netzwerk  [Icon 5]  S:\\portal\\Baum\\Netz.xml\n"
             u"    Im Netz  [Icon -1/-1]  -> S:\\portal\\Seiten\\Details.xml\n"_s,
         }) {
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\nin:\n"
                                             << text.toStdString();
    }
}

} // namespace
} // namespace morvek::app
