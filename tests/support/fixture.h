// A freshly started editor on the headless backend, for every test that needs one.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/commands.h"
#include "platform/headless/headless.h"

// Starts the editor as the program does, with these command-line arguments.
void StartEditor(EditorState& s, const std::vector<std::string>& args = {});
// Handles every posted event as the event loop would; false if the program ended.
bool RunPostedEvents(EditorState& s);

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override { StartEditor(s); }
    EditorState s;
};

// Glyph rows as a vector, for readable comparisons.
std::vector<int> Rows(const EditorState& s, int code);
void SetRows(EditorState& s, int code, const std::vector<int>& rows);
