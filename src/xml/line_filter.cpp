#include "xml/line_filter.h"

#include "base/ascii.h"
#include "base/trim.h"

#include <array>

namespace morvek::xml {
namespace {

constexpr QStringView kCommentStart = u"<!--";
constexpr QStringView kCommentEnd = u"-->";

struct InlineTag {
    QLatin1StringView markup;
    QChar standIn;
};

// Every byte of a portal file becomes a character below U+0100, so these never occur in it.
constexpr std::array<InlineTag, 7> kInlineTags{{
    {QLatin1StringView("<br/>"), QChar(0x0801)},
    {QLatin1StringView("<i>"), QChar(0x0803)},
    {QLatin1StringView("</i>"), QChar(0x0804)},
    {QLatin1StringView("<b>"), QChar(0x0805)},
    {QLatin1StringView("</b>"), QChar(0x0806)},
    {QLatin1StringView("<u>"), QChar(0x0807)},
    {QLatin1StringView("</u>"), QChar(0x0808)},
}};

// Cutting a comment out can join a "<", "<!" or "<!-" at the end of the kept text with the
// rest of a "<!--" after the comment; a search from the start of the shortened line would find
// that start first. Returns how many characters of `after` complete it, or 0.
qsizetype JoinedCommentStart(QStringView kept, QStringView after) {
    for (qsizetype inKept = 1; inKept < kCommentStart.size(); ++inKept) {
        if (kept.endsWith(kCommentStart.left(inKept)) &&
            after.startsWith(kCommentStart.sliced(inKept))) {
            return kCommentStart.size() - inKept;
        }
    }
    return 0;
}

} // namespace

QString RemoveComments(QStringView line, bool& inComment) {
    qsizetype next = 0;
    if (inComment) {
        const qsizetype end = line.indexOf(kCommentEnd);
        if (end < 0) {
            return {};
        }
        next = end + kCommentEnd.size();
        inComment = false;
    }
    QString kept;
    for (;;) {
        if (const qsizetype joined = JoinedCommentStart(kept, line.sliced(next)); joined > 0) {
            kept.chop(kCommentStart.size() - joined);
            next += joined;
        } else {
            const qsizetype start = line.indexOf(kCommentStart, next);
            if (start < 0) {
                return kept + line.sliced(next);
            }
            kept += line.sliced(next, start - next);
            next = start + kCommentStart.size();
        }
        const qsizetype end = line.indexOf(kCommentEnd, next);
        if (end < 0) {
            inComment = true;
            return kept;
        }
        next = end + kCommentEnd.size();
    }
}

QString ProtectInlineTags(QString text) {
    for (const InlineTag& tag : kInlineTags) {
        text.replace(tag.markup, QString(tag.standIn));
    }
    return text;
}

QString RestoreInlineTags(QString text) {
    for (const InlineTag& tag : kInlineTags) {
        text.replace(tag.standIn, tag.markup);
    }
    return text;
}

bool IsMarkerLine(QStringView text, QStringView marker) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && base::IsTrimSpace(text[begin])) {
        ++begin;
    }
    while (end > begin && base::IsTrimSpace(text[end - 1])) {
        --end;
    }
    return base::EqualsNoCase(text.sliced(begin, end - begin), marker);
}

} // namespace morvek::xml
