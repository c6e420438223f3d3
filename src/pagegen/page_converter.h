#pragma once

#include "pagegen/page_context.h"
#include "xml/tag_data.h"

#include <QString>
#include <optional>

namespace morvek::pagegen {

// The state of one page conversion.
struct CPageConverter {
    explicit CPageConverter(PageContext& owner) : document(owner) {}

    // ResolvePath with the document's variables; an empty base leaves relative paths relative.
    QString Resolve(const QString& value, const QString& base = {}) const;

    PageContext& document;
    QString pageFolder; // drive and folder of pagePath, with trailing separator
    QString pagePath;
    xml::CTagDataArray tags;
};

// Converts a page file into an HTML file in the temporary folder. The target is the file's
// path, or pagePath itself for a web or file address; nothing when the conversion failed
// (the cause has been shown).
std::optional<QString> ConvertPage(PageContext& document, const QString& pagePath);

// The HTML text of the page whose records the converter holds; false when its program table
// is malformed.
bool GeneratePageHtml(CPageConverter& converter, QString& output);

// An opening IF or IFNOT record at index: the index after it when its section is used, else
// the index after the section.
qsizetype EnterCondition(const CPageConverter& converter, qsizetype index);

} // namespace morvek::pagegen
