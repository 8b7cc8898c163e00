#include "ostrimo/forms/Tabulka.h"

#include <cmath>
#include <filesystem>
#include <memory>

#include "ostrimo/calc/Global.h"
#include "ostrimo/calc/Kontrolni_rozmery.h"
#include "ostrimo/forms/Celni.h"
#include "ostrimo/forms/Ostrimo.h"
#include "runtime/FileNames.h"
#include "runtime/NumText.h"
#include "runtime/Rounding.h"
#include "runtime/TextFile.h"

namespace ostrimo {

TTabulkaDlg* TabulkaDlg = nullptr;

const char* const kTableCaption = "Dimensions Table";

namespace {

const char* const kPrintTitle = "Gear Geometry Checking";
const char* const kQuickPrintCaption = "Quick print";
const char* const kNoTitle = "          Title";
constexpr int kColumnWidths[5] = {240, 50, 100, 100, 100};

// Printed pages: the table is cut above row 53 ("TEST DIMENSIONS"); the second page
// repeats the header row.  Heights in pixels of the whole-table picture.
constexpr int kSplitY = 1274;
constexpr int kHeaderHeight = 27;
int SecondPageHeight() { return G.GearingType == kInternalGearing ? 773 : 581; }

}  // namespace

TTabulkaDlg::TTabulkaDlg() : Form("TabulkaDlg") {
    BorderStyle = ui::BorderStyle::Dialog;
    Position = ui::Position::ScreenCenter;
    SetBounds(0, 0, 649, 630);
    SetCaption(kTableCaption);
    KeyPreview = true;
    StringGrid1 = new ui::StringGrid(this, "StringGrid1", {8, 7, 624, 541});
    StringGrid1->SetFont(ui::Font{"Arial", 13, 0, ui::clWindowText});
    StringGrid1->SetColCount(5);
    StringGrid1->SetRowCount(57);
    StringGrid1->SetDefaultRowHeight(22);
    StringGrid1->SetOptions(ui::goFixedVertLine | ui::goFixedHorzLine | ui::goVertLine | ui::goHorzLine |
                            ui::goRangeSelect | ui::goThumbTracking);
    for (int c = 0; c < 5; ++c) StringGrid1->SetColWidth(c, kColumnWidths[c]);
    Tisk = new ui::Button(this, "Tisk", {16, 558, 129, 33}, "&Print the table");
    Button1 = new ui::Button(this, "Button1", {163, 558, 113, 33}, "&Quick print");
    CancelBtn = new ui::Button(this, "CancelBtn", {365, 558, 113, 33}, "&Back");
    CancelBtn->Cancel = true;
    CancelBtn->ModalResult = ui::mrCancel;
    Button2 = new ui::Button(this, "Button2", {496, 558, 113, 33}, "&Help");

    PrintDialog1.Options = ui::poPrintToFile | ui::poWarning;
    SaveDialog1.Title = "Tisk do souboru";
    SaveDialog1.DefaultExt = "BMP";
    SaveDialog1.Filter = "Bitmap (*.BMP)|*.BMP";
    SaveDialog1.FileName = "TISK1";
    SaveDialog1.Options = ui::ofOverwritePrompt | ui::ofCreatePrompt | ui::ofPathMustExist | ui::ofHideReadOnly;

    OnShow = [this] { FormShow(); };
    OnKeyUp = [this](ui::Word& key, ui::ShiftState) { FormKeyUp(key); };
    CancelBtn->OnClick = [this] { CancelBtnClick(); };
    Button2->OnClick = [this] { Button2Click(); };
    Tisk->OnClick = [this] { TiskClick(); };
    Button1->OnClick = [this] { Button1Click(); };
    StringGrid1->OnDrawCell = [this](int col, int row, const ui::Rect& rect, unsigned state) {
        StringGrid1DrawCell(col, row, rect, state);
    };
}

// ---------------------------------------------------------------- filling

void TTabulkaDlg::FormShow() {
    PrintRendering = false;
    SetActiveControl(StringGrid1);
    for (int c = 0; c < 5; ++c) StringGrid1->SetColWidth(c, kColumnWidths[c]);
    if (G.GearingType == kExternalGearing || G.GearingType == kInternalGearing) {
        // the chords of the last check, also when the Test dimensions page was not shown
        {
            ComputationScope computation;
            ComputeChordValidity();
        }
        data1();
    } else if (G.GearingType == kBevelGearing) {
        data3();
    }
    // Every opening starts at the top of the table.
    StringGrid1->SetRow(StringGrid1->FixedRows());
    StringGrid1->SetTopRow(StringGrid1->FixedRows());
}

void TTabulkaDlg::SetDataFileName(const std::string& fileName) {
    dataFileName_ = fileName;
    SetCaption(fileName.empty() ? std::string(kTableCaption) : std::string(kTableCaption) + " - " + fileName);
}

std::string TTabulkaDlg::TitleFileName() const { return rt::ExtractFileName(dataFileName_); }

void TTabulkaDlg::WriteTitleAndHeaders(const char* wheelHeader) {
    ui::StringGrid& g = *StringGrid1;
    const std::string title = TitleFileName();
    g.SetCell(0, 0, title.empty() ? kNoTitle : title);
    g.SetCell(1, 0, "Dimens.");
    g.SetCell(2, 0, "     PINION");
    g.SetCell(4, 0, wheelHeader);
}

void TTabulkaDlg::data1() {
    ui::StringGrid& g = *StringGrid1;
    g.SetRowCount(TableRowCount());
    for (int row = 7; row <= 73; ++row) g.SetCell(1, row, "");
    WriteTitleAndHeaders(G.RackMate ? "      RACK" : "      WHEEL");
    g.SetCell(2, 1, "      External");
    g.SetCell(4, 1, G.GearingType == kInternalGearing ? "        Internal" : "      External");
    // the chord rows name the main dialog's choice: constant chords, as it starts, without it
    const bool constantChords = !PagesDlg || (PagesDlg->RadioButton6->Checked() && PagesDlg->RadioButton9->Checked());
    const int last = G.GearingType == kInternalGearing ? 83 : 76;
    for (int row = 1; row <= last; ++row) {
        g.SetCell(0, row, TableCaption(row, constantChords));
        g.SetCell(1, row, TableUnit(row));
    }
}

void TTabulkaDlg::data3() {
    ui::StringGrid& g = *StringGrid1;
    g.SetRowCount(TableRowCount());
    for (int row = 3; row <= 44; ++row) g.SetCell(1, row, "");
    WriteTitleAndHeaders("      WHEEL");
    g.SetCell(2, 1, "        Bevel");
    g.SetCell(4, 1, "         Bevel");
    for (int row = 1; row <= 44; ++row) {
        g.SetCell(0, row, TableCaption(row, false));
        g.SetCell(1, row, TableUnit(row));
    }
}

void TTabulkaDlg::CancelBtnClick() { Hide(); }

void TTabulkaDlg::Button2Click() { ShowHelpTopic(0); }

void TTabulkaDlg::FormKeyUp(ui::Word& key) {
    if (key != ui::VK_F1) return;
    ui::Control* focused = ActiveControl();
    ShowHelpTopic(focused == StringGrid1 ? 11 : focused == Tisk || focused == Button1 ? 12 : 0);
}

// ---------------------------------------------------------------- painting

void TTabulkaDlg::StringGrid1DrawCell(int col, int row, const ui::Rect& rect, unsigned state) {
    ui::Canvas& c = StringGrid1->Canvas();
    // Background: black on white for printing; on the screen no selection highlight.
    if (PrintRendering) {
        c.Brush.Color = ui::clWhite;
        c.Brush.Style = ui::BrushStyle::Solid;
        c.FillRect(rect);
    } else if (state & (ui::gdSelected | ui::gdFocused)) {
        c.Brush.Color = ui::clWindow;
    }
    c.Font = StringGrid1->Font();
    c.Font.Color = PrintRendering ? ui::clBlack : ui::clWindowText;
    if (row == 0) {
        c.Font.SetSize(col == 1 ? 8 : 12);
        c.Font.Style = ui::fsBold | ui::fsItalic;
    } else {
        c.Font.SetSize(10);
        if (col == 0) c.Font.Style = ui::fsBold;
    }
    const std::string text = StringGrid1->Cell(col, row);
    if (col == 1 && row == 0)
        c.TextRect(rect, rect.Left + 4, rect.Top + 3, text);
    else if (col == 1)
        c.TextRect(rect, rect.Left + 6, rect.Top, text);
    else
        c.TextRect(rect, rect.Left, rect.Top + 2, text);
    if (row == 0) return;
    // Symbols and values are drawn over what the cell shows.
    c.Brush.Style = ui::BrushStyle::Clear;
    if (col == 0) DrawGlyphs(row, rect);
    if (col == 3 && G.GearingType != kBevelGearing && (row == 14 || row == 15)) {
        c.Font.Name = "Symbol";
        c.TextOut(410, rect.Top + 3, "S =");
        c.Font.Name = StringGrid1->Font().Name;
    }
    if (col >= 2) {
        const std::string value = TableValueText(col, row);
        if (!value.empty()) DrawNumericCellText(value, kValueAnchor[col], rect.Top + 3);
    }
    c.Brush.Style = ui::BrushStyle::Solid;
}

void TTabulkaDlg::DrawGlyphs(int row, const ui::Rect& rect) {
    ui::Canvas& c = StringGrid1->Canvas();
    const std::vector<TableGlyph>& glyphs = TableGlyphs(row);
    // Letters in the caption font, Greek letters, then indices in Arial 8 (still bold).
    for (TableGlyph::Kind pass : {TableGlyph::Letter, TableGlyph::Greek, TableGlyph::Index}) {
        if (pass == TableGlyph::Greek) c.Font.Name = "Symbol";
        if (pass == TableGlyph::Index) {
            c.Font.Name = "Arial";
            c.Font.SetSize(8);
        }
        for (const TableGlyph& glyph : glyphs) {
            if (glyph.Pass != pass) continue;
            if (pass == TableGlyph::Greek) c.Font.SetSize(glyph.Size);
            c.TextOut(glyph.X, rect.Top + glyph.Dy, glyph.Text);
        }
    }
}

void TTabulkaDlg::DrawNumericCellText(const std::string& text, int anchor, int y) {
    ui::Canvas& c = StringGrid1->Canvas();
    const std::string shown = text == " 0.00000" || text == "-0.00000" ? "0" : text;
    const int x = anchor - c.TextWidth(shown == "0" ? shown : NumericPrefix(shown));
    c.TextOut(x, y, shown);
}

// ---------------------------------------------------------------- printing

namespace {

// The grid enlarged to show every row, in the black-on-white state it is printed in;
// the destructor restores the window's grid.
class PrintLayout {
public:
    PrintLayout(ui::StringGrid& grid, const std::string& fileName) : grid_(grid) {
        height_ = grid.Height();
        title_ = grid.Cell(0, 0);
        color_ = grid.Color();
        int height = 2;
        for (int r = 0; r < grid.RowCount(); ++r) height += grid.RowHeight(r) + 2;
        height += G.GearingType == kBevelGearing ? 4 : 3;
        grid.SetHeight(height);
        grid.SetFixedRows(0);
        grid.SetFixedCols(0);
        grid.SetGridLineWidth(2);
        // The picture ends with the line after the last column: that column gives up the
        // width of the grid's border, which the picture takes on the left.
        const int last = grid.ColCount() - 1;
        lastColWidth_ = grid.ColWidth(last);
        int right = kGridBorder;
        for (int c = 0; c <= last; ++c) right += grid.ColWidth(c) + grid.GridLineWidth();
        grid.SetColWidth(last, lastColWidth_ - std::max(0, right - Width()));
        grid.SetColor(ui::clWhite);
        // The cell painter draws every cell itself; the grid's own text under it would
        // be printed too.
        grid.DefaultDrawing = false;
        grid.SetCell(0, 0, fileName);
        fileName_ = fileName;
        grid.Repaint();
    }
    ~PrintLayout() {
        grid_.SetHeight(height_);
        grid_.SetCell(0, 0, fileName_.empty() ? title_ : fileName_);
        grid_.SetColor(color_);
        grid_.DefaultDrawing = true;
        grid_.SetFixedCols(1);
        grid_.SetFixedRows(1);
        grid_.SetGridLineWidth(1);
        grid_.SetColWidth(grid_.ColCount() - 1, lastColWidth_);
    }
    PrintLayout(const PrintLayout&) = delete;
    PrintLayout& operator=(const PrintLayout&) = delete;
    // The whole table's picture: 24 pixels narrower than the grid, one taller.
    int Width() const { return grid_.Width() - 24; }
    int Height() const { return grid_.Height() + 1; }

private:
    ui::StringGrid& grid_;
    static constexpr int kGridBorder = 2;
    int height_ = 0, lastColWidth_ = 0;
    std::string title_, fileName_;
    ui::Color color_ = ui::clWindow;
};

// Page geometry for a page of width W and height H in printer pixels; the picture is
// enlarged 3.5 times across and 2.25 times down relative to a reference page.
struct PageGeometry {
    int Left, Top, Width;
    int W, H;
    PageGeometry(int width, int pageWidth, int pageHeight)
        : Left(rt::RoundInt<int>(pageWidth * 190.0 / 2338)),
          Top(rt::RoundInt<int>(pageHeight * 150.0 / 3372)),
          Width(rt::RoundInt<int>(width * 3.5 * pageWidth / 2338)),
          W(pageWidth),
          H(pageHeight) {}
    // Height of a picture of h pixels; the bevel table uses its own reference height.
    int HeightOf(int h) const {
        return rt::RoundInt<int>(h * 2.25 * H / (G.GearingType == kBevelGearing ? 2700 : 3130));
    }
    ui::Rect Target(int h) const { return {Left, Top, Left + Width, Top + HeightOf(h)}; }
};

// The picture as its file holds it: 4 bits per pixel, black and white.
std::unique_ptr<ui::Bitmap> Monochrome(const ui::Bitmap& source) {
    auto file = std::make_unique<ui::Bitmap>(source.Width(), source.Height());
    file->PixelFormat = ui::PixelFormat::Bits4;
    file->Canvas().Draw(0, 0, source);
    file->SetMonochrome(true);
    return file;
}

// "dir/NAME.ext" -> "dir/NAME_2.ext"
std::string SecondPageFileName(const std::string& fileName) {
    const std::string ext = rt::ExtractFileExt(fileName);
    return fileName.substr(0, fileName.size() - ext.size()) + "_2" + ext;
}

}  // namespace

void TTabulkaDlg::TiskClick() {
    PrintRendering = false;
    if (!PrintDialog1.Execute()) return;
    PrintRendering = true;
    try {
        if (PrintDialog1.PrintToFile)
            SavePageBitmaps();
        else
            PrintPages();
    } catch (const rt::FileError& e) {
        ui::Printer().Abort();
        ui::MessageBox(e.what(), kErrorCaption, ui::MB_OK);
    }
    PrintRendering = false;
    StringGrid1->Repaint();
    Repaint();
}

// On paper each page is a document of its own, repeated for each copy.  A PDF file
// is started anew by each document, so there every page of every copy goes into one.
void TTabulkaDlg::PrintPages() {
    PrintLayout layout(*StringGrid1, TitleFileName());
    ui::PrinterDevice& printer = ui::Printer();
    printer.Title = kPrintTitle;
    const PageGeometry page(layout.Width(), printer.PageWidth(), printer.PageHeight());
    const bool oneDocument = PrintDialog1.PrintToPdf;
    auto startPage = [&] {
        if (oneDocument && printer.Printing())
            printer.NewPage();
        else
            printer.BeginDoc();
        printer.Canvas().Brush = {ui::clWhite, ui::BrushStyle::Solid};
    };
    auto endPage = [&] {
        if (!oneDocument) printer.EndDoc();
    };
    const int width = layout.Width();
    for (int copy = 0; copy < std::max(1, PrintDialog1.Copies); ++copy) {
        if (G.GearingType == kBevelGearing) {
            startPage();
            printer.Canvas().DrawControl(page.Target(layout.Height()), *StringGrid1, {0, 0, width, layout.Height()});
            endPage();
            continue;
        }
        startPage();
        printer.Canvas().DrawControl(page.Target(kSplitY), *StringGrid1, {0, 0, width, kSplitY});
        endPage();
        // Page 2: the header row above the rest of the table.
        startPage();
        const int h2 = SecondPageHeight();
        const ui::Rect target = page.Target(h2);
        const int headerBottom = target.Top + rt::RoundInt<int>(double(target.Height()) * kHeaderHeight / h2);
        // The header's last pixel row is the white top of row 1, left blank.
        const int headerDrawn = target.Top + rt::RoundInt<int>(double(target.Height()) * (kHeaderHeight - 1) / h2);
        printer.Canvas().DrawControl({target.Left, target.Top, target.Right, headerDrawn}, *StringGrid1,
                                     {0, 0, width, kHeaderHeight - 1});
        printer.Canvas().DrawControl({target.Left, headerBottom, target.Right, target.Bottom}, *StringGrid1,
                                     {0, kSplitY, width, kSplitY + h2 - kHeaderHeight});
        endPage();
    }
    if (printer.Printing()) printer.EndDoc();
}

// Pictures of the pages saved as 4-bit monochrome bitmap files: NAME.ext and
// NAME_2.ext (bevel: one file of the whole table), both or neither.
void TTabulkaDlg::SavePageBitmaps() {
    std::unique_ptr<ui::Bitmap> whole;
    {
        PrintLayout layout(*StringGrid1, TitleFileName());
        whole = std::make_unique<ui::Bitmap>(layout.Width(), layout.Height());
        whole->PixelFormat = ui::PixelFormat::Bits4;
        StringGrid1->RenderTo(*whole);
    }
    const int width = whole->Width();
    ui::Bitmap page1(width, kSplitY), page2(width, SecondPageHeight());
    page1.PixelFormat = page2.PixelFormat = ui::PixelFormat::Bits4;
    page1.Canvas().CopyRect({0, 0, width, kSplitY}, whole->Canvas(), {0, 0, width, kSplitY});
    page2.Canvas().CopyRect({0, 0, width, kHeaderHeight}, whole->Canvas(), {0, 0, width, kHeaderHeight});
    page2.Canvas().CopyRect({0, kHeaderHeight, width, page2.Height()}, whole->Canvas(),
                            {0, kSplitY, width, kSplitY + page2.Height() - kHeaderHeight});
    const bool bevel = G.GearingType == kBevelGearing;
    SaveDialog1.FilesWritten = [bevel](const std::string& chosen) {
        return bevel ? std::vector<std::string>{chosen} : std::vector<std::string>{chosen, SecondPageFileName(chosen)};
    };
    if (!SaveDialog1.Execute()) return;
    const std::vector<std::string> names = SaveDialog1.FilesWritten(SaveDialog1.FileName);
    const std::vector<const ui::Bitmap*> pages =
        bevel ? std::vector<const ui::Bitmap*>{whole.get()} : std::vector<const ui::Bitmap*>{&page1, &page2};
    std::vector<std::unique_ptr<ui::Bitmap>> pictures;
    std::vector<std::pair<const ui::Bitmap*, std::string>> files;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        pictures.push_back(Monochrome(*pages[i]));
        files.emplace_back(pictures.back().get(), names[i]);
    }
    ui::SaveBitmapFiles(files);
}

// ---------------------------------------------------------------- quick print

namespace {

std::string T(int n) { return std::string(std::size_t(n), '\t'); }
std::string N(double x, int w, int d) { return rt::Str(x, w, d); }
// "---": not computed; "***": a result that is no number
std::string N4(double x) { return !Computed(x) ? "---" : std::isfinite(x) ? rt::Str(x, 8, 4) : "***"; }

}  // namespace

void TTabulkaDlg::Button1Click() {
    const GlobalData& g = G;
    const bool bevel = g.GearingType == kBevelGearing, rack = g.RackMate;
    const std::string dash = "---";
    // A rack's values that do not exist are dashed.
    auto wheel = [&](const std::string& value) { return rack ? dash : value; };
    ui::Printer().Title = kPrintTitle;
    // A file the printer writes (a PDF chosen in the print dialog) is replaced only when the
    // user says so.
    const std::string file = ui::Printer().OutputFileName();
    std::error_code error;
    if (!file.empty() && std::filesystem::exists(file, error) &&
        ui::MessageBox(file + "\rThis file already exists.\rDo you want to replace it?", kQuickPrintCaption,
                       ui::MB_YESNO | ui::MB_ICONQUESTION) != rt::IDYES)
        return;
    ui::PrinterTextFile prn;
    try {
        prn.Rewrite();
        for (int i = 0; i < 5; ++i) prn.WriteLn();
        prn.WriteLn(T(8) + "DIMENSIONS TABLE");
        prn.WriteLn(T(8) + (dataFileName_.empty() ? std::string() : "- " + dataFileName_));
        prn.WriteLn();
        prn.WriteLn(T(9) + "Pinion" + T(3) + (rack ? "  Rack" : "  Wheel"));
        prn.WriteLn(T(3) + "Type of gearing" + T(6) +
                    (bevel                               ? " Bevel"
                     : g.GearingType == kInternalGearing ? " Internal"
                                                         : " External"));
        prn.WriteLn(T(3) + "Profile addendum factor" + T(2) + "haP*" + T(2) + N4(g.haP1) + T(2) + N4(g.haP2));
        prn.WriteLn(T(3) + "Profile tip clearance factor" + T(1) + "cP*" + T(2) + N4(g.cP1) + T(2) + N4(g.cP2));
        prn.WriteLn(T(3) + "Profile root round.radius fact." + T(1) + "rofP*" + T(2) + N4(g.rofP1) + T(2) +
                    N4(g.rofP2));
        prn.WriteLn(T(3) + "Profile normal flank angle" + T(1) + "alfaP" + T(3) + N4(g.alfaP));
        if (bevel) {
            prn.WriteLn(T(3) + "Number of teeth" + T(2) + "z" + T(2) + N(g.z1Bevel, 2, 0) + T(3) + N(g.z2Bevel, 2, 0));
            prn.WriteLn(T(3) + "Common facewidth" + T(2) + "b" + T(3) + N(g.b, 6, 3));
            prn.WriteLn(T(3) + "Gearing shafts angle" + T(2) + "sigma" + T(3) + N4(g.SigmaDeg));
            prn.WriteLn(T(3) + "Transverse module outer" + T(1) + "mt" + T(3) + N(g.mn, 6, 3));
            prn.WriteLn(T(3) + "Transverse module middle" + T(1) + "mtm" + T(3) + N(g.mtm, 6, 3));
            prn.WriteLn(T(3) + "Teeth inclination angle(middle)" + T(1) + "betam" + T(3) + N4(g.betaDeg));
            prn.WriteLn(T(3) + "Addendum modification coeff." + T(1) + "x" + T(2) + N4(g.x1) + T(2) + N4(g.x2));
            prn.WriteLn(T(3) + "Root diameter (outer)" + T(2) + "df" + T(2) + N4(g.dfe1) + T(2) + N4(g.dfe2));
            prn.WriteLn(T(3) + "Reference diameter (outer)" + T(1) + "d" + T(2) + N4(g.de1) + T(2) + N4(g.de2));
            prn.WriteLn(T(3) + "Tip diameter (outer)" + T(2) + "da" + T(2) + N4(g.dae1) + T(2) + N4(g.dae2));
            prn.WriteLn(T(3) + "Tooth thickness on tip (outer)" + T(1) + "sa" + T(2) + N4(g.sae1) + T(2) + N4(g.sae2));
            prn.WriteLn(T(3) + "Pitch cone angle" + T(2) + "delta" + T(2) + N4(RadToDeg(g.delta1)) + T(2) +
                        N4(RadToDeg(g.delta2)));
            prn.WriteLn(T(3) + "Tip cone angle" + T(3) + "deltaa" + T(2) + N4(RadToDeg(g.deltaa1)) + T(2) +
                        N4(RadToDeg(g.deltaa2)));
        } else {
            const bool pitchCircles = g.z1 != -g.z2;
            prn.WriteLn(T(3) + "Number of teeth" + T(2) + "z" + T(2) + N(g.z1, 2, 0) + T(4) + wheel(N(g.z2, 2, 0)));
            prn.WriteLn(T(3) + "Common facewidth" + T(2) + "b" + T(3) + N(g.b, 6, 3));
            prn.WriteLn(T(3) + "Normal module   " + T(2) + "mn" + T(3) + N(g.mn, 6, 3));
            prn.WriteLn(T(3) + "Transverse module" + T(2) + "mt" + T(3) + N(g.mt, 6, 3));
            prn.WriteLn(T(3) + "Normal backlash" + T(2) + "jn" + T(4) + N(g.jn, 6, 4));
            prn.WriteLn(T(3) + "Helix angleat ref. diam." + T(2) + "beta" + T(3) + N4(g.betaDeg));
            prn.WriteLn(T(3) + "Working transv. pressure angle" + T(1) + "alfawt" + T(4) +
                        N4(RadToDeg(g.BacklashByShifting ? g.alfawtBacklash : g.alfawt)));
            if (!rack) {
                prn.WriteLn(T(3) + "Centre distance 0" + T(3) + "ad" + T(3) + N4(g.ad));
                prn.WriteLn(T(3) + "Working centre distance" + T(2) + "a" + T(3) +
                            N4(g.BacklashByShifting ? g.awBacklash : g.aw));
            }
            prn.WriteLn(T(3) + "Addendum modification coeff." + T(1) + "x" + T(2) + N4(g.x1) + T(2) + N4(g.x2));
            prn.WriteLn(T(3) + "Root diameter" + T(3) + "df" + T(2) + N4(g.df1) + T(2) + wheel(N4(g.df2)));
            prn.WriteLn(T(3) + "Base diameter " + T(3) + "db" + T(2) + N4(g.db1) + T(2) + wheel(N4(g.db2)));
            prn.WriteLn(T(3) + "Reference diameter " + T(2) + "d" + T(2) + N4(g.d1) + T(2) + wheel(N4(g.d2)));
            prn.WriteLn(T(3) + "Pitch diameter" + T(2) + "dw" + T(2) + (pitchCircles ? N4(g.dw1) : dash) + T(2) +
                        (pitchCircles ? wheel(N4(g.dw2)) : dash));
            prn.WriteLn(T(3) + "Tip diameter" + T(3) + "da" + T(2) + N4(g.da1) + T(2) + wheel(N4(g.da2)));
            prn.WriteLn(T(3) + "Dedendum" + T(3) + "hf" + T(2) + N4(g.hf1) + T(2) + N4(g.hf2));
            prn.WriteLn(T(3) + "Addendum" + T(3) + "ha" + T(2) + N4(g.ha1) + T(2) + N4(g.ha2));
            prn.WriteLn(T(3) + "Tooth thickness on tip diam." + T(1) + "sa" + T(2) + N4(g.sa1) + T(2) + N4(g.sa2));
        }
        prn.WriteLn(T(3) + "Transverse contact ratio" + T(2) + "epsilonalfa" + T(2) + N4(g.epsilonalfa));
        prn.WriteLn(T(3) + "Overlap ratio" + T(3) + "epsilonbeta" + T(2) + N4(g.epsilonbeta));
        prn.WriteLn(T(3) + "Specific sliding at root" + T(4) + N4(g.SpecificSlidingRoot1) + T(2) +
                    N4(g.SpecificSlidingRoot2));
        prn.WriteLn(T(3) + "Specific sliding at tip" + T(4) + N4(g.SpecificSlidingTip1) + T(2) +
                    N4(g.SpecificSlidingTip2));
        if (!bevel) {
            prn.WriteLn();
            prn.WriteLn(T(3) + "Test dimensions");
            prn.WriteLn(T(3) + "Chord tooth thickness" + T(2) + "sc" + T(2) + N4(g.sc1) + T(3) + N4(g.sc2));
            prn.WriteLn(T(3) + "Height of measuring " + T(2) + "hc" + T(2) + N4(g.hc1) + T(3) + N4(g.hc2));
            prn.WriteLn(T(3) + "Span measurement    " + T(2) + "W" + T(2) + N4(g.W1) + T(3) + wheel(N4(g.W2)));
            prn.WriteLn(T(3) + "No.of measured teeth " + T(2) + "zw" + T(2) + rt::Str(g.zw1) + T(3) +
                        wheel(rt::Str(g.zw2)));
            prn.WriteLn(T(3) + "Contact diameter    " + T(2) + "dW" + T(2) + N4(SpanContactDiameter(g.W1, g.db1)) +
                        T(3) + wheel(N4(SpanContactDiameter(g.W2, g.db2))));
            prn.WriteLn(T(3) + "Dimension over balls" + T(2) + "M" + T(2) + N4(g.M1) + T(3) + wheel(N4(g.M2)));
            prn.WriteLn(T(3) + "Contact diameter    " + T(2) + "dM" + T(2) + N4(g.dM1) + T(3) + wheel(N4(g.dM2)));
            prn.WriteLn(T(3) + "Ball diameter       " + T(2) + "dt" + T(2) + N4(g.dt1) + T(3) + wheel(N4(g.dt2)));
        }
        prn.Close();
        ui::MessageBox(file.empty() ? "The table was sent to the printer " + ui::Printer().PrinterName() + "."
                                    : "The table was printed into the file " + file + ".",
                       kQuickPrintCaption, ui::MB_OK | ui::MB_ICONINFORMATION);
    } catch (const rt::FileError& e) {
        ui::MessageBox(e.what(), kErrorCaption, ui::MB_OK);
    }
}

}  // namespace ostrimo
