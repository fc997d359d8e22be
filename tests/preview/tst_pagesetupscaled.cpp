#include "output/outputstate.h"
#include "preview/pagesetupdialog.h"
#include "testdevice.h"
#include "testenv.h"

#include <QApplication>
#include <QLabel>
#include <QtTest>

// The page setup dialog on a screen scaled by two (QT_SCALE_FACTOR=2).
class TestPageSetupScaled : public QObject
{
    Q_OBJECT

private slots:
    void thumbnailIsDrawnAtTheDevicePixelRatio();
};

// The schematic page is drawn in the screen's own pixels, its one-pixel
// lines two device pixels thick and sharp, not a small picture blown up.
void TestPageSetupScaled::thumbnailIsDrawnAtTheDevicePixelRatio()
{
    TestAppDir dir;
    installTestDevice(QStringLiteral("Test printer"));
    OutputProcess.CurrentPageSettings = TPageSettings();
    TFrm_PageSetup dialog(nullptr, {});
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *thumbnail = dialog.findChild<QLabel *>("Img");
    QCOMPARE(thumbnail->devicePixelRatioF(), 2.0);
    const QPixmap pixmap = thumbnail->pixmap();
    QCOMPARE(pixmap.devicePixelRatio(), 2.0);
    QCOMPARE(pixmap.size(), thumbnail->size() * 2);
    const QImage image = pixmap.toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            QVERIFY2(c == Qt::black || c == Qt::white, qPrintable(QString("%1, %2 is grey").arg(x).arg(y)));
        }
    }
    // The first line, at y = 3 from x = 6: device rows 6 and 7 from column 12.
    QCOMPARE(image.pixelColor(12, 6), QColor(Qt::black));
    QCOMPARE(image.pixelColor(12, 7), QColor(Qt::black));
    QCOMPARE(image.pixelColor(12, 5), QColor(Qt::white));
    QCOMPARE(image.pixelColor(11, 6), QColor(Qt::white));
}

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestPageSetupScaled test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pagesetupscaled.moc"
