#include "base/decimal.h"

#include "base/trim.h"

#include <limits>

namespace morvek::base {

int ReadDecimal(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && IsTrimSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    constexpr long long limit = std::numeric_limits<int>::max();
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = qMin(value * 10 + (text[i].unicode() - u'0'), limit + 1);
    }
    if (negative) {
        return static_cast<int>(-value);
    }
    return static_cast<int>(qMin(value, limit));
}

} // namespace morvek::base
