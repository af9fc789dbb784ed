#include "core/ProgramDir.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include "core/SeqFile.h"

namespace tx {

namespace {

constexpr qint64 kLargestShippedFile = qint64(1) << 30;

}  // namespace

bool CanWriteIn(const QString& dir) {
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".tarvex-XXXXXX")));
    return probe.open();
}

ProgramDirChoice ChooseProgramDir(const QString& shippedDir, const QString& userDir,
                                  const QString& program, bool shippedWritable) {
    if (shippedWritable) return {shippedDir, false};
    QDir user(userDir);
    const bool firstUse = !user.exists();
    if (!QDir().mkpath(userDir))
        throw FileError(QStringLiteral("The folder %1 cannot be made.").arg(userDir));
    const QFileInfoList shipped = QDir(shippedDir).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& file : shipped) {
        const QString name = file.fileName();
        if (name == program || user.exists(name)) continue;
        if (name == QStringLiteral("data.mdb") &&
            !user.entryList({QStringLiteral("data.mdb.*.bak")}, QDir::Files).isEmpty())
            continue;
        WriteFileAtomically(user.filePath(name),
                            ReadWholeFile(file.absoluteFilePath(), kLargestShippedFile));
    }
    return {userDir, firstUse};
}

}  // namespace tx
