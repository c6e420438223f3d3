#pragma once

#include <QString>

// The reader's data-error messages, shown through the host's message sink.
namespace morvek::xml {

// Where a message points: the file, the line's number and the line as read.
struct LinePlace {
    QString fileName;
    int lineNumber = 0;
    QString line;
};

// 500: a "<" without a ">" after it.
void ShowMissingTagEnd(const LinePlace& place);
// 501: an element the file kind does not allow, written as "<name>" or "</name>".
void ShowTagNotAllowed(const LinePlace& place, bool closing, const QString& name);
// 503: an attribute without "=".
void ShowAttributeError(const LinePlace& place);
// 525: a CDATA block without its end line.
void ShowCdataEndMissing(const QString& fileName);

} // namespace morvek::xml
