#pragma once

#include "xml/tag_data.h"
#include "xml/tag_table.h"

#include <QString>

namespace morvek::config {

class CRightsTable;

// Reads a portal file into its records; a file that cannot be opened or read has been
// reported when this fails.
bool ReadPortalFile(const QString& path, xml::TagTable table, xml::CTagDataArray& records);

bool IsOpening(const xml::CTagData& record, int tagId);
bool IsClosing(const xml::CTagData& record, int tagId);

// Whether the record opens an IF or IFNOT section.
bool OpensCondition(const xml::CTagData& record);

// records[index] opens an IF or IFNOT section: the index at which the walk goes on, the one
// after it when the section is used, else the one after the section.
qsizetype EnterCondition(const CRightsTable& rights, const xml::CTagDataArray& records,
                         qsizetype index);

// What a visitor of WalkRecords returns to end the walk.
inline constexpr qsizetype kStopWalk = -1;

// Walks the records from `from` on, entering or skipping the IF and IFNOT sections it meets.
// Every other record goes to visit(record, indexAfterIt), which returns the index at which
// the walk goes on, or kStopWalk. False when a visitor ended the walk.
template <typename Visit>
bool WalkRecords(const CRightsTable& rights, const xml::CTagDataArray& records, qsizetype from,
                 Visit visit) {
    for (qsizetype i = from; i < records.size();) {
        if (OpensCondition(records[i])) {
            i = EnterCondition(rights, records, i);
            continue;
        }
        i = visit(records[i], i + 1);
        if (i == kStopWalk) {
            return false;
        }
    }
    return true;
}

// The index after the first closing record of tagId from `from` on, or the end.
qsizetype IndexAfterClosing(const xml::CTagDataArray& records, qsizetype from, int tagId);

} // namespace morvek::config
