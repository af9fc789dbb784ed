#include "export/TripExports.h"

#include <libical/ical.h>

#include <QCryptographicHash>
#include <algorithm>
#include <cmath>
#include <memory>

#include "core/Text.h"
#include "planning/TripChecks.h"

namespace tx {

namespace {

using namespace TripDetail;

// "0930" -> "09:30", "01+30" -> "01:30"; any other text trimmed as it stands ("----").
QString Clock(const QString& text) {
    QString t = Trim(text);
    if (t.size() == 5 && t[2] == u'+') t[2] = u':';
    if (t.size() == 4 && std::all_of(t.begin(), t.end(), [](QChar c) { return c.isDigit(); }))
        t.insert(2, u':');
    return t;
}

QDateTime Local(const QDateTime& utc, std::optional<double> offsetHours) {
    return utc.addSecs(std::llround(offsetHours.value_or(0) * 60) * 60);
}

QString Place(const QString& id, const QString& city, const QString& state) {
    QString out = Trim(id);
    if (!Trim(city).isEmpty()) out += u' ' + Trim(city);
    if (!Trim(state).isEmpty()) out += QStringLiteral(", ") + Trim(state);
    return out;
}

// The leg's event text: both local times, the FBOs and services its print flags select, the trip
// details and the comments.
QString Description(const PlanState& s, int i, const BlockTimes& t, const PlanReserved& d) {
    const Leg& leg = s.leg(i);
    const QString local = QStringLiteral("yyyy-MM-dd hh:mm");
    QStringList out{QStringLiteral("Departs %1 %2 local")
                        .arg(Trim(leg.DepID), Local(t.out, leg.DepZoneOffset).toString(local)),
                    QStringLiteral("Arrives %1 %2 local")
                        .arg(Trim(leg.DestID), Local(t.in, leg.DestZoneOffset).toString(local))};
    const auto add = [&out](const QString& label, const QString& text) {
        if (!Trim(text).isEmpty()) out << label + Trim(text);
    };
    add(QStringLiteral("Departure FBO: "), leg.DepFBO);
    if (leg.InclFBO == 1) add(QStringLiteral("Arrival FBO: "), leg.DestFBO);
    if (leg.InclCrewHotel == 1) add(QStringLiteral("Crew hotel: "), leg.DestCrewHotel);
    if (leg.InclPaxHotel == 1) add(QStringLiteral("Passenger hotel: "), leg.DestPaxHotel);
    if (leg.InclLimo == 1) add(QStringLiteral("Limousine: "), leg.DestLimo);
    if (leg.InclCatering == 1) add(QStringLiteral("Catering: "), leg.DestCatering);
    add(QStringLiteral("Aircraft: "), d[TailNumber]);
    add(QStringLiteral("Crew: "), d[Crew]);
    add(QStringLiteral("Passengers: "), d[Passengers]);
    if (!leg.LegComments.isEmpty()) {
        QString comments = leg.LegComments;
        comments.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        out << QStringLiteral("Comments:\n") + comments;
    }
    return out.join(u'\n');
}

icaltimetype Utc(const QDateTime& t) {
    return icaltime_from_timet_with_zone(static_cast<time_t>(t.toSecsSinceEpoch()), 0,
                                         icaltimezone_get_utc_timezone());
}

// RFC 4180: a field with a comma, a double quote or a line end is quoted, its quotes doubled.
QString CsvField(const QString& f) {
    if (!f.contains(u',') && !f.contains(u'"') && !f.contains(u'\n') && !f.contains(u'\r'))
        return f;
    return u'"' + QString(f).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

}  // namespace

QByteArray CalendarBytes(const PlanState& s, const QString& name, const PlanReserved& details,
                         const QDateTime& stamp) {
    using Component = std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)>;
    Component cal(icalcomponent_new(ICAL_VCALENDAR_COMPONENT), &icalcomponent_free);
    icalcomponent_add_property(cal.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(cal.get(), icalproperty_new_prodid("-//Tarvex//Trip plan//EN"));
    icalcomponent_add_property(cal.get(), icalproperty_new_method(ICAL_METHOD_PUBLISH));
    // The name in a hash: any characters a plan name may hold make a plain UID.
    const QByteArray plan =
        QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    for (int i = 1; i <= s.NumLegs; ++i) {
        const auto t = LegBlockTimes(s, i);
        if (!t) continue;
        const Leg& leg = s.leg(i);
        icalcomponent* ev = icalcomponent_new(ICAL_VEVENT_COMPONENT);
        const QByteArray uid = plan + "-leg" + QByteArray::number(i) + "@tarvex";
        icalcomponent_add_property(ev, icalproperty_new_uid(uid.constData()));
        icalcomponent_add_property(ev, icalproperty_new_dtstamp(Utc(stamp)));
        icalcomponent_add_property(ev, icalproperty_new_dtstart(Utc(t->out)));
        icalcomponent_add_property(ev, icalproperty_new_dtend(Utc(t->in)));
        const auto text = [ev](icalproperty* (*make)(const char*), const QString& value) {
            icalcomponent_add_property(ev, make(value.toUtf8().constData()));
        };
        text(icalproperty_new_summary, LegLabel(s, i, i));
        text(icalproperty_new_location, Place(leg.DepID, leg.DepCity, leg.DepState));
        text(icalproperty_new_description, Description(s, i, *t, details));
        icalcomponent_add_component(cal.get(), ev);
    }
    char* ics = icalcomponent_as_ical_string_r(cal.get());
    QByteArray out(ics);
    icalmemory_free_buffer(ics);
    return out;
}

QByteArray CsvBytes(const PlanState& s, const PlanReserved& details) {
    const QString unit =
        details[FuelUnit].isEmpty() ? QString() : QStringLiteral(" (%1)").arg(details[FuelUnit]);
    QList<QStringList> rows{{
        QStringLiteral("Leg"),
        QStringLiteral("Departure date"),
        QStringLiteral("Departure"),
        QStringLiteral("Departure zone"),
        QStringLiteral("Wind"),
        QStringLiteral("Destination"),
        QStringLiteral("Destination zone"),
        QStringLiteral("Fuel burn") + unit,
        QStringLiteral("Reserve") + unit,
        QStringLiteral("Departure sunrise"),
        QStringLiteral("Departure sunset"),
        QStringLiteral("Distance (n.mi.)"),
        QStringLiteral("Departure GMT"),
        QStringLiteral("Departure local"),
        QStringLiteral("Flight time"),
        QStringLiteral("Arrival date"),
        QStringLiteral("Arrival GMT"),
        QStringLiteral("Arrival local"),
        QStringLiteral("Total required") + unit,
        QStringLiteral("Destination sunrise"),
        QStringLiteral("Destination sunset"),
        QStringLiteral("Aircraft"),
        QStringLiteral("Crew"),
        QStringLiteral("Passengers"),
    }};
    for (int i = 1; i <= s.NumLegs; ++i) {
        const Leg& leg = s.leg(i);
        const auto t = LegBlockTimes(s, i);
        const auto date = [&t](bool out, std::optional<double> offset) {
            return t ? Local(out ? t->out : t->in, offset).toString(Qt::ISODate).left(10)
                     : QString();
        };
        const auto zone = [](std::optional<double> z) { return z ? NumText(*z) : QString(); };
        rows << QStringList{QString::number(i),
                            date(true, leg.DepZoneOffset),
                            Trim(leg.DepID),
                            zone(leg.DepZoneOffset),
                            Trim(leg.WindText),
                            Trim(leg.DestID),
                            zone(leg.DestZoneOffset),
                            Trim(leg.BurnText),
                            Trim(leg.ReserveText),
                            Clock(leg.DepSunrise),
                            Clock(leg.DepSunset),
                            Trim(leg.DistText),
                            Clock(leg.GMTDepText),
                            Clock(leg.LocalDepText),
                            Clock(leg.FltTimeText),
                            date(false, leg.DestZoneOffset),
                            Clock(leg.GMTArrText),
                            Clock(leg.LocalArrText),
                            Trim(leg.TotalReqText),
                            Clock(leg.DestSunrise),
                            Clock(leg.DestSunset),
                            details[TailNumber],
                            details[Crew],
                            details[Passengers]};
    }
    QString out;
    for (const QStringList& row : rows) {
        QStringList fields;
        for (const QString& f : row) fields << CsvField(f);
        out += fields.join(u',') + QStringLiteral("\r\n");
    }
    return out.toUtf8();
}

QByteArray Utf8TextBytes(const QStringList& lines) {
    QString text;
    for (const QString& l : lines) text += l + QStringLiteral("\r\n");
    return text.toUtf8();
}

}  // namespace tx
