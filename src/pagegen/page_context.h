#pragma once

#include "pagegen/page_counter.h"
#include "pagegen/program_table.h"
#include "pagegen/style_colour.h"

#include <QString>
#include <QStringList>

namespace morvek::config {
class CRightsTable;
class CVariableStore;
} // namespace morvek::config

namespace morvek::pagegen {

// What page generation needs of the document that owns the pages: its variables, rights,
// program table and page counter, the private temporary folder and the look's colour.
// Conversions started for linked pages share the context of the page that links to them.
struct PageContext {
    config::CVariableStore& variables;
    const config::CRightsTable& rights;
    ProgramTable& programTable;
    PageCounter& pageCounter;
    QString tempFolder; // ends with a separator
    const StyleColourProvider& styleColour;
    // The pages being converted, outermost first, by their file's absolute host path; a
    // page in this chain is not converted again for a link that reaches it.
    QStringList pagesInProgress;
    // Pages converted for links since the outermost page of the chain began; pages that all
    // link to each other would otherwise be converted a factorial number of times.
    int linkedConversions = 0;
};

// The most pages one shown page may convert for its links, directly or through linked pages;
// links beyond it keep their value as written.
inline constexpr int kMaxLinkedConversions = 500;

} // namespace morvek::pagegen
