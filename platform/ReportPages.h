#pragma once
#include <QList>
#include <QString>

#include "platform/ReportLayout.h"

// Where each section of a report falls on the printed pages, worked out before anything is painted so that every
// page can show the number of pages.

struct ReportBand {
    int section = 0;  // index into ReportLayout::sections
    int record = -1;  // the data record it shows, -1 for none
    double top = 0;   // twips below the page's top margin
};

using ReportPage = QList<ReportBand>;

// Lays the report out on pages pageHeight twips high (inside the margins). The report header opens the first page; the
// page header heads and the page footer ends every page, the footer at the page's foot. The group header, one detail
// band per record and the group footer follow, and the report footer closes the report; the group sections print only
// when there are records. A band that does not fit above the page footer starts a new page, unless the page holds
// nothing but its headers, so a band taller than a page cannot stall the layout; a band of no height never starts one.
QList<ReportPage> PaginateReport(const ReportLayout& layout, int recordCount, double pageHeight);

// A label's caption as printed on a page: "%p" gives the page number, "%P" the number of pages.
QString PageCaption(const QString& caption, int page, int pages);
