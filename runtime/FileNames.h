// File-name helpers of the original runtime (only the last path component counts).
#pragma once

#include <string>

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

}  // namespace rt
