#pragma once

namespace morvek::pagegen {

struct CPageConverter;

// Stores the page's PROGRAMME section in the document's program table and removes it from
// the records, wherever it stands. False, after message 505, when the section is opened
// without being closed or closed without being opened.
bool CaptureProgramTable(CPageConverter& converter);

} // namespace morvek::pagegen
