// Unit Soubory: Karvelo's files.  One case is saved as three files sharing a base name:
//   .VST  the printable input listing,
//   .PEV  the reloadable data file (the only file the program reads back),
//   .VYS  the printable results listing.
// All three are 8-bit text with CR LF line ends; user texts (material designations, grades) pass
// through as bytes.  The writers read the global data G; the reader fills a GlobalData record.
//
// Saving never destroys a file and never mixes two cases: the three files go to temporaries beside
// their targets and replace them together, only when all three are complete, so a failure leaves
// the earlier versions of all three untouched.  Loading is all or nothing: the case in memory
// changes only after a complete, valid read.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "karvelo/calc/Global.h"
#include "runtime/TextFile.h"

namespace karvelo {

// ---- Errors of the Save data and Load data commands

// A failed save or load.  The command shows BoxText() in an error box captioned Caption();
// what() tells the detail (the file and the line or value at fault).  `note` follows the box's
// text after an empty line (a save that left some of its files replaced names them there).
class CaseFileError : public std::runtime_error {
public:
    enum class Command { Save, Load };
    CaseFileError(Command command, const std::string& detail, const std::string& note = std::string());
    Command Which() const { return command_; }
    const std::string& Caption() const;
    std::string BoxText() const;

private:
    Command command_;
    std::string note_;
};

inline const std::string kSaveCaption = "Saving data";
inline const std::string kSaveErrorText = "The file can not be saved.";
inline const std::string kLoadCaption = "Loading data";
inline const std::string kLoadErrorText =
    "This file can not be used for loading data.\r\rFile typically has a file extension PEV.\r\rProgram version 2.0";

// ---- The commands

// The three file names derived from the one name the user chose: its extension (of the last path
// component) replaced by .VST, .PEV and .VYS, or appended when it has none.  The chosen file
// itself is never touched unless it is one of the three.
struct CaseFileNames {
    std::string listing;  // .VST
    std::string data;     // .PEV
    std::string results;  // .VYS (the name the save dialog proposes next)
    // The three, the data file first: the files the overwrite question names.
    std::vector<std::string> All() const { return {data, listing, results}; }
};
CaseFileNames DeriveCaseFileNames(const std::string& chosenName);

// Save data: checks that the case can be stored (every stored value finite, selectors and counts
// in their ranges) before any file is written, then writes the input listing, the data file and
// the results listing, in this order, through CaseFile, and puts the three in place together.
// `time` and `date` are the texts of the listing headers (the current time and date as the
// user's settings show them).  Throws CaseFileError (Save) at the first failure, with every
// earlier file as it was (or, when not even that could be done, the box naming the files
// replaced).
CaseFileNames SaveCase(const std::string& chosenName, const std::string& time, const std::string& date);

// Load data: reads the data file `fileName` through CaseFile into the case the program starts with
// (StartUpCase), with the program's and windows' own state of G (CarryProgramState), so that no
// value the file does not hold is left from the case before; only when the whole file was good
// and holds no value its window would refuse (FieldRefusing) it puts that case in G, its
// equivalent loads and stresses current, and runs RefreshLoadedCase.
// Throws CaseFileError (Load) and leaves G exactly as it was on any failure.  Withdrawing the
// shown results, the window refresh and the spectrum window are the command's.
void LoadCase(const std::string& fileName);

// The recomputation that follows Load data (also when the open dialog was cancelled): alfawt from
// the centre distance, the derived geometry and tip thicknesses with it, virtual numbers of teeth,
// gear ratio, tooth depths, rim limits, effective face widths, the reference loads of the spectrum
// ratio modes, and LoadedFromFile := 1.
void RefreshLoadedCase();

// ---- The data file

// The lines of the data file of G: the fixed sections, and after them the last section (its mark,
// then the inputs they do not hold) when one of those inputs differs from what a file without it
// reads as.  Throws rt::FileError naming the fault when the case cannot be stored so that it
// reads back: a value that is not finite, a selector, level count, accuracy grade, helix
// modification or a value of the last section outside the reader's range.
std::vector<std::string> ComposeDataFile();
std::vector<std::string> ComposeDataFile(const GlobalData& g);
// ComposeDataFile written to `out` (open for writing).
void WriteDataFile(rt::TextFile& out);
// Reads a data file from `in` (open for reading, at its start) into `g`, item by item.  The inputs
// the fixed sections do not hold take the values of the last section when the file has one (the
// first line after the fixed sections, empty lines aside, is its mark, or a number as the writer
// writes it: a section saved before it had its mark), else their built-in values and what follows
// from the stored ones (SetUnstoredInputs, DeriveUnstoredInputs); directly given equivalent loads
// take the load factors 1 (SetEquivalentLoadFactorsToOne) unless the file gives them; whatever
// case `g` held before.  Whatever follows the last line expected is ignored.  Throws
// rt::FileError at the first fault: a missing line, a line that does not parse, a row with a
// wrong number of values, a selector, count or value of the last section out of range.  On a
// throw `g` is partly overwritten: read into a copy (LoadCase does).
void ReadDataFile(rt::TextFile& in, GlobalData& g);
// The first field (window and field named) whose value in `g`, as a data file gave it, the
// field would refuse, or nullptr when there is none.  Only values the program itself never
// leaves outside their field's range are judged.
const char* FieldRefusing(const GlobalData& g);

// ---- The listings

// The header fields of a listing.
struct ListingStamp {
    std::string time;      // "Time   - " line
    std::string date;      // "Date - " line
    std::string fileName;  // "File name - " line: the full name of the file being written
};

// x > 99999 in the "#.###E+0;" format, else 5 characters without decimals, one decimal below 10.
std::string FormatListingNumber(double x);

// The input listing (.VST).  Empties the quality grade of a material of class 11 in G, as the
// data file written next then stores it.
void WriteInputListing(rt::TextFile& out, const ListingStamp& stamp);
// The results listing (.VYS).  Moves G.ValidityIndex.
void WriteResultsListing(rt::TextFile& out, const ListingStamp& stamp);

// ---- The validity report

// The text of the first applying validity message at slot `index` or later, or of slot 50 when
// none is left; G.ValidityIndex then points behind it (at most 50).  `index` is clamped to 1..50.
std::string GetNextValidityMessage(int index);
// The message at G.ValidityIndex (through GetNextValidityMessage) split at its CRs: one entry per
// CR-terminated piece and a last, empty one; text after the last CR is dropped.
std::vector<std::string> SplitValidityMessage();

}  // namespace karvelo
