#include "xml/reader_messages.h"

#include "base/string_table.h"
#include "base/template_text.h"
#include "platform/host.h"

namespace morvek::xml {
namespace {

void Show(int id, std::initializer_list<base::TemplateArg> args) {
    platform::CurrentHost().messages->ShowMessage(base::FillTemplate(base::LoadString(id), args));
}

void ShowAtLine(int id, const LinePlace& place, const QString& detail) {
    Show(id, {place.fileName, place.lineNumber, place.line, detail});
}

} // namespace

void ShowMissingTagEnd(const LinePlace& place) {
    ShowAtLine(base::IDS_SYNTAX_ERROR, place, QStringLiteral("Zeichen > fehlt"));
}

void ShowTagNotAllowed(const LinePlace& place, bool closing, const QString& name) {
    const QString tag =
        base::FillTemplate(u"<%s%s>", {closing ? QStringLiteral("/") : QString(), name});
    ShowAtLine(base::IDS_TAG_NOT_ALLOWED, place, tag);
}

void ShowAttributeError(const LinePlace& place) {
    ShowAtLine(base::IDS_ATTRIBUTE_ERROR, place, QStringLiteral("Gleichheitszeichen (=) fehlt."));
}

void ShowCdataEndMissing(const QString& fileName) {
    Show(base::IDS_CDATA_END_MISSING, {fileName});
}

} // namespace morvek::xml
