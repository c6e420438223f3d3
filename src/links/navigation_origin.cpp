#include "links/navigation_origin.h"

#include "base/ascii.h"

namespace morvek::links {
namespace {

bool IsSchemeCharacter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'+' || c == u'-' || c == u'.';
}

// The scheme of an address ("http", "view-source", ...); empty for a path. A single letter
// before the colon is a drive.
QStringView SchemeOf(QStringView address) {
    const qsizetype colon = address.indexOf(u':');
    if (colon < 2) {
        return {};
    }
    const QStringView scheme = address.left(colon);
    for (const QChar c : scheme) {
        if (!IsSchemeCharacter(c)) {
            return {};
        }
    }
    return scheme;
}

// Schemes whose pages are files of this computer or resources of the viewer.
bool IsLocalScheme(QStringView scheme) {
    return scheme.isEmpty() || base::EqualsNoCase(scheme, u"file") ||
           base::EqualsNoCase(scheme, u"res");
}

} // namespace

bool IsAddress(QStringView text) {
    return !SchemeOf(text).isEmpty();
}

NavigationOrigin OriginOfPage(QStringView pageAddress, QStringView tempFolder) {
    if (pageAddress.isEmpty()) {
        return NavigationOrigin::Viewer;
    }
    if (!IsLocalScheme(SchemeOf(pageAddress))) {
        return NavigationOrigin::WebPage;
    }
    if (!tempFolder.isEmpty() && pageAddress.startsWith(tempFolder)) {
        return NavigationOrigin::GeneratedPage;
    }
    return NavigationOrigin::LocalFile;
}

} // namespace morvek::links
