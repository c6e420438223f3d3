#include "pagegen/convert_options.h"

namespace morvek::pagegen {
namespace {

ParsedOptions Failure(const QString& error) {
    return {std::nullopt, error};
}

// The value of an option written as "--name VALUE" or "--name=VALUE" at arguments[i].
std::optional<QString> OptionValue(const QStringList& arguments, qsizetype& i, QStringView name) {
    const QString& argument = arguments[i];
    if (argument == name) {
        if (i + 1 >= arguments.size()) {
            return std::nullopt;
        }
        return arguments[++i];
    }
    return argument.mid(name.size() + 1);
}

bool IsOption(const QString& argument, QStringView name) {
    return argument == name || argument.startsWith(name + u'=');
}

} // namespace

ParsedOptions ParseConvertOptions(const QStringList& arguments) {
    ConvertOptions options;
    QStringList pages;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (IsOption(argument, u"--temp")) {
            const std::optional<QString> folder = OptionValue(arguments, i, u"--temp");
            if (!folder || folder->isEmpty()) {
                return Failure(QStringLiteral("--temp needs a folder"));
            }
            options.tempFolder = *folder;
        } else if (IsOption(argument, u"--var")) {
            const std::optional<QString> definition = OptionValue(arguments, i, u"--var");
            const qsizetype equals = definition ? definition->indexOf(u'=') : -1;
            if (equals <= 0) {
                return Failure(QStringLiteral("--var needs NAME=VALUE"));
            }
            options.variables.append({definition->left(equals), definition->mid(equals + 1)});
        } else if (argument.startsWith(u"--")) {
            return Failure(QStringLiteral("unknown option ") + argument);
        } else {
            pages.append(argument);
        }
    }
    if (pages.size() != 1) {
        return Failure(QStringLiteral("exactly one PAGEFILE is needed"));
    }
    options.pageFile = pages.first();
    return {options, {}};
}

QString ConvertUsage() {
    return QStringLiteral(
        "usage: morvek-convert [--temp DIR] [--var NAME=VALUE]... PAGEFILE\n"
        "Converts a portal page into HTML as the viewer does and prints the target.\n"
        "  --temp DIR        folder for the generated files (default: a fresh folder)\n"
        "  --var NAME=VALUE  defines a local variable before the conversion\n");
}

} // namespace morvek::pagegen
