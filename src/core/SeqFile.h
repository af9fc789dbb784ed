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
// Characters outside the code page are written as their plain letters (accents dropped:
// Ł -> L, ő -> o); what has no plain letter becomes '?'.
QByteArray EncodeCp1252(const QString& text);

// Reads fields with the sequential-input rules: fields are separated by commas or line ends,
// blanks before a field are skipped, a field that begins with a double quote runs to the next
// double quote, an unquoted field runs to the next comma or line end without its trailing
// blanks. Reading past the end of the file is an error.
class SeqReader {
  public:
    // name is used in error messages only.
    SeqReader(const QByteArray& bytes, const QString& name);
    static SeqReader fromFile(const QString& path);  // throws FileError when unreadable

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

// Builds records: fields separated by commas, each record ended by CR LF.
class SeqWriter {
  public:
    // "text"; a double quote inside is written as an apostrophe, as it would end the field.
    SeqWriter& quoted(const QString& text);
    SeqWriter& plain(const QString& text);  // text as it stands
    SeqWriter& number(double x);            // plain decimal, no sign blank
    SeqWriter& endRecord();
    // One bare line (a record of one plain field).
    SeqWriter& line(const QString& text) { return plain(text).endRecord(); }
    QByteArray bytes() const { return EncodeCp1252(out_); }

  private:
    void separate();
    QString out_;
    bool inRecord_ = false;
};

// Writes the bytes to a temporary file in the same directory and renames it over path, so a
// failure half-way keeps the previous file. Throws FileError.
void WriteFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace tx
