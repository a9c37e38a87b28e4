#include "sourcefixture.h"

#include "platform/numbertext.h"
#include "source/sourcemeasurement.h"
#include "job/volumeestimate.h"

#include <QDir>

namespace {

struct ViewSnapshot {
    QString sizeLabel;
    bool browseEnabled;
    bool listBarEnabled;
    bool busyPointer;
};

} // namespace

class MeasurementTest : public SourceTest
{
protected:
    MeasurementTest()
        : measurement(job, state, view, t.services)
    {
        QObject::connect(&view, &ViewState::changed, [this] {
            snapshots.append({view.source.sizeLabel, view.source.browseEnabled, view.window.listBarEnabled,
                              view.window.busyPointer});
        });
    }

    void expectIdle() const
    {
        EXPECT_TRUE(view.source.browseEnabled);
        EXPECT_TRUE(view.window.listBarEnabled);
        EXPECT_FALSE(view.window.busyPointer);
    }

    SourceMeasurement measurement;
    QList<ViewSnapshot> snapshots;
};

TEST_F(MeasurementTest, DriveRootMeasuresUsedSpaceNotItsFolders)
{
    // A CD: full, read-only, far more on it than the folder walk would see.
    drives.figures[QLatin1Char('d')] = {650000000, 0};
    t.write("d:\\small.txt", QByteArray(1000, 'x'));
    job.setSourcePath("d:\\");

    measurement.measureFolder();
    EXPECT_EQ(view.source.sizeLabel, "650,000,000 Total bytes");
    EXPECT_FLOAT_EQ(job.sourceMegabytes(), 650.0f);

    job.setSourceMegabytes(0);
    ASSERT_TRUE(measurement.measureSource());
    EXPECT_EQ(view.source.sizeLabel, "650,000,000 Total bytes");
    EXPECT_EQ(job.sourceWholeMegabytes(), 650);

    drives.figures[QLatin1Char('d')] = {1000000000, 400000000};
    ASSERT_TRUE(measurement.measureSource());
    EXPECT_EQ(view.source.sizeLabel, "600,000,000 Total bytes");
    job.setSourcePath("d:");
    ASSERT_TRUE(measurement.measureSource());
    EXPECT_EQ(view.source.sizeLabel, "600,000,000 Total bytes");

    t.write("d:\\games\\a.txt", "abc");
    job.setSourcePath("d:\\games\\");
    ASSERT_TRUE(measurement.measureSource());
    EXPECT_EQ(view.source.sizeLabel, "3 Total bytes");
}

TEST_F(MeasurementTest, ALetterOfAPlainFolderMeasuresTheFolderNotItsDisk)
{
    // d: is a folder of the host's disk, as a mapped folder is: its contents
    // are the medium, however full the disk around it is.
    t.write("d:\\a.bin", QByteArray(700000, 'a'));
    t.write("d:\\games\\b.bin", QByteArray(800000, 'b'));
    ASSERT_EQ(t.drives.driveIsMountPoint("d"), false);
    job.setSourcePath("d:\\");
    measurement.measureFolder();
    EXPECT_EQ(view.source.sizeLabel, "1,500,000 Total bytes");
    EXPECT_FLOAT_EQ(job.sourceMegabytes(), 1.5f);
    job.setSourcePath("d:");
    ASSERT_TRUE(measurement.measureSource());
    EXPECT_EQ(view.source.sizeLabel, "1,500,000 Total bytes");

    // The host's root is a file system of its own: total minus free.
    EXPECT_EQ(t.drives.driveIsMountPoint("z:\\"), true);
    const QString cd = t.addDrive(QLatin1Char('e'));
    QDir(cd).removeRecursively();
    EXPECT_FALSE(t.drives.driveIsMountPoint("e").has_value());
    job.setSourcePath("e:\\");
    EXPECT_FALSE(measurement.measureSource());
}

TEST_F(MeasurementTest, OneMillionBytesIsZeroMegabytesAndOneFile)
{
    t.write("d:\\games\\a.bin", QByteArray(600000, 'a'));
    t.write("d:\\games\\deep\\er\\b.bin", QByteArray(400000, 'b'));
    job.setSourcePath("d:\\games");
    job.setSourceWholeMegabytes(9);

    measurement.measureFolder();
    measurement.showBrowseEstimate();
    EXPECT_EQ(view.source.sizeLabel, "1,000,000 Total bytes");
    EXPECT_EQ(job.sourceMegabytes(), 0.0f);
    EXPECT_EQ(job.sourceWholeMegabytes(), 0);
    EXPECT_EQ(view.zip.estimateCaption, "1.00 file");

    state.threeDigitNumbering = true;
    ASSERT_TRUE(measurement.measureSource());
    EXPECT_EQ(view.source.sizeLabel, "1,000,000 Total bytes");
    EXPECT_EQ(view.zip.estimateCaption, " 1.00 file");
    EXPECT_FALSE(state.threeDigitNumbering);

    t.write("d:\\games\\c.bin", "c");
    ASSERT_TRUE(measurement.measureSource());
    EXPECT_FLOAT_EQ(job.sourceMegabytes(), 1.000001f);
    EXPECT_EQ(view.zip.estimateCaption, " 1.00 file"); // 0.67 of a volume
}

TEST_F(MeasurementTest, OneHundredVolumesNeedThreeDigitsOnlyWhenMeasuredFromAScript)
{
    sparse("d:\\big\\disc.dat", 150000000);
    job.setSourcePath("d:\\big");
    ASSERT_EQ(job.archiveSizeStep(), 3);

    measurement.measureFolder();
    measurement.showBrowseEstimate();
    EXPECT_EQ(view.source.sizeLabel, "150,000,000 Total bytes");
    EXPECT_EQ(view.zip.estimateCaption, "100.00 files");
    EXPECT_EQ(job.sourceWholeMegabytes(), 150);
    EXPECT_FALSE(state.threeDigitNumbering);

    ASSERT_TRUE(measurement.measureSource());
    EXPECT_EQ(view.zip.estimateCaption, "100.00 files");
    EXPECT_TRUE(state.threeDigitNumbering);

    job.setArchiveSizeStep(4); // 75 volumes of 2,000,000 bytes
    ASSERT_TRUE(measurement.measureSource());
    EXPECT_EQ(view.zip.estimateCaption, "75.00 files");
    EXPECT_FALSE(state.threeDigitNumbering);
}

TEST_F(MeasurementTest, StepZeroIsOneArchiveAndLeavesTheNumberingFlag)
{
    sparse("d:\\big\\disc.dat", 150000000);
    job.setSourcePath("d:\\big");
    job.setArchiveSizeStep(0);
    state.threeDigitNumbering = true;

    measurement.measureFolder();
    measurement.showBrowseEstimate();
    EXPECT_EQ(view.zip.estimateCaption, "1.00 file");
    EXPECT_EQ(view.zip.sizeCaption, "1.44 M");

    ASSERT_TRUE(measurement.measureSource());
    EXPECT_EQ(view.zip.estimateCaption, "1.00 file");
    EXPECT_EQ(view.zip.sizeCaption, "1 Max file");
    EXPECT_TRUE(state.threeDigitNumbering);
}

TEST_F(MeasurementTest, ByteCountsAboveFloatPrecisionAreShownExactly)
{
    // A single-precision float holds every whole number up to 16,777,216 only.
    sparse("d:\\one\\a.dat", 16777217);
    job.setSourcePath("d:\\one");
    measurement.measureFolder();
    EXPECT_EQ(view.source.sizeLabel, "16,777,217 Total bytes");

    sparse("d:\\two\\a.dat", 100000000);
    sparse("d:\\two\\sub\\b.dat", 23456789);
    job.setSourcePath("d:\\two");
    ASSERT_TRUE(measurement.measureSource());
    EXPECT_EQ(view.source.sizeLabel, "123,456,789 Total bytes");
    // The estimate keeps the single-precision megabytes.
    EXPECT_EQ(job.sourceMegabytes(), float(123456789.0f) / 1000000.0f);
    EXPECT_EQ(view.zip.estimateCaption, "82.30 files");

    sparse("d:\\cd.iso", 2147483647LL + 1000);
    ASSERT_TRUE(measurement.measureImage("d:\\cd.iso"));
    EXPECT_EQ(view.source.sizeLabel, "2,147,484,647 Total bytes");
}

TEST_F(MeasurementTest, ImagesOfAnyLengthAreMeasured)
{
    sparse("d:\\dvd.iso", 3LL * 1024 * 1024 * 1024);
    job.setImageMode(true);
    job.setSourcePath("d:\\dvd.iso");
    job.setArchiveSizeStep(10);
    ASSERT_TRUE(measurement.measureImage("d:\\dvd.iso"));
    EXPECT_EQ(view.source.sizeLabel, "3,221,225,472 Total bytes");
    EXPECT_FLOAT_EQ(job.sourceMegabytes(), 3221.225472f);
    EXPECT_EQ(job.sourceWholeMegabytes(), 3221);
    measurement.showBrowseEstimate();
    EXPECT_EQ(view.zip.estimateCaption, "644.25 files");

    // No lower threshold for images; halves go to the even neighbour.
    sparse("d:\\a.iso", 1500000);
    ASSERT_TRUE(measurement.measureImage("d:\\a.iso"));
    EXPECT_EQ(view.source.sizeLabel, "1,500,000 Total bytes");
    EXPECT_FLOAT_EQ(job.sourceMegabytes(), 1.5f);
    EXPECT_EQ(job.sourceWholeMegabytes(), 2);
    sparse("d:\\b.iso", 2500000);
    ASSERT_TRUE(measurement.measureImage("d:\\b.iso"));
    EXPECT_EQ(job.sourceWholeMegabytes(), 2);
    sparse("d:\\c.iso", 900000);
    ASSERT_TRUE(measurement.measureImage("d:\\c.iso"));
    EXPECT_FLOAT_EQ(job.sourceMegabytes(), 0.9f);
    EXPECT_EQ(job.sourceWholeMegabytes(), 1);

    t.write("d:\\empty.iso", {});
    ASSERT_TRUE(measurement.measureImage("d:\\empty.iso"));
    EXPECT_EQ(view.source.sizeLabel, " Total bytes");
    EXPECT_EQ(job.sourceMegabytes(), 0.0f);

    EXPECT_FALSE(measurement.measureImage("d:\\missing.iso"));
    EXPECT_FALSE(measurement.measureImage("d:\\"));
    EXPECT_EQ(view.source.sizeLabel, " Total bytes");
}

TEST_F(MeasurementTest, AFileAsSourceShowsErrorAndKeepsTheOldValues)
{
    t.write("d:\\game.iso", QByteArray(5000000, 'i'));
    job.setSourcePath("d:\\game.iso");
    job.setSourceMegabytes(7.0f);
    job.setSourceWholeMegabytes(7);
    view.zip.estimateCaption = "4.67 files";
    state.threeDigitNumbering = true;

    EXPECT_FALSE(measurement.measureSource());
    EXPECT_EQ(view.source.sizeLabel, "Error");
    EXPECT_EQ(job.sourceMegabytes(), 7.0f);
    EXPECT_EQ(job.sourceWholeMegabytes(), 7);
    EXPECT_EQ(view.zip.estimateCaption, "4.67 files");
    EXPECT_TRUE(state.threeDigitNumbering);
    expectIdle();

    // Browse counts what it cannot measure as nothing.
    measurement.measureFolder();
    EXPECT_EQ(view.source.sizeLabel, "0 Total bytes");
    EXPECT_EQ(job.sourceMegabytes(), 0.0f);
    expectIdle();
}

TEST_F(MeasurementTest, MissingFoldersAndDrivesWithoutAMediumShowError)
{
    job.setSourcePath("d:\\nothing here");
    EXPECT_FALSE(measurement.measureSource());
    EXPECT_EQ(view.source.sizeLabel, "Error");

    const QString cd = t.addDrive(QLatin1Char('e'));
    t.write("e:\\a.txt", "a");
    QDir(cd).removeRecursively();
    job.setSourcePath("e:\\");
    EXPECT_FALSE(measurement.measureSource());
    EXPECT_EQ(view.source.sizeLabel, "Error");
    job.setSourcePath("e:\\games");
    EXPECT_FALSE(measurement.measureSource());

    job.setSourcePath("");
    EXPECT_FALSE(measurement.measureSource());
    EXPECT_EQ(view.source.sizeLabel, "Error");
    expectIdle();
}

TEST_F(MeasurementTest, MoreThan32767MegabytesFailsInMeasureSourceAndKeepsTheOldWholeValueInBrowse)
{
    drives.figures[QLatin1Char('d')] = {40000000000LL, 0};
    job.setSourcePath("d:\\");
    job.setSourceWholeMegabytes(12);
    view.zip.estimateCaption = "8.00 files";
    state.threeDigitNumbering = false;

    EXPECT_FALSE(measurement.measureSource());
    EXPECT_EQ(view.source.sizeLabel, "Error");
    EXPECT_FLOAT_EQ(job.sourceMegabytes(), 40000.0f); // set before the failure
    EXPECT_EQ(job.sourceWholeMegabytes(), 12);
    EXPECT_EQ(view.zip.estimateCaption, "8.00 files");
    EXPECT_FALSE(state.threeDigitNumbering);
    expectIdle();

    measurement.measureFolder();
    measurement.showBrowseEstimate();
    EXPECT_EQ(view.source.sizeLabel, "40,000,000,000 Total bytes");
    EXPECT_EQ(job.sourceWholeMegabytes(), 12);
    EXPECT_EQ(view.zip.estimateCaption, "26666.67 files");

    drives.figures[QLatin1Char('d')] = {32767000000LL, 0};
    EXPECT_TRUE(measurement.measureSource());
    EXPECT_EQ(job.sourceWholeMegabytes(), 32767);
}

TEST_F(MeasurementTest, TheWindowIsBusyWhileMeasuring)
{
    t.write("d:\\games\\a.bin", "abc");
    job.setSourcePath("d:\\games");

    ASSERT_TRUE(measurement.measureSource());
    ASSERT_GE(snapshots.size(), 2);
    EXPECT_EQ(snapshots.first().sizeLabel, "Calculating files and size");
    EXPECT_FALSE(snapshots.first().browseEnabled);
    EXPECT_FALSE(snapshots.first().listBarEnabled);
    EXPECT_TRUE(snapshots.first().busyPointer);
    expectIdle();
    // Only Browse lets window events in while it measures.
    EXPECT_EQ(t.shell.pendingEventPasses, 0);

    snapshots.clear();
    measurement.measureFolder();
    EXPECT_EQ(snapshots.first().sizeLabel, "Calculating files and size");
    EXPECT_TRUE(snapshots.first().busyPointer);
    EXPECT_EQ(t.shell.pendingEventPasses, 1);
    EXPECT_EQ(view.source.sizeLabel, "3 Total bytes");
    expectIdle();
}

TEST(VolumeEstimate, CaptionsAndTheThreeDigitThreshold)
{
    EXPECT_EQ(VolumeEstimate::countCaption(VolumeEstimate::volumeCount(250.0f, 3)), "166.67 files");
    EXPECT_EQ(VolumeEstimate::countCaption(1.5f), "1.50 files");
    EXPECT_EQ(VolumeEstimate::countCaption(1.0f), " 1.00 file");
    EXPECT_EQ(VolumeEstimate::browseCountCaption(1.0f), "1.00 file");
    EXPECT_EQ(VolumeEstimate::browseCountCaption(0.0f), "1.00 file");
    EXPECT_EQ(VolumeEstimate::countCaption(12.345f), "12.35 files");
    EXPECT_FALSE(VolumeEstimate::needsThreeDigits(VolumeEstimate::volumeCount(148.5f, 3)));
    EXPECT_TRUE(VolumeEstimate::needsThreeDigits(VolumeEstimate::volumeCount(148.515f, 3)));
}
