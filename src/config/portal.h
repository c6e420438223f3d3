#pragma once

#include "config/area_collection.h"
#include "config/rights_table.h"
#include "config/start_context.h"
#include "config/variable_store.h"

#include <QString>

namespace morvek::config {

class StatisticsFileTarget;

// What the opened start file and its global file define; the loaders fill it.
struct CPortal {
    explicit CPortal(const CStartContext& startContext)
        : context(startContext), rights(startContext) {}
    CPortal(const CPortal&) = delete;
    CPortal& operator=(const CPortal&) = delete;

    const CStartContext& context;
    CVariableStore variables;
    CRightsTable rights;
    CAreaCollection areas;
    QString globalFile;
    // Receives the statistics file of the global file; not owned, may be null.
    StatisticsFileTarget* statistics = nullptr;
};

} // namespace morvek::config
