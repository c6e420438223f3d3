#include "links/link_dispatch.h"

#include "base/ascii.h"
#include "base/log.h"
#include "base/template_text.h"
#include "base/tokenize.h"
#include "links/program_launch.h"
#include "pagegen/program_table.h"
#include "platform/file_search.h"
#include "platform/host.h"
#include "platform/portal_path.h"

#include <algorithm>
#include <optional>

namespace morvek::links {
namespace {

constexpr QStringView kAppPrefix = u"app:";
constexpr QStringView kProgPrefix = u"prog:";

// A file named by a target whose extension is in the extension list.
struct ListedFile {
    QString path;          // as written, or as the file search found it
    QString extension;     // with its dot
    QString workingFolder; // drive and folder of the path as written
    QStringList parameters;
};

bool IsListed(const QString& extension, const QStringList& extensions) {
    return !extension.isEmpty() &&
           std::any_of(extensions.cbegin(), extensions.cend(),
                       [&extension](const QString& e) { return base::EqualsNoCase(e, extension); });
}

// The file of a target "path#parameter#...": the path as written when it exists, else the
// file of its name that the system's search finds. Addresses are the browser's, even when a
// file of their name is at hand.
std::optional<ListedFile> FindListedFile(const QString& target, const QStringList& extensions) {
    const QStringList pieces = base::TrimmedItems(target, u"#");
    if (pieces.isEmpty()) {
        return std::nullopt;
    }
    const QString& written = pieces.first();
    const platform::CPathParts parts = platform::SplitPath(written);
    if (IsAddress(written) || !IsListed(parts.extension, extensions)) {
        return std::nullopt;
    }
    const QString path = platform::PortalPathExists(written)
                             ? written
                             : platform::SearchFile(parts.name + parts.extension);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return ListedFile{path, parts.extension, parts.drive + parts.folder, pieces.mid(1)};
}

// Each parameter followed by one blank.
QString ParameterText(const QStringList& parameters) {
    QString text;
    for (const QString& parameter : parameters) {
        text += parameter + u' ';
    }
    return text;
}

void OpenListedFile(const ListedFile& file) {
    if (base::EqualsNoCase(file.extension, u".exe")) {
        LaunchProcess(file.workingFolder, file.path, ParameterText(file.parameters), 0);
    } else {
        platform::CurrentHost().programs->ShellExecute(
            {platform::ShellVerb::Open, file.path, {}, {}});
    }
}

void RunAppAction(QStringView action, ViewerWindow& window) {
    if (base::EqualsNoCase(action, u"ok")) {
        window.PostCloseRequest();
    }
}

void RunProgramLink(const QString& target, const pagegen::ProgramTable& programs) {
    if (const pagegen::CProgramEntry* entry = programs.Find(target)) {
        StartProgramEntry(*entry);
    }
}

} // namespace

bool DispatchLinkAction(const QString& target, NavigationOrigin origin,
                        const LinkContext& context) {
    base::AppendLog(QStringLiteral("Navigation: ") + target);
    const bool isApp = base::StartsWithNoCase(target, kAppPrefix);
    const bool isProg = !isApp && base::StartsWithNoCase(target, kProgPrefix);
    const std::optional<ListedFile> file =
        isApp || isProg ? std::nullopt : FindListedFile(target, context.extensions);
    if (!isApp && !isProg && !file) {
        return false;
    }
    if (origin == NavigationOrigin::WebPage) {
        base::AppendLog(QStringLiteral("Linkaktion einer Webseite abgewiesen: ") + target);
    } else if (isApp) {
        RunAppAction(QStringView(target).mid(kAppPrefix.size()), context.window);
    } else if (isProg) {
        RunProgramLink(target, context.programs);
    } else {
        OpenListedFile(*file);
    }
    return true;
}

void LogProgramLink(const QString& statusText, const pagegen::ProgramTable& programs) {
    if (!base::StartsWithNoCase(statusText, kProgPrefix)) {
        return;
    }
    base::AppendLog(statusText);
    if (const pagegen::CProgramEntry* entry = programs.Find(statusText)) {
        base::AppendLog(base::FillTemplate(
            u"Programm=%s\r\nParameter=%s\r\nArbeitsverzeichnis=%s\r\nFlags=%s\r\n",
            {entry->program, entry->parameter, entry->workingFolder, entry->flags}));
    }
}

} // namespace morvek::links
