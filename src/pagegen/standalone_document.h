#pragma once

#include "config/rights_table.h"
#include "config/start_context.h"
#include "config/variable_store.h"
#include "pagegen/page_context.h"
#include "xml/tag_data.h"

#include <QString>

namespace morvek::pagegen {

// A document of its own for conversions outside the viewer (the command-line tool, the
// fuzzer): no rights are held and pages take the default look's colour.
class StandaloneDocument final {
public:
    explicit StandaloneDocument(const QString& tempFolder);
    StandaloneDocument(const StandaloneDocument&) = delete;
    StandaloneDocument& operator=(const StandaloneDocument&) = delete;

    PageContext& Context() { return context; }

private:
    config::CVariableStore variables;
    config::CStartContext startContext;
    config::CRightsTable rights{startContext};
    ProgramTable programTable;
    PageCounter pageCounter;
    DefaultLookColour lookColour;
    PageContext context;
};

// The HTML of records read elsewhere, generated as for the page at pagePath; false when its
// program table is malformed.
bool GenerateRecordsHtml(PageContext& document, const QString& pagePath, xml::CTagDataArray records,
                         QString& output);

} // namespace morvek::pagegen
