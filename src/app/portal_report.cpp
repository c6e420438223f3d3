#include "app/portal_report.h"

#include "app/morvek_doc.h"
#include "config/global_file.h"
#include "config/memory_tree.h"
#include "config/tree_file.h"

namespace morvek::app {
namespace {

constexpr int kLabelWidth = 21;

void WriteField(QTextStream& out, const QString& label, const QString& value) {
    out << qSetFieldWidth(kLabelWidth) << Qt::left << label + u':' << qSetFieldWidth(0) << value
        << '\n';
}

void WriteStartContext(const CMorvekDoc& document, const QString& statisticsFile,
                       QTextStream& out) {
    const config::CStartContext& context = document.context;
    WriteField(out, QStringLiteral("Startdatei"), document.startFile);
    WriteField(out, QStringLiteral("Server"), context.serverName);
    WriteField(out, QStringLiteral("Benutzer"), context.userName);
    WriteField(out, QStringLiteral("Startlaufwerk"), context.startDrive);
    WriteField(out, QStringLiteral("Laufwerkstyp"), context.driveTypeName);
    WriteField(out, QStringLiteral("Laufwerkszuordnung"), context.driveMapping);
    WriteField(out, QStringLiteral("Umgebungsauswahl"), config::EnvironmentSelector(context));
    WriteField(out, QStringLiteral("Globale Datei"), document.portal.globalFile);
    WriteField(out, QStringLiteral("Statistikdatei"), statisticsFile);
    WriteField(out, QStringLiteral("Erste Seite"), document.currentPageFile);
}

void WriteList(QTextStream& out, const QString& title, const QStringList& lines) {
    out << '\n' << title << ":\n";
    for (const QString& line : lines) {
        out << "  " << line << '\n';
    }
}

QStringList VariableLines(const config::CVariableStore& variables) {
    QStringList lines;
    for (const bool isSystem : {false, true}) {
        QStringList names;
        QStringList values;
        variables.EnumerateVariables(isSystem, names, values);
        const QString kind = isSystem ? QStringLiteral("System ") : QStringLiteral("Lokal  ");
        for (qsizetype i = 0; i < names.size(); ++i) {
            lines.append(kind + names[i] + u" = " + values[i]);
        }
    }
    return lines;
}

QStringList RightLines(const config::CRightsTable& rights) {
    QStringList lines;
    for (const QString& name : rights.Names()) {
        const bool held = rights.HasRight(name);
        lines.append(name +
                     (held ? QStringLiteral("  gehalten") : QStringLiteral("  nicht gehalten")));
    }
    return lines;
}

QString IconText(int image, int selectedImage) {
    return QStringLiteral("[Icon %1/%2]").arg(image).arg(selectedImage);
}

void WriteItems(const config::MemoryTreeWindow& window, config::TreeItemHandle parent, int depth,
                const config::CMyTreeCtrl& area, QTextStream& out) {
    for (const config::TreeItemHandle handle : window.ChildItems(parent)) {
        const config::MemoryTreeWindow::Item& item = *window.Find(handle);
        const auto index = static_cast<size_t>(item.data);
        const QString page = index < area.items.size() ? area.items[index]->pageFile : QString();
        out << QString(4 + 2 * depth, u' ') << item.text << "  "
            << IconText(item.image, item.selectedImage);
        if (!page.isEmpty()) {
            out << "  -> " << page;
        }
        out << '\n';
        WriteItems(window, handle, depth + 1, area, out);
    }
}

void WriteAreas(CMorvekDoc& document, QTextStream& out) {
    config::CAreaCollection& areas = document.portal.areas;
    out << "\nBereiche:\n";
    for (size_t i = 0; i < areas.trees.size(); ++i) {
        const int tab = areas.tabOffset + static_cast<int>(i);
        const config::CMyTreeCtrl& area = *areas.trees[i];
        out << "  " << area.areaName << "  [Icon " << area.areaIcon << "]  " << area.treeFile
            << '\n';
        const bool loaded = config::LoadTree(document.portal, tab) || !area.items.empty();
        const auto* window = dynamic_cast<const config::MemoryTreeWindow*>(area.window.get());
        if (!loaded || !window) {
            out << "    (kein Baum geladen)\n";
            continue;
        }
        WriteItems(*window, config::kNoTreeItem, 0, area, out);
    }
}

} // namespace

void WritePortalReport(CMorvekDoc& document, const QString& statisticsFile, QTextStream& out) {
    WriteStartContext(document, statisticsFile, out);
    WriteList(out, QStringLiteral("Angewandte Abschnitte"),
              document.portal.variables.appliedSections);
    WriteList(out, QStringLiteral("Variablen"), VariableLines(document.portal.variables));
    WriteList(out, QStringLiteral("Dateiendungen"), document.portal.areas.extensions);
    WriteList(out, QStringLiteral("Rechte"), RightLines(document.portal.rights));
    WriteAreas(document, out);
}

} // namespace morvek::app
