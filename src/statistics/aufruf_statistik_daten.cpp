#include "statistics/aufruf_statistik_daten.h"

#include "platform/host.h"
#include "platform/path_mapping.h"
#include "statistics/record_format.h"
#include "statistics/shared_file.h"

#include <unistd.h>
#include <utility>

namespace morvek::statistics {
namespace {

// The time taken measures how long the writer waited for the shared file: from before the
// first attempt to open it until the record goes out, after the header and the move to the end.
void AppendRecord(const CAufrufStatistikDaten& record) {
    QByteArray bytes = EncodeCallRecord(record.time, record.user, record.page);
    const platform::SystemInfo& system = *platform::CurrentHost().system;
    const quint32 start = system.TickCount();
    const FileDescriptor file = OpenForAppend(platform::HostPath(record.filePath));
    const off_t end = file.IsValid() ? ::lseek(file.Get(), 0, SEEK_END) : -1;
    if (end < 0) {
        return;
    }
    StampTimeTaken(bytes, static_cast<quint16>(system.TickCount() - start));
    // A torn record would hide every later record from the readers, so a short write (a full
    // disk) is taken back; the record is then dropped like one that found no file.
    if (::write(file.Get(), bytes.constData(), bytes.size()) != bytes.size()) {
        [[maybe_unused]] const int truncated = ::ftruncate(file.Get(), end);
    }
}

} // namespace

CAufrufStatistikDaten::CAufrufStatistikDaten(QString path, QString userName, double callTime,
                                             QString calledPage)
    : filePath(std::move(path)), user(std::move(userName)), time(callTime),
      page(std::move(calledPage)) {}

CAufrufStatistikDaten::~CAufrufStatistikDaten() {
    if (writer.joinable()) {
        writer.join();
    }
}

void CAufrufStatistikDaten::StartWriter() {
    writer = std::thread(WriteCallRecord, std::ref(*this));
}

int WriteCallRecord(CAufrufStatistikDaten& record) {
    AppendRecord(record);
    record.finished.store(1, std::memory_order_release);
    return 0;
}

} // namespace morvek::statistics
