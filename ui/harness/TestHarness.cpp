#include "ui/TestHarness.h"

#include "runtime/TextFile.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QTest>
#include <QWindow>

#include <deque>
#include <map>
#include <memory>
#include <optional>

namespace ui::test {

namespace {

struct ModalScript {
    std::optional<int> result;
    std::function<void(Form&)> script;
};

struct FileAnswer {
    std::string FileName;
    bool Replace = true;
};

struct State {
    rt::NoticeRecorder notices;
    std::vector<HelpCall> helpCalls;
    bool helpResult = true;
    std::vector<FileDialogCall> fileCalls;
    std::deque<std::optional<FileAnswer>> fileAnswers;
    std::deque<PrintDialogAnswer> printAnswers;
    int printDialogs = 0;
    std::vector<PrintedDocument> documents;
    std::vector<PrintedText> texts;
    int pageWidth = 1169, pageHeight = 1686;
    bool printerFails = false;
    std::string printerFile;
    std::vector<SavedBitmap> bitmaps;
    bool bitmapFails = false;
    bool bitmapFilesWritten = false;
    std::vector<int> exits;
    std::map<const Form*, std::deque<ModalScript>> modal;
    std::function<void(Form&)> unqueuedModal;
    std::vector<ModalShow> modalShows;
};

State& state() {
    static State s;
    return s;
}

class TestPrinter : public PrinterBackend {
public:
    int PageWidth() override { return state().pageWidth; }
    int PageHeight() override { return state().pageHeight; }
    QPainter* BeginDoc(const std::string& title) override {
        if (state().printerFails) throw rt::FileError("The printer is not available.");
        doc_ = PrintedDocument{title, {}};
        startPage();
        return painter_.get();
    }
    QPainter* NewPage() override {
        finishPage();
        startPage();
        return painter_.get();
    }
    void EndDoc() override {
        finishPage();
        state().documents.push_back(std::move(doc_));
        doc_ = {};
    }
    void Abort() override {
        painter_.reset();
        doc_ = {};
    }
    void PrintText(const std::string& title, const std::vector<std::string>& lines) override {
        if (state().printerFails) throw rt::FileError("The printer is not available.");
        state().texts.push_back({title, lines});
    }
    std::string OutputFileName() override { return state().printerFile; }
    std::string PrinterName() override { return "Test printer"; }

private:
    void startPage() {
        page_ = QImage(state().pageWidth, state().pageHeight, QImage::Format_RGB32);
        page_.fill(Qt::white);
        painter_ = std::make_unique<QPainter>(&page_);
    }
    void finishPage() {
        painter_.reset();
        doc_.Pages.push_back(page_);
    }
    PrintedDocument doc_;
    QImage page_;
    std::unique_ptr<QPainter> painter_;
};

class RecordingServices : public Services {
public:
    int RunModal(Form& form) override {
        auto& queue = state().modal[&form];
        if (queue.empty() && !state().unqueuedModal) {
            ADD_FAILURE() << "ShowModal of " << form.Name() << " without a queued script";
            state().modalShows.push_back({form.Name(), mrCancel, false});
            return mrCancel;
        }
        ModalScript s{std::nullopt, state().unqueuedModal};
        if (!queue.empty()) {
            s = std::move(queue.front());
            queue.pop_front();
        }
        if (s.result) {
            state().modalShows.push_back({form.Name(), *s.result, false});
            return *s.result;
        }
        form.ModalStart();
        if (s.script) s.script(form);
        if (form.ModalResult == mrNone && form.Visible()) {
            ADD_FAILURE() << "the modal script of " << form.Name() << " left it open";
            form.ModalResult = mrCancel;
        }
        const int result = form.ModalFinish();
        state().modalShows.push_back({form.Name(), result, true});
        return result;
    }

    // A name refused at the overwrite question leaves the dialog open for the next answer.
    bool ExecuteFileDialog(FileDialog& d) override {
        FileDialogCall& call = state().fileCalls.emplace_back(
            FileDialogCall{d.DialogKind(), d.Title, d.Filter, d.DefaultExt, d.FileName, d.Options, {}});
        for (;;) {
            if (state().fileAnswers.empty()) {
                ADD_FAILURE() << "a file dialog ran without a queued answer";
                return false;
            }
            const auto answer = state().fileAnswers.front();
            state().fileAnswers.pop_front();
            if (!answer) return false;
            const std::string chosen = ApplyDefaultExt(answer->FileName, d.DefaultExt);
            const std::string question = d.ReplaceQuestion(chosen);
            if (!question.empty()) {
                call.Questions.push_back(
                    {rt::Notice::Box, question, d.Caption(), rt::MB_YESNO | rt::MB_ICONWARNING | rt::MB_DEFBUTTON2});
                if (!answer->Replace) continue;
            }
            d.FileName = chosen;
            return true;
        }
    }

    bool ExecutePrintDialog(PrintDialog& d) override {
        ++state().printDialogs;
        if (state().printAnswers.empty()) {
            ADD_FAILURE() << "a print dialog ran without a queued answer";
            return false;
        }
        const PrintDialogAnswer a = state().printAnswers.front();
        state().printAnswers.pop_front();
        if (!a.Ok) return false;
        d.Copies = a.Copies;
        d.PrintToFile = a.PrintToFile;
        d.PrintToPdf = a.PrintToPdf;
        return true;
    }

    PrinterBackend& Printer() override { return printer_; }

    bool Help(const std::string& file, unsigned command, unsigned long data) override {
        state().helpCalls.push_back({file, command, data});
        return state().helpResult;
    }

    void SaveBitmaps(const std::vector<BitmapFile>& files) override {
        if (state().bitmapFails) {
            std::vector<std::string> names;
            for (const BitmapFile& f : files) names.push_back(f.FileName);
            throw rt::FileError(FilesNotWrittenText(names));
        }
        if (state().bitmapFilesWritten) ProductionServices().SaveBitmaps(files);
        for (const BitmapFile& f : files) state().bitmaps.push_back({f.FileName, *f.Image});
    }

    void Exit(int code) override { state().exits.push_back(code); }

private:
    TestPrinter printer_;
};

Form* activeForm() {
    Form* f = App().ActiveForm();
    if (!f) ADD_FAILURE() << "no active form to send keys to";
    return f;
}

QWindow* windowOf(Form* f) {
    if (!f) return nullptr;
    if (!f->isVisible()) {
        ADD_FAILURE() << "form " << f->Name() << " is not shown";
        return nullptr;
    }
    return f->windowHandle();
}

// A point of a control in its form's client coordinates.
bool locate(Control* c, QPoint at, QWindow*& window, QPoint& pos) {
    Form* f = c ? c->OwnerForm() : nullptr;
    if (!f) {
        ADD_FAILURE() << "the control lies on no form";
        return false;
    }
    window = windowOf(f);
    if (!window) return false;
    if (!c->Widget()->isVisible()) ADD_FAILURE() << "control " << c->Name() << " is not showing";
    pos = c == f ? at : c->Widget()->mapTo(f, at);
    return true;
}

QPoint centre(Control* c) { return c->Widget()->rect().center(); }

// Where the last mouse event of the harness was (Qt drops a move that does not move).
std::optional<QPoint> lastMouse;

void mouseAt(QWindow* w, QPoint p) { lastMouse = w->mapToGlobal(p); }

}  // namespace

rt::NoticeRecorder& Notices() { return state().notices; }
std::vector<HelpCall>& HelpCalls() { return state().helpCalls; }
void SetHelpResult(bool found) { state().helpResult = found; }
std::vector<FileDialogCall>& FileDialogCalls() { return state().fileCalls; }
void QueueFileName(const std::string& fileName, bool replace) {
    state().fileAnswers.emplace_back(FileAnswer{fileName, replace});
}
void QueueFileCancel() { state().fileAnswers.emplace_back(std::nullopt); }
void QueuePrintDialog(const PrintDialogAnswer& answer) { state().printAnswers.push_back(answer); }
int PrintDialogCount() { return state().printDialogs; }
std::vector<PrintedDocument>& PrintedDocuments() { return state().documents; }
std::vector<PrintedText>& PrintedTexts() { return state().texts; }
void SetPageSize(int width, int height) {
    state().pageWidth = width;
    state().pageHeight = height;
}
void SetPrinterFails(bool fails) { state().printerFails = fails; }
void SetPrinterFile(const std::string& fileName) { state().printerFile = fileName; }
std::vector<SavedBitmap>& SavedBitmaps() { return state().bitmaps; }
void SetBitmapSaveFails(bool fails) { state().bitmapFails = fails; }
void WriteBitmapFiles(bool on) { state().bitmapFilesWritten = on; }
std::vector<int>& Exits() { return state().exits; }

void QueueModalResult(Form* form, int result) { state().modal[form].push_back({result, {}}); }
void QueueModal(Form* form, std::function<void(Form&)> script) {
    state().modal[form].push_back({std::nullopt, std::move(script)});
}
void SetUnqueuedModal(std::function<void(Form&)> script) { state().unqueuedModal = std::move(script); }
std::vector<ModalShow>& ModalShows() { return state().modalShows; }

int PendingModalScripts() {
    int n = 0;
    for (const auto& [form, queue] : state().modal) n += int(queue.size());
    return n;
}

void Press(Control* c, Qt::MouseButton button) { Press(c, centre(c), button); }
void Press(Control* c, QPoint at, Qt::MouseButton button) {
    QWindow* w;
    QPoint p;
    if (!locate(c, at, w, p)) return;
    mouseAt(w, p);
    QTest::mousePress(w, button, Qt::NoModifier, p);
}
void Release(Control* c, Qt::MouseButton button) { Release(c, centre(c), button); }
void Release(Control* c, QPoint at, Qt::MouseButton button) {
    QWindow* w;
    QPoint p;
    if (!locate(c, at, w, p)) return;
    mouseAt(w, p);
    QTest::mouseRelease(w, button, Qt::NoModifier, p);
}
void Click(Control* c, Qt::MouseButton button) { Click(c, centre(c), button); }
void Click(Control* c, QPoint at, Qt::MouseButton button) {
    QWindow* w;
    QPoint p;
    if (!locate(c, at, w, p)) return;
    QPointer<QWindow> guard(w);
    mouseAt(w, p);
    QTest::mousePress(w, button, Qt::NoModifier, p);
    if (guard) QTest::mouseRelease(w, button, Qt::NoModifier, p);
}
void DoubleClick(Control* c) { DoubleClick(c, centre(c)); }
void DoubleClick(Control* c, QPoint at) {
    QWindow* w;
    QPoint p;
    if (!locate(c, at, w, p)) return;
    mouseAt(w, p);
    QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, p);
}
void MoveMouse(Control* c, QPoint at) {
    QWindow* w;
    QPoint p;
    if (!locate(c, at, w, p)) return;
    // A move to where the mouse already is would be dropped: step off first, outside
    // the controls.
    if (lastMouse == w->mapToGlobal(p)) QTest::mouseMove(w, QPoint(-1, -1));
    mouseAt(w, p);
    QTest::mouseMove(w, p);
}
void ClickAt(Form* form, int x, int y) { Click(form, QPoint(x, y)); }

void ForEachControl(const Container& c, const std::function<void(Control*)>& f) {
    for (Control* child : c.Controls()) {
        f(child);
        if (const auto* inner = dynamic_cast<const Container*>(child)) ForEachControl(*inner, f);
    }
}

void ClickTab(PageControl* pages, int tabIndex) {
    const Rect r = pages->TabRect(tabIndex);
    if (r.Width() <= 0) {
        ADD_FAILURE() << "no visible tab " << tabIndex;
        return;
    }
    Click(pages, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
}

void ClickCell(StringGrid* grid, int col, int row) {
    const Rect r = grid->CellRect(col, row);
    if (r.Width() <= 0) {
        ADD_FAILURE() << "cell " << col << "," << row << " is not shown";
        return;
    }
    const QPoint inViewport((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    Click(grid, grid->viewport()->mapTo(grid, inViewport));
}

void KeyDown(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (QWindow* w = windowOf(activeForm())) QTest::keyPress(w, key, modifiers);
}
void KeyUp(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (QWindow* w = windowOf(activeForm())) QTest::keyRelease(w, key, modifiers);
}
void Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    KeyDown(key, modifiers);
    KeyUp(key, modifiers);
}
void Tab() { Key(Qt::Key_Tab); }
void ShiftTab() { Key(Qt::Key_Backtab, Qt::ShiftModifier); }
void Enter() { Key(Qt::Key_Return); }
void Esc() { Key(Qt::Key_Escape); }
void F1() { Key(Qt::Key_F1); }
void Alt(char letter) {
    const char up = char(letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : letter);
    if (QWindow* w = windowOf(activeForm())) {
        QTest::keyPress(w, Qt::Key(up), Qt::AltModifier);
        if (Form* f = App().ActiveForm(); f && f->windowHandle())
            QTest::keyRelease(f->windowHandle(), Qt::Key(up), Qt::AltModifier);
    }
}

void Type(const std::string& text) {
    for (QChar ch : QString::fromStdString(text)) {
        QWindow* w = windowOf(activeForm());
        if (!w) return;
        if (ch.unicode() < 0x80)
            QTest::keyClick(w, char(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

void TypeInto(Edit* edit, const std::string& text) {
    Click(edit);
    if (edit->OwnerForm()->FocusedControl() != edit) {
        ADD_FAILURE() << "edit " << edit->Name() << " did not take the focus";
        return;
    }
    edit->selectAll();
    Type(text);
}

void Paste(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    Key(Qt::Key_V, Qt::ControlModifier);
}

QImage Grab(QWidget* widget, const std::string& pngPath) {
    const QImage img = widget->grab().toImage();
    if (!pngPath.empty()) img.save(QString::fromStdString(pngPath), "PNG");
    return img;
}

void ProcessEvents() { QCoreApplication::processEvents(); }

void Reset() {
    State& s = state();
    s.notices.Clear();
    s.helpCalls.clear();
    s.helpResult = true;
    s.fileCalls.clear();
    s.fileAnswers.clear();
    s.printAnswers.clear();
    s.printDialogs = 0;
    s.documents.clear();
    s.texts.clear();
    s.pageWidth = 1169;
    s.pageHeight = 1686;
    s.printerFails = false;
    s.printerFile.clear();
    s.bitmaps.clear();
    s.bitmapFails = false;
    s.bitmapFilesWritten = false;
    s.exits.clear();
    s.modal.clear();
    s.unqueuedModal = nullptr;
    s.modalShows.clear();
    App().OnMessage = nullptr;
    App().ClearTerminated();
}

void ExpectNothingPending() {
    EXPECT_EQ(PendingModalScripts(), 0) << "queued modal scripts were not used";
    EXPECT_TRUE(state().fileAnswers.empty()) << "queued file dialog answers were not used";
    EXPECT_TRUE(state().printAnswers.empty()) << "queued print dialog answers were not used";
    EXPECT_TRUE(state().notices.answers.empty()) << "queued message box answers were not used";
}

void InstallRecordingServices() {
    static RecordingServices services;
    SetServices(&services);
    rt::SetNoticeSink(&state().notices);
}

}  // namespace ui::test
