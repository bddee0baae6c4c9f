#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <optional>
#include <utility>

#include "frame/ChannelPrinter.h"
#include "model/Bcd.h"
#include "model/ChannelListing.h"
#include "model/PrintLayout.h"

using namespace ht57;

namespace {

constexpr FrequencyLimits kVhf{13'600'000, 17'400'000};

Image Erased() {
    Image image;
    image.fill(0xFF);
    return image;
}

void PutChannel(Image& image, int n, std::uint32_t rx, std::uint32_t offset = 0, Byte rxTone = 0,
                Byte txTone = 0, Byte flags = 0x0F) {
    Byte* record = &image[static_cast<std::size_t>(n) * 16];
    std::fill_n(record, 16, Byte{0xFF});
    WriteBcd32(record, rx);
    WriteBcd32(record + 4, offset);
    record[8] = rxTone;
    record[9] = txTone;
    record[10] = flags;
}

Image AllChannels() {
    Image image = Erased();
    for (int n = 1; n <= 128; ++n) {
        PutChannel(image, n, 14'400'000 + static_cast<std::uint32_t>(n) * 2'500);
    }
    return image;
}

// A job into a PDF file, at the resolution a real printer would have.
struct PdfJob {
    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("listing.pdf"));
    QPrinter printer{QPrinter::HighResolution};

    PdfJob() {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    }
};

// Keeps a copy of the printout for a person to look at.
void SaveShot(const QString& file, const char* name) {
    if (const QByteArray folder = qgetenv("HT57_SHOTS"); !folder.isEmpty()) {
        const QString target = QString::fromLocal8Bit(folder) + '/' + QString::fromLatin1(name);
        QFile::remove(target);
        QFile::copy(file, target);
    }
}

int PdfPageCount(const QString& file) {
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly)) {
        return -1;
    }
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(pdf.readAll()).count(page));
}

QStringList Words(const QString& text) {
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

QStringList Words(const std::vector<std::string>& lines) {
    QStringList words;
    for (const std::string& line : lines) {
        words << Words(QString::fromStdString(line));
    }
    return words;
}

// The text of the PDF as pdftotext reads it, pages separated by form feeds;
// nullopt when the tool is not installed.
std::optional<QString> PdfText(const QString& file) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) {
        return std::nullopt;
    }
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), file, QStringLiteral("-")});
    if (!process.waitForFinished(30'000) || process.exitCode() != 0) {
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The white left and right of the words on the PDF's first page, in points,
// as pdftotext -bbox places them; nullopt when the tool is not installed.
std::optional<std::pair<double, double>> PdfSideMargins(const QString& file) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) {
        return std::nullopt;
    }
    QProcess process;
    process.start(tool, {QStringLiteral("-bbox"), QStringLiteral("-l"), QStringLiteral("1"), file,
                         QStringLiteral("-")});
    if (!process.waitForFinished(30'000) || process.exitCode() != 0) {
        return std::pair{-1.0, -1.0};
    }
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression pageWidth(QStringLiteral("<page width=\"([0-9.]+)\""));
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\""));
    double left = 1e9, right = 0;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        left = std::min(left, match.captured(1).toDouble());
        right = std::max(right, match.captured(2).toDouble());
    }
    return std::pair{left, pageWidth.match(html).captured(1).toDouble() - right};
}

// Bounds of everything drawn on a white page.
QRect Ink(const QImage& image, int top = 0, int bottom = -1) {
    if (bottom < 0) {
        bottom = image.height();
    }
    int left = image.width(), right = -1, first = bottom, last = -1;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                first = std::min(first, y);
                last = std::max(last, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, first), QPoint(right, last));
}

QImage Page(const ChannelPrinter& job, int page, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    job.DrawPage(painter, page);
    return image;
}

}  // namespace

class ChannelPrinterTest : public QObject {
    Q_OBJECT

private slots:
    void EmptyImagePrintsTheTitleAlone();
    void AllChannelsFillTheComputedPages();
    void FieldTextsReachThePaper();
    void LinesSitInTheirRectangles();
    void LongLinesShrinkTheFontToFitThePage();
    void JobName_data();
    void JobName();
};

void ChannelPrinterTest::EmptyImagePrintsTheTitleAlone() {
    PdfJob job;
    QVERIFY(PrintChannelListing(job.printer, BuildChannelListing(Erased(), kVhf)));
    QCOMPARE(PdfPageCount(job.file), 1);
    const auto text = PdfText(job.file);
    if (!text) {
        QSKIP("pdftotext is not installed");
    }
    QCOMPARE(Words(*text), QStringList({"--", "Channel", "Info", "--"}));
}

void ChannelPrinterTest::AllChannelsFillTheComputedPages() {
    const std::vector<std::string> lines = BuildChannelListing(AllChannels(), kVhf);
    QCOMPARE(lines.size(), std::size_t{513});

    PdfJob job;
    ChannelPrinter measured;
    measured.Begin(job.printer, lines);
    QVERIFY(measured.LineHeight() > 0);
    QCOMPARE(measured.PageHeight(), job.printer.height());
    const int pages =
        static_cast<int>(PaginateLines(513, measured.LineHeight(), measured.PageHeight()).size());
    QVERIFY(pages > 1);
    QCOMPARE(measured.PageCount(), pages);

    QVERIFY(PrintChannelListing(job.printer, lines));
    SaveShot(job.file, "all-channels.pdf");
    QCOMPARE(PdfPageCount(job.file), pages);

    const auto text = PdfText(job.file);
    if (!text) {
        QSKIP("pdftotext is not installed");
    }
    QCOMPARE(text->count(QChar('\f')), pages);
    QCOMPARE(Words(*text), Words(lines));
}

void ChannelPrinterTest::FieldTextsReachThePaper() {
    Image image = Erased();
    // Tones 0/0, busy lock "Off", plus shift: 145.000 and 145.600.
    PutChannel(image, 5, 14'500'000, 60'000, 0, 0, 0x4F);
    // Rx tone D023I (code 51, bank 1), Tx 88.5, narrow, low power.
    PutChannel(image, 9, 14'652'000, 0, 51, 9, 0x10);
    const std::vector<std::string> lines = BuildChannelListing(image, kVhf);

    PdfJob job;
    QVERIFY(PrintChannelListing(job.printer, lines));
    SaveShot(job.file, "field-texts.pdf");
    const auto text = PdfText(job.file);
    if (!text) {
        QSKIP("pdftotext is not installed");
    }
    const QStringList printed = text->split('\n');
    const auto lineWith = [&printed](const QString& a, const QString& b) {
        return std::any_of(printed.begin(), printed.end(), [&](const QString& line) {
            return line.contains(a) && line.contains(b);
        });
    };
    QVERIFY(lineWith("Rx Freq: 145.00000", "Tx Freq: 145.60000"));
    QVERIFY(lineWith("Busy Lock: Off", "Rx Tone: Off"));
    QVERIFY(lineWith("Rx Tone: D023I", "Tx Tone: 88.5"));
    QVERIFY(lineWith("Power: Low", "Bandwidth: Narrow"));
    QVERIFY(lineWith("CH Num: 9", "Tx Freq: 146.52000"));
    QVERIFY(!text->contains("\t"));
    QCOMPARE(Words(*text), Words(lines));

    const auto margins = PdfSideMargins(job.file);
    QVERIFY(margins && margins->first > 0 && margins->second > 0);
    QVERIFY2(
        qAbs(margins->first - margins->second) < 3.0,
        qPrintable(
            QStringLiteral("left %1 pt, right %2 pt").arg(margins->first).arg(margins->second)));
}

void ChannelPrinterTest::LinesSitInTheirRectangles() {
    // A small page, so the listing of three channels spills onto a second
    // page and every position can be checked in pixels.
    Image image = Erased();
    for (int n = 1; n <= 3; ++n) {
        PutChannel(image, n, 14'600'000);
    }
    const std::vector<std::string> lines = BuildChannelListing(image, kVhf);
    const QSize size(900, 300);
    QImage probe(size, QImage::Format_RGB32);
    ChannelPrinter job;
    job.Begin(probe, lines);
    const int height = job.LineHeight();
    QVERIFY(height > 0);
    QCOMPARE(job.PageWidth(), 900);
    // Wide enough for the lines at the full 12 points.
    QCOMPARE(job.Font().pointSizeF(), 12.0);
    QVERIFY(job.PageCount() >= 2);

    // The title: centred between the insets, within the first line rectangle.
    const QImage first = Page(job, 1, size);
    const QRect title = Ink(first, 0, kPageMargin + height);
    QVERIFY(!title.isNull());
    QVERIFY(title.top() >= kPageMargin);
    QVERIFY(qAbs(title.center().x() - 450) <= 2);
    // Nothing above the top margin, nothing below the bottom one.
    QVERIFY(Ink(first, 0, kPageMargin).isNull());
    QVERIFY(Ink(first, size.height() - kPageMargin, size.height()).isNull());

    // The channel lines keep their columns and stand in the middle: as much
    // white on the left as on the right.
    const QFontMetrics metrics(job.Font(), &probe);
    const int cell = metrics.horizontalAdvance(QChar(' '));
    const QRect numbers = Ink(first, kPageMargin + height, kPageMargin + 2 * height);
    const QRect tones = Ink(first, kPageMargin + 2 * height, kPageMargin + 3 * height);
    QVERIFY(!numbers.isNull() && !tones.isNull());
    QVERIFY(qAbs(numbers.left() - tones.left() - 3 * cell) <= cell / 2);
    const QRect body = Ink(first, kPageMargin + height, size.height());
    QVERIFY2(qAbs(body.left() - (size.width() - 1 - body.right())) <= cell / 2,
             qPrintable(QStringLiteral("ink from %1 to %2").arg(body.left()).arg(body.right())));

    // The second page starts again at the top margin with the next line.
    const PrintPage second = job.Pages()[1];
    QVERIFY(second.firstLine > 0);
    const QImage next = Page(job, 2, size);
    QVERIFY(Ink(next, 0, kPageMargin).isNull());
    const QRect top = Ink(next, 0, kPageMargin + height);
    if (!lines[static_cast<std::size_t>(second.firstLine)].empty()) {
        QVERIFY(!top.isNull());
        QVERIFY(top.top() >= kPageMargin);
    }
}

void ChannelPrinterTest::LongLinesShrinkTheFontToFitThePage() {
    Image image = Erased();
    PutChannel(image, 128, 14'652'000, 60'000, 0, 0, 0x4F);
    const std::vector<std::string> lines = BuildChannelListing(image, kVhf);
    struct Case {
        int width;
        bool fullSize;
    };
    for (const Case c : {Case{1200, true}, Case{700, false}, Case{400, false}}) {
        const QSize size(c.width, 400);
        QImage probe(size, QImage::Format_RGB32);
        ChannelPrinter job;
        job.Begin(probe, lines);
        QCOMPARE(job.Font().pointSizeF() == 12.0, c.fullSize);
        // Every character of the channel line is on the page, inside the insets.
        const QImage page = Page(job, 1, size);
        const QRect ink = Ink(page);
        QVERIFY(ink.left() >= kLineInset);
        QVERIFY2(ink.right() < c.width - kLineInset, qPrintable(QString::number(c.width)));
        const QFontMetrics metrics(job.Font(), &probe);
        // Leading blanks print no ink and may sit in the margin.
        std::string line = lines[1];
        line.erase(line.find_last_not_of(' ') + 1);
        line.erase(0, line.find_first_not_of(' '));
        QVERIFY(metrics.horizontalAdvance(QString::fromStdString(line)) <=
                c.width - 2 * kLineInset);
    }
}

void ChannelPrinterTest::JobName_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name");
    QTest::newRow("no file") << ""
                             << "data";
    QTest::newRow("ordinary") << "/home/u/Data/radio.dat"
                              << "radio";
    QTest::newRow("cut at the first dot") << "/home/u/radio.v2.dat"
                                          << "radio";
    QTest::newRow("dots in the folder only") << "/home/u.x/base.dat"
                                             << "base";
    QTest::newRow("no dot") << "/home/u/radio"
                            << "radio";
    QTest::newRow("nothing before the dot") << "/home/u/.dat"
                                            << "data";
}

void ChannelPrinterTest::JobName() {
    QFETCH(QString, file);
    QFETCH(QString, name);
    QCOMPARE(QString::fromStdString(PrintJobName(file.toStdString())), name);
}

QTEST_MAIN(ChannelPrinterTest)
#include "ChannelPrinterTest.moc"
