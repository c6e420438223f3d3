#pragma once

#include "links/navigation_origin.h"

#include <QString>
#include <QStringList>

namespace morvek::pagegen {
class ProgramTable;
}

namespace morvek::links {

// The main window as the link actions reach it.
class ViewerWindow {
public:
    virtual ~ViewerWindow() = default;
    // Asks the window to close, as if the user had closed it, once its event loop runs again.
    virtual void PostCloseRequest() = 0;
};

// What the dispatcher reads of the document and the window.
struct LinkContext {
    const pagegen::ProgramTable& programs;
    const QStringList& extensions; // of the global file, each with its leading dot
    ViewerWindow& window;
};

// Shown every navigation before the browser performs it, with its target in the portal's
// text form. Carries out "app:" actions, "prog:" entries of the program table and files
// whose extension is in the extension list ("path#parameter#..."), and returns true: the
// browser's navigation is cancelled. False for everything the browser is to show itself.
// Actions asked for by a web page are not carried out but logged and cancelled.
bool DispatchLinkAction(const QString& target, NavigationOrigin origin, const LinkContext& context);

// Logs the program entry behind a "prog:" status text, while the mouse rests on its link.
void LogProgramLink(const QString& statusText, const pagegen::ProgramTable& programs);

} // namespace morvek::links
