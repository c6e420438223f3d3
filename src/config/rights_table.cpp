#include "config/rights_table.h"

#include "base/ascii.h"
#include "base/tokenize.h"
#include "xml/tag_id.h"

#include <algorithm>

namespace morvek::config {
namespace {

// The index after the closing tag that matches an opening one before `from`; only tags of
// the same id count for the nesting. Without such a tag, the end of the records.
qsizetype SkipSection(const xml::CTagDataArray& records, qsizetype from, int tagId) {
    int depth = 1;
    for (qsizetype i = from; i < records.size(); ++i) {
        const xml::CTagData& record = records[i];
        if (record.tagId != tagId) {
            continue;
        }
        if (record.isOpen) {
            ++depth;
        } else if (depth == 1) {
            return i + 1;
        } else {
            --depth;
        }
    }
    return records.size();
}

QString RightNamesOfCondition(const xml::CTagDataArray& records, qsizetype afterCondition) {
    const qsizetype condition = afterCondition - 1;
    if (condition < 0 || condition >= records.size()) {
        return {};
    }
    return records[condition].Attribute(QStringLiteral("RECHT"));
}

bool HoldsAnyRightOf(const CRightsTable& table, const xml::CTagDataArray& records,
                     qsizetype afterCondition) {
    const QStringList names =
        base::TrimmedItems(RightNamesOfCondition(records, afterCondition), u"|");
    return std::any_of(names.begin(), names.end(),
                       [&table](const QString& name) { return table.HasRight(name); });
}

} // namespace

void CRightsTable::AddRight(const QString& name, const QString& members) {
    const QStringList items = base::TrimmedItems(base::ToUpperAscii(members), u"|");
    rights.insert(base::ToUpperAscii(name), QSet<QString>(items.begin(), items.end()));
}

bool CRightsTable::HasRight(const QString& name) const {
    const auto it = rights.constFind(base::ToUpperAscii(name));
    if (it == rights.constEnd()) {
        return false;
    }
    return it->contains(context.serverName) || it->contains(context.userName) ||
           it->contains(context.driveTypeName);
}

qsizetype CRightsTable::EnterIf(const xml::CTagDataArray& records, qsizetype i) const {
    return HoldsAnyRightOf(*this, records, i) ? i : SkipSection(records, i, xml::TAG_IF);
}

qsizetype CRightsTable::EnterIfNot(const xml::CTagDataArray& records, qsizetype i) const {
    return HoldsAnyRightOf(*this, records, i) ? SkipSection(records, i, xml::TAG_IFNOT) : i;
}

} // namespace morvek::config
