#pragma once
// An object's printed pages on a printer: the one way pages are laid out and painted for Print,
// Print Preview and the PDF files of the command-line tool, so that all of them are the same.
#include <QString>

class QPainter;
class QPrinter;

namespace vordalis {

class TBasicObj;

// How many pages the object lays out on the printer's paper (at least 1). A layout pass on a
// scratch painter: no print job starts.
int PrintedPageCount(TBasicObj& obj, QPrinter& printer);

// Paints pages from..to on a painter that is active on the printer, a new sheet before every
// page but the first (a caller that puts several objects into one job starts each later
// object's sheet itself). The object's options must be set.
void PaintPrintedPages(TBasicObj& obj, QPainter& painter, QPrinter& printer, int from, int to);

// A whole print job of pages from..to; false when the printer cannot be opened.
bool PrintPages(TBasicObj& obj, QPrinter& printer, int from, int to);

// Makes the printer write an A4 PDF file at path, with the paper's corner as origin.
void SetUpPdfPrinter(QPrinter& printer, const QString& path, const QString& title);

} // namespace vordalis
