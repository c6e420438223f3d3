#pragma once

#include <QStringView>

namespace morvek::links {

// Where a navigation starts. Link actions run programs and open files on this computer, so
// only the viewer's own pages and local files may ask for them.
enum class NavigationOrigin {
    GeneratedPage, // a page the viewer converted into its temporary folder
    LocalFile,     // a file of this computer or of the portal's drives and shares
    Viewer,        // the viewer itself: showing a page, the history, a dropped file
    WebPage,       // a page from the web or from any other address that is not a file
};

// Whether a text is an address with a scheme ("http:", "mailto:", ...) rather than a path;
// a single letter before the colon is a drive.
bool IsAddress(QStringView text);

// The origin of a link clicked on the page shown at `pageAddress` (in the portal's text
// form: a path, or an address with its scheme); an empty address is the viewer itself.
// `tempFolder` is the viewer's temporary folder, ending with a separator.
NavigationOrigin OriginOfPage(QStringView pageAddress, QStringView tempFolder);

} // namespace morvek::links
