#include "contentspagesfixture.h"
#include "ui/pathpanel.h"
#include "ui/zippage.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionSlider>

namespace {

class ZipPageTest : public ContentsPages
{
protected:
    void SetUp() override
    {
        ContentsPages::SetUp();
        shortcut(Qt::Key_Z);
        ASSERT_TRUE(window().zipPage()->isVisible());
        bar = window().zipPage()->sizeBar();
    }

    QString sizeCaption() { return find<QLabel>("sizeCaption")->text(); }
    // Where a part of the size bar is drawn, as the style lays it out now.
    QRect barPart(QStyle::SubControl part)
    {
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        option.upsideDown = bar->invertedAppearance();
        return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
    }
    void clickBar(QStyle::SubControl part)
    {
        ASSERT_TRUE(bar->isEnabled());
        QTest::mouseClick(bar, Qt::LeftButton, {}, barPart(part).center());
    }
    void dragThumbTo(int y)
    {
        const QPoint from = barPart(QStyle::SC_ScrollBarSlider).center();
        QTest::mousePress(bar, Qt::LeftButton, {}, from);
        QTest::mouseMove(bar, QPoint(from.x(), (from.y() + y) / 2));
        QTest::mouseMove(bar, QPoint(from.x(), y));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(from.x(), y));
    }

    QScrollBar* bar = nullptr;
};

} // namespace

TEST_F(ZipPageTest, TheUpArrowAndTheTroughAboveTheThumbMakeVolumesLarger)
{
    EXPECT_EQ(sizeCaption(), "1.44 M");
    const int thumbAt3 = barPart(QStyle::SC_ScrollBarSlider).center().y();
    clickBar(QStyle::SC_ScrollBarSubLine); // the up arrow
    EXPECT_EQ(sizeCaption(), "2. M");
    EXPECT_EQ(job().archiveSizeStep(), 4);
    EXPECT_LE(barPart(QStyle::SC_ScrollBarSlider).center().y(), thumbAt3) << "the thumb moves up";

    clickBar(QStyle::SC_ScrollBarAddLine); // the down arrow
    clickBar(QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(sizeCaption(), "1. M");
    clickBar(QStyle::SC_ScrollBarSubPage); // the trough above the thumb
    EXPECT_EQ(job().archiveSizeStep(), 3);
    clickBar(QStyle::SC_ScrollBarAddPage); // below it
    EXPECT_EQ(job().archiveSizeStep(), 2);

    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Up);
    EXPECT_EQ(job().archiveSizeStep(), 3);
    QTest::keyClick(bar, Qt::Key_Down);
    EXPECT_EQ(job().archiveSizeStep(), 2);
}

TEST_F(ZipPageTest, DraggingTheThumbReachesBothEnds)
{
    EXPECT_GE(barPart(QStyle::SC_ScrollBarGroove).height(), 200) << "long enough to aim at a step";
    job().setZipBaseNameBound(RipJob::kLongNameBound);
    dragThumbTo(0);
    EXPECT_EQ(job().archiveSizeStep(), 199);
    EXPECT_EQ(sizeCaption(), "99.5 M");
    dragThumbTo(bar->height() - 1);
    EXPECT_EQ(job().archiveSizeStep(), 0);
    EXPECT_EQ(sizeCaption(), "1 Max file");
    EXPECT_EQ(find<QLabel>("estimateCaption")->text(), "1.00 file");
    EXPECT_EQ(window().zipPage()->nameBox()->maxLength(), 20);
}

TEST_F(ZipPageTest, AnImageKeepsVolumesOfAtLeastFiveMillionBytes)
{
    job().setImageMode(true);
    job().setArchiveSizeStep(10);
    EXPECT_EQ(sizeCaption(), "5. M");
    clickBar(QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(job().archiveSizeStep(), 10);
    EXPECT_EQ(sizeCaption(), "5. M");
    EXPECT_EQ(bar->value(), ZipPage::barValueOfStep(10)) << "the bar goes back with it";
}

TEST_F(ZipPageTest, ArchiverAndCompressionLists)
{
    auto* rar = find<QRadioButton>("rar");
    auto* ace = find<QRadioButton>("ace");
    EXPECT_TRUE(rar->isChecked());
    click(ace);
    EXPECT_EQ(job().archiver(), Archiver::Ace);
    EXPECT_FALSE(rar->isChecked());
    click(rar);
    EXPECT_EQ(job().archiver(), Archiver::Rar);
    EXPECT_FALSE(ace->isChecked());

    for (const char* name : {"archiveCompression", "zipCompression"}) {
        auto* list = find<QComboBox>(name);
        EXPECT_EQ(list->currentText(), "Normal");
        ASSERT_TRUE(list->isEnabled());
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(list->currentText(), "Good");
    }
    EXPECT_EQ(job().archiveCompression(), 4);
    EXPECT_EQ(job().zipCompression(), 4);
}

TEST_F(ZipPageTest, BrowseBeforeASourceShowsTheSourcePage)
{
    click(find<QPushButton>("zipBrowse"));
    EXPECT_TRUE(window().page(PageId::Source)->isVisible());
    EXPECT_TRUE(home.folderPicker.requests.isEmpty());
}

TEST_F(ZipPageTest, BrowseChoosesTheFolderAndShowsItsFreeSpace)
{
    job().setSourcePath("e:\\demo");
    QDir(driveE).mkpath("Zips");
    home.folderPicker.answers = {"E:\\Zips"};
    click(find<QPushButton>("zipBrowse"));
    ASSERT_EQ(home.folderPicker.requests.size(), 1);
    EXPECT_EQ(home.folderPicker.requests[0].title, "Directory for zip's");
    EXPECT_EQ(find<PathPanel>("zipDirectoryPanel")->text(), "e:\\zips");
    const QString free = find<QLabel>("zipFreeSpace")->text();
    EXPECT_TRUE(free.startsWith("Free space  ") && free.endsWith(" M")) << free.toStdString();
    EXPECT_EQ(QApplication::focusWidget(), window().zipPage()->focusSink());
}

TEST_F(ZipPageTest, UndoInTheNameBoxOutlivesChangesElsewhereInTheJob)
{
    QLineEdit* name = window().zipPage()->nameBox();
    ASSERT_TRUE(name->hasFocus());
    QTest::keyClicks(name, "quake");
    EXPECT_EQ(job().zipBaseName(), "quake");
    job().setSourcePath("e:\\demo");
    job().setArchiveSizeStep(5);
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(name->text(), "");
    EXPECT_EQ(job().zipBaseName(), "");
    EXPECT_TRUE(window().zipPage()->isVisible());
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(job().zipBaseName(), "quake");
}

TEST_F(ZipPageTest, PointingAtTheNameBoxFocusesItAndShowsTheName)
{
    job().setZipBaseName("doom2");
    QLineEdit* name = window().zipPage()->nameBox();
    bar->setFocus();
    QTest::mouseMove(name, name->rect().center());
    QTest::qWait(20);
    EXPECT_TRUE(name->hasFocus());
    EXPECT_EQ(name->toolTip(), "doom2");
}

TEST_F(ZipPageTest, TheOutputModeOfAnImageGreysTheZipControlsAndComesBack)
{
    ZipPageView& zip = view().zip;
    zip.zipCompressionEnabled = false;
    zip.directoryBrowseEnabled = false;
    zip.directoryPanelGreyed = true;
    zip.zipLabelsEnabled = false;
    view().notify();
    EXPECT_FALSE(find<QComboBox>("zipCompression")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("zipBrowse")->isEnabled());
    EXPECT_EQ(find<PathPanel>("zipDirectoryPanel")->backgroundRole(), QPalette::Button);
    for (const char* label : {"zipStorageLabel", "zipFreeSpace", "zipCompressionLabel"})
        EXPECT_FALSE(find<QLabel>(label)->isEnabled()) << label;
    EXPECT_TRUE(find<QComboBox>("archiveCompression")->isEnabled());

    zip = ZipPageView{};
    view().notify();
    EXPECT_TRUE(find<QComboBox>("zipCompression")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("zipBrowse")->isEnabled());
    EXPECT_EQ(find<PathPanel>("zipDirectoryPanel")->backgroundRole(), QPalette::Base);
    EXPECT_TRUE(find<QLabel>("zipStorageLabel")->isEnabled());
}

TEST_F(ZipPageTest, TabVisitsEveryControlAndNeverTheFocusSinkAndTheMnemonicsWork)
{
    const QStringList chain = names(tabChain(window().zipPage()));
    EXPECT_EQ(chain, (QStringList{"archiveSize", "rar", "archiveCompression", "zipCompression", "zipBaseName",
                                  "zipBrowse"}));

    mnemonic(Qt::Key_A);
    EXPECT_EQ(job().archiver(), Archiver::Ace);
    mnemonic(Qt::Key_R);
    EXPECT_EQ(job().archiver(), Archiver::Rar);
    job().setSourcePath("e:\\demo");
    home.folderPicker.answers = {"e:\\"};
    mnemonic(Qt::Key_B);
    EXPECT_EQ(job().zipDirectory(), "e:\\");
}

TEST_F(ZipPageTest, AnOpenedScriptShowsTheFreeSpaceOfItsZipFolder)
{
    QFile::copy(QStringLiteral(ZAVOK32_SOURCE_DIR) + "/examples/demo.zvk", driveE + "/demo.zvk");
    home.fileDialog.answers = {"e:\\demo.zvk"};
    shortcut(Qt::Key_O);
    EXPECT_EQ(job().zipDirectory(), "e:\\zips");
    const QString free = find<QLabel>("zipFreeSpace")->text();
    EXPECT_TRUE(free.startsWith("Free space  ") && free.endsWith(" M")) << free.toStdString();
}
