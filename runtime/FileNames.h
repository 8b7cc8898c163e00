// File-name helpers of the original runtime (only the last path component counts).
#pragma once

#include <string>
#include <vector>

namespace rt {

// Replace the extension of the last path component ("dir.v2/case" -> "dir.v2/case.VST",
// "case.pev" -> "case.VST"); ext includes its dot.
std::string ChangeFileExt(const std::string& name, const std::string& ext);
// The extension of the last path component including the dot, or "".
std::string ExtractFileExt(const std::string& name);
// The last path component.
std::string ExtractFileName(const std::string& name);
// Everything up to and including the last '/', or "".
std::string ExtractFilePath(const std::string& name);
// Names listed as a sentence lists them: "a", "a and b", "a, b and c".
std::string JoinNames(const std::vector<std::string>& names);

}  // namespace rt
