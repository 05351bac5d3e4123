// Any name typed into the save dialog, with any extension: ChooseSaveFile must append the
// extension exactly when the name's last four characters, lower-cased, are not it, and
// take LastDirectory from the name; the saves must then write the file under that name or
// say that they could not. Input: extension length (0..7), the extension, a mode byte
// (bit 0: the name is put after this target's directory; bits 1..3: which save), the name.
#include <algorithm>
#include <cctype>

#include "fuzz_support.h"

namespace {

EditorState s;

std::string ExtensionRule(const std::string& name, const std::string& ext) {
    std::string tail = name.size() > 4 ? name.substr(name.size() - 4) : name;
    for (char& c : tail) c = char(std::tolower(static_cast<unsigned char>(c)));
    return tail == ext ? name : name + ext;
}

std::string DirectoryRule(const std::string& name) {
    const size_t sep = name.find_last_of("/\\");
    return sep == std::string::npos ? std::string() : name.substr(0, sep + 1);
}

struct Save {
    int command;
    const char* ext;
};
const Save Saves[] = {{2, ".fnt"}, {3, ".fnt"}, {4, ".fnt"}, {5, ".map"}, {6, ".bmp"}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in{data, size};
    std::string ext;
    for (int n = in.Byte() % 8; n > 0; --n) ext += char(in.Byte());
    const uint8_t mode = in.Byte();
    const std::vector<uint8_t> rest = in.Rest();
    const std::string typed(rest.begin(), rest.end());
    const bool inDir = mode & 1;
    const std::string answer = (inDir ? FuzzDir().Slash() : std::string()) + typed;

    StartedEditor(s);
    const std::string dirBefore = s.LastDirectory;
    ScriptSaveDialog(answer);
    const std::string chosen = ChooseSaveFile(s, "Font (*.fnt)|*.fnt", ext);
    if (answer.empty()) {
        Require(chosen.empty(), "a cancelled dialog must give an empty name");
        Require(s.LastDirectory == dirBefore, "a cancelled dialog changed LastDirectory");
    } else {
        Require(chosen == ExtensionRule(answer, ext), "the extension rule gave \"" + chosen + "\" for \"" + answer + "\" and \"" + ext + "\"");
        Require(s.LastDirectory == DirectoryRule(answer), "LastDirectory \"" + s.LastDirectory + "\" for \"" + answer + "\"");
    }
    RequireWhole(s);

    // A real save, only for plain names inside this target's directory.
    const bool plain = inDir && !typed.empty() && typed.size() <= 200 &&
                       std::none_of(typed.begin(), typed.end(), [](char c) { return c == '/' || c == '\0'; });
    if (!plain) return 0;
    const Save& save = Saves[(mode >> 1) % 5];
    const std::string path = ExtensionRule(answer, save.ext);
    if (std::filesystem::exists(path)) return 0;  // "." or "..": the directory itself
    StartedEditor(s);
    for (size_t i = 0; i < s.CharsetStore.size(); ++i) s.CharsetStore[i] = uint8_t(i * 5 + 3);
    RedrawCharset(s);
    ClearRecords();
    ScriptSaveDialog(answer);
    PostMenuCommand(save.command);
    Event ev;
    while (WaitMessage(ev)) HandleEvent(s, ev);
    const std::vector<uint8_t> written = ReadBytes(path);
    const size_t sizes[] = {768, 1024, 2048, 960, 196662};
    const size_t want = sizes[(mode >> 1) % 5];
    const bool failed = !MessagesShown().empty();
    if (failed) {
        Require(MessagesShown().back().text == "File Error:" + path, "a failed save must name the file");
        Require(!std::filesystem::exists(path), "a failed save left a file");
    } else {
        Require(written.size() == want, "saved " + std::to_string(written.size()) + " bytes, not " + std::to_string(want));
        if (save.command <= 4) Require(std::equal(written.begin(), written.end(), s.CharsetStore.begin()), "the saved glyphs differ");
        std::filesystem::remove(path);
    }
    RequireWhole(s);
    return 0;
}
