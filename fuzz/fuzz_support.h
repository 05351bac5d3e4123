// What every fuzz target shares: a fresh headless editor per input, a directory of its own
// for the files the inputs become, and a check that ends the run with a message.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/commands.h"
#include "platform/headless/headless.h"
#include "support/reference_views.h"
#include "support/temp_dir.h"

// The target's own directory, made once and removed when the process ends.
inline const TempDir& FuzzDir() {
    // Saves sync their files; on a memory file system that costs nothing.
    static const bool memory = !std::getenv("TMPDIR") && access("/dev/shm", W_OK) == 0 && setenv("TMPDIR", "/dev/shm", 0) == 0;
    (void)memory;
    static TempDir dir;
    return dir;
}

// A freshly started editor, as the program starts without arguments.
inline void FreshEditor(EditorState& s) {
    HeadlessReset();
    SetArguments({});
    if (!Startup(s, 0, nullptr)) {
        std::fprintf(stderr, "the editor did not start\n");
        std::abort();
    }
}

// The editor as a fresh start leaves it, without starting it again: the state record comes
// back from a copy taken after the first start and the views are redrawn from it. Making
// the canvases anew costs more than everything else an input does.
inline void StartedEditor(EditorState& s) {
    static bool started = false;
    static EditorState atStart;
    if (!started) {
        FreshEditor(s);
        atStart = s;
        started = true;
    }
    s = atStart;
    ClearRecords();
    SetWindowTitle(MainWindow, s.BaseTitle);
    RedrawCharset(s);
}

// Ends the run when a rule does not hold, so that libFuzzer keeps the input.
inline void Require(bool holds, const std::string& rule) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s\n", rule.c_str());
    std::abort();
}

inline void RequireWhole(const EditorState& s) {
    const std::string broken = BrokenStateRule(s);
    Require(broken.empty(), broken);
}

// Input bytes taken one field at a time.
struct FuzzInput {
    const uint8_t* data;
    size_t size;
    uint8_t Byte() {
        if (size == 0) return 0;
        --size;
        return *data++;
    }
    std::vector<uint8_t> Rest() {
        std::vector<uint8_t> rest(data, data + size);
        data += size;
        size = 0;
        return rest;
    }
};
