// morvek-convert: converts one page file exactly as the viewer does, for authors and batch use.
// Messages the viewer would show in a message box go to standard error.

#include "pagegen/convert_options.h"
#include "pagegen/page_converter.h"
#include "pagegen/standalone_document.h"
#include "platform/host.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace {

using morvek::pagegen::ConvertOptions;

constexpr int kConverted = 0;
constexpr int kConversionFailed = 1;
constexpr int kUsageError = 2;

void Print(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

// The viewer's way of naming its private folder: "Morvek" and a GUID without braces.
QString FreshTempFolder() {
    const morvek::platform::SystemInfo& system = *morvek::platform::CurrentHost().system;
    const QString guid = system.CreateGuid();
    return system.TempPath() + QStringLiteral("Morvek") + guid.mid(1, guid.size() - 2);
}

// The folder as an absolute path with a trailing separator, created when missing.
std::optional<QString> PrepareTempFolder(const QString& requested) {
    const QString folder = QDir(requested.isEmpty() ? FreshTempFolder() : requested).absolutePath();
    if (!QDir().mkpath(folder)) {
        return std::nullopt;
    }
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

int Convert(const ConvertOptions& options) {
    const std::optional<QString> tempFolder = PrepareTempFolder(options.tempFolder);
    if (!tempFolder) {
        Print(stderr,
              QStringLiteral("morvek-convert: cannot create ") + options.tempFolder + u'\n');
        return kConversionFailed;
    }
    morvek::pagegen::StandaloneDocument document(*tempFolder);
    for (const ConvertOptions::Variable& variable : options.variables) {
        document.Context().variables.SetVariable(variable.name, variable.value, false);
    }
    const std::optional<QString> target =
        morvek::pagegen::ConvertPage(document.Context(), options.pageFile);
    if (!target) {
        return kConversionFailed;
    }
    Print(stdout, *target + u'\n');
    return kConverted;
}

} // namespace

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    if (arguments.contains(u"--help") || arguments.contains(u"-h")) {
        Print(stdout, morvek::pagegen::ConvertUsage());
        return kConverted;
    }
    const morvek::pagegen::ParsedOptions parsed = morvek::pagegen::ParseConvertOptions(arguments);
    if (!parsed.options) {
        Print(stderr, QStringLiteral("morvek-convert: ") + parsed.error + u'\n' +
                          morvek::pagegen::ConvertUsage());
        return kUsageError;
    }
    return Convert(*parsed.options);
}
