#include "xml/tag_reader.h"

#include "base/code_page.h"
#include "base/trim.h"
#include "platform/file_access.h"
#include "platform/portal_path.h"
#include "xml/line_filter.h"
#include "xml/reader_messages.h"
#include "xml/tag_attributes.h"

#include <limits>
#include <utility>

namespace morvek::xml {
namespace {

constexpr QStringView kCdataStart = u"<![CDATA[";
constexpr QStringView kCdataEnd = u"]]>";

// A tag cut out of a line: its trimmed text (without the "/" of a closing tag) and the line
// it stands on.
struct FoundTag {
    QString text;
    bool closing = false;
    LinePlace place;
};

enum class Outcome { Found, End, Failed };

// One read of one file. Dropping a prefix of an unshared QString only moves its start, so
// `rest` is consumed from the front and a line with many tags is read in linear time.
class TagReader final {
public:
    TagReader(QIODevice& source, CTagReadState& readState, TagTable tagTable, CTagDataArray& output)
        : device(source), state(readState), table(tagTable), records(output) {}

    bool Read() {
        for (;;) {
            FoundTag tag;
            const Outcome outcome = FindTag(tag);
            if (outcome != Outcome::Found) {
                return outcome == Outcome::End;
            }
            CTagData& record = records.Append();
            if (!Identify(tag, record)) {
                return false;
            }
            if (!record.isOpen) {
                continue;
            }
            if (record.tagId == TAG_CDATA) {
                record.value = std::exchange(state.cdataText, QString());
                continue;
            }
            QString value;
            if (!ReadValue(value)) {
                return true;
            }
            record.value = RestoreInlineTags(std::move(value));
        }
    }

private:
    LinePlace Here() const { return {state.fileName, state.lineNumber, state.line}; }

    bool NextLine() {
        QByteArray bytes = device.readLine();
        if (bytes.isEmpty()) {
            state.atEnd = true;
            return false;
        }
        if (bytes.endsWith('\n')) {
            bytes.chop(1);
            if (bytes.endsWith('\r')) {
                bytes.chop(1);
            }
        }
        state.line = base::DecodeLatin1(bytes);
        // Past the largest count, messages keep naming the last countable line.
        if (state.lineNumber < std::numeric_limits<int>::max()) {
            ++state.lineNumber;
        }
        return true;
    }

    // The part of the current line that tags and values are read from; empty for a line
    // to skip (comment, blank or a ";" line of the portal's own).
    QString ContentOfLine() {
        QString text = base::Trim(RemoveComments(state.line, state.inComment));
        if (text.startsWith(u';')) {
            return {};
        }
        return ProtectInlineTags(std::move(text));
    }

    Outcome FindTag(FoundTag& tag) {
        if (IsMarkerLine(state.rest, kCdataStart)) {
            state.rest.clear();
            return ReadCdata(tag);
        }
        if (const qsizetype open = state.rest.indexOf(u'<'); open >= 0) {
            return CutTag(open, tag);
        }
        state.rest.clear();
        while (NextLine()) {
            // Inside a comment a block start is comment like the rest of the block.
            if (!state.inComment && IsMarkerLine(state.line, kCdataStart)) {
                return ReadCdata(tag);
            }
            if (state.line.contains(u"<?xml")) {
                // Skipped, but a comment may open or close on it.
                RemoveComments(state.line, state.inComment);
                continue;
            }
            state.rest = ContentOfLine();
            if (const qsizetype open = state.rest.indexOf(u'<'); open >= 0) {
                return CutTag(open, tag);
            }
        }
        state.rest.clear();
        return Outcome::End;
    }

    // The tag is what lies between the "<" at `open` and the first ">" of `rest`.
    Outcome CutTag(qsizetype open, FoundTag& tag) {
        const qsizetype close = state.rest.indexOf(u'>');
        if (close < 0) {
            ShowMissingTagEnd(Here());
            return Outcome::Failed;
        }
        // A ">" in front of the "<" leaves an empty tag.
        const QStringView between = close > open
                                        ? QStringView(state.rest).sliced(open + 1, close - open - 1)
                                        : QStringView();
        tag.text = RestoreInlineTags(base::Trim(between));
        tag.closing = tag.text.startsWith(u'/');
        if (tag.closing) {
            tag.text.remove(0, 1);
        }
        tag.place = Here();
        state.rest.remove(0, close + 1);
        return Outcome::Found;
    }

    Outcome ReadCdata(FoundTag& tag) {
        tag = {kCdataStart.toString(), false, Here()};
        state.cdataText.clear();
        while (NextLine()) {
            if (IsMarkerLine(state.line, kCdataEnd)) {
                return Outcome::Found;
            }
            state.cdataText += state.line + u"\r\n";
        }
        ShowCdataEndMissing(state.fileName);
        return Outcome::Failed;
    }

    bool Identify(const FoundTag& tag, CTagData& record) {
        QString name = tag.text;
        if (!tag.closing && !ParseOpeningTag(tag.text, name, record.attributes)) {
            ShowAttributeError(tag.place);
        }
        record.tagId = LookUpTag(table, name);
        record.isOpen = !tag.closing;
        if (record.tagId == TAG_UNKNOWN) {
            ShowTagNotAllowed(tag.place, tag.closing, name);
            return false;
        }
        return true;
    }

    // The text after an opening tag up to the next "<", over as many lines as it takes; lines
    // after the first are joined with one blank each. False when the file ends first.
    bool ReadValue(QString& value) {
        if (TakeTextUpToTag(value)) {
            return true;
        }
        while (NextLine()) {
            state.rest = ContentOfLine();
            if (state.rest.isEmpty()) {
                continue;
            }
            if (TakeTextUpToTag(value)) {
                return true;
            }
            value += u' ';
        }
        return false;
    }

    // Moves the text of `rest` before its first "<" to the value; true when there is a "<".
    bool TakeTextUpToTag(QString& value) {
        const qsizetype open = state.rest.indexOf(u'<');
        if (open < 0) {
            value += std::exchange(state.rest, QString());
            return false;
        }
        value += QStringView(state.rest).left(open);
        state.rest.remove(0, open);
        return true;
    }

    QIODevice& device;
    CTagReadState& state;
    TagTable table;
    CTagDataArray& records;
};

} // namespace

bool ReadTagDevice(QIODevice& device, CTagReadState& state, TagTable tagTable,
                   CTagDataArray& records) {
    state.lineNumber = 0;
    state.atEnd = false;
    state.line.clear();
    state.rest.clear();
    state.inComment = false;
    state.cdataText.clear();
    return TagReader(device, state, tagTable, records).Read();
}

bool ReadTagFile(const QString& fileName, CTagReadState& state, TagTable tagTable,
                 CTagDataArray& records, bool reportOpenError) {
    state.fileName = fileName;
    state.folder = platform::FolderOfPath(fileName);
    QFile file;
    if (const int error = platform::OpenPortalFile(fileName, QIODevice::ReadOnly, file);
        error != 0) {
        if (reportOpenError) {
            platform::ReportFileError(error, fileName);
        }
        return false;
    }
    return ReadTagDevice(file, state, tagTable, records);
}

} // namespace morvek::xml
