#pragma once

#include <string>

class CBioRythm;
class QPrinter;
class QString;

/// How printing the page ended; the failures are the classic results of ending a page.
enum class PrintStatus
{
    Printed,
    NotStarted, ///< the document could not be started: nothing printed, no message
    OutOfMemory,
    OutOfDisk,
    UserAbort,
    AppAbort,
    GeneralError,
    Abnormal, ///< any other failure
};

/// The message for a failed page ("メモリ不足エラー", ...), or an empty text when there is nothing
/// to report (printed, or not started).
std::u16string printErrorText(PrintStatus status);

/// Prints the chart of `window` as one page of the document "《バイオリズム（ＰＳＩ）》" on
/// `printer`, with the screen's lengths scaled to the printer's resolution.
PrintStatus printBiorhythm(const CBioRythm &window, QPrinter &printer);

/// Writes the printed page of `window` to a PDF file (A4, 600 dpi), for a teacher without a printer
/// and for looking at the page. False when the file could not be written.
bool printBiorhythmToPdf(CBioRythm &window, const QString &file);
