#include "base/template_text.h"
#include "base/trim.h"
#include "config/variable_store.h"
#include "pagegen/element_wrappers.h"
#include "pagegen/link_target.h"
#include "pagegen/page_converter.h"
#include "pagegen/record_walk.h"
#include "pagegen/table_elements.h"
#include "xml/tag_id.h"

namespace morvek::pagegen {
namespace {

struct TableSettings {
    QString columnWidth = QStringLiteral("30%");
    QString border = QStringLiteral("1");
    QString size = QStringLiteral("-1");
    QString colour = QStringLiteral("#000000");
    bool headWritten = false;
};

struct TableRow {
    QString linkText;
    QString link;
    QString tooltip;
    QString description;
};

void WriteTableHead(const TableSettings& settings, QString& output) {
    output +=
        base::FillTemplate(u"<table border=\"%s\" width=\"100%%\" %s %s cellspacing=\"0\">\r\n",
                           {settings.border, QString(), QString()});
    output += base::FillTemplate(u"<colgroup width=\"%s\" span=\"1\"></colgroup>\r\n",
                                 {settings.columnWidth});
}

void WriteTableRow(TableRow row, const QString& size, const QString& colour, QString& output) {
    if (row.description.isEmpty()) {
        row.description = QStringLiteral("&nbsp");
    }
    const QString sizeAttr =
        size.isEmpty() ? QString() : base::FillTemplate(u"size=\"%s\"", {size});
    const QString colourAttr =
        colour.isEmpty() ? QString() : base::FillTemplate(u"color=\"%s\"", {colour});
    QString fontOpen;
    QString fontClose;
    if (!sizeAttr.isEmpty() || !colourAttr.isEmpty()) {
        fontOpen = base::FillTemplate(u"<font %s %s><b>", {sizeAttr, colourAttr});
        fontClose = QStringLiteral("</b></font>");
    }
    QString linkOpen;
    QString linkClose;
    if (!row.link.isEmpty()) {
        linkOpen = base::FillTemplate(u"<a href=\"%s\">", {row.link});
        linkClose = QStringLiteral("</a>");
    }
    const QString cell1 =
        base::FillTemplate(u"<td title=\"%s\">%s%s%s%s%s</td>",
                           {row.tooltip, fontOpen, linkOpen, row.linkText, linkClose, fontClose});
    const QString cell2 =
        base::FillTemplate(u"<td>%s%s%s</td>", {fontOpen, row.description, fontClose});
    output += u"<tr>" + cell1 + cell2 + u"</tr>\r\n";
}

} // namespace

qsizetype HandleTableRow(CPageConverter& converter, qsizetype index, QString& output,
                         const QString& size, const QString& colour) {
    const xml::CTagDataArray& tags = converter.tags;
    ClassWrapper wrapper(output, tags[index - 1]);
    TableRow row;
    const qsizetype next = WalkElement(tags, index, xml::TAG_TABELLENZEILE, [&](qsizetype i) {
        const QString& value = tags[i].value;
        switch (tags[i].tagId) {
        case xml::TAG_LINKTEXT:
            row.linkText = value;
            break;
        case xml::TAG_LINKAKTION:
            row.link = ResolveLinkTarget(converter, value);
            break;
        case xml::TAG_LINKTOOLTIP:
            row.tooltip = value;
            break;
        case xml::TAG_BESCHREIBUNG:
            row.description = value;
            break;
        default:
            break;
        }
        return i + 1;
    });
    WriteTableRow(row, size, colour, output);
    return next;
}

qsizetype HandleTable(CPageConverter& converter, qsizetype index, QString& output) {
    const xml::CTagDataArray& tags = converter.tags;
    ClassWrapper wrapper(output, tags[index - 1]);
    TableSettings settings;
    const ElementEnd end = WalkRecords(tags, index, xml::TAG_TABELLE, [&](qsizetype i) {
        const xml::CTagData& record = tags[i];
        if (!record.isOpen) {
            return i + 1;
        }
        switch (record.tagId) {
        case xml::TAG_SPALTENBREITE:
            settings.columnWidth = base::Trim(record.value);
            converter.document.variables.ExpandVariables(settings.columnWidth);
            return i + 1;
        case xml::TAG_RAHMEN:
            settings.border = record.value;
            return i + 1;
        case xml::TAG_GROESSE:
            settings.size = record.value;
            return i + 1;
        case xml::TAG_TABELLENZEILE:
            if (!settings.headWritten) {
                WriteTableHead(settings, output);
                settings.headWritten = true;
            }
            return HandleTableRow(converter, i + 1, output, settings.size, settings.colour);
        case xml::TAG_IF:
        case xml::TAG_IFNOT:
            return EnterCondition(converter, i);
        default:
            return i + 1;
        }
    });
    if (end.closed) {
        output += u"</table>\r\n";
    }
    return end.next;
}

} // namespace morvek::pagegen
