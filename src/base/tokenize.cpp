#include "base/tokenize.h"

#include "base/trim.h"

namespace morvek::base {

QStringList Tokenize(QStringView text, QStringView separators) {
    QStringList tokens;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool separator = i == text.size() || separators.contains(text[i]);
        if (separator && start >= 0) {
            tokens.append(text.mid(start, i - start).toString());
            start = -1;
        } else if (!separator && start < 0) {
            start = i;
        }
    }
    return tokens;
}

QStringList TrimmedItems(QStringView text, QStringView separators) {
    QStringList items;
    for (const QString& token : Tokenize(text, separators)) {
        QString item = Trim(token);
        if (item.isEmpty()) {
            break;
        }
        items.append(item);
    }
    return items;
}

} // namespace morvek::base
