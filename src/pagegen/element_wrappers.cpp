#include "pagegen/element_wrappers.h"

#include "base/template_text.h"

namespace morvek::pagegen {
namespace {

const QString kClassAttribute = QStringLiteral("CLASS");

} // namespace

ClassWrapper::ClassWrapper(QString& target, const xml::CTagData& openingRecord)
    : output(target), wrapped(openingRecord.attributes.contains(kClassAttribute)) {
    if (wrapped) {
        output += base::FillTemplate(u"<div class=\"%s\">\r\n",
                                     {openingRecord.Attribute(kClassAttribute)});
    }
}

ClassWrapper::~ClassWrapper() {
    if (wrapped) {
        output += u"</div>\r\n";
    }
}

AlignmentDivision::AlignmentDivision(QString& target, const QString& align)
    : output(target), aligned(!align.isEmpty()) {
    if (aligned) {
        output += base::FillTemplate(u"<div align=\"%s\">\r\n", {align});
    }
}

AlignmentDivision::~AlignmentDivision() {
    if (aligned) {
        output += u"</div>\r\n";
    }
}

} // namespace morvek::pagegen
