#pragma once
#include <QString>

#include "common/SpareList.h"

// The map page carimage/map.htm: one line, the six pieces P1..P6 of the page template with five values between
// them: the POI hand-back path, the new POI's icon, the centre "lat,lon", the zoom level, the marker file's name.

QString MapPagePath(const QString& programFolder);
QString MapTemplatePath(const QString& programFolder);

// The lines of the page template, without their line ends; element k is line k + 1. Throws when it cannot be read.
SpareList<QString> ReadMapTemplate(const QString& programFolder);

// The page's one line, CR LF included. A template of five lines gives an empty sixth piece; fewer throw.
QString MapPageText(const QString& programFolder, const SpareList<QString>& MapTemplate, double centreLat,
                    double centreLon, const QString& zoomCaption);

// Writes the page; centre signed, zoomCaption the zoom label's caption.
void WriteMapPage(const QString& programFolder, const SpareList<QString>& MapTemplate, double centreLat,
                  double centreLon, const QString& zoomCaption);
