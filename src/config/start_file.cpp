#include "config/start_file.h"

#include "base/decimal.h"
#include "config/area_bar.h"
#include "config/global_file.h"
#include "config/path_resolution.h"
#include "config/portal.h"
#include "config/record_walk.h"
#include "platform/host.h"
#include "xml/tag_id.h"

namespace morvek::config {

bool LoadStartFile(CPortal& portal, const QString& path, AreaBar* areaBar) {
    portal.areas.areaBar = areaBar;
    xml::CTagDataArray records;
    if (!ReadPortalFile(path, xml::StartFileTags, records)) {
        return false;
    }
    bool result = true;
    WalkRecords(portal.rights, records, 0, [&](const xml::CTagData& record, qsizetype next) {
        if (IsOpening(record, xml::TAG_BEREICH)) {
            return LoadArea(portal, records, next);
        }
        if (IsOpening(record, xml::TAG_GLOBAL)) {
            result = LoadGlobalFile(portal, ResolvePath(record.value, {}, portal.variables));
        }
        return next;
    });
    return result;
}

qsizetype LoadArea(CPortal& portal, const xml::CTagDataArray& records, qsizetype i) {
    auto area = std::make_unique<CMyTreeCtrl>();
    for (; i < records.size(); ++i) {
        const xml::CTagData& record = records[i];
        if (IsClosing(record, xml::TAG_BEREICH)) {
            portal.areas.trees.push_back(std::move(area));
            return i + 1;
        }
        if (!record.isOpen) {
            continue;
        }
        if (record.tagId == xml::TAG_NAME) {
            area->areaName = record.value;
        } else if (record.tagId == xml::TAG_ICON && !record.value.isEmpty()) {
            area->areaIcon = base::ReadDecimal(record.value);
        } else if (record.tagId == xml::TAG_TREE) {
            area->treeFile = ResolvePath(record.value, {}, portal.variables);
        }
    }
    return records.size();
}

TreeWindow* CreateAreaTree(CAreaCollection& areas, qsizetype index) {
    if (index < 0 || index >= static_cast<qsizetype>(areas.trees.size())) {
        return nullptr;
    }
    CMyTreeCtrl& area = *areas.trees[static_cast<size_t>(index)];
    if (area.window) {
        return area.window.get();
    }
    const QVariant fontSize = platform::CurrentHost().settings->Value(
        QStringLiteral("Frame"), QStringLiteral("NavFontSize"), QStringLiteral("14"));
    areas.navFontSize = base::ReadDecimal(fontSize.toString());
    if (!areas.areaBar) {
        return nullptr;
    }
    area.window = areas.areaBar->CreateTreeWindow(kFirstTreeControlId + static_cast<int>(index));
    if (!area.window) {
        return nullptr;
    }
    area.window->SetFontPixelSize(areas.navFontSize);
    return area.window.get();
}

} // namespace morvek::config
