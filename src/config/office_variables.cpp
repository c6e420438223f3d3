#include "config/office_variables.h"

#include "base/ascii.h"
#include "base/trim.h"
#include "config/variable_store.h"
#include "platform/host.h"

#include <algorithm>
#include <array>

namespace morvek::config {
namespace {

struct OfficeProgram {
    QStringView identifier;
    QStringView mimeType;
};

// In the order in which the variables are defined.
constexpr std::array<OfficeProgram, 8> kOfficePrograms = {{
    {u"Word.Application",
     u"application/vnd.openxmlformats-officedocument.wordprocessingml.document"},
    {u"Excel.Application", u"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet"},
    {u"Access.Application", u"application/vnd.ms-access"},
    {u"PowerPoint.Application",
     u"application/vnd.openxmlformats-officedocument.presentationml.presentation"},
    {u"Outlook.Application", u"x-scheme-handler/mailto"},
    {u"Frontpage.Application", u"text/html"},
    {u"Publisher.Application", u"application/x-mspublisher"},
    {u"InternetExplorer.Application", u"x-scheme-handler/http"},
}};

// The program path without blanks and quotes around it. A desktop answer is a path made of
// "/", so nothing is cut at a slash.
QString CleanProgramPath(const QString& program) {
    QString path = base::Trim(program);
    while (path.endsWith(u'"')) {
        path.chop(1);
    }
    while (path.startsWith(u'"')) {
        path.remove(0, 1);
    }
    return path;
}

} // namespace

QString LookupLocalServer(const QString& identifier) {
    const auto it = std::find_if(kOfficePrograms.begin(), kOfficePrograms.end(),
                                 [&identifier](const OfficeProgram& program) {
                                     return base::EqualsNoCase(program.identifier, identifier);
                                 });
    if (it == kOfficePrograms.end()) {
        return {};
    }
    return CleanProgramPath(
        platform::CurrentHost().desktop->DefaultProgramFor(it->mimeType.toString()));
}

void DefineOfficeVariables(CVariableStore& variables) {
    for (const OfficeProgram& program : kOfficePrograms) {
        const QString identifier = program.identifier.toString();
        variables.SetVariable(identifier, LookupLocalServer(identifier), true);
    }
}

} // namespace morvek::config
