#include "contentspagesfixture.h"
#include "ui/nfopage.h"
#include "ui/pathpanel.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

class NfoPageTest : public ContentsPages
{
protected:
    void SetUp() override
    {
        ContentsPages::SetUp();
        shortcut(Qt::Key_N);
        ASSERT_TRUE(window().nfoPage()->isVisible());
    }
    QString nfoPanel() { return find<PathPanel>("nfoPathPanel")->text(); }
    QString extraPanel() { return find<PathPanel>("extraPathPanel")->text(); }
    QString aboutHost() const { return home.home() + "/temp/About.nfo"; }
};

} // namespace

TEST_F(NfoPageTest, TheInformationFileButtonsBrowseCreateAndEdit)
{
    home.fileDialog.answers = {"E:\\Release\\GAME.NFO"};
    click(find<QPushButton>("nfoBrowse"));
    EXPECT_EQ(nfoPanel(), "e:\\release\\game.nfo");
    ASSERT_EQ(home.fileDialog.requests.size(), 1);
    EXPECT_EQ(home.fileDialog.requests[0].title, "Add *.nfo");
    EXPECT_EQ(QApplication::focusWidget(), window().nfoPage()->focusSink());

    click(find<QPushButton>("nfoEdit"));
    EXPECT_EQ(home.textEditor.opened, QStringList{home.host("e:\\release\\game.nfo")});

    click(find<QPushButton>("nfoCreate"));
    ASSERT_FALSE(home.messages.shown.isEmpty());
    EXPECT_EQ(home.messages.shown.last().text, "Choose 'Save' when finished in notepad, NOT 'save as'");
    EXPECT_TRUE(QFile::exists(aboutHost()));
    EXPECT_EQ(home.textEditor.opened.last(), aboutHost());
    EXPECT_EQ(nfoPanel(), (home.homeDos() + "\\temp\\about.nfo").toLower());

    click(find<QPushButton>("nfoBrowse")); // Cancel
    EXPECT_EQ(nfoPanel(), "");
}

TEST_F(NfoPageTest, TheExtraBrowseWaitsForAnOptionAndServesTheOneMarked)
{
    auto* browse = find<QPushButton>("extraBrowse");
    EXPECT_FALSE(browse->isEnabled());
    EXPECT_FALSE(find<QRadioButton>("extraFile")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("extraDirectory")->isChecked());

    click(find<QRadioButton>("extraFile"));
    EXPECT_TRUE(browse->isEnabled());
    EXPECT_TRUE(job().extraIsFile());
    home.fileDialog.answers = {"E:\\Maps\\E1M1.MAP"};
    click(browse);
    EXPECT_EQ(extraPanel(), "e:\\maps\\e1m1.map");
    EXPECT_EQ(home.fileDialog.requests.last().title, "Add extra file");

    click(find<QRadioButton>("extraFile"));
    EXPECT_EQ(extraPanel(), "e:\\maps\\e1m1.map") << "the marked option again keeps the file";
    click(find<QRadioButton>("extraDirectory"));
    EXPECT_EQ(extraPanel(), "");
    EXPECT_TRUE(find<QRadioButton>("extraDirectory")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("extraFile")->isChecked());

    QDir(driveE).mkpath("Extras");
    home.folderPicker.answers = {"E:\\Extras", std::nullopt};
    click(browse);
    EXPECT_EQ(extraPanel(), "e:\\extras");
    EXPECT_EQ(home.folderPicker.requests.last().title, "Extra directory of files to add to Zip");
    click(browse);
    EXPECT_EQ(extraPanel(), "e:\\extras") << "Cancel keeps the folder";

    auto* firstOnly = find<QCheckBox>("firstZipOnly");
    click(firstOnly);
    EXPECT_EQ(job().firstZipOnly(), 1);
    click(firstOnly);
    EXPECT_EQ(job().firstZipOnly(), 0);
}

TEST_F(NfoPageTest, AnOptionMarkedByAScriptOffersTheExtraBrowse)
{
    job().chooseExtra(ExtraChoice::Directory);
    EXPECT_TRUE(find<QRadioButton>("extraDirectory")->isChecked());
    EXPECT_TRUE(find<QPushButton>("extraBrowse")->isEnabled());
}

TEST_F(NfoPageTest, TheOutputModeOfAnImageGreysTheExtraAndComesBack)
{
    NfoPageView& nfo = view().nfo;
    nfo.extraChoicesEnabled = false;
    nfo.extraBrowseEnabled = false;
    nfo.firstZipOnlyEnabled = false;
    nfo.extraLabelEnabled = false;
    nfo.extraPanelGreyed = true;
    view().notify();
    EXPECT_FALSE(find<QRadioButton>("extraFile")->isEnabled());
    EXPECT_FALSE(find<QRadioButton>("extraDirectory")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("extraBrowse")->isEnabled());
    EXPECT_FALSE(find<QCheckBox>("firstZipOnly")->isEnabled());
    EXPECT_FALSE(find<QLabel>("extraLabel")->isEnabled());
    EXPECT_EQ(find<PathPanel>("extraPathPanel")->backgroundRole(), QPalette::Button);
    EXPECT_TRUE(find<QPushButton>("nfoBrowse")->isEnabled());

    nfo = NfoPageView{};
    nfo.filesEnabled = false;
    view().notify();
    EXPECT_FALSE(find<QPushButton>("nfoCreate")->isEnabled());
    EXPECT_EQ(find<PathPanel>("extraPathPanel")->backgroundRole(), QPalette::Base);
    nfo.filesEnabled = true;
    view().notify();
    EXPECT_TRUE(find<QLabel>("extraLabel")->isEnabled());
    EXPECT_TRUE(find<QRadioButton>("extraFile")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("nfoCreate")->isEnabled());
}

TEST_F(NfoPageTest, EverythingWorksFromTheKeyboard)
{
    job().setNfoPath("e:\\a.nfo"); // "&Edit" is there only with a file to open
    const QStringList chain = names(tabChain(window().nfoPage()));
    EXPECT_EQ(chain.mid(0, 3), (QStringList{"nfoBrowse", "nfoCreate", "nfoEdit"}));
    EXPECT_TRUE(chain.contains("extraFile"));
    EXPECT_TRUE(chain.contains("firstZipOnly"));
    EXPECT_FALSE(chain.contains("nfoFocusSink")) << chain.join(' ').toStdString();

    mnemonic(Qt::Key_D);
    EXPECT_EQ(job().extraChoice(), ExtraChoice::Directory);
    home.folderPicker.answers = {"e:\\"};
    mnemonic(Qt::Key_R);
    EXPECT_EQ(job().extraPath(), "e:\\");
    mnemonic(Qt::Key_1);
    EXPECT_EQ(job().firstZipOnly(), 1);
    home.fileDialog.answers = {"e:\\a.nfo"};
    mnemonic(Qt::Key_B);
    EXPECT_EQ(job().nfoPath(), "e:\\a.nfo");
    mnemonic(Qt::Key_E);
    ASSERT_EQ(home.textEditor.opened.size(), 1);
    EXPECT_EQ(home.textEditor.opened.last(), home.host("e:\\a.nfo"));
    mnemonic(Qt::Key_C);
    EXPECT_EQ(home.textEditor.opened.last(), aboutHost());

    // Alt+F is also the File menu's: the first press goes to the option, which
    // Space then marks; the next one opens the menu.
    mnemonic(Qt::Key_F);
    EXPECT_EQ(QApplication::focusWidget(), find<QRadioButton>("extraFile"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(job().extraChoice(), ExtraChoice::File);
}

TEST_F(NfoPageTest, TheCommentItemsOfTheOptionsMenu)
{
    QFile comment(driveE + "/comment.txt");
    ASSERT_TRUE(comment.open(QIODevice::WriteOnly));
    comment.write("Ripped with care");
    comment.close();
    home.fileDialog.answers = {"e:\\comment.txt"};
    chooseMenuItem(Qt::Key_O, "&Open zip comment...");
    EXPECT_EQ(home.read(home.homeDos() + "\\zcomment.ini"), "Ripped with care");
    EXPECT_FALSE(window().action(MenuCommand::UseZipComment)->isChecked());

    chooseMenuItem(Qt::Key_O, "Use &zip comment");
    EXPECT_TRUE(window().action(MenuCommand::UseZipComment)->isChecked());
    EXPECT_TRUE(QFile::exists(home.home() + "/zcom1.ini"));
    EXPECT_EQ(home.fileDialog.requests.size(), 1) << "the working copy is there: no dialog";

    chooseMenuItem(Qt::Key_O, "&View zip comment...");
    EXPECT_EQ(home.textEditor.opened, QStringList{home.home() + "/zcomment.ini"});

    chooseMenuItem(Qt::Key_O, "Use &zip comment");
    EXPECT_FALSE(window().action(MenuCommand::UseZipComment)->isChecked());
    EXPECT_FALSE(QFile::exists(home.home() + "/zcom1.ini"));
}

TEST_F(NfoPageTest, TheSwitchRestoredAtStartUpCanBeTurnedOff)
{
    QFile marker(home.home() + "/zcom1.ini");
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    program.reset();
    start();
    EXPECT_TRUE(window().action(MenuCommand::UseZipComment)->isChecked());
    chooseMenuItem(Qt::Key_O, "Use &zip comment");
    EXPECT_FALSE(window().action(MenuCommand::UseZipComment)->isChecked());
    EXPECT_FALSE(QFile::exists(home.home() + "/zcom1.ini"));
}

