#pragma once

namespace morvek::config {
class AreaBar;
class StatisticsFileTarget;
} // namespace morvek::config

namespace morvek::pagegen {
class StyleColourProvider;
}

namespace morvek::app {

class CMorvekDoc;

// The main frame as the document reaches it: the main window implements it, the command-line
// tools and tests have their own.
class DocumentFrame {
public:
    virtual ~DocumentFrame() = default;

    // The initial update of the frame's views: the HTML view shows the document's
    // currentPageFile.
    virtual void InitialUpdateFrame(CMorvekDoc& document, bool makeVisible) = 0;
    // Lets the HTML view show the empty page "about:blank".
    virtual void ShowBlankPage() = 0;

    virtual config::AreaBar& GetAreaBar() = 0;
    // The call-statistics recorder; nullptr while there is none.
    virtual config::StatisticsFileTarget* GetStatisticsRecorder() = 0;
    // The face colour of the current application look.
    virtual const pagegen::StyleColourProvider& GetStyleColour() const = 0;
};

} // namespace morvek::app
