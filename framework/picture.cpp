// Pictures read from the resource folder, their format told by their content.
#include "framework/picture.h"

#include "framework/qt_bridge.h"
#include "framework/testing.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::optional<std::string> g_folderOverride;

// Larger than this, a file is no picture of ours, and is not read.
constexpr qint64 kMaxFileBytes = qint64(64) << 20;

bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name.find('/') == std::string_view::npos && name != "." && name != "..";
}

// Content that failed to decode, known by its length and a hash under the process's random
// seed: a broken file of many megabytes is not kept in memory to be compared.
struct Content {
    qsizetype size;
    size_t hash;
    friend bool operator==(const Content&, const Content&) = default;
};

Content ContentOf(const QByteArray& bytes) {
    return {bytes.size(), qHash(QByteArrayView(bytes), QHashSeed::globalSeed())};
}

// What the loader remembers of a file that has not loaded.
struct Unloaded {
    bool named = false;                    // on stderr, once per file and run
    std::optional<Content> failedToDecode; // decoding the same bytes can only fail again
};

std::map<std::string, Unloaded, std::less<>>& UnloadedFiles() {
    static std::map<std::string, Unloaded, std::less<>> files;
    return files;
}

QString CannotOpen(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("no such file");
    case ELOOP:
        return QStringLiteral("a loop of symbolic links");
    case EACCES:
    case EPERM:
        return QStringLiteral("can't be read (permission denied)");
    default:
        return QStringLiteral("can't be read (%1)")
            .arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

// Why a file of this kind and size is no picture to read, or "" when it may be one.
QString Refusal(const struct stat& file) {
    if (S_ISDIR(file.st_mode)) return QStringLiteral("a folder, not a file");
    if (S_ISFIFO(file.st_mode)) return QStringLiteral("a pipe (FIFO), not a file");
    if (S_ISCHR(file.st_mode) || S_ISBLK(file.st_mode))
        return QStringLiteral("a device, not a file");
    if (!S_ISREG(file.st_mode)) return QStringLiteral("not a regular file");
    if (file.st_size == 0) return QStringLiteral("an empty file");
    if (file.st_size > kMaxFileBytes)
        return QStringLiteral("too large to be a picture (%1 bytes; at most %2 MiB)")
            .arg(qint64(file.st_size))
            .arg(kMaxFileBytes >> 20);
    return {};
}

// The whole content of a file, or why there is none.
struct Read {
    QByteArray bytes;
    QString why;
};

Read ReadOpenFile(int fd) {
    struct stat file;
    if (::fstat(fd, &file) != 0) return {{}, CannotOpen(errno)};
    // Looked at again: it may have been replaced since.
    if (QString why = Refusal(file); !why.isEmpty()) return {{}, why};
    QByteArray bytes(qsizetype(file.st_size), Qt::Uninitialized);
    qsizetype got = 0;
    while (got < bytes.size()) {
        ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n == 0) break; // it shrank meanwhile: the decoder will say so
        if (n < 0 && errno != EINTR) return {{}, CannotOpen(errno)};
        if (n > 0) got += n;
    }
    bytes.truncate(got);
    return {bytes, {}};
}

// Only a regular file is opened: a pipe would wait for a writer, and a device may act on
// being opened. Non-blocking all the same, should a pipe take the file's place meanwhile.
Read ReadRegularFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat file;
    if (::stat(name.constData(), &file) != 0) return {{}, CannotOpen(errno)};
    if (QString why = Refusal(file); !why.isEmpty()) return {{}, why};
    int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return {{}, CannotOpen(errno)};
    Read read = ReadOpenFile(fd);
    ::close(fd);
    return read;
}

// The memory the toolkit counts against its limit for pixels of this size and format, rows
// padded to 32 bits: at least 32 bits a pixel, whatever the file's depth, as a picture is
// turned into that to be shown.
qint64 PixelBytes(QSize size, QImage::Format format) {
    // A format the header does not tell is taken at the deepest the toolkit has.
    qint64 bits =
        format == QImage::Format_Invalid ? 128 : QImage::toPixelFormat(format).bitsPerPixel();
    bits = std::max<qint64>(bits, 32);
    return (size.width() * bits + 31) / 32 * 4 * size.height();
}

// The picture in the bytes, or a null image and why.
QImage Decode(const QByteArray& bytes, QString& why) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    // Sized from its header first: the toolkit refuses pixels over its allocation limit, with
    // a warning of its own that says neither which file nor how large.
    const qint64 limit = qint64(QImageReader::allocationLimit()) << 20;
    if (QSize size = reader.size();
        size.isValid() && limit > 0 && PixelBytes(size, reader.imageFormat()) > limit) {
        why = QStringLiteral("too large: %1 × %2 pixels (at most %3 MiB of pixels)")
                  .arg(size.width())
                  .arg(size.height())
                  .arg(limit >> 20);
        return {};
    }
    QImage image = reader.read();
    if (image.isNull()) why = QStringLiteral("not a picture (%1)").arg(reader.errorString());
    return image;
}

// A picture that does not load leaves the canvas blank; say why, once per file and run, so
// that a broken installation is not a mystery.
void ReportUnloaded(std::string_view fileName, Unloaded& file, const QString& path,
                    const QString& why) {
    if (std::exchange(file.named, true)) return;
    std::fprintf(stderr, "%s: picture %.*s: %s in %s\n", fw::ProgramName().c_str(),
                 int(fileName.size()), fileName.data(), why.toLocal8Bit().constData(),
                 QFileInfo(path).absolutePath().toLocal8Bit().constData());
    std::fflush(stderr);
}

// The file's picture, read afresh; a null image when it does not load.
QImage Load(std::string_view fileName, const QString& path) {
    Read read = ReadRegularFile(path);
    QString why = read.why;
    std::optional<Content> content;
    if (why.isEmpty()) {
        content = ContentOf(read.bytes);
        auto known = UnloadedFiles().find(fileName);
        if (known != UnloadedFiles().end() && known->second.failedToDecode == content) return {};
        if (QImage image = Decode(read.bytes, why); !image.isNull()) return image;
    }
    Unloaded& file = UnloadedFiles()[std::string(fileName)];
    file.failedToDecode = content;
    ReportUnloaded(fileName, file, path, why);
    return {};
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
    QImage image = Load(fileName, path);
    if (image.isNull()) return nullptr;
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
