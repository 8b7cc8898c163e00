#include "karvelo/calc/Soubory.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "karvelo/calc/Geometrie.h"
#include "karvelo/calc/Odvozene.h"
#include "karvelo/calc/Vypocty1.h"
#include "runtime/FileNames.h"

namespace karvelo {

CaseFileError::CaseFileError(Command command, const std::string& detail, const std::string& note)
    : std::runtime_error(detail), command_(command), note_(note) {}

const std::string& CaseFileError::Caption() const { return command_ == Command::Save ? kSaveCaption : kLoadCaption; }

std::string CaseFileError::BoxText() const {
    const std::string& text = command_ == Command::Save ? kSaveErrorText : kLoadErrorText;
    return note_.empty() ? text : text + "\r\r" + note_;
}

CaseFileNames DeriveCaseFileNames(const std::string& chosenName) {
    return {rt::ChangeFileExt(chosenName, ".VST"), rt::ChangeFileExt(chosenName, ".PEV"),
            rt::ChangeFileExt(chosenName, ".VYS")};
}

namespace {

// Writes one file of a save through CaseFile into the group, which puts it in place with the
// others.
void WriteCaseFile(rt::FileGroup& files, const std::string& name, const std::function<void()>& write) {
    try {
        CaseFile.Assign(name);
        CaseFile.Rewrite();
        write();
        files.Add(CaseFile);
    } catch (const std::exception& e) {
        CaseFile.Abandon();
        throw CaseFileError(CaseFileError::Command::Save, name + ": " + e.what());
    }
}

// "a.VST was saved, a.PEV and a.VYS were not.": the files of a save that could be neither
// completed nor undone.
std::string PartlySavedNote(const std::vector<std::string>& files, const std::vector<std::string>& saved) {
    std::vector<std::string> yes, no;
    for (const std::string& f : files)
        (std::find(saved.begin(), saved.end(), f) != saved.end() ? yes : no).push_back(rt::ExtractFileName(f));
    const auto verb = [](const std::vector<std::string>& v, const char* one, const char* more) {
        return v.size() == 1 ? one : more;
    };
    return rt::JoinNames(yes) + verb(yes, " was saved, ", " were saved, ") + rt::JoinNames(no) +
           verb(no, " was not.", " were not.");
}

}  // namespace

CaseFileNames SaveCase(const std::string& chosenName, const std::string& time, const std::string& date) {
    if (rt::ExtractFileName(chosenName).empty())
        throw CaseFileError(CaseFileError::Command::Save, "no file name chosen");
    const CaseFileNames names = DeriveCaseFileNames(chosenName);
    // Results the inputs no longer give are not saved as theirs.
    BringDerivedIntoLine();
    // A case that cannot be stored so that it loads again is refused before any file changes.
    try {
        ComposeDataFile();
    } catch (const std::exception& e) {
        throw CaseFileError(CaseFileError::Command::Save, names.data + ": " + e.what());
    }
    rt::FileGroup files;
    WriteCaseFile(files, names.listing, [&] { WriteInputListing(CaseFile, {time, date, names.listing}); });
    WriteCaseFile(files, names.data, [&] { WriteDataFile(CaseFile); });
    WriteCaseFile(files, names.results, [&] { WriteResultsListing(CaseFile, {time, date, names.results}); });
    try {
        files.Commit();
    } catch (const std::exception& e) {
        const std::vector<std::string>& saved = files.Replaced();
        throw CaseFileError(CaseFileError::Command::Save, e.what(),
                            saved.empty() ? std::string() : PartlySavedNote(names.All(), saved));
    }
    return names;
}

void LoadCase(const std::string& fileName) {
    // What the file does not hold is as the program starts.
    GlobalData loaded = StartUpCase();
    CarryProgramState(loaded, G);
    try {
        CaseFile.Assign(fileName);
        CaseFile.Reset();
        ReadDataFile(CaseFile, loaded);
        // A value its window would refuse would be shown and calculated as if it had been taken.
        if (const char* field = FieldRefusing(loaded))
            throw rt::FileError(fileName + " holds a value that " + field + " refuses");
        CaseFile.Close();
    } catch (const std::exception& e) {
        CaseFile.Close();
        throw CaseFileError(CaseFileError::Command::Load, e.what());
    }
    // A nominal load the file does not hold is none, not the program's start value; the KA the
    // load mode fixes is that of the stresses whatever the file says.
    if (!NominalLoadIsInput(loaded)) loaded.Ftjm = loaded.Tjm = 0;
    G = std::move(loaded);
    RefreshLoadedCase();
    // The results the file holds (equivalent loads and stresses, service lives) are the loaded
    // inputs' own.
    DeriveLoadOfMode();
    StampSpectrumResults(G);
    if (G.LifeValid) StampServiceLives(G);
}

void RefreshLoadedCase() {
    GlobalData& g = G;
    // The working diameters need the working pressure angle of the stored centre distance.
    ComputeWorkingPressureAngle();
    ComputeGearDimensions();
    ComputeTipThickness();
    ComputeVirtualTeeth();
    ComputeToothDepthsAndRimLimits(g.da1, g.da2);
    ComputeEffectiveFaceWidths();
    if (g.SpectrumRatioToMax || g.SpectrumRatioMaxTo) g.SpectrumRefLoad = g.LoadAsForce ? g.Ftmax : g.Tmax;
    if (g.SpectrumRatioToMin) g.SpectrumRefLoadMin = g.LoadAsForce ? g.Ftmin : g.Tmin;
    g.LoadedFromFile = 1;
}

std::string GetNextValidityMessage(int index) {
    GlobalData& g = G;
    int i = index < 1 ? 1 : index > kValiditySlots ? kValiditySlots : index;
    while (g.ValidityKinds[i] == 0 && i < kValiditySlots) ++i;
    g.ValidityIndex = i + 1 > kValiditySlots ? kValiditySlots : i + 1;
    return g.ValidityMessages[i];
}

std::vector<std::string> SplitValidityMessage() {
    std::string s = GetNextValidityMessage(G.ValidityIndex);
    std::vector<std::string> lines;
    while (true) {
        const size_t cr = s.find('\r');
        if (cr == std::string::npos) {
            lines.emplace_back();
            return lines;
        }
        lines.push_back(s.substr(0, cr));
        s.erase(0, cr + 1);
    }
}

}  // namespace karvelo
