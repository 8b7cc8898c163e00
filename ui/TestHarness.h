// Test harness of the forms layer (library ui_test_harness), for every window test.
//
// Linking ui_test_harness gives the test program its main(): one ui::Application
// on the offscreen platform (unless QT_QPA_PLATFORM says otherwise) with the C
// locale, the recording services below installed, and GoogleTest run.  Before each
// test every recorder and script is cleared.
//
// Rules for window tests:
//  - Show the form under test (form->Show(), or through a queued modal script) and
//    deliver input with the helpers here: they send it through the form's window as
//    a user's input arrives, so the application hook sees presses before the focus
//    moves.  Never QTest::mouseClick(widget) or Qt's setFocus: they bypass the layer.
//  - Assert on the layer's state (form->ActiveControl(), Checked(), Text() ...), not
//    on QApplication::focusWidget().
//  - Message boxes and beeps are recorded in Notices() (rt::NoticeRecorder; push
//    answers to Notices().answers).  Dialogs, the printer, help, bitmap files and
//    program exit are recorded too; queue the answers a dialog shall give.
//  - A ShowModal needs a queued script, else the test fails and ShowModal returns
//    mrCancel.  QueueModalResult answers without showing the form; QueueModal shows
//    it (OnShow, OnActivate, OnEnter, OnPaint), runs the script inside the modal call
//    (clicks and keys there reach the modal form and the forms shown after it, not
//    the ones it blocks), and returns the ModalResult the script left (a script that
//    leaves it at mrNone fails the test; mrCancel is returned).
#pragma once

#include "runtime/Notice.h"
#include "ui/Forms.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <Qt>

#include <functional>
#include <string>
#include <vector>

namespace ui::test {

// ---- recorders -------------------------------------------------------------

// Message boxes (ShowMessage, MessageBox) and beeps; MessageBox answers come from
// Notices().answers, else the first button.
rt::NoticeRecorder& Notices();

struct HelpCall {
    std::string File;
    unsigned Command = 0;
    unsigned long Data = 0;
};
std::vector<HelpCall>& HelpCalls();
// What the help calls report from now on (default: found).
void SetHelpResult(bool found);

struct FileDialogCall {
    FileDialog::Kind Kind = FileDialog::Kind::Open;
    std::string Title, Filter, DefaultExt, FileName;  // FileName as proposed
    unsigned Options = 0;
    std::vector<rt::Notice> Questions;  // the overwrite questions it asked
};
std::vector<FileDialogCall>& FileDialogCalls();
// The next file dialog returns this name (its default extension applied when the
// name has none), or is cancelled.  `replace` answers the overwrite question, if the
// dialog asks it: No leaves the dialog open for the next queued answer.
void QueueFileName(const std::string& fileName, bool replace = true);
void QueueFileCancel();

struct PrintDialogAnswer {
    bool Ok = true;
    int Copies = 1;
    bool PrintToFile = false;
    bool PrintToPdf = false;
};
void QueuePrintDialog(const PrintDialogAnswer& answer);
int PrintDialogCount();

// Documents printed through ui::Printer(): one image per page.
struct PrintedDocument {
    std::string Title;
    std::vector<QImage> Pages;
};
std::vector<PrintedDocument>& PrintedDocuments();
// Texts printed through a PrinterTextFile.
struct PrintedText {
    std::string Title;
    std::vector<std::string> Lines;
};
std::vector<PrintedText>& PrintedTexts();
// Page size of the test printer in pixels (default 1169 x 1686, A4 at half the
// resolution of the original's reference page).
void SetPageSize(int width, int height);
// The test printer refuses to start (rt::FileError), as a missing printer does.
void SetPrinterFails(bool fails);
// The file the test printer stands for writing ("" paper, the default); nothing is written.
void SetPrinterFile(const std::string& fileName);

struct SavedBitmap {
    std::string FileName;
    QImage Image;
};
std::vector<SavedBitmap>& SavedBitmaps();
// Bitmap saves fail with rt::FileError from now on.
void SetBitmapSaveFails(bool fails);
// Bitmap saves also write their files, through the production writer.
void WriteBitmapFiles(bool on);

// Codes passed to ui::Halt (in tests Halt returns).
std::vector<int>& Exits();

// ---- modal windows -----------------------------------------------------------

// The next ShowModal of the form returns result without showing it.
void QueueModalResult(Form* form, int result);
// The next ShowModal of the form shows it and runs the script inside the call.
void QueueModal(Form* form, std::function<void(Form&)> script);
// The script every ShowModal without a queued one runs (none: such a ShowModal fails the test).
// For tests that walk generated paths, on which a command may open a window the path did not
// foresee.
void SetUnqueuedModal(std::function<void(Form&)> script);
struct ModalShow {
    std::string Form;
    int Result = 0;
    bool Shown = false;
};
std::vector<ModalShow>& ModalShows();
int PendingModalScripts();

// ---- input through the window -------------------------------------------------
// Mouse positions are in the control's own coordinates (default: its centre).

void Press(Control* c, Qt::MouseButton button = Qt::LeftButton);
void Press(Control* c, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void Release(Control* c, Qt::MouseButton button = Qt::LeftButton);
void Release(Control* c, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void Click(Control* c, Qt::MouseButton button = Qt::LeftButton);
void Click(Control* c, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void DoubleClick(Control* c, QPoint at);
void DoubleClick(Control* c);
// A move to the point (after a step off it when the mouse is already there).
void MoveMouse(Control* c, QPoint at);
// A click at a point of the form's client area.
void ClickAt(Form* form, int x, int y);
// A click on a visible tab, on a grid cell.
void ClickTab(PageControl* pages, int tabIndex);
void ClickCell(StringGrid* grid, int col, int row);
// Every control in `c` and in the containers in it, each before what it holds.
void ForEachControl(const Container& c, const std::function<void(Control*)>& f);

// Keys go to the program's active form (as typed keys go to the active window).
void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void KeyDown(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void KeyUp(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void Tab();
void ShiftTab();
void Enter();
void Esc();
void F1();
// Alt + letter (an accelerator).
void Alt(char letter);
// Characters (UTF-8) typed to the active form's focused control.
void Type(const std::string& text);
// Clicks into the edit (the exit/enter chain runs), selects its text and types.
void TypeInto(Edit* edit, const std::string& text);
// Puts the text (UTF-8) on the clipboard and pastes it with Ctrl+V to the active form.
void Paste(const std::string& text);

// ---- other ---------------------------------------------------------------------

// Renders the widget (a form: its client area) and optionally writes a PNG.
QImage Grab(QWidget* widget, const std::string& pngPath = {});
void ProcessEvents();
// Clears every recorder, queue and script (done before each test).
void Reset();
// Fails the running test when queued scripts or answers were not used.
void ExpectNothingPending();

// A fixture that checks at the end of each test that nothing queued was left over.
class FormTest : public ::testing::Test {
protected:
    void TearDown() override { ExpectNothingPending(); }
};

// Installs the recording services (done by the harness's main).
void InstallRecordingServices();

}  // namespace ui::test
