#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

namespace morvek::config {

// The variables of the opened start file. Values are stored expanded; system variables are
// also written into the process environment, so that started programs inherit them.
class CVariableStore final {
public:
    void SetVariable(const QString& name, const QString& value, bool isSystem);
    // The value of a local, then a system variable, then of the process environment (found
    // there only when not empty).
    std::optional<QString> GetVariable(const QString& name) const;
    // Replaces every %Name% reference, searching again from the start after each one.
    void ExpandVariables(QString& text) const;
    void EnumerateVariables(bool isSystem, QStringList& names, QStringList& values) const;
    // Empties both maps and the applied sections; the process environment keeps its entries.
    void Clear();

    QMap<QString, QString> localVariables;
    QMap<QString, QString> systemVariables;
    QStringList appliedSections;
};

} // namespace morvek::config
