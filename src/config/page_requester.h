#pragma once

#include <QString>

namespace morvek::config {

// The one way a page is shown: the document empties its page state, takes the path as its
// current page and lets the frame's views show it.
class PageRequester {
public:
    virtual ~PageRequester() = default;
    virtual void RequestPage(const QString& path) = 0;
};

} // namespace morvek::config
