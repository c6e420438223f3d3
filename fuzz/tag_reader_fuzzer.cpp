// Feeds arbitrary bytes to the tag reader with every tag table and checks what the records
// promise to their loaders.

#include "pagegen/standalone_document.h"
#include "platform/host.h"
#include "xml/tag_reader.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace morvek;

class SilentMessageSink final : public platform::MessageSink {
public:
    void ShowMessage(const QString&) override {}
};

bool IsUpperCase(const QString& name) {
    for (const QChar c : name) {
        if (c >= u'a' && c <= u'z') {
            return false;
        }
    }
    return true;
}

bool HoldsStandIns(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() >= 0x0801 && c.unicode() <= 0x0808) {
            return true;
        }
    }
    return false;
}

// Every record but the one a failed read stopped at is known; closing records are bare;
// names are upper case; no inline-tag stand-in leaks out.
void CheckRecords(const xml::CTagDataArray& records, bool ok) {
    for (qsizetype i = 0; i < records.size(); ++i) {
        const xml::CTagData& record = records[i];
        const bool last = i + 1 == records.size();
        if (record.tagId == xml::TAG_UNKNOWN && (ok || !last)) {
            std::abort();
        }
        if (!record.isOpen && (!record.value.isEmpty() || !record.attributes.isEmpty())) {
            std::abort();
        }
        if (HoldsStandIns(record.value)) {
            std::abort();
        }
        for (auto it = record.attributes.constBegin(); it != record.attributes.constEnd(); ++it) {
            if (!IsUpperCase(it.key()) || HoldsStandIns(it.key()) || HoldsStandIns(it.value())) {
                std::abort();
            }
        }
    }
}

// The page converter must take every page the reader accepts.
void GeneratePage(xml::CTagDataArray records) {
    static const QTemporaryDir tempFolder;
    pagegen::StandaloneDocument document(tempFolder.path() + u'/');
    QString html;
    pagegen::GenerateRecordsHtml(document.Context(), QStringLiteral("fuzz.xml"), std::move(records),
                                 html);
}

void ReadWith(xml::TagTable table, const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    xml::CTagReadState state;
    state.fileName = QStringLiteral("fuzz.xml");
    xml::CTagDataArray records;
    const bool ok = xml::ReadTagDevice(buffer, state, table, records);
    CheckRecords(records, ok);
    if (ok && !state.atEnd) {
        std::abort();
    }
    if (ok && table.data() == xml::PageFileTags.data()) {
        GeneratePage(std::move(records));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SilentMessageSink sink;
    const platform::ScopedHost host(platform::Host{&sink});
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const xml::TagTable table :
         {xml::StartFileTags, xml::TreeFileTags, xml::GlobalFileTags, xml::PageFileTags}) {
        ReadWith(table, bytes);
    }
    return 0;
}
