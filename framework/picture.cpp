// Pictures read from the resource folder, their format told by their content.
#include "framework/picture.h"

#include "framework/qt_bridge.h"
#include "framework/testing.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <cstdio>
#include <map>

namespace {
std::optional<std::string> g_folderOverride;

bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name.find('/') == std::string_view::npos && name != "." && name != "..";
}

// A file as it was when it failed to load: tried again only once it has changed, so that a
// broken file costs no decoding (and no decoder's complaint) at every use.
struct Failure {
    bool exists;
    qint64 size;
    QDateTime modified;
    friend bool operator==(const Failure&, const Failure&) = default;
};

Failure FailureOf(const QFileInfo& file) {
    return {file.exists(), file.size(), file.lastModified()};
}

std::map<std::string, Failure, std::less<>>& Failures() {
    static std::map<std::string, Failure, std::less<>> failures;
    return failures;
}

// A picture that does not load leaves the canvas blank; say why, once per file and run, so
// that a broken installation is not a mystery.
void ReportUnloaded(std::string_view fileName, const QFileInfo& file, const QImageReader& reader) {
    bool first = Failures().insert_or_assign(std::string(fileName), FailureOf(file)).second;
    if (!first) return;
    QString folder = file.absolutePath();
    QString why = !file.exists()       ? QStringLiteral("no such file in ") + folder
                  : !file.isReadable() ? QStringLiteral("can't be read in ") + folder
                                       : QStringLiteral("not a picture (") + reader.errorString() +
                                             QStringLiteral(") in ") + folder;
    std::fprintf(stderr, "%s: picture %.*s: %s\n", fw::ProgramName().c_str(), int(fileName.size()),
                 fileName.data(), why.toLocal8Bit().constData());
    std::fflush(stderr);
}
} // namespace

Picture::~Picture() = default;

const ClassRecord& Picture::Record() {
    static const ClassRecord& record =
        RuntimeRegisterClass({"Picture", nullptr, {"Constructor"}, {}, nullptr});
    return record;
}

int Picture::Width() const {
    return pixels_->image.width();
}
int Picture::Height() const {
    return pixels_->image.height();
}

std::shared_ptr<Picture> Picture::_OpenFromApp(std::string_view fileName) {
    fw::Probe("Picture._OpenFromApp");
    // Only names inside the resource folder are read.
    if (!IsPlainFileName(fileName)) return nullptr;
    QString path = QString::fromStdString(fw::ResourceFolder()) + u'/' +
                   QString::fromUtf8(fileName.data(), qsizetype(fileName.size()));
    QFileInfo file(path);
    if (auto failed = Failures().find(fileName);
        failed != Failures().end() && failed->second == FailureOf(file))
        return nullptr;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull()) {
        ReportUnloaded(fileName, file, reader);
        return nullptr;
    }
    // Converted once here so that every paint is a plain copy.
    image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                          : QImage::Format_RGB32);
    auto picture = std::make_shared<Picture>();
    picture->SetClass(&Record());
    picture->fileName_ = std::string(fileName);
    picture->pixels_ = std::make_unique<Pixels>(Pixels{std::move(image)});
    return picture;
}

namespace fw {
std::string ResourceFolder() {
    if (g_folderOverride) return *g_folderOverride;
    QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                               : QFileInfo("/proc/self/exe").canonicalPath();
    // The build tree keeps the pictures beside the executable; an installed game in its own
    // data folder, found from bin/ so that a moved prefix still works, whatever the
    // executable is called.
    QString beside = dir + QStringLiteral("/resources");
    if (QFileInfo(beside).isDir()) return beside.toStdString();
    return QDir::cleanPath(dir + QStringLiteral("/../share/holomina/resources")).toStdString();
}
} // namespace fw

namespace fw::testing {
void SetResourceFolder(std::string folder) {
    g_folderOverride = std::move(folder);
}
} // namespace fw::testing
