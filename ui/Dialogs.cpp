#include "ui/Dialogs.h"

#include "runtime/FileNames.h"
#include "runtime/TextFile.h"
#include "ui/Services.h"

#include <QPainter>

#include <filesystem>

namespace ui {

void Halt(int code) { CurrentServices().Exit(code); }

bool Help(const std::string& file, unsigned command, unsigned long data) {
    return CurrentServices().Help(file, command, data);
}

bool FileDialog::Execute() { return CurrentServices().ExecuteFileDialog(*this); }

std::string FileDialog::Caption() const { return !Title.empty() ? Title : kind_ == Kind::Open ? "Open" : "Save As"; }

std::string FileDialog::ReplaceQuestion(const std::string& chosen) const {
    if (kind_ != Kind::Save || !(Options & ofOverwritePrompt)) return {};
    std::vector<std::string> existing;
    for (const std::string& file : FilesWritten ? FilesWritten(chosen) : std::vector<std::string>{chosen})
        if (std::error_code e; std::filesystem::exists(file, e)) existing.push_back(rt::ExtractFileName(file));
    if (existing.empty()) return {};
    return rt::JoinNames(existing) + (existing.size() == 1 ? " already exists.\rDo you want to replace it?"
                                                           : " already exist.\rDo you want to replace them?");
}

bool PrintDialog::Execute() { return CurrentServices().ExecutePrintDialog(*this); }

PrinterDevice& Printer() {
    static PrinterDevice printer;
    return printer;
}

int PrinterDevice::PageWidth() { return CurrentServices().Printer().PageWidth(); }
int PrinterDevice::PageHeight() { return CurrentServices().Printer().PageHeight(); }
std::string PrinterDevice::OutputFileName() { return CurrentServices().Printer().OutputFileName(); }
std::string PrinterDevice::PrinterName() { return CurrentServices().Printer().PrinterName(); }

void PrinterDevice::BeginDoc() {
    if (painter_) throw rt::FileError("Printing in progress");
    canvas_.Pen = {};
    canvas_.Brush = {};
    canvas_.Font = ui::Font{};
    canvas_.Font.Color = clBlack;
    canvas_.PenPos = {};
    canvas_.ResetClip();
    painter_ = CurrentServices().Printer().BeginDoc(Title);
}

void PrinterDevice::NewPage() {
    if (!painter_) throw rt::FileError("Printer is not printing");
    painter_ = CurrentServices().Printer().NewPage();
}

void PrinterDevice::EndDoc() {
    if (!painter_) return;
    painter_ = nullptr;
    CurrentServices().Printer().EndDoc();
}

void PrinterDevice::Abort() {
    if (!painter_) return;
    painter_ = nullptr;
    CurrentServices().Printer().Abort();
}

PrinterTextFile::~PrinterTextFile() = default;

void PrinterTextFile::Rewrite() {
    lines_.clear();
    current_.clear();
    open_ = true;
}

void PrinterTextFile::Write(const std::string& s) {
    if (!open_) throw rt::FileError("File not open for output");
    current_ += s;
}

void PrinterTextFile::WriteLn(const std::string& s) {
    Write(s);
    lines_.push_back(current_);
    current_.clear();
}

void PrinterTextFile::Close() {
    if (!open_) return;
    open_ = false;
    if (!current_.empty()) lines_.push_back(current_);
    std::vector<std::string> lines;
    lines.swap(lines_);
    current_.clear();
    CurrentServices().Printer().PrintText(Printer().Title, lines);
}

}  // namespace ui
