#pragma once

#include "config/page_requester.h"
#include "config/portal.h"
#include "pagegen/page_context.h"
#include "pagegen/page_counter.h"
#include "pagegen/program_table.h"

#include <QString>

namespace morvek::config {
struct CStartContext;
}

namespace morvek::app {

class DocumentFrame;

// The one document: everything that belongs to the opened start file, and the page the
// views are to show.
class CMorvekDoc final : public config::PageRequester {
public:
    // The start context (the application's) and the frame outlive the document.
    CMorvekDoc(config::CStartContext& startContext, DocumentFrame& mainFrame);
    // Takes the area tabs out of the bar before their tree windows go.
    ~CMorvekDoc() override;
    CMorvekDoc(const CMorvekDoc&) = delete;
    CMorvekDoc& operator=(const CMorvekDoc&) = delete;

    // Opens a start file: clears what belonged to the previous one, completes the start
    // context, loads the start and global files and shows the first area's first page.
    // False only when the file cannot be opened (the error has been shown).
    bool OnOpenDocument(const QString& path);
    // Empties the document.
    bool OnNewDocument();

    // Empties the page state before a new page is set.
    void DeleteContents();
    void RequestPage(const QString& path) override;

    // The area bar reports a newly active tab: the area's tree is loaded and its first
    // item's page shown.
    void OnAreaTabChanged(int tab);

    // What page generation needs to convert one of this document's pages.
    pagegen::PageContext MakePageContext();

    config::CStartContext& context;
    config::CPortal portal;
    pagegen::ProgramTable programTable;
    pagegen::PageCounter pageCounter;

    QString startFile;
    QString currentTreeFile;
    QString currentPageFile;
    QString shownXmlPage;
    QString pageTitle;
    bool showAsIs = false;
    int resourcePage = 0;
    bool fromHistory = false;
    bool busy = false; // while an empty document is set up

private:
    void ClearPortal();
    void CompleteStartContext(const QString& folder);
    void ShowAreas();

    DocumentFrame& frame;
};

} // namespace morvek::app
