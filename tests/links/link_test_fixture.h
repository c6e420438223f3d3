#pragma once

#include "base/log.h"
#include "links/link_dispatch.h"
#include "links/worker_threads.h"
#include "pagegen/program_table.h"
#include "support/fake_host.h"
#include "support/printers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace morvek::test {

class RecordingWindow final : public links::ViewerWindow {
public:
    void PostCloseRequest() override { ++closeRequests; }
    int closeRequests = 0;
};

// A drive C: mapped to a temporary folder, a PATH of one folder in it, the host doubles,
// an empty log, and the program table and extension list of a document.
class LinkTest : public testing::Test {
protected:
    LinkTest() {
        host.settings.SetValue(QStringLiteral("Drives"), QStringLiteral("C"), drive.path());
        host.environment.Set(QStringLiteral("PATH"), drive.filePath(QStringLiteral("bin")));
        base::ClearLog();
    }
    ~LinkTest() override { EXPECT_TRUE(links::WaitForWorkers(std::chrono::seconds(5))); }

    // Creates a file below the drive, e.g. "docs/x.pdf", and returns its host path.
    QString Create(const QString& relative, QFile::Permissions permissions = {}) const {
        const QString path = drive.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        if (permissions) {
            file.setPermissions(permissions);
        }
        return path;
    }

    bool Dispatch(const QString& target,
                  links::NavigationOrigin origin = links::NavigationOrigin::GeneratedPage) {
        return links::DispatchLinkAction(target, origin, {programs, extensions, window});
    }

    // The launches of the workers, once they have all ended.
    QList<RecordingPrograms::ProcessCall> ProcessCalls() const {
        EXPECT_TRUE(links::WaitForWorkers(std::chrono::seconds(5)));
        return host.programs.ProcessCalls();
    }
    QList<platform::ShellRequest> ShellRequests() const {
        EXPECT_TRUE(links::WaitForWorkers(std::chrono::seconds(5)));
        return host.programs.ShellRequests();
    }

    QTemporaryDir drive;
    FakeHost host;
    pagegen::ProgramTable programs;
    QStringList extensions;
    RecordingWindow window;
};

} // namespace morvek::test
