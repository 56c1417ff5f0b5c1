// Puts all 24 rendered pictures on one sheet, so the whole set can be judged at a glance
// and a missing or mis-sized file fails the test run.
#include "picture_names.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTextStream>

using namespace holomina::art;

namespace {

constexpr int kColumns = 6;
constexpr int kThumbW = kWidth / 2;
constexpr int kThumbH = kHeight / 2;
constexpr int kLabelH = 28;
constexpr int kGap = 8;

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: contact_sheet <picture-folder> <out.png>" << Qt::endl;
        return 2;
    }
    const QDir dir(args.at(1));

    constexpr int rows = int(kPictures.size() + kColumns - 1) / kColumns;
    QImage sheet(kGap + kColumns * (kThumbW + kGap), kGap + rows * (kThumbH + kLabelH + kGap),
                 QImage::Format_RGB32);
    sheet.fill(QColor(0x30, 0x30, 0x38));

    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font = painter.font();
    font.setPixelSize(16);
    font.setBold(true);
    painter.setFont(font);

    int failures = 0;
    for (std::size_t i = 0; i < kPictures.size(); ++i) {
        const Picture& pic = kPictures[i];
        const QString path = dir.filePath(qs(pic.fileName));
        // The game sniffs the format too: extension-less names must still decode.
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        const QImage image = reader.read();
        if (image.isNull()) {
            err << "contact_sheet: cannot load " << path << ": " << reader.errorString()
                << Qt::endl;
            ++failures;
            continue;
        }
        if (image.size() != QSize(kWidth, kHeight)) {
            err << "contact_sheet: " << path << " is " << image.width() << "x" << image.height()
                << ", expected " << kWidth << "x" << kHeight << Qt::endl;
            ++failures;
            continue;
        }
        const int x = kGap + int(i % kColumns) * (kThumbW + kGap);
        const int y = kGap + int(i / kColumns) * (kThumbH + kLabelH + kGap);
        painter.drawImage(QRect(x, y, kThumbW, kThumbH), image);
        painter.setPen(Qt::white);
        painter.drawText(QRect(x, y + kThumbH, kThumbW, kLabelH), Qt::AlignCenter,
                         qs(pic.fileName));
    }
    painter.end();

    if (failures > 0) {
        err << "contact_sheet: " << failures << " picture(s) unusable" << Qt::endl;
        return 1;
    }
    if (!sheet.save(args.at(2), "png")) {
        err << "contact_sheet: cannot write " << args.at(2) << Qt::endl;
        return 1;
    }
    return 0;
}
