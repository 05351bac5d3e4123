#include "support/fixture.h"

void StartEditor(EditorState& s, const std::vector<std::string>& args) {
    HeadlessReset();
    SetArguments(args);
    ASSERT_TRUE(Startup(s, 0, nullptr));
}

bool RunPostedEvents(EditorState& s) {
    Event ev;
    while (WaitMessage(ev)) {
        if (IsKeyDown(KeyEscape)) return false;
        if (!HandleEvent(s, ev)) return false;
    }
    return true;
}

std::vector<int> Rows(const EditorState& s, int code) {
    std::vector<int> rows;
    for (int r = 0; r < 8; ++r) rows.push_back(s.CharsetStore[size_t(8 * code + r)]);
    return rows;
}

void SetRows(EditorState& s, int code, const std::vector<int>& rows) {
    for (size_t r = 0; r < 8 && r < rows.size(); ++r) s.CharsetStore[8 * size_t(code) + r] = uint8_t(rows[r]);
}
