#include "xml/tag_table.h"

#include <QSet>
#include <gtest/gtest.h>

namespace morvek::xml {
namespace {

struct NamedTable {
    const char* title;
    TagTable table;
};

const NamedTable kTables[] = {
    {"start file", StartFileTags},
    {"tree file", TreeFileTags},
    {"global file", GlobalFileTags},
    {"page file", PageFileTags},
};

TEST(TagTable, GivesEveryNameOneIdAcrossTheTables) {
    QHash<QString, int> idOfName;
    QHash<int, QString> nameOfId;
    for (const NamedTable& named : kTables) {
        SCOPED_TRACE(named.title);
        QSet<QString> names;
        for (const TagTableEntry& entry : named.table) {
            const QString name = QString::fromUtf16(entry.name);
            EXPECT_FALSE(names.contains(name)) << name.toStdString();
            names.insert(name);
            EXPECT_EQ(idOfName.value(name, entry.id), entry.id) << name.toStdString();
            EXPECT_EQ(nameOfId.value(entry.id, name), name) << name.toStdString();
            idOfName.insert(name, entry.id);
            nameOfId.insert(entry.id, name);
        }
    }
}

TEST(TagTable, LooksNamesUpWithoutAsciiCase) {
    struct Case {
        TagTable table;
        const char16_t* name;
        TagId id;
    };
    const Case cases[] = {
        {PageFileTags, u"kein_zeilenumbruch", TAG_KEIN_ZEILENUMBRUCH},
        {PageFileTags, u"P_Flags", TAG_P_FLAGS},
        {PageFileTags, u"<![cdata[", TAG_CDATA},
        {TreeFileTags, u"<![CDATA[", TAG_UNKNOWN},
        {StartFileTags, u"<![CDATA[", TAG_UNKNOWN},
        {GlobalFileTags, u"IF", TAG_UNKNOWN},
        {GlobalFileTags, u"IFNOT", TAG_UNKNOWN},
        {GlobalFileTags, u"Statistik", TAG_STATISTIK},
        {StartFileTags, u"bereich", TAG_BEREICH},
        {StartFileTags, u"TEXT", TAG_UNKNOWN},
        {TreeFileTags, u"Ebene", TAG_EBENE},
        {TreeFileTags, u"TEXT ", TAG_UNKNOWN},
        {TreeFileTags, u"", TAG_UNKNOWN},
        {PageFileTags, u"\u00C4BSATZ", TAG_UNKNOWN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.name).toStdString());
        EXPECT_EQ(LookUpTag(c.table, QString::fromUtf16(c.name)), c.id);
    }
}

} // namespace
} // namespace morvek::xml
