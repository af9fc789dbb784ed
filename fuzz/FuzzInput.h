#pragma once
// What the file-reading fuzz targets share: the input written as a file of a program directory
// that lives as long as the target.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace tx::fuzz {

// The program directory the readers are pointed at.
inline const QString& ProgramDir() {
    static QTemporaryDir dir;
    if (!dir.isValid()) std::abort();
    static const QString path = dir.path();
    return path;
}

// Writes the input as dir/name and gives its bytes; a file that cannot be written is the
// machine's fault, not the reader's, so the run stops.
inline QByteArray PutInput(const QString& name, const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QFile f(QDir(ProgramDir()).filePath(name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        std::abort();
    return bytes;
}

}  // namespace tx::fuzz
