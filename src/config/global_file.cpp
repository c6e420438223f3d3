#include "config/global_file.h"

#include "base/ascii.h"
#include "base/log.h"
#include "base/template_text.h"
#include "base/tokenize.h"
#include "base/trim.h"
#include "config/path_resolution.h"
#include "config/portal.h"
#include "config/record_walk.h"
#include "config/statistics_target.h"
#include "xml/tag_id.h"

namespace morvek::config {
namespace {

constexpr QStringView kItemSeparators = u",;";
constexpr QStringView kStandardSection = u"standard";

struct NameValue {
    QString name;
    QString value;
};

// The items "name = value" of a list; the list ends at the first blank item, and an item
// without "=" has an empty value.
QList<NameValue> NameValueItems(const QString& text) {
    QList<NameValue> items;
    for (const QString& item : base::TrimmedItems(text, kItemSeparators)) {
        const QStringList tokens = base::Tokenize(item, u"=");
        items.append({base::Trim(tokens.value(0)), base::Trim(tokens.value(1))});
    }
    return items;
}

void AddExtensions(const QString& value, QStringList& extensions) {
    for (QString extension : base::TrimmedItems(value, kItemSeparators)) {
        if (!extension.startsWith(u'.')) {
            extension.prepend(u'.');
        }
        extensions.append(extension);
    }
}

void ApplySection(CVariableStore& variables, const xml::CTagData& section,
                  const QString& selector) {
    const QString name = section.Attribute(QStringLiteral("NAME"));
    const bool isStandard = base::EqualsNoCase(name, kStandardSection);
    if (!isStandard && !base::EqualsNoCase(name, selector)) {
        return;
    }
    const bool isSystem = section.tagId == xml::TAG_SYSTEM;
    for (const NameValue& item : NameValueItems(section.value)) {
        variables.SetVariable(item.name, item.value, isSystem);
    }
    const QStringView line = isSystem ? u"<System name=\"%s\">" : u"<Lokal name=\"%s\">";
    variables.appliedSections.append(
        base::FillTemplate(line, {isStandard ? kStandardSection.toString() : selector}));
}

// i is the index after the opening ENVIRONMENT; returns the index after its closing record.
qsizetype ApplyEnvironment(CPortal& portal, const xml::CTagDataArray& records, qsizetype i) {
    const QString selector = EnvironmentSelector(portal.context);
    for (; i < records.size(); ++i) {
        const xml::CTagData& record = records[i];
        if (IsClosing(record, xml::TAG_ENVIRONMENT)) {
            return i + 1;
        }
        if (IsOpening(record, xml::TAG_LOKAL) || IsOpening(record, xml::TAG_SYSTEM)) {
            ApplySection(portal.variables, record, selector);
        }
    }
    return i;
}

void DefineRights(CRightsTable& rights, const QString& value) {
    for (const NameValue& item : NameValueItems(value)) {
        rights.AddRight(item.name, item.value);
    }
}

// i is the index after the opening STATISTIK; the last DATEI in it names the file, which is
// handed over only when the section is closed.
qsizetype ApplyStatistics(CPortal& portal, const xml::CTagDataArray& records, qsizetype i) {
    QString path;
    for (; i < records.size(); ++i) {
        const xml::CTagData& record = records[i];
        if (IsOpening(record, xml::TAG_DATEI)) {
            path = ResolvePath(record.value, {}, portal.variables);
        } else if (IsClosing(record, xml::TAG_STATISTIK)) {
            // An empty path would switch recording on without a file to record into.
            if (!path.isEmpty() && portal.statistics) {
                portal.statistics->SetStatisticsFile(path);
            }
            return i + 1;
        }
    }
    return i;
}

} // namespace

QString EnvironmentSelector(const CStartContext& context) {
    return base::EqualsNoCase(context.serverName, context.startDrive) ? context.driveTypeName
                                                                      : context.serverName;
}

bool LoadGlobalFile(CPortal& portal, const QString& path) {
    base::AppendLog(base::FillTemplate(u"Globale Datei: %s", {path}));
    portal.globalFile = path;
    xml::CTagDataArray records;
    if (!ReadPortalFile(path, xml::GlobalFileTags, records)) {
        return false;
    }
    for (qsizetype i = 0; i < records.size();) {
        const xml::CTagData& record = records[i];
        ++i;
        if (!record.isOpen) {
            continue;
        }
        switch (record.tagId) {
        case xml::TAG_EXT:
            AddExtensions(record.value, portal.areas.extensions);
            break;
        case xml::TAG_ENVIRONMENT:
            i = ApplyEnvironment(portal, records, i);
            break;
        case xml::TAG_RECHTE:
            DefineRights(portal.rights, record.value);
            i = IndexAfterClosing(records, i, xml::TAG_RECHTE);
            break;
        case xml::TAG_STATISTIK:
            i = ApplyStatistics(portal, records, i);
            break;
        default:
            break;
        }
    }
    return true;
}

} // namespace morvek::config
