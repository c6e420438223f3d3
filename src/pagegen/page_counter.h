#pragma once

namespace morvek::pagegen {

// Numbers the generated page files of a document: Datei0.htm, Datei1.htm, ...
class PageCounter final {
public:
    // The number for the next generated file.
    int Take() { return next++; }
    int Current() const { return next; }
    // Opening a start file starts the numbering again.
    void Reset() { next = 0; }

private:
    int next = 0;
};

} // namespace morvek::pagegen
