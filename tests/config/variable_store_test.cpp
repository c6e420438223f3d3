#include "config/variable_store.h"
#include "support/fake_host.h"

#include <gtest/gtest.h>

namespace morvek::config {
namespace {

class VariableStoreTest : public testing::Test {
protected:
    QString Expanded(const QString& text) const {
        QString result = text;
        store.ExpandVariables(result);
        return result;
    }

    test::FakeHost host;
    CVariableStore store;
};

struct ExpansionCase {
    const char16_t* text;
    const char16_t* expected;
};

TEST_F(VariableStoreTest, ExpandsReferences) {
    store.SetVariable(QStringLiteral("Root"), QStringLiteral("C:\\Portal"), false);
    store.SetVariable(QStringLiteral("Docs"), QStringLiteral("%Root%\\Docs"), false);
    store.SetVariable(QStringLiteral("Empty"), QString(), false);
    store.SetVariable(QStringLiteral("Percent"), QStringLiteral("%"), false);
    host.environment.variables.insert(QStringLiteral("COMPUTERNAME"), QStringLiteral("WS42"));
    host.environment.variables.insert(QStringLiteral("HOME"), QStringLiteral("/home/u"));
    host.environment.variables.insert(QStringLiteral("Blank"), QString());

    const ExpansionCase cases[] = {
        {u"", u""},
        {u"no reference", u"no reference"},
        {u"%Root%\\a.xml", u"C:\\Portal\\a.xml"},
        {u"%root%|%ROOT%|%rOoT%", u"C:\\Portal|C:\\Portal|C:\\Portal"},
        {u"%Docs%\\x", u"C:\\Portal\\Docs\\x"},
        {u"a%Unknown%b", u"ab"},
        {u"a%%b", u"ab"},
        {u"50%", u"50%"},
        {u"%", u"%"},
        {u"a%b", u"a%b"},
        {u"a%b%c%d", u"ac%d"},
        {u"[%Empty%]", u"[]"},
        {u"%COMPUTERNAME%", u"WS42"},
        {u"%home%", u"/home/u"},
        {u"[%Blank%]", u"[]"},
        // A value holding a lone "%" pairs with the next sign of the text.
        {u"%Percent%x%Root%", u"Root%"},
    };
    for (const ExpansionCase& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(Expanded(text), QString::fromUtf16(c.expected)) << text.toStdString();
    }
}

TEST_F(VariableStoreTest, DefinitionExpandsAtOnceInDefinitionOrder) {
    store.SetVariable(QStringLiteral("A"), QStringLiteral("%A%x"), false);
    EXPECT_EQ(store.GetVariable(QStringLiteral("A")), QStringLiteral("x"));
    store.SetVariable(QStringLiteral("A"), QStringLiteral("%A%y"), false);
    EXPECT_EQ(store.GetVariable(QStringLiteral("a")), QStringLiteral("xy"));

    store.SetVariable(QStringLiteral("Pfad2"), QStringLiteral("%Pfad1%\\Test2"), false);
    store.SetVariable(QStringLiteral("Pfad1"), QStringLiteral("C:\\x"), false);
    EXPECT_EQ(store.GetVariable(QStringLiteral("Pfad2")), QStringLiteral("\\Test2"));
}

TEST_F(VariableStoreTest, LocalVariablesComeBeforeSystemAndEnvironment) {
    host.environment.variables.insert(QStringLiteral("NAME"), QStringLiteral("environment"));
    EXPECT_EQ(store.GetVariable(QStringLiteral("Name")), QStringLiteral("environment"));
    store.SetVariable(QStringLiteral("Name"), QStringLiteral("system"), true);
    EXPECT_EQ(store.GetVariable(QStringLiteral("NAME")), QStringLiteral("system"));
    store.SetVariable(QStringLiteral("name"), QString(), false);
    // An empty local value is still found and hides the others.
    EXPECT_EQ(store.GetVariable(QStringLiteral("Name")), QString());
}

TEST_F(VariableStoreTest, SystemVariablesReachTheEnvironmentUnderTheirWrittenName) {
    store.SetVariable(QStringLiteral("Lokal1"), QStringLiteral("l"), false);
    store.SetVariable(QStringLiteral("Sys1"), QStringLiteral("%Lokal1%s"), true);

    EXPECT_EQ(host.environment.variables,
              (QMap<QString, QString>{{QStringLiteral("Sys1"), QStringLiteral("ls")}}));
    EXPECT_EQ(store.systemVariables.value(QStringLiteral("SYS1")), QStringLiteral("ls"));
    EXPECT_EQ(store.localVariables.value(QStringLiteral("LOKAL1")), QStringLiteral("l"));

    store.Clear();
    EXPECT_TRUE(store.systemVariables.isEmpty());
    EXPECT_EQ(host.environment.variables.value(QStringLiteral("Sys1")), QStringLiteral("ls"));
}

TEST_F(VariableStoreTest, EnvironmentValuesOfAThousandCharactersAreIgnored) {
    const QString longest(999, u'a');
    host.environment.variables.insert(QStringLiteral("FITS"), longest);
    host.environment.variables.insert(QStringLiteral("TOOLONG"), QString(1000, u'b'));

    EXPECT_EQ(store.GetVariable(QStringLiteral("FITS")), longest);
    EXPECT_EQ(store.GetVariable(QStringLiteral("TOOLONG")), std::nullopt);
    EXPECT_EQ(Expanded(QStringLiteral("[%TOOLONG%]")), QStringLiteral("[]"));
}

TEST_F(VariableStoreTest, ExpansionIntoItselfStopsAfterAThousandSubstitutions) {
    host.environment.variables.insert(QStringLiteral("X"), QStringLiteral("%X%a"));
    EXPECT_EQ(Expanded(QStringLiteral("%X%")), QStringLiteral("%X%") + QString(1000, u'a'));
}

TEST_F(VariableStoreTest, UnknownReferencesDoNotCountAgainstTheBound) {
    QString text;
    for (int i = 0; i < 1500; ++i) {
        text += QStringLiteral("%Unknown%");
    }
    store.SetVariable(QStringLiteral("Known"), QStringLiteral("k"), false);
    EXPECT_EQ(Expanded(text + QStringLiteral("%Known%")), QStringLiteral("k"));
}

TEST_F(VariableStoreTest, EnumeratesOneKindInKeyOrder) {
    store.SetVariable(QStringLiteral("b"), QStringLiteral("2"), true);
    store.SetVariable(QStringLiteral("A"), QStringLiteral("1"), true);
    store.SetVariable(QStringLiteral("C"), QStringLiteral("3"), false);

    QStringList names;
    QStringList values;
    store.EnumerateVariables(true, names, values);
    EXPECT_EQ(names, (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(values, (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
}

} // namespace
} // namespace morvek::config
