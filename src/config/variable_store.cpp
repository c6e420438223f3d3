#include "config/variable_store.h"

#include "base/ascii.h"
#include "platform/host.h"

namespace morvek::config {
namespace {

// Environment values this long are not used at all: cutting them would silently turn a path
// into one that names another place.
constexpr qsizetype kMaxEnvironmentValue = 999;

// Only the process environment can hold a value that refers to itself; the bound ends such
// an expansion instead of letting it grow without end.
constexpr int kMaxSubstitutions = 1000;

std::optional<QString> UsableEnvironmentValue(const QString& name) {
    const std::optional<QString> value = platform::CurrentHost().environment->Get(name);
    if (!value || value->isEmpty() || value->size() > kMaxEnvironmentValue) {
        return std::nullopt;
    }
    return value;
}

std::optional<QString> Find(const QMap<QString, QString>& map, const QString& key) {
    const auto it = map.constFind(key);
    return it == map.constEnd() ? std::nullopt : std::optional<QString>(*it);
}

} // namespace

void CVariableStore::SetVariable(const QString& name, const QString& value, bool isSystem) {
    QString expanded = value;
    ExpandVariables(expanded);
    const QString key = base::ToUpperAscii(name);
    if (isSystem) {
        platform::CurrentHost().environment->Set(name, expanded);
        systemVariables.insert(key, expanded);
    } else {
        localVariables.insert(key, expanded);
    }
}

std::optional<QString> CVariableStore::GetVariable(const QString& name) const {
    const QString key = base::ToUpperAscii(name);
    if (std::optional<QString> value = Find(localVariables, key)) {
        return value;
    }
    if (std::optional<QString> value = Find(systemVariables, key)) {
        return value;
    }
    // Portals are written for an environment whose names ignore case; the upper-case form
    // finds %Path% or %home% where names are case-sensitive.
    if (std::optional<QString> value = UsableEnvironmentValue(name)) {
        return value;
    }
    return key == name ? std::nullopt : UsableEnvironmentValue(key);
}

void CVariableStore::ExpandVariables(QString& text) const {
    int substitutions = 0;
    while (substitutions < kMaxSubstitutions) {
        const qsizetype start = text.indexOf(u'%');
        if (start < 0 || start == text.size() - 1) {
            return;
        }
        const qsizetype end = text.indexOf(u'%', start + 1);
        if (end < 0) {
            return;
        }
        const QString name = text.mid(start + 1, end - start - 1);
        text.remove(start, end - start + 1);
        if (const std::optional<QString> value = GetVariable(name)) {
            text.insert(start, *value);
            ++substitutions;
        }
    }
}

void CVariableStore::EnumerateVariables(bool isSystem, QStringList& names,
                                        QStringList& values) const {
    const QMap<QString, QString>& variables = isSystem ? systemVariables : localVariables;
    for (auto it = variables.constBegin(); it != variables.constEnd(); ++it) {
        names.append(it.key());
        values.append(it.value());
    }
}

void CVariableStore::Clear() {
    localVariables.clear();
    systemVariables.clear();
    appliedSections.clear();
}

} // namespace morvek::config
