#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QTest>

// The committed pictures must load with Qt's own readers, since the program
// silently falls back to plain defaults when they do not.
class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void IconCarriesThreeSizes();
    void BackgroundIsAnOpaqueTile();
    void TreeStripHasItemExpandedAndCollapsed();
};

namespace {

bool HasVisiblePixel(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

void PicturesTest::IconCarriesThreeSizes() {
    const QString path = QFINDTESTDATA("../../res/logo.ico");
    QVERIFY(!path.isEmpty());
    QImageReader reader(path);
    QCOMPARE(reader.imageCount(), 3);
    QList<int> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.width(), image.height());
        QVERIFY(HasVisiblePixel(image));
        sizes << image.width();
    }
    std::sort(sizes.begin(), sizes.end());
    QCOMPARE(sizes, (QList<int>{16, 32, 48}));
    QVERIFY(!QIcon(path).isNull());
}

void PicturesTest::BackgroundIsAnOpaqueTile() {
    const QString path = QFINDTESTDATA("../../res/Background.bmp");
    QVERIFY(!path.isEmpty());
    const QImage tile(path);
    QVERIFY(!tile.isNull());
    QCOMPARE(tile.size(), QSize(64, 64));
    QVERIFY(!tile.hasAlphaChannel());
    // Subtle, but a pattern rather than a flat fill.
    QVERIFY(tile.pixel(0, 0) != tile.pixel(0, 31) || tile.pixel(0, 0) != tile.pixel(5, 0));
}

void PicturesTest::TreeStripHasItemExpandedAndCollapsed() {
    const QString path = QFINDTESTDATA("../../res/tree.png");
    QVERIFY(!path.isEmpty());
    const QImage strip(path);
    QVERIFY(!strip.isNull());
    QCOMPARE(strip.height(), 16);
    QCOMPARE(strip.width() % 16, 0);
    QVERIFY(strip.width() / 16 >= 18);
    QVERIFY(strip.hasAlphaChannel());
    for (int index : {0, 16, 17}) {
        QVERIFY2(HasVisiblePixel(strip.copy(index * 16, 0, 16, 16)),
                 qPrintable(QString::number(index)));
    }
    // Expanded and collapsed must be told apart at a glance.
    QVERIFY(strip.copy(16 * 16, 0, 16, 16) != strip.copy(17 * 16, 0, 16, 16));
}

QTEST_MAIN(PicturesTest)
#include "PicturesTest.moc"
