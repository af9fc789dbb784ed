#include "core/RtfText.h"

#include <algorithm>
#include <vector>

#include "core/SeqFile.h"

namespace tx {

namespace {

// Groups nested deeper than this are still counted but share their parent's style.
constexpr size_t kMaxDepth = 512;
// Longest control word and parameter read; the rest of an overlong one is dropped.
constexpr int kMaxWordLetters = 32;
constexpr int kMaxParamDigits = 10;
// Fallback characters after \u are at most this many (\ucN).
constexpr int kMaxFallback = 16;

// Destinations whose text is not part of the text shown (tables, pictures, fields).
bool isSkippedDestination(const QByteArray& w) {
    static const char* const kSkipped[] = {"fonttbl",      "colortbl",   "stylesheet",
                                           "info",         "pict",       "object",
                                           "header",       "headerl",    "headerr",
                                           "headerf",      "footer",     "footerl",
                                           "footerr",      "footerf",    "footnote",
                                           "fldinst",      "listtable",  "listoverridetable",
                                           "rsidtbl",      "revtbl",     "filetbl",
                                           "generator",    "xmlnstbl",   "themedata",
                                           "latentstyles", "datastore",  "colorschememapping",
                                           "pgdsctbl",     "nonshppict", "comment"};
    return std::any_of(std::begin(kSkipped), std::end(kSkipped),
                       [&](const char* s) { return w == s; });
}

// Single characters named by a control word; 0 when the word names none.
char16_t namedCharacter(const QByteArray& w) {
    static const struct {
        const char* word;
        char16_t ch;
    } kNamed[] = {{"emdash", 0x2014},  {"endash", 0x2013},    {"lquote", 0x2018},
                  {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
                  {"bullet", 0x2022},  {"emspace", 0x2003},   {"enspace", 0x2002},
                  {"qmspace", 0x2005}, {"tab", u'\t'},        {"cell", u'\t'},
                  {"par", u'\n'},      {"line", u'\n'},       {"sect", u'\n'},
                  {"page", u'\n'},     {"row", u'\n'}};
    for (const auto& n : kNamed)
        if (w == n.word) return n.ch;
    return 0;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

class Reader {
  public:
    explicit Reader(const QByteArray& in) : in_(in) {}

    QList<RtfRun> read() {
        while (pos_ < in_.size()) {
            const char c = in_[pos_++];
            if (c == '{') {
                open();
            } else if (c == '}') {
                close();
            } else if (c == '\\') {
                control();
            } else if (c == '\t') {
                put(u'\t');
            } else if (static_cast<unsigned char>(c) >= 0x20) {
                putByte(c);
            }  // line ends and other control characters carry nothing
        }
        return std::move(runs_);
    }

  private:
    struct Style {
        bool bold = false, italic = false;
        bool skip = false;  // inside a destination that is not shown
        int fallback = 1;   // \ucN: characters that follow a \u as its stand-in
    };

    void open() {
        pendingFallback_ = 0;
        if (stack_.size() < kMaxDepth)
            stack_.push_back(style_);
        else
            ++tooDeep_;
    }

    void close() {
        pendingFallback_ = 0;
        if (tooDeep_ > 0) {
            --tooDeep_;
        } else if (!stack_.empty()) {
            style_ = stack_.back();
            stack_.pop_back();
        }  // a brace closing nothing is ignored
    }

    void control() {
        if (pos_ >= in_.size()) return;
        const char c = in_[pos_];
        if (isLetter(c)) return word();
        ++pos_;
        switch (c) {
            case '\\':
            case '{':
            case '}':
                return put(static_cast<char16_t>(c));
            case '~':
                return put(0x00A0);
            case '_':
                return put(u'-');
            case '*':
                style_.skip = true;  // a destination a reader may ignore
                return;
            case '\r':
            case '\n':
                return put(u'\n');
            case '\'': {
                // Two hex digits; a broken escape is dropped with the digits it has.
                int value = 0, digits = 0;
                for (; digits < 2 && pos_ < in_.size() && hexDigit(in_[pos_]) >= 0; ++digits)
                    value = value * 16 + hexDigit(in_[pos_++]);
                if (digits == 2) putByte(static_cast<char>(value));
                return;
            }
            default:
                return;  // \- optional hyphen, \| \: and other symbols carry no text
        }
    }

    void word() {
        QByteArray name;
        while (pos_ < in_.size() && isLetter(in_[pos_])) {
            if (name.size() < kMaxWordLetters) name += in_[pos_];
            ++pos_;
        }
        bool negative = false, hasParam = false;
        long long param = 0;
        if (pos_ < in_.size() && in_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        for (int digits = 0; pos_ < in_.size() && in_[pos_] >= '0' && in_[pos_] <= '9'; ++pos_) {
            hasParam = true;
            if (++digits <= kMaxParamDigits) param = param * 10 + (in_[pos_] - '0');
        }
        if (negative) param = -param;
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the word's delimiter
        apply(name, hasParam, param);
    }

    void apply(const QByteArray& w, bool hasParam, long long param) {
        if (isSkippedDestination(w)) {
            style_.skip = true;
        } else if (w == "b") {
            style_.bold = !hasParam || param != 0;
        } else if (w == "i") {
            style_.italic = !hasParam || param != 0;
        } else if (w == "plain") {
            style_.bold = style_.italic = false;
        } else if (w == "bin") {
            // Binary data of the given length: skipped unread, braces in it included.
            pos_ += static_cast<qsizetype>(std::clamp<long long>(param, 0, in_.size() - pos_));
        } else if (w == "uc") {
            style_.fallback = static_cast<int>(std::clamp<long long>(param, 0, kMaxFallback));
        } else if (w == "u") {
            if (!hasParam) return;
            pendingFallback_ = 0;
            // Code points above 32767 are written as negative 16-bit numbers.
            const long long code = param < 0 ? param + 65536 : param;
            if (code >= 0x20 && code <= 0xFFFF) put(static_cast<char16_t>(code));
            pendingFallback_ = style_.fallback;
        } else if (const char16_t ch = namedCharacter(w)) {
            put(ch);
        }
    }

    void putByte(char b) { put(DecodeCp1252(QByteArray(1, b)).at(0).unicode()); }

    void put(char16_t ch) {
        if (style_.skip) return;
        if (pendingFallback_ > 0) {
            --pendingFallback_;
            return;
        }
        if (runs_.isEmpty() || runs_.last().bold != style_.bold ||
            runs_.last().italic != style_.italic)
            runs_.append({QString(), style_.bold, style_.italic});
        QString& text = runs_.last().text;
        // A \u surrogate only stands when its partner is next to it.
        if (QChar::isLowSurrogate(ch) && !(text.size() && text.back().isHighSurrogate()))
            ch = 0xFFFD;
        if (text.size() && text.back().isHighSurrogate() && !QChar::isLowSurrogate(ch))
            text.back() = QChar(0xFFFD);
        text.append(QChar(ch));
    }

    const QByteArray& in_;
    qsizetype pos_ = 0;
    Style style_;
    std::vector<Style> stack_;
    int tooDeep_ = 0;
    int pendingFallback_ = 0;
    QList<RtfRun> runs_;
};

}  // namespace

QList<RtfRun> ReadRtf(const QByteArray& rtf) {
    if (!rtf.startsWith("{\\rtf")) {
        QString text = DecodeCp1252(rtf);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (text.isEmpty()) return {};
        return {RtfRun{text}};
    }
    QList<RtfRun> runs = Reader(rtf).read();
    for (RtfRun& r : runs)  // a high surrogate left at the end of a run has no partner
        if (!r.text.isEmpty() && r.text.back().isHighSurrogate()) r.text.back() = QChar(0xFFFD);
    return runs;
}

QString PlainText(const QList<RtfRun>& runs) {
    QString out;
    for (const RtfRun& r : runs) out += r.text;
    return out;
}

}  // namespace tx
