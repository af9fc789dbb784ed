#pragma once
// Sequential text files of the system: single-byte Windows-1252 text with CR LF line ends,
// read field by field and written as records of quoted texts and plain numbers.
#include <QByteArray>
#include <QList>
#include <QString>
#include <stdexcept>

namespace tx {

// A file that cannot be read or written as the system expects; the text names what is wrong.
class FileError : public std::runtime_error {
  public:
    // What went wrong, for callers that answer differently: a missing file, one that is too
    // large, one whose fields do not follow the layout, a set of files replaced only in part.
    enum class Fault { Other, Missing, TooLarge, Layout, Partial };

    explicit FileError(const QString& what, Fault fault = Fault::Other)
        : std::runtime_error(what.toStdString()), fault_(fault) {}
    QString message() const { return QString::fromStdString(what()); }
    Fault fault() const { return fault_; }

  private:
    Fault fault_;
};

// The whole of a regular file of at most maxBytes (a symbolic link is followed). Opening never
// waits: a named pipe, a device or a folder is refused, not opened for reading. Throws FileError
// naming the file and what is wrong with it.
QByteArray ReadWholeFile(const QString& path, qint64 maxBytes);

QString DecodeCp1252(const QByteArray& bytes);
QByteArray EncodeCp1252(const QString& text);  // characters outside the code page become '?'

// Reads fields with the sequential-input rules: fields are separated by commas or line ends,
// blanks before a field are skipped, a field that begins with a double quote runs to the next
// double quote (a doubled one inside stands for one quote), an unquoted field runs to the next
// comma or line end without its trailing blanks and tabs. Reading past the end of the file is an
// error.
class SeqReader {
  public:
    // The files of the system are small: a larger one is refused before it is read.
    static constexpr qint64 MaxFileBytes = 1 << 20;

    // name is used in error messages only.
    SeqReader(const QByteArray& bytes, const QString& name);
    // Throws FileError when the file is missing, not a regular file, unreadable or larger than
    // maxBytes.
    static SeqReader fromFile(const QString& path, qint64 maxBytes = MaxFileBytes);

    QString text();      // the next field as text
    double number();     // the next field, which must be a number
    int integer16();     // the next field, a number that fits a 16-bit integer
    bool atEnd() const;  // no field left (only blanks and line ends remain)
    int fieldsRead() const { return fields_; }

  private:
    [[noreturn]] void fail(const QString& why) const;
    QString data_;
    QString name_;
    int pos_ = 0;
    int fields_ = 0;
};

// Builds records: fields separated by commas, each record ended by CR LF. Every text reads back
// as written.
class SeqWriter {
  public:
    // "text"; a double quote in it is doubled.
    SeqWriter& quoted(const QString& text);
    // Bare when it reads back as it stands; quoted when it holds a comma or a line end, begins
    // with a double quote or begins or ends with a blank.
    SeqWriter& text(const QString& text);
    // Plain decimal; signBlank puts a blank in front of a number that is not negative.
    SeqWriter& number(double x, bool signBlank = false);
    SeqWriter& endRecord();
    // One line holding one text.
    SeqWriter& line(const QString& t) { return text(t).endRecord(); }
    QByteArray bytes() const { return EncodeCp1252(out_); }

  private:
    void field(const QString& text);
    QString out_;
    bool inRecord_ = false;
};

// Files replaced together, as a plan file and its report. add() writes each to a temporary
// file in its target's folder and syncs it: a target that is a symbolic link stays a link and its
// target gets the new data; a target that is not a regular file, a name the file system cannot
// hold or a failing write throws FileError and changes no file. commit() then renames each over
// its target, in the order added; a failure after the first rename throws FileError with
// Fault::Partial, naming the files that are new and the one that was not replaced. Temporary
// files not renamed are removed when the object goes.
class FileReplacement {
  public:
    FileReplacement() = default;
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;
    ~FileReplacement();

    void add(const QString& path, const QByteArray& bytes);
    void commit();

  private:
    struct Pending {
        QString path;    // as given, for messages
        QString target;  // the file replaced: path with its links followed
        QString temporary;
    };
    QList<Pending> pending_;
};

// Removes from folder the temporary files that a FileReplacement cut short by the end of the
// program left there (hidden, named like no file of the system). Returns how many went.
int RemoveLeftoverTemporaries(const QString& folder);

// One file replaced as FileReplacement does: a failure half-way keeps the previous file.
// Throws FileError.
void WriteFileAtomically(const QString& path, const QByteArray& bytes);

// The characters of text that the code page lacks, each once in order of first appearance, with
// the text EncodeCp1252 makes of each (read back): "Łódź ✈" gives Ł -> L, ź -> z, ✈ -> ?.
QList<std::pair<QString, QString>> Cp1252Changes(const QString& text);

}  // namespace tx
