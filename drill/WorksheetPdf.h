#pragma once

#include "drill/Worksheet.h"

#include <optional>

class QPagedPaintDevice;
class QString;

/// Lays out the worksheet of `request` and paints its pages on `device` (a PDF writer or a
/// printer), a page of `Worksheet::kPageSize` pixels scaled to the device's A4 page. Returns the
/// sheet, or nullopt when the request is refused or painting cannot start.
std::optional<Worksheet> paintWorksheet(const WorksheetRequest &request, QPagedPaintDevice &device);

/// Writes the worksheet of `request` as an A4 PDF whose texts stay texts. False when the request
/// is refused or the file cannot be written.
bool writeWorksheetPdf(const WorksheetRequest &request, const QString &file);
