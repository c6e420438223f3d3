#pragma once

#include <QMap>
#include <QString>
#include <memory>
#include <vector>

namespace morvek::xml {

// One opening or closing tag of a portal file.
struct CTagData {
    int tagId = 0;
    bool isOpen = false;
    // Opening tags: the text that follows the tag; the CDATA record holds its block.
    QString value;
    // Opening tags: attribute name (upper case) to value.
    QMap<QString, QString> attributes;

    // The value of an attribute by its upper-case name; empty when absent.
    QString Attribute(const QString& upperName) const { return attributes.value(upperName); }
};

// The records of one file in file order; owns them. Records keep their addresses while the
// array lives, so that callers may hold on to them.
class CTagDataArray final {
public:
    qsizetype size() const { return static_cast<qsizetype>(records.size()); }
    bool isEmpty() const { return records.empty(); }
    const CTagData& operator[](qsizetype index) const {
        return *records[static_cast<size_t>(index)];
    }
    CTagData& operator[](qsizetype index) { return *records[static_cast<size_t>(index)]; }
    CTagData& Append() { return *records.emplace_back(std::make_unique<CTagData>()); }
    void clear() { records.clear(); }

private:
    std::vector<std::unique_ptr<CTagData>> records;
};

} // namespace morvek::xml
