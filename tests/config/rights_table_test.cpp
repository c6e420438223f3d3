#include "config/rights_table.h"
#include "xml/tag_id.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace morvek::config {
namespace {

using xml::TAG_IF;
using xml::TAG_IFNOT;
using xml::TAG_TEXT;

struct Tag {
    int id;
    bool isOpen;
    const char16_t* recht = nullptr; // no attribute when null
};

xml::CTagDataArray Records(std::initializer_list<Tag> tags) {
    xml::CTagDataArray records;
    for (const Tag& tag : tags) {
        xml::CTagData& record = records.Append();
        record.tagId = tag.id;
        record.isOpen = tag.isOpen;
        if (tag.recht) {
            record.attributes.insert(QStringLiteral("RECHT"), QString::fromUtf16(tag.recht));
        }
    }
    return records;
}

// Started from a CD on the local drive C: by USER1.
class RightsTableTest : public testing::Test {
protected:
    RightsTableTest() {
        context.serverName = QStringLiteral("C:");
        context.userName = QStringLiteral("USER1");
        context.driveTypeName = QStringLiteral("CDROM");
        rights.AddRight(QStringLiteral("CD"), QStringLiteral("CDROM"));
        rights.AddRight(QStringLiteral("LokalC"), QStringLiteral("C:"));
        rights.AddRight(QStringLiteral("Admins"), QStringLiteral("user1| Admin2"));
        rights.AddRight(QStringLiteral("Other"), QStringLiteral("BOB|REMOVABLE|SERVER1"));
        rights.AddRight(QStringLiteral("Nobody"), QString());
    }

    CStartContext context;
    CRightsTable rights{context};
};

TEST_F(RightsTableTest, RightIsHeldThroughServerUserOrDriveType) {
    EXPECT_TRUE(rights.HasRight(QStringLiteral("CD")));
    EXPECT_TRUE(rights.HasRight(QStringLiteral("LOKALC")));
    EXPECT_TRUE(rights.HasRight(QStringLiteral("admins")));
    EXPECT_FALSE(rights.HasRight(QStringLiteral("Other")));
    EXPECT_FALSE(rights.HasRight(QStringLiteral("Nobody")));
    EXPECT_FALSE(rights.HasRight(QStringLiteral("Undefined")));
}

TEST_F(RightsTableTest, MembersAreStoredInUpperCase) {
    context.userName = QStringLiteral("ADMIN2");
    context.driveTypeName.clear();
    EXPECT_TRUE(rights.HasRight(QStringLiteral("Admins")));
    context.userName = QStringLiteral("admin2");
    EXPECT_FALSE(rights.HasRight(QStringLiteral("Admins")));
}

TEST_F(RightsTableTest, SecondDefinitionReplacesTheFirst) {
    rights.AddRight(QStringLiteral("cd"), QStringLiteral("RAMDISK"));
    EXPECT_FALSE(rights.HasRight(QStringLiteral("CD")));
    rights.AddRight(QStringLiteral("CD"), QStringLiteral("RAMDISK|USER1"));
    EXPECT_TRUE(rights.HasRight(QStringLiteral("CD")));
}

TEST_F(RightsTableTest, MemberListEndsAtTheFirstBlankMember) {
    rights.AddRight(QStringLiteral("Cut"), QStringLiteral("||BOB| |USER1"));
    EXPECT_FALSE(rights.HasRight(QStringLiteral("Cut")));
    rights.AddRight(QStringLiteral("Runs"), QStringLiteral("||BOB|||USER1|"));
    EXPECT_TRUE(rights.HasRight(QStringLiteral("Runs")));
}

TEST_F(RightsTableTest, ClearForgetsEveryRight) {
    rights.Clear();
    EXPECT_FALSE(rights.HasRight(QStringLiteral("CD")));
}

struct ConditionCase {
    int tagId;
    const char16_t* recht;
    bool used;
};

class ConditionTest : public RightsTableTest, public testing::WithParamInterface<ConditionCase> {};

TEST_P(ConditionTest, SectionIsUsedOrSkipped) {
    const ConditionCase& c = GetParam();
    const xml::CTagDataArray records =
        Records({{c.tagId, true, c.recht}, {TAG_TEXT, true}, {c.tagId, false}, {TAG_TEXT, true}});
    const qsizetype next =
        c.tagId == TAG_IF ? rights.EnterIf(records, 1) : rights.EnterIfNot(records, 1);
    EXPECT_EQ(next, c.used ? 1 : 3);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ConditionTest,
    testing::Values(
        ConditionCase{TAG_IF, nullptr, false}, ConditionCase{TAG_IF, u"", false},
        ConditionCase{TAG_IF, u"CD", true}, ConditionCase{TAG_IF, u"cd", true},
        ConditionCase{TAG_IF, u"Other", false}, ConditionCase{TAG_IF, u"Other|Admins", true},
        ConditionCase{TAG_IF, u"Undefined|Other|LokalC", true}, ConditionCase{TAG_IF, u"|CD", true},
        ConditionCase{TAG_IF, u"Other| |CD", false}, ConditionCase{TAG_IF, u"Undefined", false},
        ConditionCase{TAG_IFNOT, nullptr, true}, ConditionCase{TAG_IFNOT, u"", true},
        ConditionCase{TAG_IFNOT, u"Other|Undefined", true},
        ConditionCase{TAG_IFNOT, u"Other|CD", false}, ConditionCase{TAG_IFNOT, u"cd", false}));

TEST_F(RightsTableTest, SkippedIfSkipsEverythingInsideUpToItsOwnClosingTag) {
    const xml::CTagDataArray records = Records({
        {TAG_IF, true, u"Other"},
        {TAG_IF, true, u"CD"},
        {TAG_TEXT, true},
        {TAG_IF, false},
        {TAG_IFNOT, true},
        {TAG_IF, false},
        {TAG_TEXT, true},
    });
    EXPECT_EQ(rights.EnterIf(records, 1), 6);
}

TEST_F(RightsTableTest, UsedSectionEvaluatesInnerConditionsWhenMet) {
    const xml::CTagDataArray records = Records({
        {TAG_IF, true, u"CD"},
        {TAG_IF, true, u"Other"},
        {TAG_TEXT, true},
        {TAG_IF, false},
        {TAG_TEXT, true},
        {TAG_IF, false},
    });
    EXPECT_EQ(rights.EnterIf(records, 1), 1);
    EXPECT_EQ(rights.EnterIf(records, 2), 4);
}

TEST_F(RightsTableTest, SkippedIfNotCountsOnlyIfNotTags) {
    const xml::CTagDataArray records = Records({
        {TAG_IFNOT, true, u"CD"},
        {TAG_IF, true, u"Other"},
        {TAG_IFNOT, true},
        {TAG_IFNOT, false},
        {TAG_TEXT, true},
        {TAG_IFNOT, false},
        {TAG_IF, false},
        {TAG_TEXT, true},
    });
    EXPECT_EQ(rights.EnterIfNot(records, 1), 6);
}

TEST_F(RightsTableTest, MissingClosingTagSkipsToTheEnd) {
    const xml::CTagDataArray ifNot =
        Records({{TAG_IFNOT, true, u"CD"}, {TAG_TEXT, true}, {TAG_IF, false}, {TAG_TEXT, true}});
    EXPECT_EQ(rights.EnterIfNot(ifNot, 1), 4);
    const xml::CTagDataArray ifRecords = Records({{TAG_IF, true, u"Other"}, {TAG_TEXT, true}});
    EXPECT_EQ(rights.EnterIf(ifRecords, 1), 2);
    const xml::CTagDataArray lastRecord = Records({{TAG_IF, true, u"Other"}});
    EXPECT_EQ(rights.EnterIf(lastRecord, 1), 1);
}

} // namespace
} // namespace morvek::config
