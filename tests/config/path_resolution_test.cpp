#include "config/path_resolution.h"
#include "config/variable_store.h"
#include "support/fake_host.h"

#include <gtest/gtest.h>

namespace morvek::config {
namespace {

struct ResolveCase {
    const char16_t* text;
    const char16_t* base;
    const char16_t* expected;
};

class ResolvePathTest : public testing::TestWithParam<ResolveCase> {
protected:
    ResolvePathTest() {
        variables.SetVariable(QStringLiteral("ZORV_Root"), QStringLiteral("C:\\Portal"), false);
        variables.SetVariable(QStringLiteral("Web"), QStringLiteral("HTTP://host/a/../b/"), false);
    }

    test::FakeHost host;
    CVariableStore variables;
};

TEST_P(ResolvePathTest, Resolves) {
    const ResolveCase& c = GetParam();
    EXPECT_EQ(ResolvePath(QString::fromUtf16(c.text), QString::fromUtf16(c.base), variables),
              QString::fromUtf16(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResolvePathTest,
    testing::Values(
        // Trimming and expansion.
        ResolveCase{u"", u"C:\\Seiten", u""}, ResolveCase{u" \t ", u"C:\\Seiten", u""},
        ResolveCase{u"  %zorv_root%\\Tree.xml \r\n", u"", u"C:\\Portal\\Tree.xml"},
        ResolveCase{u"%Unknown%", u"", u""},
        // Web and file addresses stay as they are, whatever the case of their prefix.
        ResolveCase{u"http://host/a/../b/", u"C:\\Seiten", u"http://host/a/../b/"},
        ResolveCase{u"%Web%", u"C:\\Seiten", u"HTTP://host/a/../b/"},
        ResolveCase{u"Ftp:\\\\host\\x\\", u"C:\\Seiten", u"Ftp:\\\\host\\x\\"},
        ResolveCase{u"ftp:\\a\\..\\b.pdf", u"", u"ftp:\\b.pdf"},
        ResolveCase{u"FTP://host/", u"C:\\Seiten", u"FTP://host/"},
        ResolveCase{u"fILe://C:/x/", u"C:\\Seiten", u"fILe://C:/x/"},
        ResolveCase{u"https://host/x", u"", u"https://host/x"},
        ResolveCase{u"https://host/x/", u"", u""},
        // The base folder goes in front of relative paths only.
        ResolveCase{u"name.xml", u"C:\\Seiten", u"C:\\Seiten\\name.xml"},
        ResolveCase{u"name.xml", u"C:\\Seiten\\", u"C:\\Seiten\\name.xml"},
        ResolveCase{u"name.xml", u"/srv/seiten/", u"/srv/seiten/name.xml"},
        ResolveCase{u"sub\\name.xml", u"", u"sub\\name.xml"},
        ResolveCase{u"D:\\x.xml", u"C:\\Seiten", u"D:\\x.xml"},
        ResolveCase{u"D:x.xml", u"C:\\Seiten", u"D:x.xml"},
        ResolveCase{u"\\\\server\\share\\x.xml", u"C:\\Seiten", u"\\\\server\\share\\x.xml"},
        ResolveCase{u"/srv/x.xml", u"C:\\Seiten", u"/srv/x.xml"},
        ResolveCase{u"\\x.xml", u"C:\\Seiten", u"C:\\Seiten\\\\x.xml"},
        // A path without file name.
        ResolveCase{u"C:\\a\\", u"", u""}, ResolveCase{u"a/", u"", u""}, ResolveCase{u"", u"", u""},
        // ".." steps between two separators.
        ResolveCase{u"C:\\a\\b\\..\\c\\d.xml", u"", u"C:\\a\\c\\d.xml"},
        ResolveCase{u"C:\\a\\b\\..\\..\\d.xml", u"", u"C:\\d.xml"},
        ResolveCase{u"a\\..\\d.xml", u"", u"a\\d.xml"},
        ResolveCase{u"/srv/a/b/../c/d.xml", u"", u"/srv/a/c/d.xml"},
        ResolveCase{u"C:\\a/b\\../c.xml", u"", u"C:\\a/c.xml"},
        ResolveCase{u"..\\d.xml", u"C:\\Seiten\\Teil", u"C:\\Seiten\\d.xml"},
        ResolveCase{u"C:\\a\\..x\\...\\d..xml", u"", u"C:\\a\\..x\\...\\d..xml"},
        ResolveCase{u"C:\\a\\b\\..", u"", u"C:\\a\\b\\.."}));

} // namespace
} // namespace morvek::config
