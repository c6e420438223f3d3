#pragma once

#include <QString>

// The text transformations the tag reader applies to a line before it looks for tags.
namespace morvek::xml {

// Removes the comments of one line. inComment tells whether a comment opened on an earlier
// line is still open; it is updated for the next line. A comment still open at the end of the
// line takes only the text from its "<!--" on, so tags in front of it are kept.
QString RemoveComments(QStringView line, bool& inComment);

// Hides the inline markup <br/>, <i>, </i>, <b>, </b>, <u>, </u> (exact spelling) behind
// characters that a portal file cannot hold, so that the tag search passes over it.
QString ProtectInlineTags(QString text);
// Puts the inline markup back.
QString RestoreInlineTags(QString text);

// Whether the text, trimmed, is the marker (compared without regard to ASCII case).
bool IsMarkerLine(QStringView text, QStringView marker);

} // namespace morvek::xml
