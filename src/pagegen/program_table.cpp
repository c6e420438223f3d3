#include "pagegen/program_table.h"

#include "base/ascii.h"

namespace morvek::pagegen {

void ProgramTable::Store(const QString& name, const CProgramEntry& entry) {
    entries.insert(base::ToUpperAscii(name), entry);
}

const CProgramEntry* ProgramTable::Find(const QString& name) const {
    const auto it = entries.constFind(base::ToUpperAscii(name));
    return it == entries.constEnd() ? nullptr : &*it;
}

} // namespace morvek::pagegen
