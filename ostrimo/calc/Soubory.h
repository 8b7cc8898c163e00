// Ostrimo's data file: the whole case (pair, backlash method, cutter, options, test
// dimensions, tools) as text, one item a line in a fixed order; no version, no keys.
// Reals are written as Str(x:14:12), integers as plain digits, flags as "1"/"0";
// angles typed in degrees are stored in degrees, the tool angles in radians.  Lines end
// with CR LF; the reader also takes LF.
//
// The Save and Open commands assign DataFile, open it (Rewrite / Reset), call the
// writer or the reader and close it (the writer's file replaces the target only on
// Close; after a failed write the command calls Abandon).
#pragma once

#include "runtime/TextFile.h"

namespace ostrimo {

extern rt::TextFile DataFile;

inline constexpr const char* kDataFileError = "Error or incompatibility in the input data file";

// Writes the case to DataFile.  A rack-mate case is written as kRackMateType; a value
// not computed, or one that is no number, is written as 0.  Afterwards beta, alfawt, alfan (and Sigma for a
// bevel pair) are set again from the degree values just written.  Input and output
// failures raise rt::FileError.
void WriteGeometryDataFile();

// Reads a case from DataFile into the program's defaults of the file's gearing type (the
// angle display and the field protocol's texts kept) and commits it only when the whole
// file was read: then DataFileLoaded is set and the result is true.  The bases
// the backlash methods return to follow from the values read (x1BeforeBacklash from x1,
// awNoBacklash from aw, xsumNoBacklash from xsum unless the file holds it).  The last
// line, the thinning technology, may be missing: it reads as empty (ThinByRegrinding set).
// The test dimensions the file keeps as 0 for not computed read as not computed: a span,
// ball, dimension over balls or contact diameter that is no length, and the chords with
// their ranges when all of the test dimensions are 0.
// A file that ends before it, a number that does not parse, a gearing type outside 1..4, a
// LastComputingInput outside 0..10, a thinning choice other than 1, 2, 3, or a value
// that the main dialog's validators refuse (module, numbers of teeth (an internal or bevel
// pinion larger than its wheel among them), helix angle,
// facewidth, basic rack, flank angle, typed tip diameters, backlash, shaft angle, the
// typed computing input) shows "Error or incompatibility in the input data file" and
// leaves the global data as it was (false).
bool ReadGeometryDataFile();

// The case takes the values its data file keeps: each value the writer writes, as the
// reader reads it back (reals to 12 decimals, angles through their degrees), with the
// bases the backlash methods return to.  Save runs it before it computes what it writes,
// so that a file reopens to the results it was saved with.
void KeepDataFileValues();

// What the values of a data file give before the check, as Open computes them after
// reading and Save from the values it keeps: the protuberance flank shifts, the sum of
// AMC, the working centre distance and the working pressure angle from the one given
// last (as its validator computed them) and the pair's dimensions.
void ComputeFromDataFileValues();

// Shows the data-file error box when ValCode is non-zero.
void ShowDataFileError();

}  // namespace ostrimo
