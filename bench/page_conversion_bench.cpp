// Page conversion against its baselines, measured in the same run:
//  - ConvertPage / ReadTagFile on the same large page (what generation adds to reading);
//  - ReadTagFile / reading the file's lines with QFile (what tag reading adds to the I/O).
// The "ratio" counter is the figure; times are per iteration.

#include "pagegen/page_converter.h"
#include "pagegen/standalone_document.h"
#include "platform/host.h"
#include "xml/tag_reader.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using namespace morvek;

constexpr int kRows = 4000;
constexpr int kTextAreas = 4000;

class SilentMessageSink final : public platform::MessageSink {
public:
    void ShowMessage(const QString&) override {}
};

QByteArray LargePage() {
    QByteArray page = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<XML>\n"
                      "<SEITE>\n  <TEXT>Gro\xdf"
                      "e Seite</TEXT>\n  <CSS>%Root%\\main.css</CSS>\n"
                      "</SEITE>\n<TABELLE>\n  <SPALTENBREITE>25%</SPALTENBREITE>\n";
    for (int row = 0; row < kRows; ++row) {
        const QByteArray n = QByteArray::number(row);
        page += "  <TABELLENZEILE>\n    <LINKTEXT>Dokument " + n +
                ".pdf</LINKTEXT>\n    <LINKAKTION>%Root%\\docs\\..\\Dokumente\\d" + n +
                ".pdf</LINKAKTION>\n    <LINKTOOLTIP>Tipp " + n +
                "</LINKTOOLTIP>\n    <BESCHREIBUNG>Beschreibung <b>" + n +
                "</b> mit &euro; und &lt;</BESCHREIBUNG>\n  </TABELLENZEILE>\n";
    }
    page += "</TABELLE>\n";
    for (int area = 0; area < kTextAreas; ++area) {
        page += "<TEXTBEREICH class=\"t\">\n  <KEIN_ZEILENUMBRUCH>\n  <TEXT>Absatz " +
                QByteArray::number(area) +
                " mit einem Text, der über\n  zwei Zeilen geht</TEXT>\n  </KEIN_ZEILENUMBRUCH>\n"
                "  <FARBE>#336699</FARBE><GROESSE>-1</GROESSE><SCHRIFT>Arial, 12</SCHRIFT>\n"
                "  <LINKAKTION>prog:Editor</LINKAKTION>\n</TEXTBEREICH>\n";
    }
    return page + "</XML>\n";
}

// The page, written once, and the folder for the generated files.
struct BenchFiles {
    BenchFiles() {
        page = folder.filePath(QStringLiteral("large.xml"));
        QFile file(page);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(LargePage());
        }
    }
    QTemporaryDir folder;
    QString page;
};

const BenchFiles& Files() {
    static const BenchFiles files;
    return files;
}

void ReadLines() {
    QFile file(Files().page);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return;
    }
    qsizetype total = 0;
    while (!file.atEnd()) {
        total += file.readLine().size();
    }
    benchmark::DoNotOptimize(total);
}

void ReadTags() {
    xml::CTagReadState state;
    xml::CTagDataArray records;
    benchmark::DoNotOptimize(
        xml::ReadTagFile(Files().page, state, xml::PageFileTags, records, true));
}

void ConvertLargePage() {
    pagegen::StandaloneDocument document(Files().folder.path() + u'/');
    document.Context().variables.SetVariable(QStringLiteral("Root"), QStringLiteral("C:\\portal"),
                                             false);
    benchmark::DoNotOptimize(pagegen::ConvertPage(document.Context(), Files().page));
}

template <typename Work>
double Seconds(Work work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Times `measured` and `baseline` alternately; the ratio of their totals is the figure.
template <typename Measured, typename Baseline>
void Ratio(benchmark::State& state, Measured measured, Baseline baseline) {
    SilentMessageSink sink;
    const platform::ScopedHost host(platform::Host{&sink});
    double measuredTotal = 0;
    double baselineTotal = 0;
    for (auto _ : state) {
        baselineTotal += Seconds(baseline);
        const double seconds = Seconds(measured);
        measuredTotal += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["ratio"] = baselineTotal > 0 ? measuredTotal / baselineTotal : 0;
    state.counters["baseline_ms"] =
        1000 * baselineTotal /
        static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
}

void ConvertPageToReadTagFile(benchmark::State& state) {
    Ratio(state, ConvertLargePage, ReadTags);
}

void ReadTagFileToReadLines(benchmark::State& state) {
    Ratio(state, ReadTags, ReadLines);
}

BENCHMARK(ConvertPageToReadTagFile)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(ReadTagFileToReadLines)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
