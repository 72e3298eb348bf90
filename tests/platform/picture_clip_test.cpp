// Tests of picture grids (cell order and size, bad indices, the clip rectangle) and picture files.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/picture_clip.h"

namespace {

using platform::Picture;
using platform::PictureClip;

// A picture whose pixel colour encodes its own position.
Picture positions(int w, int h) {
    Picture pic = platform::make_picture(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) pic.setPixel(x, y, qRgb(x, y, 0));
    return pic;
}

TEST(PictureClip, CellsRunRowByRow) {
    const PictureClip grid(positions(31, 22), 2, 3);  // sizes that do not divide evenly
    EXPECT_EQ(grid.cell_width(), 10);
    EXPECT_EQ(grid.cell_height(), 11);
    struct Case {
        int k, left, top;
    };
    for (Case c : {Case{0, 0, 0}, Case{2, 20, 0}, Case{3, 0, 11}, Case{5, 20, 11}}) {
        const Picture cell = grid.cell(c.k);
        ASSERT_EQ(cell.size(), QSize(10, 11)) << c.k;
        EXPECT_EQ(cell.pixel(0, 0), qRgb(c.left, c.top, 0)) << c.k;
        EXPECT_EQ(cell.pixel(9, 10), qRgb(c.left + 9, c.top + 10, 0)) << c.k;
        EXPECT_EQ(cell.format(), QImage::Format_RGB32);
    }
}

TEST(PictureClip, BadIndicesAndGridsGiveEmptyPictures) {
    const PictureClip grid(positions(30, 20), 2, 3);
    for (int k : {-1, 6, 1 << 30}) EXPECT_TRUE(grid.cell(k).isNull()) << k;
    EXPECT_TRUE(PictureClip().cell(0).isNull());
    EXPECT_TRUE(PictureClip(positions(2, 2), 1, 5).cell(0).isNull());  // cells narrower than a pixel

    const PictureClip no_grid(positions(30, 20), 0, -4);  // counts below one mean one
    EXPECT_EQ(no_grid.rows(), 1);
    EXPECT_EQ(no_grid.cols(), 1);
    EXPECT_EQ(no_grid.cell(0).size(), QSize(30, 20));
}

TEST(PictureClip, ClipRectangleIsCutToThePicture) {
    PictureClip grid(positions(30, 20), 1, 1);
    grid.set_clip(4, 5, 6, 7);
    Picture cut = grid.clip();
    ASSERT_EQ(cut.size(), QSize(6, 7));
    EXPECT_EQ(cut.pixel(0, 0), qRgb(4, 5, 0));

    grid.set_clip(-3, 15, 10, 10);
    cut = grid.clip();
    ASSERT_EQ(cut.size(), QSize(7, 5));
    EXPECT_EQ(cut.pixel(0, 0), qRgb(0, 15, 0));

    grid.set_clip(40, 0, 5, 5);
    EXPECT_TRUE(grid.clip().isNull());
    grid.set_clip(0, 0, -5, 5);
    EXPECT_TRUE(grid.clip().isNull());
}

}  // namespace

namespace {

TEST(PictureFile, LoadsOpaqueAndRefusesDamagedFiles) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string good = (dir.path() + "/good.png").toStdString();
    QImage src(7, 5, QImage::Format_ARGB32);
    src.fill(QColor(10, 20, 30, 255));
    ASSERT_TRUE(src.save(QString::fromStdString(good)));
    const platform::Picture pic = platform::load_picture(good);
    EXPECT_EQ(pic.width(), 7);
    EXPECT_EQ(pic.format(), QImage::Format_RGB32);
    EXPECT_EQ(platform::from_qrgb(pic.pixel(3, 3)), platform::rgb(10, 20, 30));

    const std::string bad = (dir.path() + "/bad.png").toStdString();
    QFile f(QString::fromStdString(bad));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x89PNG\r\n\x1a\n garbage");
    f.close();
    EXPECT_TRUE(platform::load_picture(bad).isNull());
    EXPECT_TRUE(platform::load_picture((dir.path() + "/missing.png").toStdString()).isNull());
}

}  // namespace
