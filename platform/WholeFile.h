#pragma once
// Files the station reads or writes in one piece: settings, POI hand-back and exchange files, track exports, the
// map page's files and the PDF. Each concern has its header; this one gathers them for the callers.
#include "platform/FileAppending.h"
#include "platform/FileReading.h"
#include "platform/FileReplacing.h"
#include "platform/FileWriting.h"
#include "platform/FileWritingInPlace.h"
