#include "pagegen/link_target.h"

#include "base/ascii.h"
#include "base/trim.h"
#include "pagegen/page_converter.h"

namespace morvek::pagegen {
namespace {

// The page path of an HTML(path) target, or nothing for any other target.
std::optional<QString> LinkedPage(const QString& target) {
    const QString text = base::Trim(target);
    const qsizetype open = text.indexOf(u'(');
    if (!text.endsWith(u')') || !base::StartsWithNoCase(text, u"HTML") || open < 0) {
        return std::nullopt;
    }
    return text.mid(open + 1, text.size() - 1 - (open + 1));
}

} // namespace

QString ResolveLinkTarget(CPageConverter& converter, const QString& value) {
    if (base::StartsWithNoCase(value, u"app:") || base::StartsWithNoCase(value, u"prog:")) {
        return value;
    }
    const QString target = converter.Resolve(value);
    if (const std::optional<QString> page = LinkedPage(target)) {
        return ConvertPage(converter.document, *page).value_or(target);
    }
    return target;
}

} // namespace morvek::pagegen
