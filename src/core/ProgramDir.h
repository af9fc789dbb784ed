#pragma once
// The program directory of an installed Tarvex. The program's own folder holds the files it
// ships with; when that folder cannot be written (an installed program), they are copied into
// the user's data folder, which is the program directory from then on. A folder that can be
// written (a build tree, a portable copy) is the program directory as it is.
#include <QString>

namespace tx {

struct ProgramDirChoice {
    QString dir;            // the program directory to use
    bool firstUse = false;  // the user's data folder was set up just now
};

// shippedDir: the program's own folder, used when shippedWritable (see CanWriteIn); userDir:
// the user's data folder; program: the file name of the executable, never copied. A file already in
// userDir is the user's and is kept, however old; a shipped file missing there is copied (written
// whole, then renamed), except data.mdb while a dated copy of it lies there: the start puts the
// newest copy back instead. Throws FileError when the user's data folder cannot be made or a file
// cannot be copied.
ProgramDirChoice ChooseProgramDir(const QString& shippedDir, const QString& userDir,
                                  const QString& program, bool shippedWritable);

// Whether a file can be created in dir: tried, not read from the permission bits.
bool CanWriteIn(const QString& dir);

}  // namespace tx
