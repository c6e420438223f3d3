#pragma once

#include "config/rights_table.h"
#include "config/start_context.h"
#include "config/variable_store.h"
#include "pagegen/page_context.h"
#include "support/fake_host.h"
#include "support/fixtures.h"

#include <QByteArray>
#include <QString>

namespace morvek::pagegen::test {

// A look colour that differs from the default look, so tests see where it comes from.
class FixedColour final : public StyleColourProvider {
public:
    quint32 StyleBackgroundColour() const override { return 0x00332211; }
};

// A document for page conversions: fake host, variables, the right ADMIN held by the user,
// pages written into a folder of their own and generated files into a temporary folder.
class PageTestBed {
public:
    PageTestBed();

    // Writes a page file (ISO 8859-1 text) below the pages folder; returns its path.
    QString WritePage(const QString& name, const QByteArray& text) const;
    // Converts a page written from the text and returns the generated HTML, or an empty text
    // (and a test failure) when the conversion failed.
    QString Convert(const QByteArray& text);
    // The generated file decoded from UTF-16 little-endian.
    static QString ReadGenerated(const QString& path);
    QString TempFile(const QString& name) const { return context.tempFolder + name; }
    void SetCheckFarbe(int value);

    morvek::test::FakeHost host;
    morvek::test::TempFiles files;
    config::CVariableStore variables;
    config::CStartContext startContext;
    config::CRightsTable rights{startContext};
    ProgramTable programTable;
    PageCounter pageCounter;
    FixedColour colour;
    PageContext context;
};

} // namespace morvek::pagegen::test
