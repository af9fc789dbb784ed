#include "core/SeqFile.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
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

SeqReader SeqReader::fromFile(const QString& path) {
    QFile f(path);
    const QString name = QDir::toNativeSeparators(path);  // messages name the file in full
    if (!f.exists()) throw FileError(name + ": the file is missing");
    if (!f.open(QIODevice::ReadOnly))
        throw FileError(name + ": the file cannot be read (" + f.errorString() + ")");
    // Read one byte past the limit rather than trust the size: a device reports none.
    const QByteArray bytes = f.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes) throw FileError(name + ": the file is larger than 1 MB");
    if (f.error() != QFileDevice::NoError)
        throw FileError(name + ": the file cannot be read (" + f.errorString() + ")");
    return SeqReader(bytes, name);
}

void SeqReader::fail(const QString& why) const {
    throw FileError(QStringLiteral("%1: %2 (field %3)").arg(name_, why).arg(fields_ + 1));
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
        const int close = data_.indexOf(u'"', pos_ + 1);
        if (close < 0) fail(QStringLiteral("a quoted text has no closing quote"));
        field = data_.mid(pos_ + 1, close - pos_ - 1);
        pos_ = close + 1;
        endOfField();  // whatever stands between the closing quote and the separator is dropped
    } else {
        const int start = pos_;
        while (pos_ < n && data_[pos_] != u',' && data_[pos_] != u'\r' && data_[pos_] != u'\n')
            ++pos_;
        field = RTrim(data_.mid(start, pos_ - start));
        while (field.endsWith(u'\t')) field.chop(1);
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
    field(u'"' + QString(text).replace(u'"', u'\'') + u'"');
    return *this;
}

SeqWriter& SeqWriter::text(const QString& text) {
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    const bool bare = !text.contains(u',') && !text.contains(u'\r') && !text.contains(u'\n') &&
                      (text.isEmpty() || (!blank(text.front()) && !blank(text.back())));
    if (!bare) return quoted(text);
    field(QString(text).replace(u'"', u'\''));
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

void WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    // Unbuffered, so every failing write is seen here: a buffered tail that fails to flush
    // inside commit() is not reported by it, and the file would be replaced by a short one.
    QSaveFile f(path);
    const auto fail = [&](const QString& why) {
        f.cancelWriting();
        throw FileError(QDir::toNativeSeparators(path) + ": the file cannot be written (" + why +
                        ")");
    };
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) fail(f.errorString());
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 n = f.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) fail(f.errorString());
        done += n;
    }
    // On disk before the rename replaces the old file.
    if (::fsync(f.handle()) != 0) fail(QString::fromLocal8Bit(std::strerror(errno)));
    if (!f.commit()) fail(f.errorString());
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
