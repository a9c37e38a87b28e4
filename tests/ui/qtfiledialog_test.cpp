#include "doubles/temphome.h"
#include "ui/qtfiledialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include <functional>

namespace {

// The real file dialog, answered by typing into its name field once it is up.
struct FileDialogWindow : ::testing::Test {
    TempHome home;
    QtFileDialog dialogs{home.drives};

    void SetUp() override
    {
        home.addDrive('d');
        home.write("d:\\Games\\readme.txt", "r");
    }
    std::optional<QString> askTyping(const QStringList& entries, FileDialogRequest request = {},
                                     const std::function<void(QFileDialog&)>& look = {})
    {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            if (look)
                look(*dialog);
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            for (const QString& entry : entries) {
                name->clear();
                QTest::keyClicks(name, entry);
                // Return is for the dialog, not for the completer's list.
                if (name->completer() && name->completer()->popup())
                    name->completer()->popup()->hide();
                QTest::keyClick(name, Qt::Key_Return);
                QTest::qWait(50);
            }
            if (dialog->isVisible())
                dialog->reject();
        });
        if (request.title.isEmpty())
            request.title = "Open";
        return dialogs.ask(request);
    }
};

} // namespace

TEST_F(FileDialogWindow, TheMappedDrivesAreItsPlaces)
{
    QList<QUrl> places;
    askTyping({}, {}, [&](QFileDialog& dialog) { places = dialog.sidebarUrls(); });
    EXPECT_TRUE(places.contains(QUrl::fromLocalFile(home.host("d:\\"))));
    EXPECT_TRUE(places.contains(QUrl::fromLocalFile(home.host("c:\\"))));
    EXPECT_TRUE(places.contains(QUrl::fromLocalFile("/")));
}

TEST_F(FileDialogWindow, ADosPathTypedInComesBackAsADosPath)
{
    EXPECT_EQ(askTyping({"D:/games/README.TXT"}), "d:\\Games\\readme.txt");
    // A DOS folder opens it; a name typed next is taken there.
    EXPECT_EQ(askTyping({"d:\\games", "readme.txt"}), "d:\\Games\\readme.txt");
    // Save: a new name under a drive.
    FileDialogRequest save;
    save.mode = FileDialogRequest::Mode::Save;
    EXPECT_EQ(askTyping({"d:\\games\\new.zvk"}, save), "d:\\Games\\new.zvk");
}

TEST_F(FileDialogWindow, AHostPathOutsideEveryOtherDriveComesBackOnZ)
{
    const QString outside = QFileInfo(home.dir.path()).canonicalFilePath() + "/elsewhere.txt";
    QFile file(outside);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    QString expected = outside;
    expected.replace('/', '\\');
    FileDialogRequest request;
    request.initialDir = *home.drives.toDos(QFileInfo(outside).path());
    EXPECT_EQ(askTyping({"elsewhere.txt"}, request), "z:" + expected);
}
