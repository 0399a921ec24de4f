#pragma once
// File > Export... (the open object's readings or statistics as CSV) and File > Report...
// (one report over several object files, shown in Print Preview).
#include <QStringList>
#include <functional>

class QPrinter;
class QWidget;

namespace vordalis {

class CNexoloDoc;

// Asks for a CSV file and its kind, then writes it whole or not at all. False when cancelled
// or not written (a message says why).
bool OnExportCsv(QWidget* parent, CNexoloDoc& doc);

// Lets the user pick object files and shows the report over them in Print Preview, from where
// it prints or goes to a PDF file.
void OnReport(QWidget* parent, QPrinter& printer);

// The report over files on a printer, with a progress dialog (and Cancel) when there are more
// than a handful of files. False when cancelled or the printer failed.
bool PrintReportWithProgress(QWidget* parent, const QStringList& files, QPrinter& printer);

} // namespace vordalis
