#include "config/record_walk.h"

#include "config/rights_table.h"
#include "xml/tag_id.h"
#include "xml/tag_reader.h"

namespace morvek::config {

bool ReadPortalFile(const QString& path, xml::TagTable table, xml::CTagDataArray& records) {
    xml::CTagReadState state;
    return xml::ReadTagFile(path, state, table, records, true);
}

bool IsOpening(const xml::CTagData& record, int tagId) {
    return record.isOpen && record.tagId == tagId;
}

bool IsClosing(const xml::CTagData& record, int tagId) {
    return !record.isOpen && record.tagId == tagId;
}

bool OpensCondition(const xml::CTagData& record) {
    return IsOpening(record, xml::TAG_IF) || IsOpening(record, xml::TAG_IFNOT);
}

qsizetype EnterCondition(const CRightsTable& rights, const xml::CTagDataArray& records,
                         qsizetype index) {
    return records[index].tagId == xml::TAG_IF ? rights.EnterIf(records, index + 1)
                                               : rights.EnterIfNot(records, index + 1);
}

qsizetype IndexAfterClosing(const xml::CTagDataArray& records, qsizetype from, int tagId) {
    for (qsizetype i = from; i < records.size(); ++i) {
        if (IsClosing(records[i], tagId)) {
            return i + 1;
        }
    }
    return records.size();
}

} // namespace morvek::config
