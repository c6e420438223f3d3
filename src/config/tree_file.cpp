#include "config/tree_file.h"

#include "base/decimal.h"
#include "base/tokenize.h"
#include "base/trim.h"
#include "config/path_resolution.h"
#include "config/portal.h"
#include "config/record_walk.h"
#include "xml/tag_id.h"

#include <array>
#include <optional>

namespace morvek::config {
namespace {

constexpr int kNoLevel = -1;
// An item of level n is the parent for level n + 1, so the table holds one slot more than
// the highest level.
constexpr int kLevelSlots = 100;
constexpr int kMaxLevel = kLevelSlots - 2;

struct ItemFields {
    QString text;
    QString tooltip;
    QString pageFile;
    int image = -1;
    int selectedImage = -1;
    int level = kNoLevel;
};

void ReadIcons(const QString& value, ItemFields& item) {
    const QStringList tokens = base::Tokenize(value, u",");
    item.image = base::ReadDecimal(base::Trim(tokens.value(0)));
    const QString selected = base::Trim(tokens.value(1));
    item.selectedImage = selected.isEmpty() ? item.image : base::ReadDecimal(selected);
}

void ReadField(const CPortal& portal, const xml::CTagData& record, ItemFields& item) {
    switch (record.tagId) {
    case xml::TAG_TEXT:
        item.text = record.value;
        break;
    case xml::TAG_TOOLTIP:
        item.tooltip = record.value;
        break;
    case xml::TAG_DATEI:
        item.pageFile = ResolvePath(record.value, {}, portal.variables);
        break;
    case xml::TAG_ICON:
        if (!record.value.isEmpty()) {
            ReadIcons(record.value, item);
        }
        break;
    case xml::TAG_EBENE:
        if (!record.value.isEmpty()) {
            item.level = base::ReadDecimal(record.value);
        }
        break;
    default:
        break;
    }
}

// i is the index after an opening ITEM; the item is complete at its closing record, with
// the conditions inside it evaluated. Returns the index after the item.
qsizetype ReadItem(const CPortal& portal, const xml::CTagDataArray& records, qsizetype i,
                   std::optional<ItemFields>& item) {
    ItemFields fields;
    qsizetype end = records.size();
    WalkRecords(portal.rights, records, i, [&](const xml::CTagData& record, qsizetype next) {
        if (IsClosing(record, xml::TAG_ITEM)) {
            item = std::move(fields);
            end = next;
            return kStopWalk;
        }
        if (record.isOpen) {
            ReadField(portal, record, fields);
        }
        return next;
    });
    return end;
}

// Inserts the items of one tree file in order under the parents their levels choose.
class TreeBuilder final {
public:
    explicit TreeBuilder(CMyTreeCtrl& target) : tree(target) {}

    // False when the item cannot be placed; loading ends then.
    bool Insert(const ItemFields& item) {
        const std::optional<TreeItemHandle> parent = ParentFor(item.level);
        if (!parent) {
            return false;
        }
        previousParent = *parent;
        const qsizetype index = static_cast<qsizetype>(tree.items.size());
        const TreeItemHandle handle =
            tree.window->InsertItem(*parent, item.text, item.image, item.selectedImage, index);
        if (handle == kNoTreeItem) {
            return false;
        }
        if (item.level != kNoLevel) {
            parents[static_cast<size_t>(item.level) + 1] = handle;
        }
        tree.items.push_back(
            std::make_unique<CTreeItem>(CTreeItem{item.pageFile, item.tooltip, handle, &tree}));
        return true;
    }

private:
    std::optional<TreeItemHandle> ParentFor(int level) const {
        if (level == kNoLevel) {
            return previousParent;
        }
        if (level == 0) {
            return kNoTreeItem;
        }
        if (level < 0 || level > kMaxLevel) {
            return std::nullopt;
        }
        const TreeItemHandle parent = parents[static_cast<size_t>(level)];
        return parent == kNoTreeItem ? std::nullopt : std::optional(parent);
    }

    CMyTreeCtrl& tree;
    std::array<TreeItemHandle, kLevelSlots> parents{};
    TreeItemHandle previousParent = kNoTreeItem;
};

bool FillTree(const CPortal& portal, const xml::CTagDataArray& records, CMyTreeCtrl& tree) {
    TreeBuilder builder(tree);
    return WalkRecords(portal.rights, records, 0, [&](const xml::CTagData& record, qsizetype next) {
        if (!IsOpening(record, xml::TAG_ITEM)) {
            return next;
        }
        std::optional<ItemFields> item;
        const qsizetype after = ReadItem(portal, records, next, item);
        return item && !builder.Insert(*item) ? kStopWalk : after;
    });
}

} // namespace

CMyTreeCtrl* LoadTree(CPortal& portal, int tab) {
    const qsizetype area = static_cast<qsizetype>(tab) - portal.areas.tabOffset;
    if (area < 0 || area >= static_cast<qsizetype>(portal.areas.trees.size())) {
        return nullptr;
    }
    CMyTreeCtrl& tree = *portal.areas.trees[static_cast<size_t>(area)];
    if (!tree.window) {
        return nullptr;
    }
    if (!tree.items.empty()) {
        return &tree;
    }
    xml::CTagDataArray records;
    if (!ReadPortalFile(tree.treeFile, xml::TreeFileTags, records)) {
        return nullptr;
    }
    return FillTree(portal, records, tree) ? &tree : nullptr;
}

} // namespace morvek::config
