// The conventions every file dialog follows: the type list, LastDirectory, the extension
// appended to a save name, and the one way a save fails.
#include <cctype>

#include "app/commands.h"
#include "files/files.h"

std::vector<FileType> FileTypesFromPattern(const std::string& patternText) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t bar; (bar = patternText.find('|', start)) != std::string::npos; start = bar + 1)
        parts.push_back(patternText.substr(start, bar - start));
    parts.push_back(patternText.substr(start));
    std::vector<FileType> types;
    for (size_t i = 0; i < parts.size(); i += 2)
        types.push_back({parts[i], i + 1 < parts.size() ? parts[i + 1] : std::string()});
    return types;
}

std::string DirectoryPart(const std::string& path) {
    size_t sep = path.find_last_of("/\\");
    return sep == std::string::npos ? std::string() : path.substr(0, sep + 1);
}

std::string WithExtension(const std::string& path, const std::string& extension) {
    std::string tail = path.size() > 4 ? path.substr(path.size() - 4) : path;
    for (char& c : tail) c = char(std::tolower(static_cast<unsigned char>(c)));
    return tail == extension ? path : path + extension;
}

std::string ChooseSaveFile(EditorState& s, const std::string& patternText, const std::string& extension) {
    std::string path = ShowSaveDialog("Please choose file to save", s.LastDirectory, FileTypesFromPattern(patternText));
    if (path.empty()) return path;
    s.LastDirectory = DirectoryPart(path);
    return WithExtension(path, extension);
}

void SaveBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    if (!WriteFileAtomically(path, bytes.data(), bytes.size())) ShowMessage("Save file", "File Error:" + path);
}
