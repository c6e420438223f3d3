#pragma once

#include <QString>

// The program's German string table, looked up by the numbers the messages and commands use.
namespace morvek::base {

enum StringId : int {
    IDS_DOCUMENT = 128,
    IDS_CALENDAR = 251,
    IDS_OLE_INIT_FAILED = 100,
    IDS_SYNTAX_ERROR = 500,
    IDS_TAG_NOT_ALLOWED = 501,
    IDS_ATTRIBUTE_ERROR = 503,
    IDS_PROGRAM_SECTION_INCOMPLETE = 505,
    IDS_CDATA_END_MISSING = 525,
    IDS_NO_STATISTICS_FILE = 528,
    IDS_NO_SAVE_FILE = 529,
    IDS_APP_TITLE = 57344,
};

// The text of a string id; empty for an id the table does not hold.
QString LoadString(int id);

} // namespace morvek::base
