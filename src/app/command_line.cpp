#include "app/command_line.h"

#include "base/ascii.h"
#include "config/start_context.h"

namespace morvek::app {
namespace {

constexpr QStringView kUserMode = u"BENUTZER";
constexpr QStringView kUser = u"USER=";
constexpr QStringView kServer = u"SERVER=";

bool IsRecognisedSwitch(QStringView text) {
    return base::StartsWithNoCase(text, kUserMode) || base::StartsWithNoCase(text, kUser) ||
           base::StartsWithNoCase(text, kServer);
}

} // namespace

bool CMyCommandLineInfo::IsSwitch(const QString& argument) {
    if (argument.startsWith(u'-')) {
        return true;
    }
    return argument.startsWith(u'/') && IsRecognisedSwitch(QStringView(argument).mid(1));
}

void CMyCommandLineInfo::ParseCommandLine(const QStringList& arguments,
                                          config::CStartContext& context) {
    for (const QString& argument : arguments) {
        const bool isSwitch = IsSwitch(argument);
        ParseParam(isSwitch ? argument.mid(1) : argument, isSwitch, context);
    }
}

void CMyCommandLineInfo::ParseParam(const QString& text, bool isSwitch,
                                    config::CStartContext& context) {
    if (!isSwitch) {
        // Only the first plain argument names the start file.
        if (fileName.isEmpty()) {
            fileName = text;
            shellCommand = ShellCommand::FileOpen;
        }
        return;
    }
    if (base::StartsWithNoCase(text, kUserMode)) {
        context.userMode = true;
    } else if (base::StartsWithNoCase(text, kUser)) {
        context.userName = base::ToUpperAscii(QStringView(text).mid(kUser.size()));
    } else if (base::StartsWithNoCase(text, kServer)) {
        context.serverName = base::ToUpperAscii(QStringView(text).mid(kServer.size()));
        context.serverFromCommandLine = context.serverName;
    }
    // The toolkit has no standard switches of its own to hand other switches to.
}

QString RawCommandLine(const QStringList& arguments) {
    QStringList quoted;
    for (const QString& argument : arguments) {
        const bool needsQuotes =
            argument.isEmpty() || argument.contains(u' ') || argument.contains(u'\t');
        quoted.append(needsQuotes ? u'"' + argument + u'"' : argument);
    }
    return quoted.join(u' ');
}

} // namespace morvek::app
