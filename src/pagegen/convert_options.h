#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace morvek::pagegen {

// The command line of morvek-convert: [--temp DIR] [--var NAME=VALUE]... PAGEFILE.
struct ConvertOptions {
    struct Variable {
        QString name;
        QString value;
    };

    QString tempFolder; // empty: a fresh folder
    QList<Variable> variables;
    QString pageFile;
};

// The options of the arguments (without the program name), or the reason they are wrong.
struct ParsedOptions {
    std::optional<ConvertOptions> options;
    QString error;
};
ParsedOptions ParseConvertOptions(const QStringList& arguments);

QString ConvertUsage();

} // namespace morvek::pagegen
