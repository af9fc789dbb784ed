#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "airportdb/Db.h"
#include "airportdb/DbInternals.h"
#include "airportdb/Schema.h"
#include "airportdb/SqlStatement.h"
#include "core/Text.h"

namespace tx {

namespace {

using schema::ColumnType;

int compareBytes(std::string_view a, std::string_view b) {
    const int r = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
    if (r != 0) return r;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

bool isNumberType(const QVariant& v) {
    switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::Double:
        case QMetaType::Float:
            return true;
        default:
            return false;
    }
}

// More revised rows than this and a City search asks the engine instead of the snapshot.
constexpr size_t kMaxRevisedForSnapshot = 256;
// Rows whose values a cursor keeps at most.
constexpr size_t kCachedRows = 64;

}  // namespace

struct Recordset::Impl final : detail::CursorWatch {
    Db* db = nullptr;
    const schema::Table* def = nullptr;
    QString where;
    QVariantList params;
    QString orderBy;

    // Cursor order, fixed at open: the row IDs, their positions, and the rows deleted since.
    std::vector<qint64> ids;
    std::unordered_map<qint64, int> posOf;
    std::vector<char> gone;
    std::set<int> gonePositions;
    int baseSize = 0;    // rows at open; later positions were added through the cursor
    int cur = -1;        // -1: before the first row; ids.size(): after the last
    int visitedEnd = 0;  // positions below this one have been current

    // City search. At open, when the order is by City, the folded City of every position in
    // [0, baseSize) is kept: those positions are sorted by it (NULL cities first), so a binary
    // search finds the first position whose snapshot City is at or after the text. The
    // snapshot is exact for every row not changed since open; the engine reports each changed
    // row (update hook) into `revised`, and those rows (plus the ones added through the
    // cursor) are tested one by one against their current City.
    bool citySnapshot = false;
    std::string cityKeys;
    std::vector<uint32_t> cityEnd;  // key of position p: [cityEnd[p-1] or 0, cityEnd[p])
    int nullCities = 0;
    std::unordered_set<qint64> revised;

    // Values of rows already read, typed per column. Every statement costs the engine a file
    // lock, so a row is read once for all its fields; a cursor whose statement selects by a
    // WHERE clause (a few rows) reads them all at open. The engine reports every change on
    // this connection (update and rollback hooks), which drops the row, so values stay current.
    using Values = std::vector<QVariant>;
    std::unordered_map<qint64, Values> cache;
    QString columnList;  // every schema column, quoted, in schema order

    enum class Mode { None, Adding, Editing } mode = Mode::None;
    qint64 editId = 0;
    std::vector<std::optional<QVariant>> pending;  // per schema column

    ~Impl() {
        if (db) db->detach(this);
    }

    void rowChanged(int op, const char* table, qint64 id) override {
        if (sqlite3_stricmp(table, def->name) != 0) return;
        const auto it = posOf.find(id);
        if (it == posOf.end()) return;
        cache.erase(id);
        if (op == SQLITE_DELETE)
            markGone(it->second);
        else
            revised.insert(id);
    }

    void rolledBack() override { cache.clear(); }

    void databaseClosing() override {
        db = nullptr;
        mode = Mode::None;
    }

    int size() const { return int(ids.size()); }
    int liveCount() const { return size() - int(gonePositions.size()); }
    int liveIn(int from, int to) const {
        if (to <= from) return 0;
        int n = to - from;
        for (auto it = gonePositions.lower_bound(from); it != gonePositions.end() && *it < to; ++it)
            --n;
        return n;
    }
    void markGone(int p) {
        if (!gone[size_t(p)]) {
            gone[size_t(p)] = 1;
            gonePositions.insert(p);
        }
    }
    std::string_view cityKey(int p) const {
        const uint32_t begin = p == 0 ? 0 : cityEnd[size_t(p - 1)];
        return std::string_view(cityKeys).substr(begin, cityEnd[size_t(p)] - begin);
    }

    QString tableName() const { return QLatin1StringView(def->name); }

    [[noreturn]] void error(const QString& what) const {
        throw DbError(QStringLiteral("%1: %2").arg(tableName(), what));
    }
    Db& database() const {
        if (!db) error("the airport database has been closed");
        return *db;
    }
    void needNoEdit(const char* op) const {
        if (mode != Mode::None)
            error(QStringLiteral("%1 is not allowed while an addNew or edit is pending")
                      .arg(QLatin1StringView(op)));
    }
    const schema::Column& column(const QString& name) const {
        const schema::Column* c = def->find(name);
        if (!c) error("there is no field " + name);
        return *c;
    }
    int columnIndex(const schema::Column& c) const { return int(&c - def->columns.data()); }

    void load() {
        Db& d = database();
        citySnapshot =
            def->has(u"CityKey") &&
            orderBy.section(u',', 0, 0).trimmed().compare(u"CityKey", Qt::CaseInsensitive) == 0;
        const bool preload = !where.isEmpty();
        const int valuesAt = citySnapshot ? 2 : 1;
        QString sql = QStringLiteral("SELECT ID%1%2 FROM %3")
                          .arg(citySnapshot ? QStringLiteral(", CityKey") : QString(),
                               preload ? ", " + columnList : QString(), tableName());
        if (!where.isEmpty()) sql += " WHERE " + where;
        sql += " ORDER BY " + (orderBy.isEmpty() ? QStringLiteral("ID") : orderBy);

        ids.clear();
        posOf.clear();
        cache.clear();
        cityKeys.clear();
        cityEnd.clear();
        nullCities = 0;
        detail::Statement st(d, sql);
        st.bindAll(params);
        size_t previousBegin = 0;  // offsets, not views: cityKeys grows as rows arrive
        bool sorted = true;
        while (st.step()) {
            const qint64 id = st.int64(0);
            posOf.emplace(id, size());
            ids.push_back(id);
            if (preload && cache.size() < kCachedRows) cache.emplace(id, readValues(st, valuesAt));
            if (!citySnapshot) continue;
            const size_t begin = cityKeys.size();
            if (st.isNull(1)) {
                if (size() - 1 != nullCities) sorted = false;  // NULLs must all come first
                ++nullCities;
            } else {
                cityKeys += st.utf8(1);  // folded when written
                const std::string_view keys(cityKeys);
                if (size() - 1 > nullCities &&
                    compareBytes(keys.substr(previousBegin, begin - previousBegin),
                                 keys.substr(begin)) > 0)
                    sorted = false;
                previousBegin = begin;
            }
            cityEnd.push_back(uint32_t(cityKeys.size()));
        }
        if (!sorted) {  // not in the order this search assumes: ask the engine instead
            citySnapshot = false;
            cityKeys.clear();
            cityEnd.clear();
        }
        cityKeys.shrink_to_fit();
        gone.assign(ids.size(), 0);
        gonePositions.clear();
        revised.clear();
        baseSize = size();
        cur = ids.empty() ? 0 : -1;
        visitedEnd = 0;
        mode = Mode::None;
        if (!ids.empty()) moveTo(nextLive(0));
    }

    int nextLive(int p) const {
        while (p < size() && gone[size_t(p)]) ++p;
        return p;  // size() when none
    }
    int previousLive(int p) const {
        while (p >= 0 && gone[size_t(p)]) --p;
        return p;  // -1 when none
    }
    void moveTo(int p) {
        cur = p;
        if (p >= size())
            visitedEnd = size();
        else if (p >= 0)
            visitedEnd = std::max(visitedEnd, p + 1);
    }

    qint64 currentId() const {
        if (cur < 0 || cur >= size()) error("there is no current row");
        if (gone[size_t(cur)]) error("the current row has been deleted");
        return ids[size_t(cur)];
    }

    // The smallest live cursor position among the IDs the statement yields, or -1.
    int firstPositionOf(const QString& sql, const QVariant& value) const {
        detail::Statement st(database(), sql);
        st.bind(1, value);
        int best = -1;
        while (st.step()) {
            const auto it = posOf.find(st.int64(0));
            if (it == posOf.end() || gone[size_t(it->second)]) continue;
            if (best < 0 || it->second < best) best = it->second;
        }
        return best;
    }

    int findCity(const QString& text) const {
        const QString folded = CityFold(text);
        const QString scan =
            QStringLiteral("SELECT ID FROM %1 WHERE CityKey >= ?1").arg(tableName());
        if (!citySnapshot || revised.size() > kMaxRevisedForSnapshot)
            return firstPositionOf(scan, folded);

        const std::string key = folded.toUtf8().toStdString();
        int lo = nullCities, hi = baseSize;
        while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            if (compareBytes(cityKey(mid), key) < 0)
                lo = mid + 1;
            else
                hi = mid;
        }
        int best = -1;
        for (int p = lo; p < baseSize; ++p) {
            if (gone[size_t(p)] || revised.count(ids[size_t(p)])) continue;
            best = p;
            break;
        }
        const QString check =
            QStringLiteral("SELECT CityKey >= ?2 FROM %1 WHERE ID = ?1").arg(tableName());
        auto test = [&](int p) {
            if (gone[size_t(p)] || (best >= 0 && p >= best)) return;
            detail::Statement st(database(), check);
            st.bind(1, ids[size_t(p)]).bind(2, folded);
            if (st.step() && st.int64(0) == 1) best = p;
        };
        for (qint64 id : revised) test(posOf.at(id));
        for (int p = baseSize; p < size(); ++p) test(p);  // rows added through the cursor
        return best;
    }

    Values readValues(const detail::Statement& st, int first) const {
        Values out(def->columns.size());
        for (size_t i = 0; i < out.size(); ++i) {
            const int k = first + int(i);
            if (st.isNull(k)) continue;
            switch (def->columns[i].type) {
                case ColumnType::Key:
                case ColumnType::Integer:
                    out[i] = st.int64(k);
                    break;
                case ColumnType::Single:
                    out[i] = float(st.real(k));
                    break;
                case ColumnType::YesNo:
                    out[i] = st.int64(k) != 0;
                    break;
                case ColumnType::Text: {
                    const std::string_view t = st.utf8(k);
                    out[i] = QString::fromUtf8(t.data(), qsizetype(t.size()));
                }
            }
        }
        return out;
    }

    QVariant readCurrent(const schema::Column& c) {
        const size_t i = size_t(columnIndex(c));
        if (mode != Mode::None && pending[i]) return *pending[i];
        if (mode == Mode::Adding) return QVariant();
        const qint64 id = currentId();
        auto it = cache.find(id);
        if (it == cache.end()) {
            detail::Statement st(
                database(),
                QStringLiteral("SELECT %1 FROM %2 WHERE ID = ?1").arg(columnList, tableName()));
            st.bind(1, id);
            if (!st.step()) error("the current row no longer exists");
            if (cache.size() >= kCachedRows) cache.clear();
            it = cache.emplace(id, readValues(st, 0)).first;
        }
        return it->second[i];
    }

    // The value as the column stores it, or a clear refusal.
    QVariant convert(const schema::Column& c, const QVariant& v) const {
        if (!v.isValid() || v.isNull()) return QVariant();
        const QString name = QLatin1StringView(c.name);
        switch (c.type) {
            case ColumnType::Key:
                error(name + " is assigned by the database and cannot be written");
            case ColumnType::Text:
                return v.toString();
            case ColumnType::YesNo:
                if (v.typeId() == QMetaType::Bool || isNumberType(v)) return v.toBool();
                error(name + " takes yes or no, not \"" + v.toString() + "\"");
            case ColumnType::Integer: {
                bool ok = false;
                const qint64 n = v.toLongLong(&ok);
                if (ok && (isNumberType(v) || IsNumber(v.toString()))) return n;
                error(name + " takes a whole number, not \"" + v.toString() + "\"");
            }
            case ColumnType::Single: {
                double x = 0;
                if (isNumberType(v))
                    x = v.toDouble();
                else if (IsNumber(v.toString()))
                    x = Val(v.toString());
                else
                    error(name + " takes a number, not \"" + v.toString() + "\"");
                // Single precision: the value the system holds is the float nearest to it.
                const float f = float(x);
                if (!std::isfinite(f)) error(name + " is out of range: " + v.toString());
                return f;
            }
        }
        return v;
    }

    // The pending row, and the words of its WordKey when that changes, land together.
    qint64 writePending() {
        Db& d = database();
        d.execute(QStringLiteral("SAVEPOINT pendingRow"));
        const int sizeBefore = size(), curBefore = cur;
        try {
            const qint64 id = writeRow(d);
            const schema::Column* words = def->find(u"WordKey");
            if (words && pending[size_t(columnIndex(*words))]) {
                d.execute(QLatin1StringView(schema::kDeleteWords), {id});
                for (const QString& word : schema::WordsOf(*pending[size_t(columnIndex(*words))]))
                    d.execute(QLatin1StringView(schema::kInsertWord), {word, id});
            }
        } catch (...) {
            while (size() > sizeBefore) {  // a row added, then undone
                posOf.erase(ids.back());
                ids.pop_back();
                gone.pop_back();
            }
            cur = curBefore;
            try {
                d.execute(QStringLiteral("ROLLBACK TO pendingRow"));
                d.execute(QStringLiteral("RELEASE pendingRow"));
            } catch (const DbError&) {
                // The engine has already rolled back; the first error is the one to report.
            }
            throw;
        }
        d.execute(QStringLiteral("RELEASE pendingRow"));
        return lastWritten;
    }
    qint64 lastWritten = 0;

    qint64 writeRow(Db& d) {
        // A key follows its column: written with it, never on its own.
        for (const schema::Column& c : def->columns) {
            if (!c.foldOf) continue;
            const schema::Column& source = column(QLatin1StringView(c.foldOf));
            const schema::Column* also = c.alsoOf ? &column(QLatin1StringView(c.alsoOf)) : nullptr;
            if (!pending[size_t(columnIndex(source))] &&
                !(also && pending[size_t(columnIndex(*also))]))
                continue;
            // A source not written keeps its stored value (none on a new row).
            pending[size_t(columnIndex(c))] =
                schema::KeyOf(c, readCurrent(source), also ? readCurrent(*also) : QVariant());
        }
        QStringList names, marks;
        QVariantList values;
        for (size_t i = 0; i < pending.size(); ++i) {
            if (!pending[i]) continue;
            names << schema::Quoted(def->columns[i].name);
            values << *pending[i];
            marks << QStringLiteral("?%1").arg(values.size());
        }
        if (mode == Mode::Adding) {
            const QString sql =
                names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(tableName())
                                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                      .arg(tableName(), names.join(", "), marks.join(", "));
            d.execute(sql, values);
            const qint64 id = sqlite3_last_insert_rowid(d.handle());
            const bool atEnd = cur >= size();
            posOf.emplace(id, size());
            ids.push_back(id);
            gone.push_back(0);
            if (atEnd) cur = size();
            return lastWritten = id;
        }
        if (!names.isEmpty()) {
            QStringList sets;
            for (int i = 0; i < names.size(); ++i) sets << names[i] + " = " + marks[i];
            values << editId;
            const int changed = d.execute(QStringLiteral("UPDATE %1 SET %2 WHERE ID = ?%3")
                                              .arg(tableName(), sets.join(", "))
                                              .arg(values.size()),
                                          values);
            if (changed == 0) error("the row being edited no longer exists");
        }
        return lastWritten = editId;
    }
};

Recordset::Recordset(Db& db, const QString& table, const QString& where, const QVariantList& params,
                     const QString& orderBy)
    : d_(std::make_unique<Impl>()) {
    const schema::Table* def = schema::FindTable(table);
    if (!def) throw DbError("there is no table " + table + " in the airport database");
    if (!db.isOpen()) throw DbError(table + ": the airport database is not open");
    table_ = QLatin1StringView(def->name);
    d_->def = def;
    d_->where = where;
    d_->params = params;
    d_->orderBy = orderBy;
    d_->pending.resize(def->columns.size());
    QStringList columns;
    for (const schema::Column& c : def->columns) columns << schema::Quoted(c.name);
    d_->columnList = columns.join(", ");
    d_->db = &db;
    db.attach(d_.get());
    d_->load();
}

Recordset::~Recordset() = default;
Recordset::Recordset(Recordset&&) noexcept = default;
Recordset& Recordset::operator=(Recordset&&) noexcept = default;

Recordset::Impl& Recordset::impl() const {
    if (!d_) throw DbError(table_ + ": the cursor has been moved away");
    d_->database();
    return *d_;
}

bool Recordset::bof() const {
    const Impl& d = impl();
    return d.liveCount() == 0 || d.cur < 0;
}

bool Recordset::eof() const {
    const Impl& d = impl();
    return d.liveCount() == 0 || d.cur >= d.size();
}

int Recordset::recordCount() const {
    const Impl& d = impl();
    return d.liveIn(0, d.visitedEnd) + d.liveIn(std::max(d.visitedEnd, d.baseSize), d.size());
}

void Recordset::moveFirst() {
    Impl& d = impl();
    d.needNoEdit("moveFirst");
    if (d.liveCount() > 0) d.moveTo(d.nextLive(0));
}

void Recordset::moveLast() {
    Impl& d = impl();
    d.needNoEdit("moveLast");
    if (d.liveCount() == 0) return;
    d.moveTo(d.previousLive(d.size() - 1));
    d.visitedEnd = d.size();
}

void Recordset::moveNext() {
    Impl& d = impl();
    d.needNoEdit("moveNext");
    if (d.cur >= d.size()) return;
    d.moveTo(d.nextLive(d.cur + 1));
}

void Recordset::movePrevious() {
    Impl& d = impl();
    d.needNoEdit("movePrevious");
    if (d.cur < 0) return;
    d.moveTo(d.previousLive(std::min(d.cur, d.size()) - 1));
}

bool Recordset::findFirst(const Criterion& c) {
    Impl& d = impl();
    d.needNoEdit("findFirst");
    int p = -1;
    switch (c.kind) {
        case Criterion::Kind::IdEquals: {
            bool ok = false;
            const qint64 id = c.value.toLongLong(&ok);
            if (!ok) d.error("find by ID needs a number, not \"" + c.value.toString() + "\"");
            p = d.firstPositionOf(
                QStringLiteral("SELECT ID FROM %1 WHERE ID = ?1").arg(d.tableName()), id);
            break;
        }
        case Criterion::Kind::IdentEquals:
            d.column(QStringLiteral("Ident"));
            p = d.firstPositionOf(
                QStringLiteral("SELECT ID FROM %1 WHERE Ident = ?1").arg(d.tableName()),
                c.value.toString());
            break;
        case Criterion::Kind::IataEquals:
            d.column(QStringLiteral("IATA"));
            p = d.firstPositionOf(
                QStringLiteral("SELECT ID FROM %1 WHERE IATA = ?1").arg(d.tableName()),
                c.value.toString());
            break;
        case Criterion::Kind::CityAtOrAfter:
            d.column(QStringLiteral("City"));
            p = d.findCity(c.value.toString());
            break;
    }
    if (p < 0) return false;
    d.moveTo(p);
    return true;
}

QVariant Recordset::field(const QString& name) const {
    Impl& d = impl();
    return d.readCurrent(d.column(name));
}

void Recordset::setField(const QString& name, const QVariant& value) {
    Impl& d = impl();
    const schema::Column& c = d.column(name);
    if (d.mode == Impl::Mode::None)
        d.error("field " + name + " can only be written between addNew or edit and update");
    if (c.foldOf) d.error(QStringLiteral("%1 is kept by the program from %2").arg(name, c.foldOf));
    d.pending[size_t(d.columnIndex(c))] = d.convert(c, value);
}

void Recordset::addNew() {
    Impl& d = impl();
    d.needNoEdit("addNew");
    d.mode = Impl::Mode::Adding;
    std::fill(d.pending.begin(), d.pending.end(), std::nullopt);
}

void Recordset::edit() {
    Impl& d = impl();
    d.needNoEdit("edit");
    d.editId = d.currentId();
    d.mode = Impl::Mode::Editing;
    std::fill(d.pending.begin(), d.pending.end(), std::nullopt);
}

qint64 Recordset::update() {
    Impl& d = impl();
    if (d.mode == Impl::Mode::None) d.error("update without addNew or edit");
    const qint64 id = d.writePending();  // throws with the pending values kept
    d.mode = Impl::Mode::None;
    std::fill(d.pending.begin(), d.pending.end(), std::nullopt);
    return id;
}

void Recordset::cancelUpdate() {
    Impl& d = impl();
    d.mode = Impl::Mode::None;
    std::fill(d.pending.begin(), d.pending.end(), std::nullopt);
}

bool Recordset::editPending() const {
    return impl().mode != Impl::Mode::None;
}

void Recordset::remove() {
    Impl& d = impl();
    d.needNoEdit("remove");
    const qint64 id = d.currentId();
    d.database().execute(QStringLiteral("DELETE FROM %1 WHERE ID = ?1").arg(d.tableName()), {id});
    d.markGone(d.cur);
}

void Recordset::requery() {
    Impl& d = impl();
    d.needNoEdit("requery");
    d.load();
}

}  // namespace tx
