// The dimensions table: its rows for checked pairs, the painted values, printing on
// paper and into a PDF file, the page bitmaps and the quick print.
#include <QApplication>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

#include "CheckedPair.h"
#include "OstrimoFixture.h"
#include "RequiredTool.h"
#include "ostrimo/forms/Labels.h"

namespace ostrimo::test {
namespace {

namespace fs = std::filesystem;

const std::string kDeg = kDegree;  // for joining texts
using Cells = std::vector<std::string>;

class TableWindow : public OstrimoTest {
protected:
    static TTabulkaDlg& T() { return *TabulkaDlg; }
    static ui::StringGrid& Grid() { return *TabulkaDlg->StringGrid1; }
    // Shows the table modally, runs the script in it and goes back.
    static void Open(const std::function<void()>& script) {
        ui::test::QueueModal(TabulkaDlg, [script](ui::Form&) {
            script();
            ui::test::Click(T().CancelBtn);
        });
        T().ShowModal();
    }
    // A row as shown: caption, unit, pinion, common, wheel.
    static Cells Row(int row) {
        return {Grid().Cell(0, row), Grid().Cell(1, row), TableValueText(2, row), TableValueText(3, row),
                TableValueText(4, row)};
    }
    // The share of inked pixels in column x between rows top and bottom of a picture.
    static double InkShare(const QImage& picture, int x, int top, int bottom) {
        int inked = 0;
        for (int y = top; y < bottom; ++y) inked += qGray(picture.pixel(x, y)) < 250;
        return double(inked) / (bottom - top);
    }
    // The box of the ink on a printed page.
    static ui::Rect Ink(const QImage& page) {
        const QImage img = page.convertToFormat(QImage::Format_RGB32);
        ui::Rect r{img.width(), img.height(), 0, 0};
        for (int y = 0; y < img.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            for (int x = 0; x < img.width(); ++x)
                if (qGray(line[x]) < 250)
                    r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
        }
        return r;
    }
};

// Hand values for 20/40 teeth, module 1, x 0: d 20, 40; df = d - 2.5; b/d 10/d.
TEST_F(TableWindow, RowsOfCheckedPairs) {
    const struct {
        int gearingType;
        std::function<void()> inputs;
        int rows;
        Cells headers;  // (2,0) (4,0) (2,1) (4,1)
        std::vector<std::pair<int, Cells>> expected;
    } cases[] = {
        {kExternalGearing,
         nullptr,
         77,
         {"     PINION", "      WHEEL", "      External", "      External"},
         {{0, {"          Title", "Dimens.", "", "", ""}},
          {2, {"Normal backlash", "[mm]", "", "0.0000", ""}},
          {3, {"Number of teeth", "[-]", "20", "", "40"}},
          {7, {"Helix angle at reference diamet.", "[" + kDeg + "]", "", " 0.00000", ""}},
          {23, {"Reference diameter", "[mm]", "20.00000", "", "40.00000"}},
          {28, {"Tooth thickness on root diameter", "[mm]", "---", "", "---"}},  // root below base
          {43, {"Factor b/d", "[-]", " 0.500", "", " 0.250"}},
          {57, {"Min. facewidth for measuring", "[mm]", "---", "", "---"}},  // spur
          {58, {"Constant chord", "[mm]", " 1.38705", "", " 1.38705"}},      // pi/2 cos^2 20
          {76, {"", "", "", "", ""}}}},
        {kInternalGearing,
         InternalPair,
         85,
         {"     PINION", "      WHEEL", "      External", "        Internal"},
         {{3, {"Number of teeth", "[-]", "30", "", "-36"}},
          {55, {"Measuring diameter", "[mm]", "30.17182", "", "-37.74461"}},
          {69, {"Addendum factor", "[-]", " 1.25000", "", "---"}},
          {76, {"              FELLOW CUTTER", "", "", "", ""}},
          {77, {"Number of teeth of Fellow cutter", "[-]", "---", "", "20"}}}},
        {kExternalGearing,
         RackPair,
         77,
         {"     PINION", "      RACK", "      External", "      External"},
         {{3, {"Number of teeth", "[-]", "20", "", "---"}},
          {14, {"AMC (with no backlash)", "[-]", " 0.00000", " 0.00000", "0"}},
          {37, {"Tooth depth", "[mm]", " 2.25000", "", " 2.25000"}},  // the rack's own
          {43, {"Factor b/d", "[-]", " 0.500", "", "0"}}}},
        {kBevelGearing,
         BevelPair,
         45,
         {"     PINION", "      WHEEL", "        Bevel", "         Bevel"},
         {{2, {"Gear ratio", "[-]", "", " 2.000", ""}},
          {3, {"Gearing shafts angle", "[" + kDeg + "]", "", "90.00000", ""}},
          {9, {"Cone distance", "[mm]", "", "22.361", ""}},  // 10 / sin atan 0.5
          {24, {"Pitch cone angle", "[" + kDeg + "]", "26.56505", "", "63.43495"}}}},
    };
    for (const auto& c : cases) {
        CheckPair(c.gearingType, c.inputs);
        Open([&] {
            EXPECT_EQ(Grid().RowCount(), c.rows);
            EXPECT_EQ((Cells{Grid().Cell(2, 0), Grid().Cell(4, 0), Grid().Cell(2, 1), Grid().Cell(4, 1)}), c.headers);
            for (const auto& [row, cells] : c.expected) EXPECT_EQ(Row(row), cells) << c.gearingType << " row " << row;
        });
    }
}

TEST_F(TableWindow, CaptionsAndValuesThatFollowTheData) {
    CheckPair(kExternalGearing, HelicalPair);
    G.jn = 0.1;
    G.BacklashByShifting = true;
    EXPECT_EQ(TableCaption(2, true), "Backlash by wheels shifting");
    G.jn = 0;
    EXPECT_EQ(TableCaption(2, true), "Normal backlash");
    EXPECT_EQ(TableCaption(59, false), "Height above the chord");
    EXPECT_EQ(TableValueText(2, 57), " 4.362");  // with a helix angle
    G.W1 = 1e12;                                 // numbers that do not fit
    G.M1 = std::numeric_limits<double>::infinity();
    G.dt1 = kNotComputed;
    EXPECT_EQ(TableValueText(2, 54), "***");
    EXPECT_EQ(TableValueText(2, 60), "***");
    EXPECT_EQ(TableValueText(2, 61), "---");
    CheckPair(kInternalGearing, InternalPair);
    G.z1 = 36;  // equal teeth: no pitch circles
    EXPECT_EQ(TableValueText(4, 22), "---");
    T().SetDataFileName("/data/gears/pair1.dat");
    EXPECT_EQ(T().Caption(), "Dimensions Table - /data/gears/pair1.dat");
    Open([] { EXPECT_EQ(Grid().Cell(0, 0), "pair1.dat"); });
}

TEST_F(TableWindow, EveryOpeningStartsAtTheTop) {
    CheckPair(kExternalGearing, HelicalPair);
    Open([] {
        ui::test::Key(Qt::Key_End);
        EXPECT_GT(Grid().TopRow(), 40);
    });
    Open([] {
        EXPECT_EQ(Grid().TopRow(), 1);
        EXPECT_EQ(Grid().Row(), 1);
    });
}

TEST_F(TableWindow, AnglesInDegreesMinutesSecondsAndTheirAnchor) {
    EXPECT_EQ(FormatTableAngleDms(29.99999), "30" + kDeg + " 0'  0\"");
    EXPECT_EQ(FormatTableAngleDms(12.3456), "12" + kDeg + " 20'  44.2\"");
    EXPECT_EQ(FormatTableAngleDms(-20.5), "-20" + kDeg + " 30'  0\"");
    EXPECT_EQ(NumericPrefix("20" + kDeg + " 30'  15.0\""), "20" + kDeg + " 30'");
    EXPECT_EQ(NumericPrefix("12.34567"), "12");
    EXPECT_EQ(NumericPrefix("---"), "--");
    CheckPair(kExternalGearing);
    G.AngleFormatDMS = true;
    Open([] { EXPECT_EQ(Row(67), (Cells{"Profile normal flank angle", "", "", "20" + kDeg + " 0'  0\"", ""})); });
    G.AngleFormatDMS = false;
    Open([] {
        EXPECT_EQ(Grid().Cell(1, 67), "[" + kDeg + "]");
        ui::test::ClickCell(&Grid(), 2, 3);  // selected: no highlight
        const QImage shot = ui::test::Grab(Grid().viewport());
        const ui::Rect cell = Grid().CellRect(2, 3);
        EXPECT_EQ(QColor(shot.pixel(cell.Left + 2, cell.Bottom - 2)), ui::ToQColor(ui::clWindow));
        int left = cell.Right;  // "20" ends its prefix "2" at the anchor 340
        for (int x = cell.Left; x < cell.Right; ++x)
            for (int y = cell.Top; y < cell.Bottom; ++y)
                if (QColor(shot.pixel(x, y)).lightness() < 128) left = std::min(left, x);
        Grid().Canvas().Font = Grid().Font();
        EXPECT_NEAR(left, 340 - Grid().Canvas().TextWidth("2"), 2);
    });
}

TEST_F(TableWindow, HelpKeys) {
    ui::test::QueuePrintDialog({false});
    Open([] {
        ui::test::F1();  // the grid
        ui::test::Click(T().Tisk);
        ui::test::F1();
        ui::test::Click(T().Button2);  // the finder
    });
    ASSERT_EQ(ui::test::HelpCalls().size(), 3u);
    EXPECT_EQ(ui::test::HelpCalls()[0].Data, 11u);
    EXPECT_EQ(ui::test::HelpCalls()[1].Data, 12u);
    EXPECT_EQ(ui::test::HelpCalls()[2].Command, ui::HELP_FINDER);
}

// Page geometry: left 190 W/2338, top 150 H/3372, width 600 x 3.5 W/2338, height
// h x 2.25 H/3130 (bevel: /2700); page 1 is 1274 high, page 2 581 (internal 773).
TEST_F(TableWindow, PrintedPagesOnPaper) {
    const struct {
        int gearingType, width, height, copies;
        std::vector<ui::Rect> pages;
    } cases[] = {
        {kExternalGearing, 2338, 3372, 2, {{190, 150, 2290, 3238}, {190, 150, 2290, 1558}}},
        {kExternalGearing, 1169, 1686, 1, {{95, 75, 1145, 1619}, {95, 75, 1145, 779}}},
        {kInternalGearing, 2338, 3372, 1, {{190, 150, 2290, 3238}, {190, 150, 2290, 2024}}},
        {kBevelGearing, 2338, 3372, 2, {{190, 150, 2290, 3197}}},  // 3204, less the grid's last 2 px
    };
    for (const auto& c : cases) {
        ui::test::PrintedDocuments().clear();
        CheckPair(c.gearingType, c.gearingType == kInternalGearing ? InternalPair
                                 : c.gearingType == kBevelGearing  ? BevelPair
                                                                   : nullptr);
        ui::test::SetPageSize(c.width, c.height);
        ui::test::QueuePrintDialog({true, c.copies, false});
        Open([] { ui::test::Click(T().Tisk); });
        const auto& docs = ui::test::PrintedDocuments();
        ASSERT_EQ(docs.size(), c.pages.size() * std::size_t(c.copies));
        for (std::size_t i = 0; i < docs.size(); ++i) {
            EXPECT_EQ(docs[i].Title, "Gear Geometry Checking");
            const ui::Rect ink = Ink(docs[i].Pages.at(0)), want = c.pages[i % c.pages.size()];
            EXPECT_NEAR(ink.Left, want.Left, 2);
            EXPECT_NEAR(ink.Top, want.Top, 2);
            EXPECT_NEAR(ink.Right, want.Right, 3);
            EXPECT_NEAR(ink.Bottom, want.Bottom, 3);
            // the line closing the wheel column runs down the whole table
            EXPECT_GT(InkShare(docs[i].Pages[0], ink.Right - 2, ink.Top + 2, ink.Bottom - 2), 0.95);
        }
    }
    EXPECT_EQ(Grid().FixedRows(), 1);  // the window's grid again
    EXPECT_EQ(Grid().FixedCols(), 1);
    EXPECT_EQ(Grid().Height(), 541);
    EXPECT_EQ(Grid().GridLineWidth(), 1);
    EXPECT_FALSE(T().PrintRendering);
}

TEST_F(TableWindow, IntoAPdfFileEveryPageOfEveryCopyGoesIntoOneDocument) {
    CheckPair(kExternalGearing);
    ui::test::QueuePrintDialog({true, 2, false, true});
    Open([] { ui::test::Click(T().Tisk); });
    ASSERT_EQ(ui::test::PrintedDocuments().size(), 1u);
    EXPECT_EQ(ui::test::PrintedDocuments()[0].Pages.size(), 4u);
    // Through the program's own print dialog and printer: a file of four pages.
    test_support::ScratchDir dir;
    const QString pdf = QString::fromStdString(dir.File("table.pdf"));
    ui::ProductionPrinter().setOutputFileName(pdf);
    T().PrintDialog1.Copies = 2;
    Open([] {
        ui::Services* recording = ui::SetServices(nullptr);
        QTimer accept;  // the dialog answered once it is up
        QObject::connect(&accept, &QTimer::timeout, [] {
            if (auto* d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) d->accept();
        });
        accept.start(10);
        ui::test::Click(T().Tisk);
        ui::SetServices(recording);
    });
    T().PrintDialog1.Copies = 1;
    ui::ProductionPrinter().setOutputFileName(QString());
    ui::ProductionPrinter().setOutputFormat(QPrinter::NativeFormat);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(file.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")), 4);
    REQUIRE_TOOL("pdftotext");
    std::string text;
    if (FILE* p = popen(("pdftotext -layout " + pdf.toStdString() + " -").c_str(), "r")) {
        char buf[4096];
        for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) text.append(buf, n);
        pclose(p);
    }
    for (const char* expected : {"Reference diameter", "20.00000", "40.00000", "TEST DIMENSIONS", "13.84481"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
}

TEST_F(TableWindow, PagesSavedAsBitmapFiles) {
    for (int type : {kExternalGearing, kInternalGearing, kBevelGearing}) {
        ui::test::SavedBitmaps().clear();
        CheckPair(type, type == kInternalGearing ? InternalPair : type == kBevelGearing ? BevelPair : nullptr);
        ui::test::QueuePrintDialog({true, 1, true});
        ui::test::QueueFileName("/out/TISK1");
        Open([] { ui::test::Click(T().Tisk); });
        const auto& files = ui::test::SavedBitmaps();
        ASSERT_EQ(files.size(), type == kBevelGearing ? 1u : 2u);
        EXPECT_EQ(files[0].FileName, "/out/TISK1.BMP");
        EXPECT_EQ(files[0].Image.size(), QSize(600, type == kBevelGearing ? 1087 : 1274));
        for (const auto& f : files) {
            EXPECT_EQ(f.Image.colorCount(), 2);  // 4 bits per pixel, black and white
            // the table's right border: the line after the wheel column, on the picture's edge
            EXPECT_GT(InkShare(f.Image, 598, 2, f.Image.height() - 30), 0.95);
            EXPECT_GT(InkShare(f.Image, 599, 2, f.Image.height() - 30), 0.95);
        }
        if (type == kBevelGearing) continue;
        EXPECT_EQ(files[1].FileName, "/out/TISK1_2.BMP");
        EXPECT_EQ(files[1].Image.size(), QSize(600, type == kInternalGearing ? 773 : 581));
        EXPECT_EQ(files[1].Image.copy(0, 0, 600, 27), files[0].Image.copy(0, 0, 600, 27));
    }
    EXPECT_TRUE(ui::test::PrintedDocuments().empty());
    EXPECT_EQ(ui::test::FileDialogCalls().back().Title, "Tisk do souboru");
    // A printer that fails is reported, and the window is whole again.
    ui::test::Notices().Clear();
    ui::test::SetPrinterFails(true);
    ui::test::QueuePrintDialog({true, 1, false});
    Open([] { ui::test::Click(T().Tisk); });
    EXPECT_EQ(Messages(), std::vector<std::string>{"The printer is not available."});
    EXPECT_EQ(Grid().FixedRows(), 1);
    EXPECT_EQ(Grid().Cell(0, 0), "          Title");
}

// A write failing at every step of an export (each piece of either file, its close, the renames
// that put the two in place) is reported and leaves both earlier files as they were; only a
// failure that also defeats putting page 1 back leaves it written, and the message says so.
// No temporary file stays behind.  The dialog asks before it replaces either file.
TEST_F(TableWindow, AFailedExportKeepsBothEarlierBitmapFiles) {
    ScratchDir dir;
    const std::string page1 = dir.File("TISK1.BMP"), page2 = dir.File("TISK1_2.BMP");
    auto slurp = [](const std::string& name) {
        std::ifstream in(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const auto entries = [&] { return std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()); };
    CheckPair(kExternalGearing);
    ui::test::WriteBitmapFiles(true);
    auto exportPages = [&](int failAfter) {
        std::ofstream(page1, std::ios::binary) << "old page 1";
        std::ofstream(page2, std::ios::binary) << "old page 2";
        ui::test::Notices().Clear();
        ui::test::QueuePrintDialog({true, 1, true});
        ui::test::QueueFileName(dir.File("TISK1"));
        rt::TextFile::FailWritesAfter(failAfter);
        Open([] { ui::test::Click(T().Tisk); });
        rt::TextFile::FailWritesAfter(-1);
    };
    exportPages(-1);
    ASSERT_TRUE(Messages().empty());
    ASSERT_EQ(ui::test::FileDialogCalls().back().Questions.size(), 1u);
    EXPECT_EQ(ui::test::FileDialogCalls().back().Questions[0].text,
              "TISK1.BMP and TISK1_2.BMP already exist.\rDo you want to replace them?");
    const std::string new1 = slurp(page1), new2 = slurp(page2);
    ASSERT_TRUE(new1.starts_with("BM") && new2.starts_with("BM"));
    // each file: its 64 KiB pieces and its close; then the two renames
    const auto steps = [](const std::string& file) { return int((file.size() + 65535) / 65536) + 1; };
    const int total = steps(new1) + steps(new2) + 2;
    for (int step = 0; step < total; ++step) {
        SCOPED_TRACE(step);
        exportPages(step);
        const bool last = step == total - 1;
        EXPECT_EQ(Messages(),
                  std::vector<std::string>{last ? "The file " + page2 + " can not be written.\rThe file " + page1 +
                                                      " was written."
                                                : "The files " + page1 + " and " + page2 + " can not be written."});
        EXPECT_EQ(slurp(page1), last ? new1 : "old page 1");
        EXPECT_EQ(slurp(page2), "old page 2");
        EXPECT_EQ(entries(), 2);
        EXPECT_FALSE(T().PrintRendering);
    }
    exportPages(total);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(slurp(page1), new1);
    EXPECT_EQ(slurp(page2), new2);
}

// Quick print into the printer's file (a PDF chosen in the print dialog) replaces an earlier
// file only when the user says so, and says where the table went.
TEST_F(TableWindow, QuickPrintAsksBeforeReplacingAFileAndSaysWhereItWent) {
    CheckPair(kExternalGearing);
    ScratchDir dir;
    const std::string pdf = dir.File("table.pdf");
    std::ofstream(pdf) << "earlier print";
    ui::test::SetPrinterFile(pdf);
    ui::test::Notices().answers.push_back(rt::IDNO);
    Open([] { ui::test::Click(T().Button1); });
    EXPECT_EQ(Messages(), std::vector<std::string>{pdf + "\rThis file already exists.\rDo you want to replace it?"});
    EXPECT_EQ(ui::test::Notices().notices.at(0).flags, ui::MB_YESNO | ui::MB_ICONQUESTION);
    EXPECT_TRUE(ui::test::PrintedTexts().empty());

    ui::test::Notices().Clear();
    ui::test::Notices().answers.push_back(rt::IDYES);
    Open([] { ui::test::Click(T().Button1); });
    EXPECT_EQ(ui::test::PrintedTexts().size(), 1u);
    EXPECT_EQ(Messages().back(), "The table was printed into the file " + pdf + ".");

    ui::test::Notices().Clear();
    ui::test::SetPrinterFile("");
    Open([] { ui::test::Click(T().Button1); });
    EXPECT_EQ(Messages(), std::vector<std::string>{"The table was sent to the printer Test printer."});
    EXPECT_EQ(ui::test::PrintedTexts().size(), 2u);
}

TEST_F(TableWindow, QuickPrint) {
    CheckPair(kExternalGearing);
    Open([] { ui::test::Click(T().Button1); });
    const std::vector<std::string> lines = ui::test::PrintedTexts().at(0).Lines;
    const std::vector<std::pair<std::size_t, std::string>> expected = {
        {4, ""},
        {5, "\t\t\t\t\t\t\t\tDIMENSIONS TABLE"},
        {6, "\t\t\t\t\t\t\t\t"},
        {8, "\t\t\t\t\t\t\t\t\tPinion\t\t\t  Wheel"},
        {9, "\t\t\tType of gearing\t\t\t\t\t\t External"},
        {10, "\t\t\tProfile addendum factor\t\thaP*\t\t  1.0000\t\t  1.0000"},
        {13, "\t\t\tProfile normal flank angle\talfaP\t\t\t 20.0000"},
        {14, "\t\t\tNumber of teeth\t\tz\t\t20\t\t\t\t40"},
        {18, "\t\t\tNormal backlash\t\tjn\t\t\t\t0.0000"},
        {20, "\t\t\tWorking transv. pressure angle\talfawt\t\t\t\t 20.0000"},
        {22, "\t\t\tWorking centre distance\t\ta\t\t\t 30.0000"},
        {27, "\t\t\tPitch diameter\t\tdw\t\t 20.0000\t\t 40.0000"},
        {32, "\t\t\tTransverse contact ratio\t\tepsilonalfa\t\t  1.6352"},
        {34, "\t\t\tSpecific sliding at root\t\t\t\t -4.2585\t\t -1.5177"},
        {37, "\t\t\tTest dimensions"},
        {41, "\t\t\tNo.of measured teeth \t\tzw\t\t3\t\t\t5"},
        {42, "\t\t\tContact diameter    \t\tdW\t\t 20.2951\t\t\t 40.0564"},
        {45, "\t\t\tBall diameter       \t\tdt\t\t  1.7244\t\t\t  1.6967"},
    };
    ASSERT_EQ(lines.size(), 46u);
    for (const auto& [i, line] : expected) EXPECT_EQ(lines[i], line) << i;
    EXPECT_EQ(ui::test::PrintedTexts()[0].Title, "Gear Geometry Checking");

    CheckPair(kExternalGearing, RackPair);
    T().SetDataFileName("/data/rack.dat");
    Open([] { ui::test::Click(T().Button1); });
    const auto& rack = ui::test::PrintedTexts().at(1).Lines;
    EXPECT_EQ(rack[6], "\t\t\t\t\t\t\t\t- /data/rack.dat");
    EXPECT_EQ(rack[8], "\t\t\t\t\t\t\t\t\tPinion\t\t\t  Rack");
    EXPECT_EQ(rack[14], "\t\t\tNumber of teeth\t\tz\t\t20\t\t\t\t---");
    EXPECT_EQ(rack.back(), "\t\t\tBall diameter       \t\tdt\t\t  1.7244\t\t\t---");  // on its pitch circle, as above
    EXPECT_EQ(rack.size(), lines.size() - 2);                                         // no centre distances
}

}  // namespace
}  // namespace ostrimo::test
