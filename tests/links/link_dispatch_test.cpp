#include "link_test_fixture.h"

namespace morvek::links {
namespace {

using platform::ShellRequest;
using platform::ShellVerb;
using test::RecordingPrograms;

class LinkDispatchTest : public test::LinkTest {
protected:
    LinkDispatchTest() {
        programs.Store(QStringLiteral("PROG:0001"),
                       {QStringLiteral("C:\\Programme\\x\\y.exe"), QStringLiteral("/e"),
                        QStringLiteral("C:\\Daten\\"), QString()});
        Create(QStringLiteral("docs/x.pdf"));
        Create(QStringLiteral("tools/x.exe"));
        Create(QStringLiteral("bin/notepad.exe"));
    }
};

TEST_F(LinkDispatchTest, AppActionsAreSwallowedAndOnlyOkClosesTheViewer) {
    const struct {
        const char16_t* target;
        int closeRequests;
    } cases[] = {
        {u"app:ok", 1}, {u"app:OK", 1},  {u"APP:oK", 1},   {u"app:quit", 0},
        {u"app:", 0},   {u"app:ok ", 0}, {u"app:okay", 0},
    };
    for (const auto& c : cases) {
        const QString target = QString::fromUtf16(c.target);
        window.closeRequests = 0;
        EXPECT_TRUE(Dispatch(target)) << target.toStdString();
        EXPECT_EQ(window.closeRequests, c.closeRequests) << target.toStdString();
    }
    EXPECT_TRUE(ShellRequests().isEmpty());
    EXPECT_TRUE(ProcessCalls().isEmpty());
}

TEST_F(LinkDispatchTest, ProgramLinkStartsItsEntryRegardlessOfCase) {
    EXPECT_TRUE(Dispatch(QStringLiteral("prog:0001")));
    EXPECT_EQ(ProcessCalls(),
              (QList<RecordingPrograms::ProcessCall>{
                  {QStringLiteral("C:\\Programme\\x\\y.exe /e"), QStringLiteral("C:\\Daten\\")}}));
}

TEST_F(LinkDispatchTest, UnknownProgramLinkIsSwallowed) {
    EXPECT_TRUE(Dispatch(QStringLiteral("prog:0002")));
    EXPECT_TRUE(Dispatch(QStringLiteral("prog:")));
    EXPECT_TRUE(ProcessCalls().isEmpty());
    EXPECT_TRUE(ShellRequests().isEmpty());
    EXPECT_EQ(base::logText(), QStringLiteral("Navigation: prog:0002\r\nNavigation: prog:\r\n"));
}

TEST_F(LinkDispatchTest, ListedDocumentOpensThroughTheShellWithoutItsParameters) {
    extensions = {QStringLiteral(".txt"), QStringLiteral(".PDF")};
    EXPECT_TRUE(Dispatch(QStringLiteral(" C:\\docs\\x.pdf #page=3")));
    EXPECT_EQ(ShellRequests(),
              (QList<ShellRequest>{{ShellVerb::Open, QStringLiteral("C:\\docs\\x.pdf"), {}, {}}}));
    EXPECT_TRUE(ProcessCalls().isEmpty());
}

TEST_F(LinkDispatchTest, ListedProgramStartsWithItsParametersInItsFolder) {
    extensions = {QStringLiteral(".exe")};
    Create(QStringLiteral("tools/y.EXE"));
    const struct {
        const char16_t* target;
        const char16_t* commandLine;
    } cases[] = {
        {u"C:\\tools\\x.exe#-a#-b", u"C:\\tools\\x.exe -a -b "},
        {u"C:\\tools\\x.exe", u"C:\\tools\\x.exe "},
        {u"C:\\tools\\x.exe# -a ##-b", u"C:\\tools\\x.exe -a -b "},
        // The parameters end at the first piece that is blank.
        {u"C:\\tools\\x.exe#-a#  #-b", u"C:\\tools\\x.exe -a "},
        {u"##C:\\tools\\y.EXE#-a", u"C:\\tools\\y.EXE -a "},
    };
    QList<RecordingPrograms::ProcessCall> expected;
    for (const auto& c : cases) {
        EXPECT_TRUE(Dispatch(QString::fromUtf16(c.target)));
        expected.append({QString::fromUtf16(c.commandLine), QStringLiteral("C:\\tools\\")});
    }
    // Workers may start in any order.
    QList<RecordingPrograms::ProcessCall> calls = ProcessCalls();
    const auto byLine = [](const auto& a, const auto& b) { return a.commandLine < b.commandLine; };
    std::sort(calls.begin(), calls.end(), byLine);
    std::sort(expected.begin(), expected.end(), byLine);
    EXPECT_EQ(calls, expected);
}

TEST_F(LinkDispatchTest, BareProgramNameIsFoundOnThePathAndStartsInTheCurrentFolder) {
    extensions = {QStringLiteral(".exe")};
    EXPECT_TRUE(Dispatch(QStringLiteral("notepad.exe")));
    EXPECT_EQ(ProcessCalls(), (QList<RecordingPrograms::ProcessCall>{
                                  {drive.filePath(QStringLiteral("bin/notepad.exe ")), {}}}));
}

TEST_F(LinkDispatchTest, FoundFileKeepsTheFolderAsWrittenForItsWorkingFolder) {
    extensions = {QStringLiteral(".exe")};
    EXPECT_TRUE(Dispatch(QStringLiteral("C:\\missing\\notepad.exe#/x")));
    EXPECT_EQ(ProcessCalls(), (QList<RecordingPrograms::ProcessCall>{
                                  {drive.filePath(QStringLiteral("bin/notepad.exe /x ")),
                                   QStringLiteral("C:\\missing\\")}}));
}

TEST_F(LinkDispatchTest, EverythingElseIsLeftToTheBrowser) {
    extensions = {QStringLiteral(".pdf"), QStringLiteral(".exe"), QStringLiteral(".xml")};
    Create(QStringLiteral("docs/x.txt"));
    const char16_t* targets[] = {
        u"C:\\docs",                        // a folder: no extension
        u"C:\\docs\\",                      //
        u"C:\\docs\\x.txt",                 // not listed
        u"C:\\docs\\missing.pdf",           // neither there nor found
        u"D:\\docs\\x.pdf",                 // an unmapped drive names no file
        u"http://example.com/",             //
        u"https://example.com/a.html#b",    //
        u"https://example.com/notepad.exe", // not the file of that name on the path
        u"ftp:\\\\example.com\\x.pdf",      //
        u"about:blank",                     //
        u"#anchor",                         //
        u"",                                //
        u"HTML(C:\\pages\\p.xml)",          // a page that could not be converted
    };
    for (const char16_t* target : targets) {
        EXPECT_FALSE(Dispatch(QString::fromUtf16(target)))
            << QString::fromUtf16(target).toStdString();
    }
    EXPECT_TRUE(ShellRequests().isEmpty());
    EXPECT_TRUE(ProcessCalls().isEmpty());
}

TEST_F(LinkDispatchTest, GeneratedPageIsShownUnlessItsExtensionIsListed) {
    const QString page = Create(QStringLiteral("temp/Datei0.htm"));
    extensions = {QStringLiteral(".pdf")};
    EXPECT_FALSE(Dispatch(page, NavigationOrigin::Viewer));
    EXPECT_TRUE(ShellRequests().isEmpty());

    extensions = {QStringLiteral(".pdf"), QStringLiteral(".HTM")};
    EXPECT_TRUE(Dispatch(page, NavigationOrigin::Viewer));
    EXPECT_EQ(ShellRequests(), (QList<ShellRequest>{{ShellVerb::Open, page, {}, {}}}));
}

TEST_F(LinkDispatchTest, WebPagesCannotAskForActions) {
    extensions = {QStringLiteral(".pdf"), QStringLiteral(".exe")};
    const char16_t* actions[] = {u"app:ok",          u"prog:0001",           u"prog:9999",
                                 u"C:\\docs\\x.pdf", u"C:\\tools\\x.exe#-a", u"notepad.exe"};
    QString expectedLog;
    for (const char16_t* action : actions) {
        const QString target = QString::fromUtf16(action);
        EXPECT_TRUE(Dispatch(target, NavigationOrigin::WebPage)) << target.toStdString();
        expectedLog += QStringLiteral("Navigation: ") + target +
                       QStringLiteral("\r\nLinkaktion einer Webseite abgewiesen: ") + target +
                       QStringLiteral("\r\n");
    }
    EXPECT_FALSE(Dispatch(QStringLiteral("https://example.com/"), NavigationOrigin::WebPage));
    EXPECT_FALSE(Dispatch(QStringLiteral("C:\\docs\\x.txt"), NavigationOrigin::WebPage));
    expectedLog += QStringLiteral("Navigation: https://example.com/\r\nNavigation: "
                                  "C:\\docs\\x.txt\r\n");
    EXPECT_EQ(window.closeRequests, 0);
    EXPECT_TRUE(ShellRequests().isEmpty());
    EXPECT_TRUE(ProcessCalls().isEmpty());
    EXPECT_EQ(base::logText(), expectedLog);
}

TEST_F(LinkDispatchTest, ViewerAndLocalFilesMayAskForActions) {
    for (const NavigationOrigin origin :
         {NavigationOrigin::GeneratedPage, NavigationOrigin::LocalFile, NavigationOrigin::Viewer}) {
        EXPECT_TRUE(Dispatch(QStringLiteral("app:ok"), origin));
    }
    EXPECT_EQ(window.closeRequests, 3);
}

TEST_F(LinkDispatchTest, EveryNavigationIsLogged) {
    Dispatch(QStringLiteral("about:blank"));
    Dispatch(QStringLiteral("app:ok"));
    EXPECT_EQ(base::logText(), QStringLiteral("Navigation: about:blank\r\nNavigation: app:ok\r\n"));
}

TEST_F(LinkDispatchTest, HoveredProgramLinkLogsItsEntry) {
    programs.Store(
        QStringLiteral("prog:Rechner"),
        {QStringLiteral("C:\\calc.exe"), QStringLiteral("-x"), QString(), QStringLiteral("1")});
    LogProgramLink(QStringLiteral("PROG:rechner"), programs);
    LogProgramLink(QStringLiteral("prog:none"), programs);
    LogProgramLink(QStringLiteral("C:\\docs\\x.pdf"), programs);
    LogProgramLink(QString(), programs);
    EXPECT_EQ(base::logText(),
              QStringLiteral("PROG:rechner\r\nProgramm=C:\\calc.exe\r\nParameter=-x\r\n"
                             "Arbeitsverzeichnis=\r\nFlags=1\r\n\r\nprog:none\r\n"));
}

} // namespace
} // namespace morvek::links
