#pragma once

#include "xml/tag_id.h"

#include <QStringView>
#include <span>

namespace morvek::xml {

struct TagTableEntry {
    const char16_t* name;
    TagId id;
};

// The elements a file kind allows, in table order; the first name that matches wins.
using TagTable = std::span<const TagTableEntry>;

extern const TagTable StartFileTags;
extern const TagTable TreeFileTags;
extern const TagTable GlobalFileTags;
extern const TagTable PageFileTags;

// The id of an element name (compared without regard to ASCII case), or TAG_UNKNOWN.
TagId LookUpTag(TagTable table, QStringView name);

} // namespace morvek::xml
