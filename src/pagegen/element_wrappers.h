#pragma once

#include "xml/tag_data.h"

#include <QString>

namespace morvek::pagegen {

// Encloses everything an element handler writes in a division of the element's class, when
// its opening record has a `class` attribute.
class ClassWrapper final {
public:
    ClassWrapper(QString& output, const xml::CTagData& openingRecord);
    ~ClassWrapper();
    ClassWrapper(const ClassWrapper&) = delete;
    ClassWrapper& operator=(const ClassWrapper&) = delete;

private:
    QString& output;
    bool wrapped;
};

// Encloses an element's output in an aligned division when an alignment was given.
class AlignmentDivision final {
public:
    AlignmentDivision(QString& output, const QString& align);
    ~AlignmentDivision();
    AlignmentDivision(const AlignmentDivision&) = delete;
    AlignmentDivision& operator=(const AlignmentDivision&) = delete;

private:
    QString& output;
    bool aligned;
};

} // namespace morvek::pagegen
