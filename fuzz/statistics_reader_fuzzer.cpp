// Feeds arbitrary bytes to the statistics reader as the content of a statistics file.

#include "platform/host.h"
#include "statistics/aufruf_statistik.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace {

using namespace morvek;

class SilentMessages final : public platform::MessageSink {
public:
    void ShowMessage(const QString&) override {}
};

// Formats every cell, as the viewer's table does.
class RenderingTable final : public statistics::StatisticsTable {
public:
    void ClearRows() override { cells = 0; }
    void AddRow(const statistics::StatisticsRow& row) override {
        for (const QString& text : statistics::StatisticsRowTexts(row)) {
            cells += text.size();
        }
    }
    qsizetype cells = 0;
};

const QString& InputPath() {
    static const QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("input.bin"));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QFile input(InputPath());
    if (!input.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return 0;
    }
    input.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    input.close();

    SilentMessages messages;
    platform::Host silent{};
    silent.messages = &messages;
    const platform::ScopedHost scope(silent);
    RenderingTable table;
    statistics::CAufrufStatistik reader;
    reader.SetTable(&table);
    reader.SetStatisticsFile(InputPath());
    reader.ReadStatisticsFile();
    return 0;
}
