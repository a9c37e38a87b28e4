#include "app/programicon.h"

#include <QImage>
#include <gtest/gtest.h>

TEST(ProgramIconTest, TheWindowIconHoldsThePictureAtEverySizeItWasDrawnFor)
{
    const QIcon icon = ProgramIcon::icon();
    const QList<QSize> sizes = icon.availableSizes();
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
        const QImage picture(QStringLiteral(":/zavok32/icons/%1/zavok32.png").arg(size));
        EXPECT_EQ(picture.size(), QSize(size, size)) << size;
        // Drawn, not blank: the corners are clear and the middle is not.
        EXPECT_EQ(qAlpha(picture.pixel(0, size - 1)), 0) << size;
        EXPECT_GT(qAlpha(picture.pixel(size / 2, size / 2)), 0) << size;
    }
}
