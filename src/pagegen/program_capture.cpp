#include "pagegen/program_capture.h"

#include "base/string_table.h"
#include "base/template_text.h"
#include "pagegen/page_converter.h"
#include "pagegen/record_walk.h"
#include "platform/host.h"
#include "xml/tag_id.h"

namespace morvek::pagegen {
namespace {

struct SectionBounds {
    qsizetype open = -1;  // the last opening record before the first closing one
    qsizetype close = -1; // the first closing record
};

SectionBounds FindProgramSection(const xml::CTagDataArray& tags) {
    SectionBounds bounds;
    for (qsizetype i = 0; i < tags.size(); ++i) {
        if (tags[i].tagId != xml::TAG_PROGRAMME) {
            continue;
        }
        if (!tags[i].isOpen) {
            bounds.close = i;
            break;
        }
        bounds.open = i;
    }
    return bounds;
}

qsizetype ReadProgramEntry(CPageConverter& converter, qsizetype index) {
    const xml::CTagDataArray& tags = converter.tags;
    QString name;
    CProgramEntry entry;
    const qsizetype next = WalkElement(tags, index, xml::TAG_PROG, [&](qsizetype i) {
        const QString& value = tags[i].value;
        switch (tags[i].tagId) {
        case xml::TAG_P_NAME:
            name = value;
            break;
        case xml::TAG_P_PROGRAMM:
            entry.program = converter.Resolve(value);
            break;
        case xml::TAG_P_PARAMETER:
            entry.parameter = converter.Resolve(value);
            break;
        case xml::TAG_P_ARBEITSVERZEICHNIS:
            entry.workingFolder = converter.Resolve(value);
            break;
        case xml::TAG_P_FLAGS:
            entry.flags = value;
            break;
        default:
            break;
        }
        return i + 1;
    });
    converter.document.programTable.Store(name, entry);
    return next;
}

// The records without those from first to last (both included).
xml::CTagDataArray WithoutRange(const xml::CTagDataArray& tags, qsizetype first, qsizetype last) {
    xml::CTagDataArray kept;
    for (qsizetype i = 0; i < tags.size(); ++i) {
        if (i < first || i > last) {
            kept.Append() = tags[i];
        }
    }
    return kept;
}

} // namespace

bool CaptureProgramTable(CPageConverter& converter) {
    const SectionBounds bounds = FindProgramSection(converter.tags);
    if (bounds.open < 0 && bounds.close < 0) {
        return true;
    }
    if (bounds.open < 0 || bounds.close < 0) {
        platform::CurrentHost().messages->ShowMessage(base::FillTemplate(
            base::LoadString(base::IDS_PROGRAM_SECTION_INCOMPLETE), {converter.pagePath}));
        return false;
    }
    for (qsizetype i = bounds.open + 1; i < bounds.close;) {
        const xml::CTagData& record = converter.tags[i];
        i = record.isOpen && record.tagId == xml::TAG_PROG ? ReadProgramEntry(converter, i + 1)
                                                           : i + 1;
    }
    converter.tags = WithoutRange(converter.tags, bounds.open, bounds.close);
    return true;
}

} // namespace morvek::pagegen
