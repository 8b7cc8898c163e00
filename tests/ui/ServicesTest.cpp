// Services: dialogs, printing, bitmap files, help and exit, recorded and in
// production.
#include "runtime/TextFile.h"
#include "RequiredTool.h"
#include "ScratchDir.h"
#include "ui/TestHarness.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeView>

namespace {

TEST(FileFilter, OriginalFiltersBecomeQtFilters) {
    EXPECT_EQ(ui::QtFileFilter("Bitmap (*.BMP)|*.BMP"), "Bitmap (*.BMP)");
    EXPECT_EQ(ui::QtFileFilter("Data|*.dat|All files|*.*"), "Data (*.dat);;All files (*.*)");
    EXPECT_EQ(ui::QtFileFilter("*.dat"), "*.dat (*.dat)");
    EXPECT_EQ(ui::QtFileFilter("Pictures|*.bmp;*.png"), "Pictures (*.bmp *.png)");
    EXPECT_EQ(ui::QtFileFilter(""), "");
    EXPECT_EQ(ui::ApplyDefaultExt("/tmp/TISK1", "BMP"), "/tmp/TISK1.BMP");
    EXPECT_EQ(ui::ApplyDefaultExt("/tmp/case.txt", ".pev"), "/tmp/case.txt");
    EXPECT_EQ(ui::ApplyDefaultExt("/tmp/dir.v2/case", ".pev"), "/tmp/dir.v2/case.pev");
}

TEST(FileDialogs, AnswersAreRecordedAndTheFileNameIsKept) {
    ui::SaveDialog save;
    save.DefaultExt = "BMP";
    save.FileName = "TISK1";
    save.Title = "Tisk do souboru";
    ui::test::QueueFileName("/out/TISK1");
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName, "/out/TISK1.BMP");
    ui::test::QueueFileCancel();
    EXPECT_FALSE(save.Execute());
    EXPECT_EQ(save.FileName, "/out/TISK1.BMP");  // kept for the next call
    ASSERT_EQ(ui::test::FileDialogCalls().size(), 2u);
    EXPECT_EQ(ui::test::FileDialogCalls()[1].FileName, "/out/TISK1.BMP");
    EXPECT_EQ(ui::test::FileDialogCalls()[0].Title, "Tisk do souboru");
}

TEST(Printing, DocumentsArePagesOfTheTestPrinter) {
    ui::test::SetPageSize(200, 300);
    ui::Bitmap table(20, 10);
    table.Canvas().Brush.Color = ui::clBlack;
    table.Canvas().FillRect({0, 0, 20, 10});
    ui::PrinterDevice& p = ui::Printer();
    p.Title = "Gear Geometry Checking";
    EXPECT_EQ(p.PageWidth(), 200);
    p.BeginDoc();
    p.Canvas().StretchDraw({10, 10, 50, 30}, table);
    p.NewPage();
    p.EndDoc();
    ASSERT_EQ(ui::test::PrintedDocuments().size(), 1u);
    const auto& doc = ui::test::PrintedDocuments()[0];
    EXPECT_EQ(doc.Title, "Gear Geometry Checking");
    ASSERT_EQ(doc.Pages.size(), 2u);
    EXPECT_EQ(QColor(doc.Pages[0].pixel(49, 29)), QColor(0, 0, 0));
    EXPECT_EQ(QColor(doc.Pages[0].pixel(50, 29)), QColor(255, 255, 255));
    EXPECT_FALSE(p.Printing());
}

TEST(Printing, TextFileAssignedToThePrinter) {
    ui::PrinterTextFile prn;
    prn.Rewrite();
    prn.WriteLn("\t\t\t\t\t\t\t\tDIMENSIONS TABLE");
    prn.Write("\t\t\tNumber of teeth");
    prn.WriteLn("\t\tz");
    prn.Close();
    ASSERT_EQ(ui::test::PrintedTexts().size(), 1u);
    EXPECT_EQ(ui::test::PrintedTexts()[0].Lines,
              (std::vector<std::string>{"\t\t\t\t\t\t\t\tDIMENSIONS TABLE", "\t\t\tNumber of teeth\t\tz"}));
}

TEST(Printing, MissingPrinterRaisesAFileError) {
    ui::test::SetPrinterFails(true);
    EXPECT_THROW(ui::Printer().BeginDoc(), rt::FileError);
    EXPECT_FALSE(ui::Printer().Printing());
    ui::PrinterTextFile prn;
    prn.Rewrite();
    prn.WriteLn("x");
    EXPECT_THROW(prn.Close(), rt::FileError);
}

TEST(Printing, PrintDialogAnswers) {
    ui::PrintDialog d;
    d.Options = ui::poPrintToFile | ui::poWarning;
    ui::test::QueuePrintDialog({true, 2, true});
    ASSERT_TRUE(d.Execute());
    EXPECT_EQ(d.Copies, 2);
    EXPECT_TRUE(d.PrintToFile);
    EXPECT_FALSE(d.PrintToPdf);
    ui::test::QueuePrintDialog({true, 1, false, true});
    ASSERT_TRUE(d.Execute());
    EXPECT_TRUE(d.PrintToPdf);
    ui::test::QueuePrintDialog({false});
    EXPECT_FALSE(d.Execute());
    EXPECT_EQ(ui::test::PrintDialogCount(), 3);
}

TEST(Bitmaps, SavedThroughTheService) {
    ui::Bitmap b(8, 8);
    b.PixelFormat = ui::PixelFormat::Bits4;
    b.SetMonochrome(true);
    b.SaveToFile("/out/TISK1_2.BMP");
    ASSERT_EQ(ui::test::SavedBitmaps().size(), 1u);
    EXPECT_EQ(ui::test::SavedBitmaps()[0].FileName, "/out/TISK1_2.BMP");
    EXPECT_EQ(ui::test::SavedBitmaps()[0].Image.colorCount(), 2);
    ui::test::SetBitmapSaveFails(true);
    EXPECT_THROW(b.SaveToFile("/out/x.bmp"), rt::FileError);
}

TEST(HelpAndExit, AreRecorded) {
    EXPECT_TRUE(ui::Help("help_diz.hlp", ui::HELP_CONTEXT, 21));
    ui::test::SetHelpResult(false);
    EXPECT_FALSE(ui::Help("help_diz.hlp", ui::HELP_FINDER));
    ASSERT_EQ(ui::test::HelpCalls().size(), 2u);
    EXPECT_EQ(ui::test::HelpCalls()[0].Data, 21u);
    EXPECT_EQ(ui::test::HelpCalls()[1].Command, ui::HELP_FINDER);
    ui::Halt();
    EXPECT_EQ(ui::test::Exits(), std::vector<int>{0});
}

TEST(Notices, CoreMessagesReachTheRecorder) {
    ui::test::Notices().answers.push_back(rt::IDNO);
    rt::ShowMessage("Not specified load input.");
    EXPECT_EQ(ui::MessageBox("Replace?", "  Warning !", rt::MB_YESNO), rt::IDNO);
    ui::MessageBeep(0xFFFF);
    ASSERT_EQ(ui::test::Notices().notices.size(), 3u);
    EXPECT_EQ(ui::test::Notices().notices[1].caption, "  Warning !");
    EXPECT_EQ(ui::test::Notices().notices[2].kind, rt::Notice::Beep);
}

// ---- the production implementations -------------------------------------------

void writeFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

TEST(ProductionHelp, FindsTheHtmlFileAndOpensItAtTheContextAnchor) {
    test_support::ScratchDir dir;
    writeFile(QString::fromStdString(dir.File("Help_Ostrimo.html")),
              "<html><head><title>Ostrimo help</title></head><body><h1 id=\"contents\">Contents</h1>" +
                  QByteArray("<p>Topic text.</p>").repeated(200) + "<h2 id=\"9\">Results</h2><p>...</p></body></html>");
    EXPECT_EQ(ui::FindHelpHtml("help_ostrimo.hlp", dir.path.string()), dir.File("Help_Ostrimo.html"));
    EXPECT_EQ(ui::FindHelpHtml("help_diz.hlp", dir.path.string()), "");
    ui::SetHelpDirectory(dir.path.string());
    ui::Services& prod = ui::ProductionServices();
    EXPECT_TRUE(prod.Help("help_ostrimo.hlp", ui::HELP_CONTEXT, 9));
    QWidget* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "HelpWindow" && w->isVisible()) window = w;
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Ostrimo help");
    auto* browser = window->findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    EXPECT_GT(browser->verticalScrollBar()->value(), 0);  // at the topic, far below the contents
    EXPECT_TRUE(prod.Help("help_ostrimo.hlp", ui::HELP_FINDER, 0));
    EXPECT_EQ(browser->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(prod.Help("help_ostrimo.hlp", ui::HELP_QUIT, 0));
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(prod.Help("help_diz.hlp", ui::HELP_FINDER, 0));
    ui::SetHelpDirectory("");
}

// The text of a PDF file, as far as it lies on its pages.
std::string PdfText(const QString& pdf) {
    std::string text;
    if (FILE* out = popen(("pdftotext " + pdf.toStdString() + " -").c_str(), "r")) {
        char buf[1024];
        for (std::size_t n; (n = fread(buf, 1, sizeof buf, out)) > 0;) text.append(buf, n);
        pclose(out);
    }
    return text;
}

TEST(ProductionPrinter, WritesAPdf) {
    test_support::ScratchDir dir;
    const QString pdf = QString::fromStdString(dir.File("table.pdf"));
    QPrinter& printer = ui::ProductionPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    ui::PrinterBackend& p = ui::ProductionServices().Printer();
    EXPECT_GT(p.PageWidth(), 2000);  // A4 at 300 dpi, less the margins
    QPainter* painter = p.BeginDoc("Gear Geometry Checking");
    painter->fillRect(QRect(100, 100, 500, 200), Qt::black);
    p.EndDoc();
    printer.setOutputFileName(QString());
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(4) == "%PDF");
    // A text file assigned to the printer prints on it too (quick print).
    const QString text = QString::fromStdString(dir.File("quick.pdf"));
    printer.setOutputFileName(text);
    std::vector<std::string> lines(150, "\t\t\tNumber of teeth\t\tz\t\t20");
    lines[3] = "\t\t\tProfile addendum factor\t\thaP*\t\t  1.0000\t\t\t  1.0000 (wheel)";  // 113 columns
    p.PrintText("Gear Geometry Checking", lines);
    printer.setOutputFileName(QString());
    printer.setOutputFormat(QPrinter::NativeFormat);
    EXPECT_GT(QFile(text).size(), 1000);
    // the longest line, wider than the page at 10 points, is printed whole
    REQUIRE_TOOL("pdftotext");
    EXPECT_NE(PdfText(text).find("(wheel)"), std::string::npos);
}

// A PDF goes into its file whole or not at all: a write failing at any step of it (each
// piece, the close) is reported and keeps the earlier file.
TEST(ProductionPrinter, AFailedPdfKeepsTheEarlierFile) {
    test_support::ScratchDir dir;
    const std::string pdf = dir.File("quick.pdf");
    writeFile(QString::fromStdString(pdf), "earlier");
    QPrinter& printer = ui::ProductionPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    const std::vector<std::string> lines(300, "\t\t\tNumber of teeth\t\tz\t\t20");
    int step = 0;
    for (; step < 20; ++step) {
        rt::TextFile::FailWritesAfter(step);
        try {
            ui::ProductionServices().Printer().PrintText("Gear Geometry Checking", lines);
            break;
        } catch (const rt::FileError& e) {
            EXPECT_EQ(e.what(), "The file " + pdf + " can not be written.");
        }
        rt::TextFile::FailWritesAfter(-1);
        QFile f(QString::fromStdString(pdf));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), "earlier") << step;
        EXPECT_EQ(QDir(QString::fromStdString(dir.path.string())).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
    rt::TextFile::FailWritesAfter(-1);
    printer.setOutputFileName(QString());
    printer.setOutputFormat(QPrinter::NativeFormat);
    EXPECT_GE(step, 2);  // a piece and the close at least
    QFile f(QString::fromStdString(pdf));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(4) == "%PDF");
}

// Without a printer a print fails with its message; a PDF file chosen afterwards is still
// taken and written (Qt keeps a printer that failed to start active, refusing new settings).
TEST(ProductionPrinter, AfterAMissingPrinterAPdfFileCanStillBeChosen) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
    ui::PrinterBackend& p = ui::ProductionServices().Printer();
    ui::ProductionPrinter().setOutputFileName(QString());
    EXPECT_THROW(p.PrintText("Gear Geometry Checking", {"DIMENSIONS TABLE"}), rt::FileError);
    EXPECT_THROW(p.BeginDoc("Gear Geometry Checking"), rt::FileError);
    test_support::ScratchDir dir;
    const QString pdf = QString::fromStdString(dir.File("table.pdf"));
    ui::ProductionPrinter().setOutputFileName(pdf);
    EXPECT_EQ(ui::ProductionPrinter().outputFileName(), pdf);
    p.PrintText("Gear Geometry Checking", {"DIMENSIONS TABLE"});
    ui::ProductionPrinter().setOutputFileName(QString());
    ui::ProductionPrinter().setOutputFormat(QPrinter::NativeFormat);
    EXPECT_TRUE(QFile::exists(pdf));
}

// On a PDF page a control is drawn as text, not as a picture, and only the part asked
// for (a grid of 10 rows of 24 pixels: rows 2 and 3).
TEST(ProductionPrinter, DrawsAPartOfAControlAsText) {
    ui::Form f("LinesForm");
    auto* grid = new ui::StringGrid(&f, "Grid", {0, 0, 200, 100});
    grid->SetColCount(2);
    grid->SetRowCount(10);
    grid->SetFixedRows(0);
    grid->SetDefaultRowHeight(22);
    grid->SetGridLineWidth(2);
    for (int r = 0; r < 10; ++r) grid->SetCell(1, r, "Row " + std::to_string(r));
    f.Show();
    grid->SetHeight(grid->FullHeight());
    test_support::ScratchDir dir;
    const QString pdf = QString::fromStdString(dir.File("part.pdf"));
    ui::ProductionPrinter().setOutputFileName(pdf);
    ui::Services* recording = ui::SetServices(nullptr);
    ui::Printer().BeginDoc();
    ui::Printer().Canvas().DrawControl({100, 100, 1100, 340}, *grid, {0, 50, 200, 98});
    ui::Printer().EndDoc();
    ui::SetServices(recording);
    ui::ProductionPrinter().setOutputFileName(QString());
    ui::ProductionPrinter().setOutputFormat(QPrinter::NativeFormat);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.contains("/FontFile"));
    EXPECT_FALSE(content.contains("/Subtype /Image"));
    REQUIRE_TOOL("pdftotext");
    const std::string text = PdfText(pdf);
    EXPECT_NE(text.find("Row 2"), std::string::npos);
    EXPECT_NE(text.find("Row 3"), std::string::npos);
    EXPECT_EQ(text.find("Row 1"), std::string::npos);
    EXPECT_EQ(text.find("Row 4"), std::string::npos);
}

TEST(ProductionBitmap, WritesABmpOfFourBitsPerPixel) {
    test_support::ScratchDir dir;
    ui::Bitmap b(16, 4);
    b.PixelFormat = ui::PixelFormat::Bits4;
    b.SetMonochrome(true);
    const std::string name = dir.File("TISK1.txt");  // BMP whatever the extension
    const QImage image = b.FileImage();
    ui::ProductionServices().SaveBitmaps({{&image, name}});
    QFile f(QString::fromStdString(name));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray head = f.read(30);
    EXPECT_TRUE(head.startsWith("BM"));
    EXPECT_EQ(int(head[28]), 4);
    EXPECT_THROW(ui::ProductionServices().SaveBitmaps({{&image, "/nonexistent/dir/x.bmp"}}), rt::FileError);
}

// The window that opened the dialog has the keyboard again after it.
TEST(ProductionDialogs, FileDialogReturnsTheChosenNameWithItsDefaultExtension) {
    ui::Form owner("Owner");
    owner.Show();
    test_support::ScratchDir dir;
    ui::SaveDialog save;
    save.Filter = "Bitmap (*.BMP)|*.BMP";
    save.DefaultExt = "BMP";
    save.FileName = dir.File("TISK1");
    QTimer::singleShot(0, [] {
        if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            EXPECT_EQ(d->nameFilters(), QStringList{"Bitmap (*.BMP)"});
            QMetaObject::invokeMethod(d, "accept");
        }
    });
    ASSERT_TRUE(ui::ProductionServices().ExecuteFileDialog(save));
    EXPECT_EQ(save.FileName, dir.File("TISK1.BMP"));
    ui::test::ProcessEvents();
    EXPECT_EQ(QGuiApplication::focusWindow(), owner.windowHandle());
}

// The size, type and date of a file are shown whole, also where an earlier dialog left its
// columns narrow; the name takes the rest of the row.
TEST(ProductionDialogs, FileDialogShowsTheDetailsOfAFileWhole) {
    test_support::ScratchDir dir;
    writeFile(QString::fromStdString(dir.File("A rather long name of a gear pair case.PEV")), QByteArray(2240, 'x'));
    ui::OpenDialog open;
    open.Filter = "Data files (*.pev *.PEV)|*.pev;*.PEV";
    open.InitialDir = dir.path.string();
    // Runs the dialog; once the folder is read (in the background), answer(view) and cancel.
    const auto run = [&](const std::function<void(QTreeView*)>& answer) {
        int polls = 0;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* view = d ? d->findChild<QTreeView*>("treeView") : nullptr;
            if (!view || (view->model()->rowCount(view->rootIndex()) == 0 && ++polls < 250)) return;
            answer(view);
            d->reject();
        });
        poll.start(20);
        EXPECT_FALSE(ui::ProductionServices().ExecuteFileDialog(open));
    };
    run([](QTreeView* view) {
        for (int c = 1; c <= 3; ++c) view->header()->resizeSection(c, 20);
    });
    std::vector<int> cut;
    int rows = 0;
    run([&](QTreeView* view) {
        rows = view->model()->rowCount(view->rootIndex());
        QHeaderView* header = view->header();
        for (int c = 1; c <= 3; ++c) {
            const int caption =
                QFontMetrics(header->font()).horizontalAdvance(view->model()->headerData(c, Qt::Horizontal).toString());
            const int content = static_cast<QAbstractItemView*>(view)->sizeHintForColumn(c);
            if (header->sectionSize(c) < std::max(caption, content)) cut.push_back(c);
        }
    });
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(cut, std::vector<int>{});
}

// Bitmap files chosen: the printer's PDF file, which already exists, is not written, so the
// dialog does not ask whether to overwrite it.
TEST(ProductionDialogs, PrintDialogOffersBitmapFilesInsteadOfPaper) {
    test_support::ScratchDir earlier;
    writeFile(QString::fromStdString(earlier.File("earlier.pdf")), "%PDF earlier");
    ui::ProductionPrinter().setOutputFileName(QString::fromStdString(earlier.File("earlier.pdf")));
    ui::PrintDialog d;
    d.Options = ui::poPrintToFile;
    QStringList questions;
    QTimer decline;  // any question the dialog asks, counted and declined
    QObject::connect(&decline, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            questions << box->text();
            box->reject();
        }
    });
    decline.start(10);
    QTimer::singleShot(0, [&] {
        if (auto* dlg = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            auto* box = dlg->findChild<QCheckBox*>("PrintToFile");
            EXPECT_NE(box, nullptr);
            if (box) box->setChecked(true);
            dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();  // as the user does
            if (dlg->isVisible()) dlg->accept();
        }
    });
    ASSERT_TRUE(ui::ProductionServices().ExecutePrintDialog(d));
    decline.stop();
    EXPECT_TRUE(questions.isEmpty()) << questions.join(" / ").toStdString();
    EXPECT_TRUE(d.PrintToFile);
    EXPECT_EQ(d.Copies, 1);
    // "Print to File (PDF)" chosen in the dialog (without printers it is the only choice)
    test_support::ScratchDir dir;
    ui::ProductionPrinter().setOutputFileName(QString::fromStdString(dir.File("table.pdf")));
    QTimer::singleShot(0, [] {
        if (auto* dlg = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) dlg->accept();
    });
    ASSERT_TRUE(ui::ProductionServices().ExecutePrintDialog(d));
    EXPECT_TRUE(d.PrintToPdf);
    ui::ProductionPrinter().setOutputFileName(QString());
    ui::ProductionPrinter().setOutputFormat(QPrinter::NativeFormat);
}

// A PDF file chosen through a symbolic link to a file not there yet: the dialog leaves the folder
// as it was, and the PDF goes where a save puts it (the file the link names; the link stays).
TEST(ProductionDialogs, PrintToPdfThroughADanglingLinkKeepsTheLink) {
    test_support::ScratchDir dir;
    std::filesystem::create_directory(dir / "lk");
    std::filesystem::create_symlink("lk/real.pdf", dir / "lnk.pdf");
    const auto before = dir.Snapshot();
    ui::ProductionPrinter().setOutputFileName(QString::fromStdString(dir.File("lnk.pdf")));
    QTimer::singleShot(0, [] {
        if (auto* dlg = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget()))
            dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();  // as the user does
    });
    ui::PrintDialog d;
    ASSERT_TRUE(ui::ProductionServices().ExecutePrintDialog(d));
    EXPECT_TRUE(d.PrintToPdf);
    EXPECT_EQ(dir.Snapshot(), before);
    ui::ProductionServices().Printer().PrintText("Gear Geometry Checking", {"DIMENSIONS TABLE"});
    ui::ProductionPrinter().setOutputFileName(QString());
    ui::ProductionPrinter().setOutputFormat(QPrinter::NativeFormat);
    auto after = dir.Snapshot();
    EXPECT_EQ(after.size(), 3u);
    EXPECT_TRUE(after["lnk.pdf"] == "-> lk/real.pdf");
    EXPECT_TRUE(after["lk/real.pdf"].starts_with("%PDF"));
}

// A relative name typed in the dialog means a file in the working folder: that file is the one
// the dialog asks about replacing and the one written; the home folder is left alone.
TEST(ProductionDialogs, PrintToPdfUnderARelativeNameWritesTheFileAskedAbout) {
    test_support::ScratchDir work, home;
    writeFile(QString::fromStdString(work.File("rel.pdf")), "earlier in work");
    writeFile(QString::fromStdString(home.File("rel.pdf")), "earlier at home");
    const auto homeBefore = home.Snapshot();
    const QString oldDir = QDir::currentPath();
    const QByteArray oldHome = qgetenv("HOME");
    const auto restore = qScopeGuard([&] {
        QDir::setCurrent(oldDir);
        qputenv("HOME", oldHome);
        ui::ProductionPrinter().setOutputFileName(QString());
        ui::ProductionPrinter().setOutputFormat(QPrinter::NativeFormat);
    });
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(work.path.string())));
    qputenv("HOME", QByteArray::fromStdString(home.path.string()));
    ui::ProductionPrinter().setOutputFileName(QString::fromStdString(work.File("table.pdf")));
    QStringList questions;
    QTimer answer;  // the overwrite question, answered Yes
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            questions << box->text();
            if (QAbstractButton* yes = box->button(QMessageBox::Yes))
                yes->click();
            else
                box->reject();
        }
    });
    answer.start(10);
    QTimer::singleShot(0, [] {
        if (auto* dlg = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            dlg->findChild<QLineEdit*>("filename")->setText("rel.pdf");
            dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        }
    });
    ui::PrintDialog d;
    ASSERT_TRUE(ui::ProductionServices().ExecutePrintDialog(d));
    answer.stop();
    ASSERT_EQ(questions.size(), 1) << questions.join(" / ").toStdString();
    EXPECT_TRUE(questions[0].startsWith(QString::fromStdString(work.File("rel.pdf")))) << questions[0].toStdString();
    ui::ProductionServices().Printer().PrintText("Gear Geometry Checking", {"DIMENSIONS TABLE"});
    EXPECT_TRUE(work.Snapshot()["rel.pdf"].starts_with("%PDF"));
    EXPECT_EQ(home.Snapshot(), homeBefore);
}

}  // namespace
