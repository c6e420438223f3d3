#include "platform/desktop_applications.h"

#include <QFile>
#include <QHash>
#include <QMutex>
#include <QProcess>
#include <QStandardPaths>

namespace morvek::platform {
namespace {

constexpr int kQueryTimeoutMs = 3000;

QString QueryDefaultDesktopEntry(const QString& mimeType) {
    QProcess process;
    process.start(QStringLiteral("xdg-mime"),
                  {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!process.waitForFinished(kQueryTimeoutMs) || process.exitCode() != 0) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// The program of a desktop entry's Exec line: its first word, quotes removed.
QString ProgramOfExecLine(const QString& exec) {
    const QString text = exec.trimmed();
    if (text.startsWith(u'"')) {
        const qsizetype end = text.indexOf(u'"', 1);
        return end < 0 ? text.mid(1) : text.mid(1, end - 1);
    }
    const qsizetype blank = text.indexOf(u' ');
    return blank < 0 ? text : text.left(blank);
}

QString ExecOfDesktopEntry(const QString& desktopId) {
    const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, desktopId);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            inMainGroup = line == u"[Desktop Entry]";
        } else if (inMainGroup && line.startsWith(QStringLiteral("Exec="))) {
            return line.mid(5);
        }
    }
    return {};
}

QString LookUpProgram(const QString& mimeType) {
    const QString desktopId = QueryDefaultDesktopEntry(mimeType);
    if (desktopId.isEmpty()) {
        return {};
    }
    const QString program = ProgramOfExecLine(ExecOfDesktopEntry(desktopId));
    if (program.isEmpty() || program.startsWith(u'/')) {
        return program;
    }
    return QStandardPaths::findExecutable(program);
}

} // namespace

QString XdgDesktopApplications::DefaultProgramFor(const QString& mimeType) const {
    static QMutex mutex;
    static QHash<QString, QString> cache;
    const QMutexLocker lock(&mutex);
    const auto it = cache.constFind(mimeType);
    if (it != cache.constEnd()) {
        return *it;
    }
    return cache[mimeType] = LookUpProgram(mimeType);
}

} // namespace morvek::platform
