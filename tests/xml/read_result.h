#pragma once

#include "xml/tag_reader.h"

#include <QStringList>
#include <ostream>
#include <span>
#include <string_view>
#include <vector>

namespace morvek::xml {

// What a read gives, in a form that compares and prints: the records written back as tags
// ("<NAME KEY=value>value", "</NAME>"; "?" for an id the table lacks) and the messages shown.
struct ReadResult {
    bool ok = false;
    QStringList records;
    QStringList messages;

    bool operator==(const ReadResult&) const = default;
};

void PrintTo(const ReadResult& result, std::ostream* os);

QStringList DescribeRecords(const CTagDataArray& records, TagTable table);

// Reads the bytes through ReadTagDevice as the file "Seite.xml", with a fake host.
ReadResult ReadBytes(TagTable table, std::string_view bytes);

// One row of a table of reads.
struct ReadCase {
    const char* title;
    std::string_view bytes;
    bool ok;
    std::vector<std::u16string_view> records;
    std::vector<std::u16string_view> messages = {};
};

void ExpectReads(TagTable table, std::span<const ReadCase> cases);

} // namespace morvek::xml
