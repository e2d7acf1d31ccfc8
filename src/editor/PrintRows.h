#pragma once

#include <QStringList>

class QPrinter;

// Whether the printer can take a job: a real printer that exists, or a file to print into.
bool printerAvailable(const QPrinter &printer);

// Prints the rows one under the other in the printer's default font, each as high as the text
// "A", the first at the top of the printable area, starting a new page whenever the next row
// would not fit. A last row that is empty is left out. The job is titled "Printing cfg".
// Returns false when the printer could not take the job.
bool printRows(QPrinter &printer, const QStringList &rows);
