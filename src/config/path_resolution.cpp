#include "config/path_resolution.h"

#include "base/ascii.h"
#include "base/trim.h"
#include "config/variable_store.h"

#include <algorithm>
#include <array>

namespace morvek::config {
namespace {

constexpr std::array<QStringView, 4> kWebPrefixes = {u"http://", u"ftp:\\\\", u"ftp://",
                                                     u"file://"};

bool IsSeparator(QChar c) {
    return c == u'\\' || c == u'/';
}

bool IsAbsolute(const QString& text) {
    const bool unc = text.startsWith(QStringLiteral("\\\\"));
    const bool drive = text.size() >= 2 && text[1] == u':';
    return unc || drive || text.startsWith(u'/');
}

QString WithTrailingSeparator(const QString& folder) {
    return IsSeparator(folder.back()) ? folder : folder + u'\\';
}

// Position of the separator in front of the first "..", with a separator on either side.
qsizetype FindParentStep(const QString& text) {
    for (qsizetype dots = text.indexOf(QStringLiteral("..")); dots >= 0;
         dots = text.indexOf(QStringLiteral(".."), dots + 1)) {
        if (dots > 0 && IsSeparator(text[dots - 1]) && dots + 2 < text.size() &&
            IsSeparator(text[dots + 2])) {
            return dots - 1;
        }
    }
    return -1;
}

qsizetype LastSeparator(QStringView text) {
    return std::max(text.lastIndexOf(u'\\'), text.lastIndexOf(u'/'));
}

// Each step drops the folder in front of "..", or keeps it when it is the first part of a
// relative path.
void RemoveParentSteps(QString& text) {
    for (qsizetype step = FindParentStep(text); step >= 0; step = FindParentStep(text)) {
        QStringView before = QStringView(text).left(step);
        const qsizetype cut = LastSeparator(before);
        if (cut >= 0) {
            before = before.left(cut);
        }
        text = before + QStringView(text).mid(step + 3);
    }
}

} // namespace

bool IsWebOrFileAddress(const QString& text) {
    return std::any_of(kWebPrefixes.begin(), kWebPrefixes.end(), [&text](QStringView prefix) {
        return base::StartsWithNoCase(text, prefix);
    });
}

QString ResolvePath(const QString& text, const QString& base, const CVariableStore& variables) {
    QString path = base::Trim(text);
    if (path.isEmpty()) {
        return {};
    }
    variables.ExpandVariables(path);
    if (IsWebOrFileAddress(path)) {
        return path;
    }
    if (!base.isEmpty() && !IsAbsolute(path)) {
        path.prepend(WithTrailingSeparator(base));
    }
    if (path.isEmpty() || IsSeparator(path.back())) {
        return {};
    }
    RemoveParentSteps(path);
    return path;
}

} // namespace morvek::config
