#include "xml/tag_attributes.h"

#include "base/ascii.h"
#include "base/tokenize.h"
#include "base/trim.h"

namespace morvek::xml {
namespace {

constexpr QStringView kBlanks = u" \t";

QString Unquoted(QStringView value) {
    QStringView text = value;
    while (text.endsWith(u'"')) {
        text.chop(1);
    }
    while (text.startsWith(u'"')) {
        text = text.sliced(1);
    }
    return base::Trim(text);
}

} // namespace

bool ParseOpeningTag(QStringView tagText, QString& name, QMap<QString, QString>& attributes) {
    qsizetype split = 0;
    while (split < tagText.size() && !kBlanks.contains(tagText[split])) {
        ++split;
    }
    name = tagText.left(split).toString();
    if (split == tagText.size()) {
        return true;
    }
    for (const QString& token : base::Tokenize(tagText.sliced(split + 1), kBlanks)) {
        const qsizetype equals = token.indexOf(u'=');
        if (equals < 0) {
            return false;
        }
        attributes.insert(base::ToUpperAscii(base::Trim(QStringView(token).left(equals))),
                          Unquoted(base::Trim(QStringView(token).sliced(equals + 1))));
    }
    return true;
}

} // namespace morvek::xml
