#include "read_result.h"

#include "support/fake_host.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace morvek::xml {
namespace {

QString NameOf(TagTable table, int id) {
    for (const TagTableEntry& entry : table) {
        if (entry.id == id) {
            return QString::fromUtf16(entry.name);
        }
    }
    return QStringLiteral("?");
}

QString Describe(const CTagData& record, TagTable table) {
    if (!record.isOpen) {
        return u"</" + NameOf(table, record.tagId) + u'>';
    }
    QString text = u'<' + NameOf(table, record.tagId);
    for (auto it = record.attributes.constBegin(); it != record.attributes.constEnd(); ++it) {
        text += u' ' + it.key() + u'=' + it.value();
    }
    return text + u'>' + record.value;
}

QStringList ToList(const std::vector<std::u16string_view>& texts) {
    QStringList list;
    for (const std::u16string_view text : texts) {
        list.append(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
    }
    return list;
}

void PrintList(const char* label, const QStringList& list, std::ostream* os) {
    *os << "\n  " << label << ":";
    for (const QString& text : list) {
        *os << "\n    \"" << text.toStdString() << '"';
    }
}

} // namespace

void PrintTo(const ReadResult& result, std::ostream* os) {
    *os << (result.ok ? "ok" : "failed");
    PrintList("records", result.records, os);
    PrintList("messages", result.messages, os);
}

QStringList DescribeRecords(const CTagDataArray& records, TagTable table) {
    QStringList list;
    for (qsizetype i = 0; i < records.size(); ++i) {
        list.append(Describe(records[i], table));
    }
    return list;
}

ReadResult ReadBytes(TagTable table, std::string_view bytes) {
    test::FakeHost host;
    QBuffer buffer;
    buffer.setData(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    buffer.open(QIODevice::ReadOnly);
    CTagReadState state;
    state.fileName = QStringLiteral("Seite.xml");
    CTagDataArray records;
    const bool ok = ReadTagDevice(buffer, state, table, records);
    return {ok, DescribeRecords(records, table), host.messages.messages};
}

void ExpectReads(TagTable table, std::span<const ReadCase> cases) {
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(ReadBytes(table, c.bytes),
                  (ReadResult{c.ok, ToList(c.records), ToList(c.messages)}));
    }
}

} // namespace morvek::xml
