#pragma once

#include "printing/printerdevice.h"

#include <QStringList>

#include <memory>

// The printer that the page set-up, the preview and printing use, one for
// the whole process. Chosen on first use: the system's default printer, or
// the PDF printer when the system has none.
namespace CurrentPrinter {

// The printers of the system's print service, then the PDF printer.
QStringList availablePrinterNames();

// The current printer.
PrinterDevice &device();

// Makes the named printer the current one. Throws AppError for a name that
// is not among availablePrinterNames(); the current printer then stays.
void select(const QString &name);

// Puts the given device in place of the current printer (tests, a printer
// set up elsewhere).
void install(std::unique_ptr<PrinterDevice> device);

// Puts the given device in place of the current printer and hands back the
// one it replaces (null when none had been chosen yet), so that a caller
// that borrows the place can give it back.
std::unique_ptr<PrinterDevice> exchange(std::unique_ptr<PrinterDevice> device);

// Forgets the current printer; the next use chooses the default again.
void reset();

} // namespace CurrentPrinter
