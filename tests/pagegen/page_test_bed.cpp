#include "page_test_bed.h"

#include "pagegen/page_converter.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <gtest/gtest.h>

namespace morvek::pagegen::test {

PageTestBed::PageTestBed()
    : context{variables, rights, programTable, pageCounter, files.Path(QStringLiteral("tmp/")),
              colour,    {}} {
    QDir().mkpath(context.tempFolder);
    startContext.userName = QStringLiteral("TESTER");
    startContext.serverName = QStringLiteral("C:");
    rights.AddRight(QStringLiteral("ADMIN"), QStringLiteral("tester"));
    rights.AddRight(QStringLiteral("GAST"), QStringLiteral("nobody"));
}

QString PageTestBed::WritePage(const QString& name, const QByteArray& text) const {
    return files.Write(QStringLiteral("pages/") + name, text);
}

QString PageTestBed::Convert(const QByteArray& text) {
    const std::optional<QString> target =
        ConvertPage(context, WritePage(QStringLiteral("page.xml"), text));
    if (!target) {
        ADD_FAILURE() << "conversion failed";
        return {};
    }
    return ReadGenerated(*target);
}

QString PageTestBed::ReadGenerated(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "no generated file " << path.toStdString();
        return {};
    }
    QStringDecoder decoder(QStringConverter::Utf16LE);
    return decoder.decode(file.readAll());
}

void PageTestBed::SetCheckFarbe(int value) {
    host.settings.values.insert(QStringLiteral("DlgAnpassen/CheckFarbe"), value);
}

} // namespace morvek::pagegen::test
