#pragma once
#include "platform/ReportLayout.h"

// The station's four printed reports. Their labels "列印日期：" (print date) and "車輛編號：" (vehicle number) carry
// their captions only; whoever prints a report binds its data.

// A map page: the vehicle number, the print date and the map picture, which the report window loads as it opens.
ReportLayout MapReportLayout();

// A list of positions: satellite time, satellite status, position and speed, from the fields DialTime, CheckPoint,
// Position and Speed_1; page footers number the pages as "page/pages".
ReportLayout TrackReportLayout();

// Idle times grouped by vehicle; its text boxes name no field.
ReportLayout PowerReportLayout();

// Toll-ticket use grouped by vehicle; its text boxes name no field.
ReportLayout TollReportLayout();
