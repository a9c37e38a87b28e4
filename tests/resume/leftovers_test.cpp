#include "resume/leftovers.h"

#include <gtest/gtest.h>

TEST(Leftovers, SayWhatIsLeftWhereAndHowToGoOn)
{
    Leftovers packing;
    packing.workDos = "c:\\Zavok001";
    packing.workHost = "/home/me/drive_c/Zavok001";
    packing.volumes = 188;
    packing.bytes = 270123456;
    packing.setWhole = true;
    packing.zipCount = 255;
    for (int n = 1; n <= 67; ++n)
        packing.zipsDone << QString("game%1.zip").arg(n, 3, 10, QChar('0'));
    packing.zipDirectory = "e:\\zips";
    packing.continuable = true;
    EXPECT_EQ(packing.pageText(), "67 of 255 ZIPs are complete in e:\\zips: game001.zip to game067.zip.\n"
                                  "188 volumes (270.1 MB) stay in c:\\Zavok001 (/home/me/drive_c/Zavok001).\n"
                                  "Zavok! continues the run.");
    packing.unattended = true;
    EXPECT_EQ(packing.line(), "67 of 255 ZIPs complete in e:\\zips; 188 volumes (270.1 MB) stay in c:\\Zavok001 "
                              "(/home/me/drive_c/Zavok001); the same command continues the run");
    EXPECT_EQ(packing.question(), "Continue the interrupted run? 67 of 255 ZIPs are done\r\r"
                                  "Yes makes the other 188 from the volumes in c:\\Zavok001.\r"
                                  "No deletes that work folder, which frees 270.1 MB, and starts afresh.");

    Leftovers archiving = packing;
    archiving.setWhole = false;
    archiving.zipsDone.clear();
    archiving.volumes = 1;
    archiving.bytes = 1440000;
    archiving.unattended = false;
    EXPECT_EQ(archiving.pageText(), "The archiver did not finish the set, so no ZIP was made.\n"
                                    "1 volume (1.4 MB) stays in c:\\Zavok001 (/home/me/drive_c/Zavok001): not a whole set.\n"
                                    "Zavok! starts the run afresh; Options > Clean up removes them.");
    EXPECT_EQ(archiving.line(), "the archiver did not finish the set, so no ZIP was made; 1 volume (1.4 MB) in "
                                "c:\\Zavok001 (/home/me/drive_c/Zavok001) is not a whole set; Zavok! starts the run afresh");

    EXPECT_EQ(Leftovers().line(), "nothing is left; Zavok! starts the run again");
    EXPECT_EQ(Leftovers::namesText({"a.zip", "b.zip"}), "a.zip and b.zip");
}
