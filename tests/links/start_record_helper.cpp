// Records how it was started, for the tests of program launching: its program path, its
// arguments after the first, its working folder and its environment, as JSON written to
// the file that its first argument names.
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2) {
        return 2;
    }
    QJsonArray arguments;
    for (int i = 2; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    QJsonObject environment;
    for (char** entry = environ; *entry; ++entry) {
        const QString text = QString::fromLocal8Bit(*entry);
        const qsizetype equals = text.indexOf(u'=');
        environment.insert(text.left(equals), text.mid(equals + 1));
    }
    const QJsonObject record{{QStringLiteral("program"), QString::fromLocal8Bit(argv[0])},
                             {QStringLiteral("arguments"), arguments},
                             {QStringLiteral("folder"), QDir::currentPath()},
                             {QStringLiteral("environment"), environment}};
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly)) {
        return 1;
    }
    file.write(QJsonDocument(record).toJson());
    return file.commit() ? 0 : 1;
}
