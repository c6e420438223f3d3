#pragma once

#include <QHash>
#include <QString>

namespace morvek::pagegen {

// One program that the links of a page start through "prog:" followed by its name.
struct CProgramEntry {
    QString program;
    QString parameter;
    QString workingFolder;
    QString flags; // decimal text, interpreted when the program is started
};

// The programs of the pages converted since the document last emptied it; names ignore
// ASCII case, and a later entry of the same name replaces the earlier one.
class ProgramTable final {
public:
    void Store(const QString& name, const CProgramEntry& entry);
    const CProgramEntry* Find(const QString& name) const;
    qsizetype size() const { return entries.size(); }
    void Clear() { entries.clear(); }

private:
    QHash<QString, CProgramEntry> entries;
};

} // namespace morvek::pagegen
