#pragma once

#include "config/start_context.h"
#include "xml/tag_data.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace morvek::config {

// The rights of the global file: a right is held when the server, the user or the drive type
// of the start context is among its members.
class CRightsTable final {
public:
    explicit CRightsTable(const CStartContext& startContext) : context(startContext) {}

    void AddRight(const QString& name, const QString& members);
    bool HasRight(const QString& name) const;
    // i is the index after the opening IF (IFNOT); returns the index at which the walk goes
    // on: i when the section is used, else the index after its matching closing tag.
    qsizetype EnterIf(const xml::CTagDataArray& records, qsizetype i) const;
    qsizetype EnterIfNot(const xml::CTagDataArray& records, qsizetype i) const;
    void Clear() { rights.clear(); }
    // The defined rights' names (upper case), sorted.
    QStringList Names() const {
        QStringList names = rights.keys();
        names.sort();
        return names;
    }

private:
    const CStartContext& context;
    QHash<QString, QSet<QString>> rights;
};

} // namespace morvek::config
