#include "base/trim.h"

namespace morvek::base {

bool IsTrimSpace(QChar c) {
    switch (c.unicode()) {
    case u' ':
    case u'\t':
    case u'\r':
    case u'\n':
    case u'\v':
    case u'\f':
        return true;
    default:
        return false;
    }
}

QString TrimLeft(QStringView text) {
    qsizetype begin = 0;
    while (begin < text.size() && IsTrimSpace(text[begin])) {
        ++begin;
    }
    return text.mid(begin).toString();
}

QString TrimRight(QStringView text) {
    qsizetype end = text.size();
    while (end > 0 && IsTrimSpace(text[end - 1])) {
        --end;
    }
    return text.left(end).toString();
}

QString Trim(QStringView text) {
    return TrimLeft(TrimRight(text));
}

} // namespace morvek::base
