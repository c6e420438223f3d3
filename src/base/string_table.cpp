#include "base/string_table.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace morvek::base {
namespace {

struct Entry {
    int id;
    const char16_t* text;
};

// Sorted by id.
constexpr std::array kStrings{
    Entry{IDS_OLE_INIT_FAILED, u"OLE-Initialisierungsfehler. Stellen Sie sicher, dass die "
                               u"OLE-Bibliotheken in der richtigen Version vorliegen."},
    Entry{IDS_DOCUMENT, u"Morvek\n\nMorvek\n\n\nMorvek.Document\nMorvek.Document"},
    Entry{IDS_CALENDAR, u"Kalender"},
    Entry{IDS_SYNTAX_ERROR, u"Syntaxfehler in Datei: %s\nin Zeile: (%d)  %s\n%s"},
    Entry{IDS_TAG_NOT_ALLOWED, u"Tag nicht erlaubt in Datei: %s\nin Zeile: (%d)  %s\n%s"},
    Entry{IDS_ATTRIBUTE_ERROR, u"Tag-Attributfehler in Datei: %s\nin Zeile: (%d)  %s\n%s"},
    Entry{IDS_PROGRAM_SECTION_INCOMPLETE,
          u"Tag-Fehler in Datei: %s\nEs fehlen die Tags  <PROGRAMME> oder </PROGRAMME>.\nBeide "
          u"müssen vorhanden sein oder keiner."},
    Entry{IDS_CDATA_END_MISSING, u"CDATA - Endezeichen fehlt in Datei = %s\n"},
    Entry{IDS_NO_STATISTICS_FILE, u"Kein Statistikdatei oder Lesefehler."},
    Entry{IDS_NO_SAVE_FILE, u"Keine Speicherdatei angegeben"},
    Entry{IDS_APP_TITLE, u"Morvek"},
};

static_assert(std::is_sorted(kStrings.begin(), kStrings.end(),
                             [](const Entry& a, const Entry& b) { return a.id < b.id; }));

} // namespace

QString LoadString(int id) {
    const auto it = std::lower_bound(kStrings.begin(), kStrings.end(), id,
                                     [](const Entry& e, int key) { return e.id < key; });
    if (it == kStrings.end() || it->id != id) {
        return {};
    }
    return QString::fromUtf16(it->text);
}

} // namespace morvek::base
