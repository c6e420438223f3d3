#include "pagegen/page_converter.h"

#include "base/template_text.h"
#include "config/path_resolution.h"
#include "config/rights_table.h"
#include "config/variable_store.h"
#include "pagegen/page_file.h"
#include "platform/file_access.h"
#include "platform/path_mapping.h"
#include "platform/portal_path.h"
#include "xml/tag_id.h"
#include "xml/tag_reader.h"

#include <QFileInfo>
#include <cerrno>

namespace morvek::pagegen {
namespace {

// The file behind a page path, spelled one way however the path was written.
QString PageIdentity(const QString& pagePath) {
    const QString hostPath = platform::HostPath(pagePath);
    if (hostPath.isEmpty()) {
        return pagePath; // names no file here; reading it reports that
    }
    const QFileInfo info(hostPath);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

// Only regular files are read as pages: a device or a pipe (HTML(/dev/zero)) might never end.
// Everything else, a missing file included, is left to the reader and its messages.
bool IsReadablePage(const QString& pagePath) {
    const QFileInfo info(platform::HostPath(pagePath));
    if (info.exists() && !info.isFile() && !info.isDir()) {
        platform::ReportFileError(ENODEV, pagePath);
        return false;
    }
    return true;
}

// Marks a page as being converted for as long as the object lives.
class ChainEntry final {
public:
    ChainEntry(QStringList& pages, const QString& page) : chain(pages) { chain.append(page); }
    ~ChainEntry() { chain.removeLast(); }
    ChainEntry(const ChainEntry&) = delete;
    ChainEntry& operator=(const ChainEntry&) = delete;

private:
    QStringList& chain;
};

// Reads the page's records into the converter; ZORV_Page names the page's folder from now on.
bool ReadPage(CPageConverter& converter, const QString& pagePath) {
    converter.pagePath = pagePath;
    converter.pageFolder = platform::FolderOfPath(pagePath);
    converter.document.variables.SetVariable(
        QStringLiteral("ZORV_Page"), platform::WithoutTrailingSeparators(converter.pageFolder),
        false);
    if (!IsReadablePage(pagePath)) {
        return false;
    }
    xml::CTagReadState state;
    return xml::ReadTagFile(pagePath, state, xml::PageFileTags, converter.tags, true);
}

} // namespace

QString CPageConverter::Resolve(const QString& value, const QString& base) const {
    return config::ResolvePath(value, base, document.variables);
}

qsizetype EnterCondition(const CPageConverter& converter, qsizetype index) {
    const config::CRightsTable& rights = converter.document.rights;
    return converter.tags[index].tagId == xml::TAG_IF
               ? rights.EnterIf(converter.tags, index + 1)
               : rights.EnterIfNot(converter.tags, index + 1);
}

std::optional<QString> ConvertPage(PageContext& document, const QString& pagePath) {
    if (config::IsWebOrFileAddress(pagePath)) {
        return pagePath;
    }
    // A page that links to itself, directly or through other pages, keeps that link as it
    // stands instead of being converted without end.
    const QString identity = PageIdentity(pagePath);
    if (document.pagesInProgress.contains(identity)) {
        return std::nullopt;
    }
    if (document.pagesInProgress.isEmpty()) {
        document.linkedConversions = 0;
    } else if (document.linkedConversions++ >= kMaxLinkedConversions) {
        return std::nullopt;
    }
    const ChainEntry chainEntry(document.pagesInProgress, identity);
    CPageConverter converter(document);
    QString html;
    if (!ReadPage(converter, pagePath) || !GeneratePageHtml(converter, html)) {
        return std::nullopt;
    }
    const QString fileName =
        base::FillTemplate(u"%sDatei%d.htm", {document.tempFolder, document.pageCounter.Take()});
    if (!WritePageFile(fileName, html)) {
        return std::nullopt;
    }
    return fileName;
}

} // namespace morvek::pagegen
