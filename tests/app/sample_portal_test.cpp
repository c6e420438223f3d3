#include "app/converting_frame.h"
#include "app/morvek_doc.h"
#include "config/navigation.h"
#include "support/fake_host.h"
#include "support/fixtures.h"
#include "support/printers.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace morvek::app {
namespace {

using namespace Qt::Literals::StringLiterals;

// The sample portal that the viewer shows by default: every page of every area converts
// without a message, for a user who may see all areas.
TEST(SamplePortalTest, EveryPageOfEveryAreaConverts) {
    test::FakeHost host;
    host.mounts.mounts = {{u"/"_s, u"/dev/vda1"_s, u"ext4"_s, false}};
    host.system.loginName = u"admin"_s;
    QTemporaryDir temp;
    config::CStartContext context;
    context.tempFolder = temp.path() + u'/';
    ConvertingFrame frame;
    CMorvekDoc document(context, frame);

    ASSERT_TRUE(
        document.OnOpenDocument(QDir::cleanPath(test::FixturePath("../../sample/Start.xml"))));
    config::CAreaCollection& areas = document.portal.areas;
    ASSERT_EQ(areas.trees.size(), 3u);
    for (size_t area = 0; area < areas.trees.size(); ++area) {
        document.OnAreaTabChanged(areas.tabOffset + static_cast<int>(area));
        config::CMyTreeCtrl& tree = *areas.trees[area];
        ASSERT_FALSE(tree.items.empty()) << tree.treeFile.toStdString();
        for (size_t i = 0; i < tree.items.size(); ++i) {
            config::ActivateItem(tree, tree.items[i]->treeHandle, static_cast<qsizetype>(i),
                                 document);
        }
    }
    EXPECT_EQ(host.messages.messages, QStringList());
    EXPECT_GE(frame.requests.size(), 12);
    EXPECT_FALSE(frame.targets.contains(QString()));
    EXPECT_EQ(areas.extensions.size(), 9);
    EXPECT_EQ(frame.statisticsFiles.size(), 1);
}

} // namespace
} // namespace morvek::app
