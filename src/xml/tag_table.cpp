#include "xml/tag_table.h"

#include "base/ascii.h"

#include <array>

namespace morvek::xml {
namespace {

constexpr std::array kStartFileTags{
    TagTableEntry{u"XML", TAG_XML},         TagTableEntry{u"IF", TAG_IF},
    TagTableEntry{u"IFNOT", TAG_IFNOT},     TagTableEntry{u"GLOBAL", TAG_GLOBAL},
    TagTableEntry{u"BEREICH", TAG_BEREICH}, TagTableEntry{u"NAME", TAG_NAME},
    TagTableEntry{u"ICON", TAG_ICON},       TagTableEntry{u"TREE", TAG_TREE},
};

constexpr std::array kTreeFileTags{
    TagTableEntry{u"XML", TAG_XML},         TagTableEntry{u"IF", TAG_IF},
    TagTableEntry{u"IFNOT", TAG_IFNOT},     TagTableEntry{u"NAVIGATION", TAG_NAVIGATION},
    TagTableEntry{u"ITEM", TAG_ITEM},       TagTableEntry{u"TEXT", TAG_TEXT},
    TagTableEntry{u"ICON", TAG_ICON},       TagTableEntry{u"EBENE", TAG_EBENE},
    TagTableEntry{u"TOOLTIP", TAG_TOOLTIP}, TagTableEntry{u"DATEI", TAG_DATEI},
};

// No conditional sections in the global file.
constexpr std::array kGlobalFileTags{
    TagTableEntry{u"XML", TAG_XML},
    TagTableEntry{u"EXT", TAG_EXT},
    TagTableEntry{u"ENVIRONMENT", TAG_ENVIRONMENT},
    TagTableEntry{u"LOKAL", TAG_LOKAL},
    TagTableEntry{u"SYSTEM", TAG_SYSTEM},
    TagTableEntry{u"RECHTE", TAG_RECHTE},
    TagTableEntry{u"STATISTIK", TAG_STATISTIK},
    TagTableEntry{u"DATEI", TAG_DATEI},
};

// The only table that allows CDATA blocks: the reader hands a block over under this name.
constexpr std::array kPageFileTags{
    TagTableEntry{u"XML", TAG_XML},
    TagTableEntry{u"IF", TAG_IF},
    TagTableEntry{u"IFNOT", TAG_IFNOT},
    TagTableEntry{u"HTML", TAG_HTML},
    TagTableEntry{u"CSS", TAG_CSS},
    TagTableEntry{u"SEITE", TAG_SEITE},
    TagTableEntry{u"ATTACHMENT", TAG_ATTACHMENT},
    TagTableEntry{u"POSITION", TAG_POSITION},
    TagTableEntry{u"REPEAT", TAG_REPEAT},
    TagTableEntry{u"SEITENKOPF", TAG_SEITENKOPF},
    TagTableEntry{u"TEXT", TAG_TEXT},
    TagTableEntry{u"DATEI", TAG_DATEI},
    TagTableEntry{u"TEXTBEREICH", TAG_TEXTBEREICH},
    TagTableEntry{u"FARBE", TAG_FARBE},
    TagTableEntry{u"GROESSE", TAG_GROESSE},
    TagTableEntry{u"ABSATZ", TAG_ABSATZ},
    TagTableEntry{u"BILD", TAG_BILD},
    TagTableEntry{u"UHR", TAG_UHR},
    TagTableEntry{u"UHRNUMMER", TAG_UHRNUMMER},
    TagTableEntry{u"FILM", TAG_FILM},
    TagTableEntry{u"AUTOSTART", TAG_AUTOSTART},
    TagTableEntry{u"RAHMEN", TAG_RAHMEN},
    TagTableEntry{u"ABSTAND", TAG_ABSTAND},
    TagTableEntry{u"NEUEZEILE", TAG_NEUEZEILE},
    TagTableEntry{u"KEIN_ZEILENUMBRUCH", TAG_KEIN_ZEILENUMBRUCH},
    TagTableEntry{u"SCHRIFT", TAG_SCHRIFT},
    TagTableEntry{u"AUSRICHTUNG", TAG_AUSRICHTUNG},
    TagTableEntry{u"TOOLTIP", TAG_TOOLTIP},
    TagTableEntry{u"ANKER", TAG_ANKER},
    TagTableEntry{u"TABELLE", TAG_TABELLE},
    TagTableEntry{u"SPALTENBREITE", TAG_SPALTENBREITE},
    TagTableEntry{u"TABELLENZEILE", TAG_TABELLENZEILE},
    TagTableEntry{u"LINKTEXT", TAG_LINKTEXT},
    TagTableEntry{u"LINKAKTION", TAG_LINKAKTION},
    TagTableEntry{u"LINKTOOLTIP", TAG_LINKTOOLTIP},
    TagTableEntry{u"BESCHREIBUNG", TAG_BESCHREIBUNG},
    TagTableEntry{u"PROGRAMME", TAG_PROGRAMME},
    TagTableEntry{u"PROG", TAG_PROG},
    TagTableEntry{u"P_NAME", TAG_P_NAME},
    TagTableEntry{u"P_PROGRAMM", TAG_P_PROGRAMM},
    TagTableEntry{u"P_PARAMETER", TAG_P_PARAMETER},
    TagTableEntry{u"P_ARBEITSVERZEICHNIS", TAG_P_ARBEITSVERZEICHNIS},
    TagTableEntry{u"P_FLAGS", TAG_P_FLAGS},
    TagTableEntry{u"FILM_EX", TAG_FILM_EX},
    TagTableEntry{u"FILM_EX_HEIGHT", TAG_FILM_EX_HEIGHT},
    TagTableEntry{u"FILM_EX_WIDTH", TAG_FILM_EX_WIDTH},
    TagTableEntry{u"FILM_EX_DURATION", TAG_FILM_EX_DURATION},
    TagTableEntry{u"FILM_EX_FILE", TAG_FILM_EX_FILE},
    TagTableEntry{u"FILM_EX_IMAGE", TAG_FILM_EX_IMAGE},
    TagTableEntry{u"FILM_EX_AUTOSTART", TAG_FILM_EX_AUTOSTART},
    TagTableEntry{u"FILM_EX_REPEAT", TAG_FILM_EX_REPEAT},
    TagTableEntry{u"FILM_EX_MUTE", TAG_FILM_EX_MUTE},
    TagTableEntry{u"FILM_EX_STRETCHING", TAG_FILM_EX_STRETCHING},
    TagTableEntry{u"FILM_EX_VOLUME", TAG_FILM_EX_VOLUME},
    TagTableEntry{u"FILM_EX_CONTROLBAR", TAG_FILM_EX_CONTROLBAR},
    TagTableEntry{u"RAHMEN_BREITE", TAG_RAHMEN_BREITE},
    TagTableEntry{u"RAHMEN_FARBE", TAG_RAHMEN_FARBE},
    TagTableEntry{u"RAHMEN_TYP", TAG_RAHMEN_TYP},
    TagTableEntry{u"HINTERGRUND_FARBE", TAG_HINTERGRUND_FARBE},
    TagTableEntry{u"TEXTABSTAND", TAG_TEXTABSTAND},
    TagTableEntry{u"<![CDATA[", TAG_CDATA},
};

} // namespace

constinit const TagTable StartFileTags{kStartFileTags};
constinit const TagTable TreeFileTags{kTreeFileTags};
constinit const TagTable GlobalFileTags{kGlobalFileTags};
constinit const TagTable PageFileTags{kPageFileTags};

TagId LookUpTag(TagTable table, QStringView name) {
    for (const TagTableEntry& entry : table) {
        if (base::EqualsNoCase(QStringView(entry.name), name)) {
            return entry.id;
        }
    }
    return TAG_UNKNOWN;
}

} // namespace morvek::xml
