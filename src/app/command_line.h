#pragma once

#include <QString>
#include <QStringList>

namespace morvek::config {
struct CStartContext;
}

namespace morvek::app {

// The command line of the viewer and its tools: the start file and the switches BENUTZER,
// USER=name and SERVER=name (with "/" or "-").
class CMyCommandLineInfo final {
public:
    enum class ShellCommand { FileNew, FileOpen };

    // Hands each argument to ParseParam, the way the platform's parser does.
    void ParseCommandLine(const QStringList& arguments, config::CStartContext& context);
    // One argument; for a switch, text is without its switch character.
    void ParseParam(const QString& text, bool isSwitch, config::CStartContext& context);

    // Whether an argument is a switch. "-" always introduces one; "/" only before one of the
    // recognised switch names, because on this host a start file's absolute path begins
    // with "/" too.
    static bool IsSwitch(const QString& argument);

    QString fileName;
    ShellCommand shellCommand = ShellCommand::FileNew;
};

// The raw command line after the program path, as it is logged at start.
QString RawCommandLine(const QStringList& arguments);

} // namespace morvek::app
