#pragma once

#include "xml/tag_data.h"
#include "xml/tag_table.h"

#include <QIODevice>
#include <QString>

namespace morvek::xml {

// The reader's state for one file.
struct CTagReadState {
    QString fileName;
    QString folder; // drive and folder of the file, with trailing separator
    int lineNumber = 0;
    bool atEnd = false;
    QString line; // the current line as read, for messages
    QString rest; // unconsumed remainder of the current line
    bool inComment = false;
    QString cdataText;
};

// Reads a portal file into its flat list of tag records. Errors are shown through the host's
// message sink; the read then fails (an attribute error goes on). A file that cannot be
// opened is reported with the platform's file-error text when reportOpenError is set.
bool ReadTagFile(const QString& fileName, CTagReadState& state, TagTable tagTable,
                 CTagDataArray& records, bool reportOpenError);

// The same on an open device; state.fileName names it in messages.
bool ReadTagDevice(QIODevice& device, CTagReadState& state, TagTable tagTable,
                   CTagDataArray& records);

} // namespace morvek::xml
