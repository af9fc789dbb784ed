#pragma once
// Sequential text files of the system: single-byte Windows-1252 text with CR LF line ends,
// read field by field and written as records of quoted texts and plain numbers.
#include <QByteArray>
#include <QString>
#include <stdexcept>

namespace tx {

// A file that cannot be read or written as the system expects; the text names what is wrong.
class FileError : public std::runtime_error {
  public:
    explicit FileError(const QString& what) : std::runtime_error(what.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

QString DecodeCp1252(const QByteArray& bytes);
QByteArray EncodeCp1252(const QString& text);  // characters outside the code page become '?'

// Reads fields with the sequential-input rules: fields are separated by commas or line ends,
// blanks before a field are skipped, a field that begins with a double quote runs to the next
// double quote, an unquoted field runs to the next comma or line end without its trailing
// blanks. Reading past the end of the file is an error.
class SeqReader {
  public:
    // The files of the system are small: a larger one is refused before it is read.
    static constexpr qint64 MaxFileBytes = 1 << 20;

    // name is used in error messages only.
    SeqReader(const QByteArray& bytes, const QString& name);
    // Throws FileError when the file is missing, unreadable or larger than MaxFileBytes.
    static SeqReader fromFile(const QString& path);

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

// Builds records: fields separated by commas, each record ended by CR LF. Every field reads
// back as written: no field can carry a double quote, so a text's double quotes are written as
// apostrophes.
class SeqWriter {
  public:
    SeqWriter& quoted(const QString& text);  // "text"
    // Bare when it reads back as it stands; quoted when it holds a comma or a line end or
    // begins or ends with a blank.
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

// Writes the bytes to a temporary file in the same directory and renames it over path, so a
// failure half-way keeps the previous file. Throws FileError.
void WriteFileAtomically(const QString& path, const QByteArray& bytes);

// The characters of text that the code page lacks, each once in order of first appearance, with
// the text EncodeCp1252 makes of each (read back): "Łódź ✈" gives Ł -> L, ź -> z, ✈ -> ?.
QList<std::pair<QString, QString>> Cp1252Changes(const QString& text);

}  // namespace tx
