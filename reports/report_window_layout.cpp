#include "reports/report_window_layout.h"

#include <algorithm>

namespace lunea {
namespace {

constexpr int kSmallestPane = 20;

int Within(int value, int lowest, int highest) {
    return std::max(lowest, std::min(value, highest));
}

} // namespace

ReportWindowAreas ReportWindowLayout::AreasFor(int clientWidth, int clientHeight) const {
    const int top = std::min(kToolBarHeight, clientHeight);
    const int left = std::min(kPageButtonsWidth, clientWidth);
    // A window made smaller than the panes squeezes them, never inverts them.
    const int listWidth = Within(listWidth_, 0, std::max(clientWidth - left - kSplitterSize, 0));
    const int listLeft = clientWidth - listWidth;
    const int splitterLeft = std::max(listLeft - kSplitterSize, left);
    const int notesHeight =
        Within(notesHeight_, 0, std::max(clientHeight - top - kSplitterSize, 0));
    const int notesTop = clientHeight - notesHeight;
    const int notesSplitterTop = std::max(notesTop - kSplitterSize, top);

    ReportWindowAreas areas;
    areas.toolBar = {0, 0, clientWidth, top};
    areas.pageButtons = {0, top, left, clientHeight};
    areas.cycleList = {listLeft, top, clientWidth, clientHeight};
    areas.listSplitter = {splitterLeft, top, listLeft, clientHeight};
    areas.notes = {left, notesTop, splitterLeft, clientHeight};
    areas.notesSplitter = {left, notesSplitterTop, splitterLeft, notesTop};
    areas.picture = {left, top, splitterLeft, notesSplitterTop};
    return areas;
}

void ReportWindowLayout::DragListSplitter(int x, int clientWidth) {
    const int widest = clientWidth - kPageButtonsWidth - kSplitterSize - kSmallestPane;
    listWidth_ =
        Within(clientWidth - x - kSplitterSize / 2, kSmallestPane, std::max(widest, kSmallestPane));
}

void ReportWindowLayout::DragNotesSplitter(int y, int clientHeight) {
    const int highest = clientHeight - kToolBarHeight - kSplitterSize - kSmallestPane;
    notesHeight_ = Within(clientHeight - y - kSplitterSize / 2, kSmallestPane,
                          std::max(highest, kSmallestPane));
}

} // namespace lunea
