// Dialogs and devices of the original library: message boxes, open/save dialogs
// with their remembered FileName, the print dialog, the printer object, a text file
// assigned to the printer, help and program exit.  All go through the services of
// ui/Services.h, so tests see them recorded.
#pragma once

#include "runtime/Notice.h"
#include "ui/Canvas.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPainter;

namespace ui {

// Message boxes and beep (texts use "\r" line breaks).  ShowMessage's caption is the
// application's Title.  MessageBox returns the pressed button (rt::IDOK ...).
using rt::MB_DEFBUTTON2;
using rt::MB_ICONERROR;
using rt::MB_ICONINFORMATION;
using rt::MB_ICONQUESTION;
using rt::MB_ICONWARNING;
using rt::MB_OK;
using rt::MB_OKCANCEL;
using rt::MB_YESNO;
using rt::MB_YESNOCANCEL;
inline void ShowMessage(const std::string& text) { rt::ShowMessage(text); }
inline int MessageBox(const std::string& text, const std::string& caption, unsigned flags = rt::MB_OK) {
    return rt::MessageBox(text, caption, flags);
}
inline void MessageBeep(unsigned type = 0xFFFFFFFF) { rt::MessageBeep(type); }

// Ends the program at once, without saving (in tests: recorded, and the call returns).
void Halt(int code = 0);

// Help: opens the HTML file standing for the program's help file at the context's
// anchor.  Returns false when there is no such file (the caller shows its error).
enum : unsigned { HELP_CONTEXT = 1, HELP_QUIT = 2, HELP_CONTENTS = 3, HELP_FINDER = 11 };
bool Help(const std::string& file, unsigned command, unsigned long data = 0);

// File dialog options.
enum : unsigned {
    ofOverwritePrompt = 1,
    ofHideReadOnly = 2,
    ofPathMustExist = 4,
    ofFileMustExist = 8,
    ofCreatePrompt = 16,
    ofEnableSizing = 32,
    ofNoChangeDir = 64,
};

class FileDialog {
public:
    enum class Kind { Open, Save };
    explicit FileDialog(Kind kind) : kind_(kind) {}
    virtual ~FileDialog() = default;

    std::string FileName;  // proposed before Execute, chosen after; kept between calls
    std::string Filter;    // original form: "Bitmap (*.BMP)|*.BMP"
    int FilterIndex = 1;
    std::string DefaultExt;  // without or with dot: "BMP", ".pev"
    std::string Title;
    std::string InitialDir;
    unsigned Options = 0;
    // Save: the files a save to the chosen name writes (unset: the chosen file).  With
    // ofOverwritePrompt the dialog asks before it replaces any of them, naming those that exist.
    std::function<std::vector<std::string>(const std::string& chosen)> FilesWritten;

    // Runs the dialog; true when the user chose a file (FileName then holds it).
    bool Execute();
    Kind DialogKind() const { return kind_; }
    // The caption of the dialog and of its questions.
    std::string Caption() const;
    // Save with ofOverwritePrompt: the question the dialog asks before it takes `chosen`,
    // naming the files of FilesWritten that exist ("" when none does, and for Open).
    std::string ReplaceQuestion(const std::string& chosen) const;

private:
    Kind kind_;
};

class OpenDialog : public FileDialog {
public:
    OpenDialog() : FileDialog(Kind::Open) {}
};

class SaveDialog : public FileDialog {
public:
    SaveDialog() : FileDialog(Kind::Save) {}
};

// Print dialog options.
enum : unsigned { poPrintToFile = 1, poPageNums = 2, poSelection = 4, poWarning = 8 };

class PrintDialog {
public:
    int Copies = 1;
    unsigned Options = 0;
    bool PrintToFile = false;  // after Execute: the user asked for a file instead of paper
    // After Execute: the printer writes a PDF file ("Print to File (PDF)"), which each
    // BeginDoc starts anew, so a print of several pages keeps them in one document.
    bool PrintToPdf = false;
    int FromPage = 0, ToPage = 0, MinPage = 0, MaxPage = 0;
    bool Execute();
};

// The printer object.  Between BeginDoc and EndDoc its Canvas draws on the current
// page; PageWidth/PageHeight are the printable area in device pixels.
class PrinterDevice {
public:
    std::string Title;
    int PageWidth();
    int PageHeight();
    void BeginDoc();
    void NewPage();
    void EndDoc();
    void Abort();
    bool Printing() const { return painter_ != nullptr; }
    // The file the printer writes, "" when it prints on paper; the printer's name.
    std::string OutputFileName();
    std::string PrinterName();
    ui::Canvas& Canvas() { return canvas_; }

private:
    QPainter* painter_ = nullptr;
    ui::Canvas canvas_{[this] { return painter_; }};
};
PrinterDevice& Printer();

// A text file assigned to the printer: lines are collected and printed at Close.
class PrinterTextFile {
public:
    ~PrinterTextFile();
    void Rewrite();
    void Write(const std::string& s);
    void WriteLn(const std::string& s = std::string());
    // Prints what was written (raises rt::FileError when the printer fails).
    void Close();
    bool IsOpen() const { return open_; }

private:
    bool open_ = false;
    std::vector<std::string> lines_;
    std::string current_;
};

}  // namespace ui
