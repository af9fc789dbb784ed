#pragma once
// Great-circle navigation: coordinate texts to signed radians (north and west positive), and the
// distance, initial true course, aircraft-table row and wind-table row of the leg CurLeg.
#include "core/PlanState.h"

namespace tx {

// Takes a latitude text (hemisphere letter, 2 digits of degrees, minutes); returns its radians.
double GCComp1(const QString& coordText);
// Takes a longitude text (hemisphere letter, 3 digits of degrees, minutes); returns its radians.
double GCComp2(const QString& coordText);
// Takes the departure airport's latitude and longitude texts; sets DepLatRad, DepLonRad and
// DepLatText.
void GCDep(PlanState& s, const QString& latText, const QString& lonText);
// Takes the destination airport's latitude and longitude texts; sets DestLatRad, DestLonRad and
// DestLatText.
void GCDest(PlanState& s, const QString& latText, const QString& lonText);
// DistNM, DistIndex, CourseSector and DistText(CurLeg) from the four radian values. Two ends
// at the same point make a leg of 0 n.mi., DistIndex 0 and course sector 0.
void GCComps(PlanState& s);

// Tens of degrees of a true course, rounded half up (44.9 -> 4, 45.0 -> 5, 355 -> 36).
int courseSectorOf(double courseDegrees);
// Hundreds of nautical miles, rounded half up (149.9 -> 1, 150.0 -> 2).
int distIndexOf(double distanceNM);

}  // namespace tx
