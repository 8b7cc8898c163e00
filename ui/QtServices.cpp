// The production services: Qt message boxes, file and print dialogs, the printer,
// the help window, bitmap files and program exit.
#include "runtime/FileNames.h"
#include "runtime/Notice.h"
#include "runtime/TextFile.h"
#include "ui/Application.h"
#include "ui/Dialogs.h"
#include "ui/Internal.h"
#include "ui/Services.h"

#include <QBuffer>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace ui {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Wide enough for a name beside the size, type and date of a file.
constexpr int kFileDialogWidth = 780;

Form* dialogParent() {
    if (!QCoreApplication::instance()) return nullptr;
    Form* f = App().ActiveForm();
    return f && f->isVisible() ? f : nullptr;
}

// After a box, a dialog or the help window the form that was active has the keyboard
// again (without a window manager nothing else gives it back) and paints what the
// box covered.
void giveBack(const QPointer<Form>& f) {
    if (!f || !f->isVisible() || App().ActiveForm() != f) return;
    Application::Raise(f);
    f->activateWindow();
    f->RequestPaint();
}

int showBox(const std::string& text, const std::string& caption, unsigned flags) {
    if (!QCoreApplication::instance()) return rt::IDOK;
    const QPointer<Form> owner = dialogParent();
    const auto back = qScopeGuard([&] { giveBack(owner); });
    QMessageBox box(owner);
    box.setWindowTitle(qs(caption));
    box.setTextFormat(Qt::PlainText);
    box.setText(qs(DisplayText(text)));
    switch (flags & 0xF0) {
        case rt::MB_ICONERROR: box.setIcon(QMessageBox::Critical); break;
        case rt::MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
        case rt::MB_ICONWARNING: box.setIcon(QMessageBox::Warning); break;
        case rt::MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
        default: box.setIcon(QMessageBox::NoIcon); break;
    }
    struct Choice {
        QMessageBox::StandardButton button;
        int id;
    };
    std::vector<Choice> choices;
    switch (flags & 0xF) {
        case rt::MB_OKCANCEL: choices = {{QMessageBox::Ok, rt::IDOK}, {QMessageBox::Cancel, rt::IDCANCEL}}; break;
        case rt::MB_ABORTRETRYIGNORE:
            choices = {{QMessageBox::Abort, rt::IDABORT},
                       {QMessageBox::Retry, rt::IDRETRY},
                       {QMessageBox::Ignore, rt::IDIGNORE}};
            break;
        case rt::MB_YESNOCANCEL:
            choices = {{QMessageBox::Yes, rt::IDYES}, {QMessageBox::No, rt::IDNO}, {QMessageBox::Cancel, rt::IDCANCEL}};
            break;
        case rt::MB_YESNO: choices = {{QMessageBox::Yes, rt::IDYES}, {QMessageBox::No, rt::IDNO}}; break;
        case rt::MB_RETRYCANCEL:
            choices = {{QMessageBox::Retry, rt::IDRETRY}, {QMessageBox::Cancel, rt::IDCANCEL}};
            break;
        default: choices = {{QMessageBox::Ok, rt::IDOK}}; break;
    }
    QMessageBox::StandardButtons set;
    for (const auto& c : choices) set |= c.button;
    box.setStandardButtons(set);
    box.setDefaultButton(choices.at((flags & rt::MB_DEFBUTTON2) && choices.size() > 1 ? 1 : 0).button);
    const auto pressed = box.exec();
    for (const auto& c : choices)
        if (c.button == pressed) return c.id;
    // Closed by Esc or the close box.
    for (const auto& c : choices)
        if (c.id == rt::IDCANCEL || c.id == rt::IDNO) return c.id;
    return choices.front().id;
}

class QtNotices : public rt::NoticeSink {
public:
    void ShowMessage(const std::string& text) override {
        std::string caption = QCoreApplication::instance() ? App().Title : std::string();
        if (caption.empty() && QCoreApplication::instance())
            caption = QCoreApplication::applicationName().toStdString();
        showBox(text, caption, rt::MB_OK);
    }
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override {
        return showBox(text, caption, flags);
    }
    void MessageBeep(unsigned) override { QApplication::beep(); }
};

// The help window: an HTML file shown at the anchor of a context number.
class HelpWindow : public QWidget {
public:
    HelpWindow() {
        setObjectName("HelpWindow");
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        browser_ = new QTextBrowser(this);
        browser_->setOpenExternalLinks(false);
        layout->addWidget(browser_);
        resize(640, 520);
    }
    void Open(const QString& path, const QString& anchor) {
        if (path != path_) {
            path_ = path;
            browser_->setSource(QUrl::fromLocalFile(path));
        }
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? QFileInfo(path).completeBaseName() : title);
        if (anchor.isEmpty()) {
            // The contents: the top of the file.
            browser_->moveCursor(QTextCursor::Start);
            browser_->verticalScrollBar()->setValue(0);
        } else {
            browser_->scrollToAnchor(anchor);
        }
        ShowAsSecondary(this, dialogParent());
        Application::Raise(this);
        activateWindow();
    }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Escape)
            close();
        else
            QWidget::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent* e) override {
        QWidget::closeEvent(e);
        giveBack(App().ActiveForm());
    }

private:
    QTextBrowser* browser_;
    QString path_;
};

std::string g_helpDir;

struct WholeFile {
    std::string Name;
    QByteArray Bytes;
};

// Writes whole files, together, through the program's one file writer (rt::TextFile: each to
// a temporary beside its target, written in pieces; rt::FileGroup: all renamed over their
// targets once every one is complete); a failure leaves the earlier files as they were.
void writeWholeFiles(const std::vector<WholeFile>& files) {
    constexpr qsizetype kPiece = 64 * 1024;
    rt::FileGroup group;
    std::vector<std::string> names;
    for (const WholeFile& f : files) names.push_back(f.Name);
    try {
        for (const WholeFile& f : files) {
            rt::TextFile file;
            file.Assign(f.Name);
            file.Rewrite();
            for (qsizetype at = 0; at < f.Bytes.size(); at += kPiece)
                file.Write(std::string(f.Bytes.constData() + at, std::size_t(std::min(kPiece, f.Bytes.size() - at))));
            group.Add(file);
        }
        group.Commit();
    } catch (const rt::FileError&) {
        throw rt::FileError(FilesNotWrittenText(names, group.Replaced()));
    }
}

const char* const kNoPrinter = "The printer is not available.";

QPrinter*& printerSlot() {
    static QPrinter* printer = nullptr;
    return printer;
}

// A document that could not be started.  A printer that failed to start stays active for Qt
// and refuses every later setting (the print dialog's choice of a PDF file among them): the
// next print gets a new one.
[[noreturn]] void documentNotStarted(bool onPrinter) {
    if (onPrinter) {
        delete printerSlot();
        printerSlot() = nullptr;
    }
    throw rt::FileError(kNoPrinter);
}

// What a document is drawn on: the printer, or, when the printer writes a PDF file, a PDF
// drawn in memory with the printer's page and resolution, whose bytes go into the file once
// the document is complete.
class Document {
public:
    explicit Document(const std::string& title) {
        QPrinter& pr = ProductionPrinter();
        pr.setDocName(qs(title));
        if (pr.outputFormat() != QPrinter::PdfFormat || pr.outputFileName().isEmpty()) return;
        fileName_ = pr.outputFileName().toStdString();
        buffer_.setBuffer(&bytes_);
        buffer_.open(QIODevice::WriteOnly);
        pdf_ = std::make_unique<QPdfWriter>(&buffer_);
        pdf_->setPdfVersion(pr.pdfVersion());
        pdf_->setPageLayout(pr.pageLayout());
        pdf_->setResolution(pr.resolution());
        pdf_->setTitle(qs(title));
        pdf_->setCreator(pr.creator());
    }
    bool IsFile() const { return pdf_ != nullptr; }
    QPagedPaintDevice& Device() { return pdf_ ? static_cast<QPagedPaintDevice&>(*pdf_) : ProductionPrinter(); }
    // After the painter has ended: the PDF file written.
    void Finish() {
        if (pdf_) writeWholeFiles({{fileName_, bytes_}});
    }

private:
    std::string fileName_;
    QByteArray bytes_;
    QBuffer buffer_;
    std::unique_ptr<QPdfWriter> pdf_;
};

// The print dialog checks a file before it takes it, and the file it checks must be the one
// written.  A relative name it checks (there? writable? to be replaced?) in the working folder
// but hands to the printer in the home folder, which replaced a file there unasked: the name is
// made whole in the working folder first, and the field shows it so.
// The check tries whether the file may be written by creating it and deleting it again; through
// a symbolic link to a file not there yet that deletes the link and leaves its target behind,
// empty.  The dialog therefore checks the file the name stands for; the name stays the one
// chosen, and the PDF is written through it as a save writes.
void checkTheFileChosen(QPrintDialog& dlg, QPrinter& pr) {
    auto* buttons = dlg.findChild<QDialogButtonBox*>();
    auto* name = dlg.findChild<QLineEdit*>("filename");
    if (!buttons || !name || dlg.metaObject()->indexOfSlot("_q_checkFields()") < 0 ||
        !QObject::disconnect(buttons, &QDialogButtonBox::accepted, &dlg, nullptr))
        return;
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dlg, [&dlg, &pr, name] {
        if (name->isEnabled() && !name->text().isEmpty() && QDir::isRelativePath(name->text()))
            name->setText(QDir::current().absoluteFilePath(name->text()));
        const QString chosen = name->text();
        QString target = chosen;
        try {
            if (name->isEnabled()) target = qs(rt::FollowLinks(chosen.toStdString()));
        } catch (const rt::FileError&) {
        }  // the dialog finds a loop of links not writable
        const bool link = target != chosen;
        if (link) name->setText(target);
        QMetaObject::invokeMethod(&dlg, "_q_checkFields");
        if (!link) return;
        name->setText(chosen);
        if (dlg.result() == QDialog::Accepted) pr.setOutputFileName(chosen);
    });
}

class QtPrinterBackend : public PrinterBackend {
public:
    int PageWidth() override { return ProductionPrinter().width(); }
    int PageHeight() override { return ProductionPrinter().height(); }

    QPainter* BeginDoc(const std::string& title) override {
        Abort();
        doc_ = std::make_unique<Document>(title);
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(&doc_->Device())) {
            const bool printer = !doc_->IsFile();
            painter_.reset();
            doc_.reset();
            documentNotStarted(printer);
        }
        return painter_.get();
    }
    QPainter* NewPage() override {
        if (!painter_ || !doc_->Device().newPage()) throw rt::FileError(kNoPrinter);
        return painter_.get();
    }
    void EndDoc() override {
        if (!painter_) return;
        const bool ended = painter_->end();
        painter_.reset();
        const std::unique_ptr<Document> doc = std::move(doc_);
        if (!ended) throw rt::FileError(kNoPrinter);
        doc->Finish();
    }
    void Abort() override {
        if (doc_ && !doc_->IsFile()) ProductionPrinter().abort();
        if (painter_ && painter_->isActive()) painter_->end();
        painter_.reset();
        doc_.reset();
    }
    void PrintText(const std::string& title, const std::vector<std::string>& lines) override {
        Document doc(title);
        QPagedPaintDevice& dev = doc.Device();
        // Tabs stop every eight columns.
        std::vector<QString> expanded;
        qsizetype columns = 1;
        for (const std::string& raw : lines) {
            QString line;
            for (QChar ch : qs(raw)) {
                if (ch == '\t')
                    line += QString(8 - line.size() % 8, ' ');
                else
                    line += ch;
            }
            columns = std::max(columns, line.size());
            expanded.push_back(line);
        }
        QPainter p;
        if (!p.begin(&dev)) documentNotStarted(!doc.IsFile());
        // 10 points, smaller where the longest line would run off the page
        QFont font("Liberation Mono");
        int pixels = std::max(8, dev.logicalDpiY() * 10 / 72);
        font.setPixelSize(pixels);
        const auto lineWidth = [&] { return QFontMetrics(font, &dev).horizontalAdvance('0') * columns; };
        if (lineWidth() > dev.width()) {
            pixels = std::max(4, int(pixels * double(dev.width()) / double(lineWidth())));
            font.setPixelSize(pixels);
            while (lineWidth() > dev.width() && pixels > 4) font.setPixelSize(--pixels);
        }
        p.setFont(font);
        const QFontMetrics fm(font, &dev);
        const int lineHeight = fm.lineSpacing();
        int y = fm.ascent();
        for (const QString& line : expanded) {
            if (y > dev.height()) {
                if (!dev.newPage()) throw rt::FileError(kNoPrinter);
                y = fm.ascent();
            }
            p.drawText(0, y, line);
            y += lineHeight;
        }
        if (!p.end()) throw rt::FileError(kNoPrinter);
        doc.Finish();
    }
    std::string OutputFileName() override {
        const QPrinter& pr = ProductionPrinter();
        return pr.outputFormat() == QPrinter::PdfFormat ? pr.outputFileName().toStdString() : std::string();
    }
    std::string PrinterName() override { return ProductionPrinter().printerName().toStdString(); }

private:
    std::unique_ptr<Document> doc_;
    std::unique_ptr<QPainter> painter_;
};

class QtServices : public Services {
public:
    int RunModal(Form& form) override { return form.RunModalLoop(); }

    bool ExecuteFileDialog(FileDialog& d) override {
        const bool open = d.DialogKind() == FileDialog::Kind::Open;
        const QPointer<Form> owner = dialogParent();
        const auto back = qScopeGuard([&] { giveBack(owner); });
        QFileDialog dlg(owner, qs(d.Caption()));
        dlg.setOption(QFileDialog::DontUseNativeDialog, true);
        dlg.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        dlg.setFileMode(open && (d.Options & ofFileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        // The overwrite question is the layer's: it names every file the save replaces.
        dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
        const QStringList filters = qs(QtFileFilter(d.Filter)).split(";;", Qt::SkipEmptyParts);
        if (!filters.isEmpty()) {
            dlg.setNameFilters(filters);
            if (d.FilterIndex >= 1 && d.FilterIndex <= filters.size()) dlg.selectNameFilter(filters[d.FilterIndex - 1]);
        }
        std::string ext = d.DefaultExt;
        if (!ext.empty() && ext[0] == '.') ext.erase(0, 1);
        dlg.setDefaultSuffix(qs(ext));
        std::string dir = d.InitialDir.empty() ? rt::ExtractFilePath(d.FileName) : d.InitialDir;
        if (!dir.empty()) dlg.setDirectory(qs(dir));
        const std::string name = rt::ExtractFileName(d.FileName);
        if (!name.empty() && name.find_first_of("*?") == std::string::npos) dlg.selectFile(qs(name));
        // The detail columns (size, type, date) as wide as what they show; the name takes the rest.
        if (auto* view = dlg.findChild<QTreeView*>("treeView")) {
            QHeaderView* header = view->header();
            header->setStretchLastSection(false);
            header->setSectionResizeMode(QHeaderView::ResizeToContents);
            header->setSectionResizeMode(0, QHeaderView::Stretch);
            dlg.resize(std::max(dlg.width(), kFileDialogWidth), dlg.height());
        }
        for (;;) {
            if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return false;
            const std::string chosen = dlg.selectedFiles().front().toStdString();
            if (!open && (d.Options & ofCreatePrompt) && !QFileInfo::exists(qs(chosen))) {
                const int answer = showBox(chosen + "\rThis file does not exist.\rDo you want to create it?",
                                           d.Caption(), rt::MB_YESNO | rt::MB_ICONQUESTION);
                if (answer != rt::IDYES) continue;
            }
            const std::string question = d.ReplaceQuestion(chosen);
            if (!question.empty() &&
                showBox(question, d.Caption(), rt::MB_YESNO | rt::MB_ICONWARNING | rt::MB_DEFBUTTON2) != rt::IDYES)
                continue;
            d.FileName = chosen;
            const QStringList all = dlg.nameFilters();
            const int idx = int(all.indexOf(dlg.selectedNameFilter()));
            if (idx >= 0) d.FilterIndex = idx + 1;
            return true;
        }
    }

    bool ExecutePrintDialog(PrintDialog& d) override {
        QPrinter& pr = ProductionPrinter();
        pr.setCopyCount(std::max(1, d.Copies));
        const QPointer<Form> owner = dialogParent();
        const auto back = qScopeGuard([&] { giveBack(owner); });
        QPrintDialog dlg(&pr, owner);
        dlg.setOption(QAbstractPrintDialog::PrintToFile, true);
        checkTheFileChosen(dlg, pr);
        dlg.setOption(QAbstractPrintDialog::PrintPageRange, d.Options & poPageNums);
        dlg.setOption(QAbstractPrintDialog::PrintSelection, d.Options & poSelection);
        if (d.MaxPage > 0) dlg.setMinMax(std::max(1, d.MinPage), d.MaxPage);
        if (d.FromPage > 0 && d.ToPage >= d.FromPage) pr.setFromTo(d.FromPage, d.ToPage);
        QCheckBox* toBitmaps = nullptr;
        if (d.Options & poPrintToFile) {
            auto* tab = new QWidget;
            tab->setWindowTitle("Print to file");
            auto* layout = new QVBoxLayout(tab);
            toBitmaps = new QCheckBox("Save the print as bitmap files instead of printing", tab);
            toBitmaps->setObjectName("PrintToFile");
            toBitmaps->setChecked(d.PrintToFile);
            layout->addWidget(toBitmaps);
            layout->addStretch();
            dlg.setOptionTabs({tab});
            // Bitmap files instead: the printer, and the file it would write, are out of play
            // (so the dialog does not ask whether to overwrite that file).
            QWidget* printerPart = nullptr;
            for (QWidget* w : dlg.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (w->inherits("QUnixPrintWidget")) printerPart = w;
            if (printerPart) {
                printerPart->setEnabled(!d.PrintToFile);
                QObject::connect(toBitmaps, &QCheckBox::toggled, printerPart,
                                 [printerPart](bool on) { printerPart->setEnabled(!on); });
            }
        }
        if (dlg.exec() != QDialog::Accepted) return false;
        d.Copies = std::max(1, pr.copyCount());
        pr.setCopyCount(1);  // the program repeats the copies itself
        d.PrintToFile = toBitmaps && toBitmaps->isChecked();
        d.PrintToPdf = pr.outputFormat() == QPrinter::PdfFormat && !pr.outputFileName().isEmpty();
        if (pr.printRange() == QPrinter::PageRange) {
            d.FromPage = pr.fromPage();
            d.ToPage = pr.toPage();
        }
        return true;
    }

    PrinterBackend& Printer() override { return printer_; }

    bool Help(const std::string& file, unsigned command, unsigned long data) override {
        if (command == HELP_QUIT) {
            if (help_) help_->hide();
            return true;
        }
        const std::string path = FindHelpHtml(file, HelpDirectory());
        if (path.empty()) return false;
        if (!help_) help_ = std::make_unique<HelpWindow>();
        help_->Open(qs(path), command == HELP_CONTEXT ? QString::number(qulonglong(data)) : QString());
        return true;
    }

    void SaveBitmaps(const std::vector<BitmapFile>& files) override {
        std::vector<WholeFile> encoded;
        for (const BitmapFile& f : files) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            if (f.Image->isNull() || !buffer.open(QIODevice::WriteOnly) || !f.Image->save(&buffer, "BMP")) {
                std::vector<std::string> names;
                for (const BitmapFile& g : files) names.push_back(g.FileName);
                throw rt::FileError(FilesNotWrittenText(names));
            }
            encoded.push_back({f.FileName, bytes});
        }
        writeWholeFiles(encoded);
    }

    void Exit(int code) override {
        std::fflush(nullptr);
        std::_Exit(code);
    }

    void Release() { help_.reset(); }

private:
    QtPrinterBackend printer_;
    std::unique_ptr<HelpWindow> help_;
};

Services* g_services = nullptr;

std::string lower(std::string s) {
    for (auto& ch : s) ch = char(std::tolower(static_cast<unsigned char>(ch)));
    return s;
}

QtServices& qtServices() {
    static QtServices services;
    return services;
}

}  // namespace

Services& ProductionServices() { return qtServices(); }

void ReleaseProductionResources() {
    qtServices().Release();
    delete printerSlot();
    printerSlot() = nullptr;
}

rt::NoticeSink& ProductionNotices() {
    static QtNotices notices;
    return notices;
}

QPrinter& ProductionPrinter() {
    QPrinter*& printer = printerSlot();
    if (!printer) {
        printer = new QPrinter(QPrinter::HighResolution);
        printer->setResolution(300);
        printer->setPageSize(QPageSize(QPageSize::A4));
    }
    return *printer;
}

Services& CurrentServices() { return g_services ? *g_services : ProductionServices(); }

Services* SetServices(Services* services) {
    Services* old = g_services ? g_services : &ProductionServices();
    g_services = services;
    return old;
}

std::string FindHelpHtml(const std::string& helpFile, const std::string& dir) {
    std::string base = rt::ExtractFileName(helpFile);
    const std::string ext = rt::ExtractFileExt(base);
    base = lower(base.substr(0, base.size() - ext.size()));
    if (base.empty()) return {};
    const QDir d(qs(dir.empty() ? "." : dir));
    for (const QString& entry : d.entryList(QDir::Files)) {
        const std::string n = lower(entry.toStdString());
        if (n == base + ".html" || n == base + ".htm") return d.filePath(entry).toStdString();
    }
    return {};
}

void SetHelpDirectory(const std::string& dir) { g_helpDir = dir; }

std::string HelpDirectory() {
    if (!g_helpDir.empty()) return g_helpDir;
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath().toStdString() : std::string(".");
}

std::string QtFileFilter(const std::string& filter) {
    if (filter.empty()) return {};
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = filter.find('|', start);
        parts.push_back(filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    if (parts.size() == 1) parts.push_back(parts.front());
    std::string out;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string desc = parts[i];
        std::string patterns = parts[i + 1];
        for (auto& ch : patterns)
            if (ch == ';') ch = ' ';
        if (const std::size_t open = desc.rfind('('); open != std::string::npos && desc.back() == ')') desc.erase(open);
        while (!desc.empty() && desc.back() == ' ') desc.pop_back();
        if (!out.empty()) out += ";;";
        out += (desc.empty() ? patterns : desc) + " (" + patterns + ")";
    }
    return out;
}

std::string ApplyDefaultExt(const std::string& fileName, const std::string& defaultExt) {
    std::string ext = defaultExt;
    if (!ext.empty() && ext[0] == '.') ext.erase(0, 1);
    if (ext.empty() || fileName.empty() || !rt::ExtractFileExt(fileName).empty()) return fileName;
    return fileName + "." + ext;
}

std::string FilesNotWrittenText(const std::vector<std::string>& files, const std::vector<std::string>& replaced) {
    std::vector<std::string> failed;
    for (const std::string& f : files)
        if (std::find(replaced.begin(), replaced.end(), f) == replaced.end()) failed.push_back(f);
    const auto subject = [](const std::vector<std::string>& names) {
        return (names.size() == 1 ? "The file " : "The files ") + rt::JoinNames(names);
    };
    std::string text = subject(failed) + " can not be written.";
    if (!replaced.empty()) {
        text += '\r';
        text += subject(replaced);
        text += replaced.size() == 1 ? " was written." : " were written.";
    }
    return text;
}

}  // namespace ui
