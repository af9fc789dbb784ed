// The exports read back by real readers: the calendar parsed by libical, the CSV file by a parser
// of quoted fields, the UTF-8 report against the Windows-1252 one decoded. Legs are computed
// through support/EquatorLegs.h; block times and local times are worked out by hand.
#include <libical/ical.h>

#include <QTemporaryDir>
#include <QtTest>

#include "core/SeqFile.h"
#include "export/TripExports.h"
#include "report/PlanReports.h"
#include "support/CalcTest.h"
#include "support/EquatorLegs.h"

using namespace tx;
using namespace tx::test;

namespace {

const QString kComment = "Fuel to tabs, call FBO; gate 3\nPax: 4 \"VIP\"";

struct Event {
    QString uid, summary, location, description;
    QDateTime start, end;
};

// An invalid time unless t is in UTC.
QDateTime Utc(icaltimetype t) {
    if (!icaltime_is_utc(t)) return {};
    return QDateTime::fromSecsSinceEpoch(icaltime_as_timet(t), Qt::UTC);
}

QList<Event> ParseCalendar(const QByteArray& ics) {
    QList<Event> out;
    icalcomponent* cal = icalparser_parse_string(ics.constData());
    if (!cal) return out;
    for (icalcomponent* e = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT))
        out << Event{icalcomponent_get_uid(e),
                     QString::fromUtf8(icalcomponent_get_summary(e)),
                     QString::fromUtf8(icalcomponent_get_location(e)),
                     QString::fromUtf8(icalcomponent_get_description(e)),
                     Utc(icalcomponent_get_dtstart(e)),
                     Utc(icalcomponent_get_dtend(e))};
    icalcomponent_free(cal);
    return out;
}

// RFC 4180 records: fields split at commas outside quotes, "" inside quotes one quote.
QList<QStringList> ParseCsv(const QString& text) {
    QList<QStringList> rows{{}};
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i], next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (quoted && c == u'"' && next == u'"') {
            field += c, ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && c == u',') {
            rows.last() << field, field.clear();
        } else if (!quoted && c == u'\r' && next == u'\n') {
            rows.last() << field, field.clear(), rows << QStringList{}, ++i;
        } else {
            field += c;
        }
    }
    if (rows.last().isEmpty() && field.isEmpty()) rows.removeLast();
    return rows;
}

// "yyyy-MM-dd hh:mm" in UTC.
QDateTime At(const QString& utc) {
    return QDateTime::fromString(QString(utc).replace(' ', 'T') + ":00Z", Qt::ISODate);
}

}  // namespace

class TestExports : public QObject {
    Q_OBJECT
  private slots:
    // One leg each (its comment kComment): its block-out in UTC, the departure's and the
    // arrival's local times the description gives. Today 10 Jan 2025: a date earlier in the year
    // is 2026's.
    void calendar_data() {
        addColumns<QString, QString, QString, QString>("leg", "out", "departs", "arrives");
        // 0800 on the 20th at +12 is 2000 GMT on the 19th; 1:42 later 2142 GMT, 1042 at -11
        // on the 19th (-D).
        addRow("-D, across the date line westward", "T 3.20 0800 E175 W175 900", "2025-03-19 20:00",
               "E175 2025-03-20 08:00", "W175 2025-03-19 10:42");
        // 1112 on the 19th at -11 is 2212 GMT; in 2354 GMT, 1154 on the 20th at +12 (+D).
        addRow("+D, across the date line eastward", "T 3.19 1112 W175 E175 900", "2025-03-19 22:12",
               "W175 2025-03-19 11:12", "E175 2025-03-20 11:54");
        // Given by its landing, 1154 on the 20th: out 1:42 before, 2212 GMT on the 19th.
        addRow("landing time", "L 3.20 1154 W175 E175 900", "2025-03-19 22:12",
               "W175 2025-03-19 11:12", "E175 2025-03-20 11:54");
        // 2300 GMT on 31 Dec 2025 lands 0042 GMT on 1 Jan 2026.
        addRow("across New Year", "T 12.31 2300 W000 W010 900", "2025-12-31 23:00",
               "W000 2025-12-31 23:00", "W010 2025-12-31 23:42");
        addRow("earlier than today: next year", "T 1.05 0900 W010 W000 900", "2026-01-05 10:00",
               "W010 2026-01-05 09:00", "W000 2026-01-05 11:42");
    }
    void calendar() {
        auto [leg, out, departs, arrives] =
            fetch<QString, QString, QString, QString>("leg", "out", "departs", "arrives");
        PlanState s = EquatorPlan();
        enterLeg(s, "T 3.10 0800 W000 W010 900");
        enterLeg(s, leg);
        Leg& l = s.leg(2);
        l.LegComments = kComment, l.DepCity = "Ciudad de Cancún", l.DepState = "QR", l.InclLimo = 0;
        l.DestCrewHotel = "Inn, Rooms; Ltd", l.InclCrewHotel = 1, l.DestLimo = "Left out";
        const PlanReserved details{"N123AB", "Ann Lee, Bo \"B\" Ray", "4", "kg"};
        const QList<Event> events =
            ParseCalendar(CalendarBytes(s, "Spring trip", details, At("2025-01-10 12:00")));
        QCOMPARE(events.size(), 2);
        const Event& e = events[1];
        QCOMPARE(e.start, At(out));
        // Every leg is 1:42 block.
        QCOMPARE(QString::number(e.start.secsTo(e.end) / 60) + ' ' + e.summary + '|' + e.location +
                     '|' + e.description,
                 "102 Leg 2 " + l.DepID + "-" + l.DestID + '|' + l.DepID +
                     " Ciudad de Cancún, QR|Departs " + departs + " local\nArrives " + arrives +
                     " local\nCrew hotel: Inn, Rooms; Ltd\nAircraft: N123AB\n" +
                     "Crew: Ann Lee, Bo \"B\" Ray\nPassengers: 4\nComments:\n" + kComment);

        // Exported again after a change: the same UIDs, so a calendar updates its events;
        // another plan's differ.
        l.LegComments = "changed";
        QStringList uids;
        for (const char* plan : {"Spring trip", "Autumn trip"})
            for (const Event& e : ParseCalendar(CalendarBytes(s, plan, {}, At("2025-02-01 09:00"))))
                uids << e.uid;
        QCOMPARE(uids.mid(0, 2), QStringList({events[0].uid, events[1].uid}));
        QCOMPARE(QSet<QString>(uids.begin(), uids.end()).size(), 4);
    }

    // Every figure of the pilot format in a field of its own; the crew's comma and quotes
    // survive; the fuel headings carry the unit.
    void csv() {
        PlanState s = EquatorPlan();
        enterLeg(s, "T 3.20 0800 E175 W175 900");
        enterLeg(s, "T 3.15 0800 W000 W040 901");
        const QList<QStringList> rows =
            ParseCsv(QString::fromUtf8(CsvBytes(s, {"N1", "Ann Lee, Bo \"B\" Ray", "4", "kg"})));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[1].size(), rows[0].size());
        QStringList leg1, leg2;  // "heading=field"
        for (int i = 0; i < rows[0].size(); ++i)
            leg1 << rows[0][i] + '=' + rows[1].value(i),
                leg2 << rows[0][i] + '=' + rows[2].value(i);
        // Sunrise and sunset are only checked to be times.
        QCOMPARE(leg1.join('|').replace(QRegularExpression("(sunrise|sunset)=\\d\\d:\\d\\d"),
                                        "\\1=hh:mm"),
                 "Leg=1|Departure date=2025-03-20|Departure=E175|Departure zone=12|Wind=|"
                 "Destination=W175|Destination zone=-11|Fuel burn (kg)=1500|Reserve (kg)=900|"
                 "Departure sunrise=hh:mm|Departure sunset=hh:mm|Distance (n.mi.)=600|"
                 "Departure GMT=20:00|Departure local=08:00|Flight time=01:30|"
                 "Arrival date=2025-03-19|Arrival GMT=21:42|Arrival local=10:42|"
                 "Total required (kg)=2400|Destination sunrise=hh:mm|Destination sunset=hh:mm|"
                 "Aircraft=N1|Crew=Ann Lee, Bo \"B\" Ray|Passengers=4");
        // 2400 n.mi., 6 h: burn 6000 with 901 is over the usable fuel.
        QCOMPARE(leg2.filter(QRegularExpression("^(Total required|Arrival local)")).join('|'),
                 "Arrival local=11:12|Total required (kg)=StopReq");
    }

    // The UTF-8 report holds the saved Windows-1252 report's characters, byte for byte once
    // decoded (the pilot format's export is pinned by the window tests).
    void utf8Report() {
        PlanState s = EquatorPlan();
        enterLeg(s, "T 3.20 0800 E175 W175 900");
        s.leg(1).DestCity = "Ciudad de Cancún", s.leg(1).DestCityStateF = "Ciudad de Cancún, QR";
        s.leg(1).LegComments = "Café at the FBO";
        const PlanReserved details{"N1", "Zoë Müller", "", "lb"};
        QTemporaryDir dir;
        const QString date = "3/5/2025 9:07:00 AM";
        const QStringList checks{"Leg 1 E175-W175: a finding"};
        SavePlan(s, dir.path(), "Trip", details, false, date, checks);
        const QByteArray utf8 =
            Utf8TextBytes(TextReportLines(s, "Trip", details, false, date, checks));
        QCOMPARE(utf8, DecodeCp1252(ReadFile(dir.filePath("Trip.txt"))).toUtf8());
        QVERIFY(utf8.contains("Café") && utf8.contains("Zoë Müller"));
    }
};

QTEST_GUILESS_MAIN(TestExports)
#include "test_exports.moc"
