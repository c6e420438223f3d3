#include "base/ascii.h"

namespace morvek::base {

QChar ToUpperAscii(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') ? QChar(char16_t(u - (u'a' - u'A'))) : c;
}

QString ToUpperAscii(QStringView text) {
    QString result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        result[i] = ToUpperAscii(text[i]);
    }
    return result;
}

bool EqualsNoCase(QStringView a, QStringView b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (ToUpperAscii(a[i]) != ToUpperAscii(b[i])) {
            return false;
        }
    }
    return true;
}

bool StartsWithNoCase(QStringView text, QStringView prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.left(prefix.size()), prefix);
}

qsizetype IndexOfNoCase(QStringView text, QStringView needle, qsizetype from) {
    for (qsizetype i = qMax<qsizetype>(from, 0); i + needle.size() <= text.size(); ++i) {
        if (EqualsNoCase(text.mid(i, needle.size()), needle)) {
            return i;
        }
    }
    return -1;
}

} // namespace morvek::base
