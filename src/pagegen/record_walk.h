#pragma once

#include "xml/tag_data.h"

namespace morvek::pagegen {

// Where the walk of an element ended: the index after its closing record, or the number of
// records when the closing record is missing.
struct ElementEnd {
    qsizetype next = 0;
    bool closed = false;
};

// Walks the records of an element from index on, up to its closing record with the given
// id. onRecord receives the index of every other record and returns the index to go on at,
// so that nested handlers can consume their own records.
template <typename OnRecord>
ElementEnd WalkRecords(const xml::CTagDataArray& tags, qsizetype index, int tagId,
                       OnRecord&& onRecord) {
    while (index < tags.size()) {
        const xml::CTagData& record = tags[index];
        if (!record.isOpen && record.tagId == tagId) {
            return {index + 1, true};
        }
        index = onRecord(index);
    }
    return {tags.size(), false};
}

// The same for handlers that act on opening records only; closing records inside the
// element are passed over.
template <typename OnOpening>
qsizetype WalkElement(const xml::CTagDataArray& tags, qsizetype index, int tagId,
                      OnOpening&& onOpening) {
    return WalkRecords(tags, index, tagId,
                       [&](qsizetype i) { return tags[i].isOpen ? onOpening(i) : i + 1; })
        .next;
}

// Passes over an element without acting on anything inside it.
inline qsizetype SkipElement(const xml::CTagDataArray& tags, qsizetype index, int tagId) {
    return WalkElement(tags, index, tagId, [](qsizetype i) { return i + 1; });
}

} // namespace morvek::pagegen
