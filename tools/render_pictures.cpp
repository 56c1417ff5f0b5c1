// Renders the game's hand-drawn SVGs into the PNG files the game loads at run time.
#include "picture_names.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

using namespace holomina::art;

namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

bool renderOne(const QDir& svgDir, const QDir& outDir, const Picture& pic, QTextStream& err) {
    const QString svgPath = svgDir.filePath(qs(pic.name) + QStringLiteral(".svg"));
    if (!QFileInfo::exists(svgPath)) {
        err << "render_pictures: missing " << svgPath << Qt::endl;
        return false;
    }
    QSvgRenderer svg(svgPath);
    if (!svg.isValid()) {
        err << "render_pictures: not a valid SVG: " << svgPath << Qt::endl;
        return false;
    }

    // Opaque white underneath: the game draws these straight onto the window, and a
    // transparent corner would show whatever the window had there before.
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        svg.render(&painter, QRectF(0, 0, kWidth, kHeight));
    }

    const QString outPath = outDir.filePath(qs(pic.fileName));
    // Explicit format: three of the names have no extension to guess it from.
    QImageWriter writer(outPath, "png");
    if (!writer.write(image)) {
        err << "render_pictures: cannot write " << outPath << ": " << writer.errorString()
            << Qt::endl;
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    // Text in the title needs a real font engine, but builds run without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: render_pictures <svg-folder> <out-folder>" << Qt::endl;
        return 2;
    }
    const QDir svgDir(args.at(1));
    if (!svgDir.exists()) {
        err << "render_pictures: no such folder " << args.at(1) << Qt::endl;
        return 1;
    }
    if (!QDir().mkpath(args.at(2))) {
        err << "render_pictures: cannot create " << args.at(2) << Qt::endl;
        return 1;
    }
    const QDir outDir(args.at(2));

    // Keep going after a failure so one run reports every broken picture.
    int failures = 0;
    for (const Picture& pic : kPictures) {
        if (!renderOne(svgDir, outDir, pic, err)) ++failures;
    }
    if (failures > 0) {
        err << "render_pictures: " << failures << " of " << kPictures.size() << " pictures failed"
            << Qt::endl;
        return 1;
    }
    return 0;
}
