#include "runtime/FileNames.h"

namespace rt {
namespace {
size_t nameStart(const std::string& name) {
    size_t slash = name.find_last_of('/');
    return slash == std::string::npos ? 0 : slash + 1;
}
size_t extStart(const std::string& name) {
    size_t dot = name.find_last_of('.');
    if (dot == std::string::npos || dot < nameStart(name)) return std::string::npos;
    return dot;
}
}  // namespace

std::string ChangeFileExt(const std::string& name, const std::string& ext) {
    size_t dot = extStart(name);
    return (dot == std::string::npos ? name : name.substr(0, dot)) + ext;
}

std::string ExtractFileExt(const std::string& name) {
    size_t dot = extStart(name);
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string ExtractFileName(const std::string& name) { return name.substr(nameStart(name)); }

std::string ExtractFilePath(const std::string& name) { return name.substr(0, nameStart(name)); }

std::string JoinNames(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return text;
}

}  // namespace rt
