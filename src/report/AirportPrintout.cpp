#include "report/AirportPrintout.h"

namespace tx {

QStringList WrapAirportComment(const QString& text) {
    return WrapLines(text, 51, 51, 36);
}

ReportLines PrintAirportInformation(const AirportPrintFields& a) {
    ReportPage p;
    p.line();
    p.line();
    p.line(QString(11, u' ') + QStringLiteral("Tarvex - Airport Information"));
    p.line(QString(69, u'-'));
    p.line();
    const std::pair<const char*, const QString*> fields[] = {
        {"Identifier:      ", &a.Identifier}, {"City:            ", &a.City},
        {"State/Country:   ", &a.State},      {"Latitude:        ", &a.Latitude},
        {"Longitude:       ", &a.Longitude},  {"Time Zone(STD):  ", &a.Standard},
        {"Time Zone(DAY):  ", &a.Day},        {"ZoneCode:        ", &a.ZoneCode}};
    for (const auto& [label, value] : fields) p.line(QLatin1String(label) + *value);
    if (!a.Comment.isEmpty()) {
        p.line(QStringLiteral("Comments:"));
        for (const QString& l : WrapAirportComment(u' ' + a.Comment)) p.tab({}, 5, l);
    }
    const std::pair<const char*, const QString*> services[] = {{"FBO :      ", &a.FBO},
                                                               {"Crew Hotel:", &a.CrewHotel},
                                                               {"Pax Hotel :", &a.PaxHotel},
                                                               {"Limo :     ", &a.Limo},
                                                               {"Catering : ", &a.Catering}};
    for (const auto& [label, value] : services)
        if (!value->isEmpty()) p.line(QLatin1String(label) + *value);
    return p.lines();
}

}  // namespace tx
