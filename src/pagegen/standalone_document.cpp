#include "pagegen/standalone_document.h"

#include "pagegen/page_converter.h"
#include "platform/portal_path.h"

namespace morvek::pagegen {

StandaloneDocument::StandaloneDocument(const QString& tempFolder)
    : context{variables, rights, programTable, pageCounter, tempFolder, lookColour, {}} {}

bool GenerateRecordsHtml(PageContext& document, const QString& pagePath, xml::CTagDataArray records,
                         QString& output) {
    CPageConverter converter(document);
    converter.pagePath = pagePath;
    converter.pageFolder = platform::FolderOfPath(pagePath);
    converter.tags = std::move(records);
    return GeneratePageHtml(converter, output);
}

} // namespace morvek::pagegen
