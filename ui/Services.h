// The services behind the forms layer, each with a production implementation (Qt)
// and a test implementation (the harness, ui/TestHarness.h).
//
// Message boxes and beeps go through runtime/Notice.h: the layer installs its Qt
// sink when the Application starts, the harness installs a recorder.  Everything
// else goes through one Services object.
#pragma once

#include <memory>
#include <string>
#include <vector>

class QImage;
class QPainter;
class QPrinter;

namespace rt {
class NoticeSink;
}

namespace ui {

class Form;
class FileDialog;
class PrintDialog;

// An image to be written as a BMP file.
struct BitmapFile {
    const QImage* Image;
    std::string FileName;
};

// Where the printer object draws.  BeginDoc and NewPage return the painter of the
// current page (valid until the next call); failures raise rt::FileError.
class PrinterBackend {
public:
    virtual ~PrinterBackend() = default;
    virtual int PageWidth() = 0;  // printable area in device pixels
    virtual int PageHeight() = 0;
    virtual QPainter* BeginDoc(const std::string& title) = 0;
    virtual QPainter* NewPage() = 0;
    virtual void EndDoc() = 0;
    virtual void Abort() = 0;
    // A text file assigned to the printer: the lines as written, tabs included.
    virtual void PrintText(const std::string& title, const std::vector<std::string>& lines) = 0;
    // The file the printer writes (a PDF file chosen in the print dialog), "" when it prints
    // on paper; the printer's name.
    virtual std::string OutputFileName() = 0;
    virtual std::string PrinterName() = 0;
};

class Services {
public:
    virtual ~Services() = default;
    // Shows the form modally and returns its modal result (production: Form::RunModalLoop).
    virtual int RunModal(Form& form) = 0;
    virtual bool ExecuteFileDialog(FileDialog& dialog) = 0;
    virtual bool ExecutePrintDialog(PrintDialog& dialog) = 0;
    virtual PrinterBackend& Printer() = 0;
    // The original help call: file as the program names it, HELP_ command, context.
    virtual bool Help(const std::string& file, unsigned command, unsigned long data) = 0;
    // Writes the images as BMP files, together: every file is complete before any is put in
    // place.  Raises rt::FileError (FilesNotWrittenText) on failure, which leaves the earlier
    // files of those names as they were.
    virtual void SaveBitmaps(const std::vector<BitmapFile>& files) = 0;
    // Ends the program at once.
    virtual void Exit(int code) = 0;
};

Services& CurrentServices();
// Installs a services object (nullptr: the production one); returns the previous.
Services* SetServices(Services* services);

// --- the production implementation, for tests of the production paths ---
Services& ProductionServices();
rt::NoticeSink& ProductionNotices();
// The printer shared by the production print dialog and printer object.
QPrinter& ProductionPrinter();
// The HTML file standing for a help file name ("help_diz.hlp" -> "help_diz.html" or
// ".htm", letter case ignored) in dir, or "" when there is none.
std::string FindHelpHtml(const std::string& helpFile, const std::string& dir);
// Folder searched for help files (default: the executable's folder).
void SetHelpDirectory(const std::string& dir);
std::string HelpDirectory();
// "Bitmap (*.BMP)|*.BMP|All|*.*" -> "Bitmap (*.BMP);;All (*.*)"; a text without '|'
// is taken as its own pattern ("*.dat" -> "*.dat (*.dat)").
std::string QtFileFilter(const std::string& filter);
// The file name a dialog returns with its default extension applied (only when the
// chosen name has no extension).
std::string ApplyDefaultExt(const std::string& fileName, const std::string& defaultExt);
// The message of files written together that failed: "The file(s) ... can not be written.",
// followed by the files that a failure could not take back: "The file(s) ... was/were written."
std::string FilesNotWrittenText(const std::vector<std::string>& files, const std::vector<std::string>& replaced = {});

}  // namespace ui
