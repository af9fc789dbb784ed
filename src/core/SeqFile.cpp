#include "core/SeqFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cerrno>
#include <cstring>
#include <limits>

#include "core/Text.h"

namespace tx {

namespace {

// 0x80..0x9F of Windows-1252; 0 marks the five unassigned codes, read as Latin-1 controls.
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

QString DecodeCp1252(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0)
            out.append(QChar(kHigh[b - 0x80]));
        else
            out.append(QChar(b));
    }
    return out;
}

namespace {

// The code-page byte of one character, or 0 when the code page has none.
char cp1252Byte(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF) || (u >= 0x80 && u <= 0x9F && kHigh[u - 0x80] == 0))
        return static_cast<char>(u);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u) return static_cast<char>(0x80 + i);
    return 0;
}

// A character the code page lacks, as its plain letters: accents dropped (ő -> o, ǆ -> dz),
// stroked letters without a decomposition by table (Ł -> L); anything else is '?'.
QByteArray plainLetters(QStringView ch) {
    static constexpr char16_t kStroked[][2] = {{0x0141, 'L'}, {0x0142, 'l'}, {0x0110, 'D'},
                                               {0x0111, 'd'}, {0x0126, 'H'}, {0x0127, 'h'},
                                               {0x0131, 'i'}, {0x0166, 'T'}, {0x0167, 't'}};
    for (const auto& s : kStroked)
        if (ch.size() == 1 && ch[0].unicode() == s[0])
            return QByteArray(1, static_cast<char>(s[1]));
    QByteArray out;
    const QString parts = ch.toString().normalized(QString::NormalizationForm_KD);
    for (QChar p : parts) {
        if (p.isMark()) continue;
        const char b = cp1252Byte(p.unicode());
        if (b == 0 || !p.isLetter()) return QByteArrayLiteral("?");
        out.append(b);
    }
    return out.isEmpty() ? QByteArrayLiteral("?") : out;
}

}  // namespace

QByteArray EncodeCp1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (const char b = cp1252Byte(u); b != 0 || u == 0) {
            out.append(b);
        } else {
            // A character beyond 16 bits is two units, folded as one.
            const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            out.append(plainLetters(QStringView(text).mid(i, n)));
            i += n - 1;
        }
    }
    return out;
}

SeqReader::SeqReader(const QByteArray& bytes, const QString& name)
    : data_(DecodeCp1252(bytes)), name_(name) {}

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);  // messages name a file in full
}

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// What a file that is not a regular one is, for a message.
QString notAFile(mode_t mode) {
    if (S_ISDIR(mode)) return QStringLiteral("this is a folder, not a file");
    if (S_ISFIFO(mode)) return QStringLiteral("this is a named pipe, not a file");
    if (S_ISSOCK(mode)) return QStringLiteral("this is a socket, not a file");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return QStringLiteral("this is a device, not a file");
    return QStringLiteral("this is not a regular file");
}

QString megabytes(qint64 bytes) {
    return bytes % (1 << 20) == 0 ? QString::number(bytes >> 20) + QStringLiteral(" MB")
                                  : QString::number(bytes) + QStringLiteral(" bytes");
}

}  // namespace

QByteArray ReadWholeFile(const QString& path, qint64 maxBytes) {
    const QString name = shown(path);
    // Without blocking: opening a named pipe for reading would wait for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            throw FileError(name + QStringLiteral(": the file is missing"),
                            FileError::Fault::Missing);
        throw FileError(name + QStringLiteral(": the file cannot be read (") + systemError(errno) +
                        u')');
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        throw FileError(name + QStringLiteral(": the file cannot be read (") + systemError(errno) +
                        u')');
    if (!S_ISREG(st.st_mode)) throw FileError(name + QStringLiteral(": ") + notAFile(st.st_mode));
    // Read one byte past the limit rather than trust the size, which may change meanwhile.
    QByteArray bytes;
    char buffer[65536];
    while (bytes.size() <= maxBytes) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0)
            throw FileError(name + QStringLiteral(": the file cannot be read (") +
                            systemError(errno) + u')');
        if (n == 0) break;
        bytes.append(buffer, n);
    }
    if (bytes.size() > maxBytes)
        throw FileError(name + QStringLiteral(": the file is larger than ") + megabytes(maxBytes),
                        FileError::Fault::TooLarge);
    return bytes;
}

SeqReader SeqReader::fromFile(const QString& path, qint64 maxBytes) {
    return SeqReader(ReadWholeFile(path, maxBytes), shown(path));
}

void SeqReader::fail(const QString& why) const {
    throw FileError(QStringLiteral("%1: %2 (field %3)").arg(name_, why).arg(fields_ + 1),
                    FileError::Fault::Layout);
}

bool SeqReader::atEnd() const {
    for (int i = pos_; i < data_.size(); ++i) {
        const QChar c = data_[i];
        if (c != u' ' && c != u'\t' && c != u'\r' && c != u'\n') return false;
    }
    return true;
}

QString SeqReader::text() {
    const int n = data_.size();
    if (pos_ >= n) fail(QStringLiteral("the file ends too early"));
    while (pos_ < n && (data_[pos_] == u' ' || data_[pos_] == u'\t')) ++pos_;
    if (pos_ >= n) fail(QStringLiteral("the file ends too early"));

    QString field;
    auto endOfField = [&] {
        // Consume up to and including the separator: a comma, or a line end (CR LF, LF or CR).
        while (pos_ < n && data_[pos_] != u',' && data_[pos_] != u'\r' && data_[pos_] != u'\n')
            ++pos_;
        if (pos_ < n && data_[pos_] == u',') {
            ++pos_;
        } else if (pos_ < n && data_[pos_] == u'\r') {
            ++pos_;
            if (pos_ < n && data_[pos_] == u'\n') ++pos_;
        } else if (pos_ < n) {
            ++pos_;
        }
    };

    if (data_[pos_] == u'"') {
        for (;;) {
            const int close = data_.indexOf(u'"', pos_ + 1);
            if (close < 0) fail(QStringLiteral("a quoted text has no closing quote"));
            field += QStringView(data_).mid(pos_ + 1, close - pos_ - 1);
            pos_ = close + 1;
            if (pos_ >= n || data_[pos_] != u'"') break;
            field += u'"';  // a doubled quote: the text goes on
        }
        endOfField();  // whatever stands between the closing quote and the separator is dropped
    } else {
        const int start = pos_;
        while (pos_ < n && data_[pos_] != u',' && data_[pos_] != u'\r' && data_[pos_] != u'\n')
            ++pos_;
        int end = pos_;
        while (end > start && (data_[end - 1] == u' ' || data_[end - 1] == u'\t')) --end;
        field = data_.mid(start, end - start);
        endOfField();
    }
    ++fields_;
    return field;
}

double SeqReader::number() {
    const QString t = text();
    if (!IsNumber(t)) {
        --fields_;
        fail(QStringLiteral("\"%1\" is not a number").arg(t));
    }
    return Val(t);
}

int SeqReader::integer16() {
    const double v = number();
    if (v != Int(v) || v < std::numeric_limits<short>::min() ||
        v > std::numeric_limits<short>::max()) {
        --fields_;
        fail(QStringLiteral("%1 is not a whole number of the allowed size").arg(NumText(v)));
    }
    return static_cast<int>(v);
}

void SeqWriter::field(const QString& text) {
    if (inRecord_) out_.append(u',');
    inRecord_ = true;
    out_.append(text);
}

SeqWriter& SeqWriter::quoted(const QString& text) {
    field(u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"');
    return *this;
}

SeqWriter& SeqWriter::text(const QString& text) {
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    const bool bare =
        !text.contains(u',') && !text.contains(u'\r') && !text.contains(u'\n') &&
        (text.isEmpty() || (!blank(text.front()) && !blank(text.back()) && text.front() != u'"'));
    if (!bare) return quoted(text);
    field(text);
    return *this;
}

SeqWriter& SeqWriter::number(double x, bool signBlank) {
    field(signBlank ? Str(x) : NumText(x));
    return *this;
}

SeqWriter& SeqWriter::endRecord() {
    out_.append(QStringLiteral("\r\n"));
    inRecord_ = false;
    return *this;
}

namespace {

// The file a path stands for: the path with its symbolic links followed, so that rewriting it
// keeps the links. A link that leads nowhere stands for the file it names.
QString FollowLinks(const QString& path) {
    QString file = QFileInfo(path).absoluteFilePath();
    for (int hops = 0; hops < 40 && QFileInfo(file).isSymLink(); ++hops)
        file = QFileInfo(file).symLinkTarget();
    return file;
}

// The mode a new file gets: the one of the file it replaces, else what the umask lets through.
mode_t NewFileMode(const QString& target) {
    struct stat st {};
    if (::stat(QFile::encodeName(target).constData(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Syncs a folder, so that a rename in it is on disk too. Best effort: not every file system
// lets a folder be synced, and the files themselves are already there.
void SyncFolder(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

// The name mkstemp gives a temporary file: the prefix and six characters of its own.
static const char kTemporaryPrefix[] = ".tarvex-";

int RemoveLeftoverTemporaries(const QString& folder) {
    int removed = 0;
    const QDir dir(folder);
    for (const QFileInfo& f : dir.entryInfoList({QString::fromLatin1(kTemporaryPrefix) + "??????"},
                                                QDir::Files | QDir::Hidden | QDir::System))
        if (!f.isSymLink() && QFile::remove(f.absoluteFilePath())) ++removed;
    return removed;
}

FileReplacement::~FileReplacement() {
    for (const Pending& p : pending_) ::unlink(QFile::encodeName(p.temporary).constData());
}

void FileReplacement::add(const QString& path, const QByteArray& bytes) {
    const QString target = FollowLinks(path);
    const auto fail = [&](const QString& why) {
        throw FileError(shown(path) + QStringLiteral(": ") + why);
    };
    const auto cannotWrite = [&](int error) {
        fail(QStringLiteral("the file cannot be written (") + systemError(error) + u')');
    };
    const QFileInfo info(target);
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    struct stat st {};
    if (::stat(QFile::encodeName(target).constData(), &st) == 0 && !S_ISREG(st.st_mode))
        fail(notAFile(st.st_mode));
    // Said here rather than at the rename, which comes after other files may be replaced.
    const long nameMax = ::pathconf(folder.constData(), _PC_NAME_MAX);
    if (nameMax > 0 && QFile::encodeName(info.fileName()).size() > nameMax)
        fail(QStringLiteral("the name is too long for the file system"));

    QByteArray temporary = folder + '/' + kTemporaryPrefix + "XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) cannotWrite(errno);
    int error = ::fchmod(fd, NewFileMode(target)) == 0 ? 0 : errno;
    for (qint64 done = 0; error == 0 && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n >= 0)
            done += n;
        else if (errno != EINTR)
            error = errno;
    }
    // On disk before any rename replaces an old file.
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.constData());
        cannotWrite(error);
    }
    pending_.append({path, target, QFile::decodeName(temporary)});
}

void FileReplacement::commit() {
    QStringList replaced;
    while (!pending_.isEmpty()) {
        const Pending p = pending_.first();
        if (::rename(QFile::encodeName(p.temporary).constData(),
                     QFile::encodeName(p.target).constData()) != 0) {
            const QString why = systemError(errno);
            if (replaced.isEmpty())
                throw FileError(shown(p.path) + QStringLiteral(": the file cannot be written (") +
                                why + u')');
            QStringList kept;
            for (const Pending& q : pending_) kept << shown(q.path);
            throw FileError(replaced.join(QStringLiteral(", ")) +
                                QStringLiteral(": the new file is in place; ") +
                                kept.join(QStringLiteral(", ")) +
                                QStringLiteral(": the file was not replaced, the old one stays (") +
                                why + u')',
                            FileError::Fault::Partial);
        }
        pending_.removeFirst();
        replaced << shown(p.path);
        SyncFolder(QFileInfo(p.target).absolutePath());
    }
}

void WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    FileReplacement file;
    file.add(path, bytes);
    file.commit();
}

QList<std::pair<QString, QString>> Cp1252Changes(const QString& text) {
    QList<std::pair<QString, QString>> changes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (cp1252Byte(u) != 0 || u == 0) continue;
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString from = text.mid(i, n);
        i += n - 1;
        bool seen = false;
        for (const auto& change : changes) seen = seen || change.first == from;
        if (!seen) changes.append({from, DecodeCp1252(EncodeCp1252(from))});
    }
    return changes;
}

}  // namespace tx
