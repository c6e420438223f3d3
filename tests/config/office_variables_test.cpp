#include "config/office_variables.h"
#include "config/variable_store.h"
#include "support/fake_host.h"

#include <gtest/gtest.h>

namespace morvek::config {
namespace {

const QString kWordType =
    QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.document");
const QString kBrowserType = QStringLiteral("x-scheme-handler/http");

class OfficeVariablesTest : public testing::Test {
protected:
    test::FakeHost host;
};

TEST_F(OfficeVariablesTest, LooksUpTheDocumentTypeOfTheIdentifierInAnyCase) {
    host.desktop.programs.insert(kWordType, QStringLiteral("/usr/bin/writer"));

    EXPECT_EQ(LookupLocalServer(QStringLiteral("word.APPLICATION")),
              QStringLiteral("/usr/bin/writer"));
    EXPECT_EQ(LookupLocalServer(QStringLiteral("Excel.Application")), QString());
    EXPECT_EQ(host.desktop.asked,
              (QStringList{kWordType, QStringLiteral("application/vnd.openxmlformats-"
                                                     "officedocument.spreadsheetml.sheet")}));
}

TEST_F(OfficeVariablesTest, UnknownIdentifierAsksNobody) {
    EXPECT_EQ(LookupLocalServer(QStringLiteral("Visio.Application")), QString());
    EXPECT_EQ(LookupLocalServer(QString()), QString());
    EXPECT_TRUE(host.desktop.asked.isEmpty());
}

TEST_F(OfficeVariablesTest, StripsBlanksAndQuotesButKeepsSlashes) {
    const struct {
        QString answer;
        QString expected;
    } cases[] = {
        {QStringLiteral("/opt/office/program/swriter"),
         QStringLiteral("/opt/office/program/swriter")},
        {QStringLiteral("  \"/opt/my office/writer\"  "), QStringLiteral("/opt/my office/writer")},
        {QStringLiteral("\"\"/usr/bin/writer\"\""), QStringLiteral("/usr/bin/writer")},
        {QStringLiteral("\""), QString()},
    };
    for (const auto& c : cases) {
        host.desktop.programs.insert(kWordType, c.answer);
        EXPECT_EQ(LookupLocalServer(QStringLiteral("Word.Application")), c.expected)
            << c.answer.toStdString();
    }
}

TEST_F(OfficeVariablesTest, DefinesAllEightAsSystemVariablesInOrder) {
    host.desktop.programs.insert(kWordType, QStringLiteral("/usr/bin/writer"));
    host.desktop.programs.insert(kBrowserType, QStringLiteral("/usr/bin/browser"));
    CVariableStore variables;

    DefineOfficeVariables(variables);

    EXPECT_EQ(
        host.desktop.asked,
        (QStringList{
            kWordType,
            QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet"),
            QStringLiteral("application/vnd.ms-access"),
            QStringLiteral(
                "application/vnd.openxmlformats-officedocument.presentationml.presentation"),
            QStringLiteral("x-scheme-handler/mailto"),
            QStringLiteral("text/html"),
            QStringLiteral("application/x-mspublisher"),
            kBrowserType,
        }));
    EXPECT_TRUE(variables.localVariables.isEmpty());
    EXPECT_EQ(variables.systemVariables.size(), 8);
    EXPECT_EQ(variables.GetVariable(QStringLiteral("WORD.APPLICATION")),
              QStringLiteral("/usr/bin/writer"));
    EXPECT_EQ(variables.GetVariable(QStringLiteral("internetexplorer.application")),
              QStringLiteral("/usr/bin/browser"));
    // An unregistered program is still defined, with an empty value.
    EXPECT_EQ(variables.GetVariable(QStringLiteral("Publisher.Application")), QString());
    EXPECT_EQ(host.environment.variables.value(QStringLiteral("Word.Application")),
              QStringLiteral("/usr/bin/writer"));
    EXPECT_TRUE(host.environment.variables.contains(QStringLiteral("Outlook.Application")));
}

} // namespace
} // namespace morvek::config
