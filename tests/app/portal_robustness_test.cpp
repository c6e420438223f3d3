#include "app/document_frame.h"
#include "app/morvek_doc.h"
#include "config/memory_tree.h"
#include "config/navigation.h"
#include "pagegen/style_colour.h"
#include "support/fake_host.h"
#include "support/fixtures.h"

#include <QTemporaryDir>
#include <array>
#include <gtest/gtest.h>
#include <random>

namespace morvek::app {
namespace {

using namespace Qt::Literals::StringLiterals;

class RecordingFrame final : public DocumentFrame {
public:
    void InitialUpdateFrame(CMorvekDoc& document, bool) override {
        requests.append(document.currentPageFile);
    }
    void ShowBlankPage() override {}
    config::AreaBar& GetAreaBar() override { return areaBar; }
    config::StatisticsFileTarget* GetStatisticsRecorder() override { return nullptr; }
    const pagegen::StyleColourProvider& GetStyleColour() const override { return look; }

    config::MemoryAreaBar areaBar;
    pagegen::DefaultLookColour look;
    QStringList requests;
};

using Names = std::initializer_list<const char*>;

const Names kStartNames{"XML", "GLOBAL", "BEREICH", "NAME", "ICON", "TREE"};
const Names kTreeNames{"XML", "NAVIGATION", "ITEM", "TEXT", "ICON", "EBENE", "TOOLTIP", "DATEI"};
const Names kGlobalNames{"XML",    "EXT",    "ENVIRONMENT", "LOKAL",
                         "SYSTEM", "RECHTE", "STATISTIK",   "DATEI"};

// Tag soup of a file kind's elements: conditions with and without their rights, values of
// every shape, tags that are never closed, and now and then an element of another kind.
class SoupWriter final {
public:
    explicit SoupWriter(unsigned seed) : random(seed) {}

    QByteArray File(const QByteArray& fixed, Names names, bool conditions) {
        QByteArray text = fixed;
        const int pieces = Pick(60);
        for (int i = 0; i < pieces; ++i) {
            text += Piece(names, conditions);
            if (Pick(3) == 0) {
                text += "\r\n";
            }
        }
        return text;
    }

private:
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    template <typename List>
    const char* Any(const List& list) {
        return *(list.begin() + Pick(static_cast<int>(list.size())));
    }

    QByteArray Piece(Names names, bool conditions) {
        static constexpr std::array<const char*, 16> kValues{"0",
                                                             "1",
                                                             "2",
                                                             "98",
                                                             "99",
                                                             "-1",
                                                             "-7",
                                                             "250",
                                                             "  ",
                                                             "16,15",
                                                             ",",
                                                             "a = b, c = %a%\\d,",
                                                             "R = TESTER|C:,",
                                                             "%ZORV_Root%\\Seite.xml",
                                                             "pdf;;doc, ,x",
                                                             "2147483648"};
        const int kind = Pick(200);
        if (kind == 0) {
            return "<SEITE>";
        }
        if (conditions && kind < 20) {
            return QByteArray(kind % 2 ? "<IF" : "<IFNOT") + " RECHT=\"" +
                   (kind % 4 < 2 ? "R" : "Fehlt|R") + "\">";
        }
        if (conditions && kind < 30) {
            return kind % 2 ? "</IF>" : "</IFNOT>";
        }
        if (kind < 40) {
            return QByteArray("<LOKAL name=\"") + (kind % 2 ? "standard" : "") + "\">";
        }
        if (kind < 100) {
            return "</" + QByteArray(Any(names)) + ">";
        }
        return "<" + QByteArray(Any(names)) + ">" + Any(kValues);
    }

    std::mt19937 random;
};

void WalkEveryItem(CMorvekDoc& document) {
    config::CAreaCollection& areas = document.portal.areas;
    for (int tab = -1; tab <= static_cast<int>(areas.trees.size()) + 1; ++tab) {
        document.OnAreaTabChanged(tab);
    }
    for (const auto& area : areas.trees) {
        for (qsizetype i = -1; i <= static_cast<qsizetype>(area->items.size()); ++i) {
            const bool inRange = i >= 0 && i < static_cast<qsizetype>(area->items.size());
            const config::TreeItemHandle handle =
                inRange ? area->items[static_cast<size_t>(i)]->treeHandle : config::kNoTreeItem;
            config::ActivateItem(*area, handle, i, document);
            config::MarkItem(*area, handle);
            config::ItemTooltip(areas, *area, i, 8);
        }
    }
}

TEST(PortalRobustnessTest, AnyStartGlobalAndTreeFileContentIsSurvived) {
    test::FakeHost host;
    test::TempFiles files;
    QTemporaryDir temp;
    config::CStartContext context;
    context.tempFolder = temp.path() + u'/';
    RecordingFrame frame;
    CMorvekDoc document(context, frame);
    SoupWriter soup(20261211);
    for (int round = 0; round < 150; ++round) {
        files.Write(u"Global.xml"_s,
                    soup.File("<RECHTE>R = TESTER,</RECHTE>\r\n", kGlobalNames, false));
        files.Write(u"Baum.xml"_s,
                    soup.File("<ITEM><EBENE>0</EBENE><DATEI>Seite.xml</DATEI></ITEM>\r\n",
                              kTreeNames, true));
        const QString start = files.Write(
            u"Start.xml"_s, soup.File("<GLOBAL>%ZORV_Root%\\Global.xml</GLOBAL>\r\n"
                                      "<BEREICH><TREE>%ZORV_Root%\\Baum.xml</TREE></BEREICH>\r\n",
                                      kStartNames, true));
        ASSERT_TRUE(document.OnOpenDocument(start));
        WalkEveryItem(document);
        if (round % 25 == 0) {
            document.OnNewDocument();
        }
    }
    EXPECT_FALSE(frame.requests.isEmpty());
}

} // namespace
} // namespace morvek::app
