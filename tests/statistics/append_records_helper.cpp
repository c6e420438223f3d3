// statistics_append_helper PATH USER COUNT: waits for the end of standard input, then appends
// COUNT records of pages "0" to "COUNT-1" through the recorder, as a workstation of its own.
// Closing their input lets several helpers start at the same moment. At most 20 calls are
// recorded at once, so that none is turned away.

#include "config/start_context.h"
#include "statistics/aufruf_statistik.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kBatch = 20;

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        return 2;
    }
    morvek::config::CStartContext context;
    context.userName = arguments[2];
    const int count = arguments[3].toInt();
    while (std::getchar() != EOF) {
    }
    for (int first = 0; first < count; first += kBatch) {
        morvek::statistics::CAufrufStatistik recorder(&context);
        recorder.SetStatisticsFile(arguments[1]);
        for (int page = first; page < std::min(count, first + kBatch); ++page) {
            recorder.RecordCall(QString::number(page));
        }
    }
    return 0;
}
