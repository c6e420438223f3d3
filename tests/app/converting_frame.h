#pragma once

#include "app/document_frame.h"
#include "app/morvek_doc.h"
#include "config/memory_tree.h"
#include "config/statistics_target.h"
#include "pagegen/page_converter.h"
#include "pagegen/style_colour.h"

#include <QStringList>

namespace morvek::app {

// A look whose face colour tests can recognise.
class GreyLook final : public pagegen::StyleColourProvider {
public:
    quint32 StyleBackgroundColour() const override { return 0x00C0C0C0; }
};

// The frame of a viewer without window: the HTML view's part converts the current page
// the way the browser view does.
class ConvertingFrame final : public DocumentFrame, public config::StatisticsFileTarget {
public:
    void InitialUpdateFrame(CMorvekDoc& document, bool) override {
        requests.append(document.currentPageFile);
        pagegen::PageContext context = document.MakePageContext();
        const std::optional<QString> target =
            pagegen::ConvertPage(context, document.currentPageFile);
        targets.append(target.value_or(QString()));
    }
    void ShowBlankPage() override { ++blankPages; }
    config::AreaBar& GetAreaBar() override { return areaBar; }
    config::StatisticsFileTarget* GetStatisticsRecorder() override { return this; }
    const pagegen::StyleColourProvider& GetStyleColour() const override { return look; }
    void SetStatisticsFile(const QString& path) override { statisticsFiles.append(path); }

    config::MemoryAreaBar areaBar;
    GreyLook look;
    QStringList requests;
    QStringList targets;
    QStringList statisticsFiles;
    int blankPages = 0;
};

} // namespace morvek::app
