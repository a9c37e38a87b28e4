#include "ui/desktoptexteditor.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Sets environment variables for one test and puts the old values back.
class Environment
{
public:
    void set(const char* name, const QString& value)
    {
        m_old.emplace_back(name, qgetenv(name), qEnvironmentVariableIsSet(name));
        qputenv(name, QFile::encodeName(value));
    }
    ~Environment()
    {
        for (const auto& [name, value, wasSet] : m_old) {
            if (wasSet)
                qputenv(name, value);
            else
                qunsetenv(name);
        }
    }

private:
    std::vector<std::tuple<const char*, QByteArray, bool>> m_old;
};

} // namespace

// A desktop of the test's own: one application, the witness program, is the
// default for plain text. The file's name says "nfo" and holds what a shell
// would act on; the editor must get it as one argument, unchanged.
TEST(DesktopTextEditor, StartsThePlainTextDefaultOnTheFileWithoutAShell)
{
    QTemporaryDir dir;
    const QString root = dir.path();
    Environment environment;
    environment.set("XDG_DATA_HOME", root + "/data");
    environment.set("XDG_CONFIG_HOME", root + "/config");
    environment.set("XDG_DATA_DIRS", root + "/nothing");
    environment.set("XDG_CONFIG_DIRS", root + "/nothing");
    environment.set("ARGRECORDER_OUT", root + "/args");
    writeFile(root + "/data/applications/zavok-test-editor.desktop",
              "[Desktop Entry]\nType=Application\nName=Test editor\nExec=" ARGRECORDER_PATH
              " %f\nMimeType=text/plain;\n");
    writeFile(root + "/config/mimeapps.list", "[Default Applications]\ntext/plain=zavok-test-editor.desktop\n");
    const QString file = root + "/it's a $(reboot) file.nfo";
    writeFile(file, "Quake II\r\n");

    ASSERT_TRUE(DesktopTextEditor::openWithPlainTextDefault(file));
    QFile record(root + "/args");
    for (int i = 0; i < 100 && !(record.exists() && record.size() > 0); ++i)
        QTest::qWait(50);
    ASSERT_TRUE(record.open(QIODevice::ReadOnly));
    const QList<QByteArray> fields = record.readAll().split('\0');
    ASSERT_GE(fields.size(), 4);
    EXPECT_EQ(QString::fromLocal8Bit(fields[0]), QFileInfo(ARGRECORDER_PATH).canonicalFilePath());
    EXPECT_EQ(QFile::decodeName(fields[3]), file);
}
