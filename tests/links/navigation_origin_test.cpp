#include "links/navigation_origin.h"

#include <QString>
#include <gtest/gtest.h>

namespace morvek::links {
namespace {

TEST(NavigationOriginTest, OnlyFilesAndTheViewersOwnPagesCountAsLocal) {
    const QString temp = QStringLiteral("/tmp/Morvek{0A1B}/");
    const struct {
        const char16_t* page;
        NavigationOrigin origin;
    } cases[] = {
        {u"", NavigationOrigin::Viewer},
        {u"/tmp/Morvek{0A1B}/Datei3.htm", NavigationOrigin::GeneratedPage},
        {u"/tmp/Morvek{0A1B}", NavigationOrigin::LocalFile},
        {u"C:\\Portal\\seite.htm", NavigationOrigin::LocalFile},
        {u"\\\\server\\share\\a.htm", NavigationOrigin::LocalFile},
        {u"/home/u/a:b.htm", NavigationOrigin::LocalFile},
        {u"file:///home/u/a.htm", NavigationOrigin::LocalFile},
        {u"FILE:///home/u/a.htm", NavigationOrigin::LocalFile},
        {u"res://morvek/tags.htm", NavigationOrigin::LocalFile},
        {u"http://example.com/", NavigationOrigin::WebPage},
        {u"HTTPS://example.com/a.htm", NavigationOrigin::WebPage},
        {u"ftp://example.com/", NavigationOrigin::WebPage},
        {u"ftp:\\\\example.com\\", NavigationOrigin::WebPage},
        {u"view-source:http://example.com/", NavigationOrigin::WebPage},
        {u"data:text/html,<a href=prog:1>", NavigationOrigin::WebPage},
        {u"about:blank", NavigationOrigin::WebPage},
    };
    for (const auto& c : cases) {
        const QString page = QString::fromUtf16(c.page);
        EXPECT_EQ(OriginOfPage(page, temp), c.origin) << page.toStdString();
    }
}

TEST(NavigationOriginTest, AddressesHaveASchemeAndPathsHaveNone) {
    for (const char16_t* address : {u"http://x/a.pdf", u"mailto:a@b.de", u"ftp:\\\\x\\a.pdf"}) {
        EXPECT_TRUE(IsAddress(QString::fromUtf16(address)));
    }
    for (const char16_t* path : {u"C:\\a.pdf", u"notepad.exe", u"\\\\s\\x:y", u"/a/b:c", u""}) {
        EXPECT_FALSE(IsAddress(QString::fromUtf16(path)));
    }
}

} // namespace
} // namespace morvek::links
