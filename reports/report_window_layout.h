#pragma once
// Where the report window's areas stand in its client area: the tool bar
// across the top, the page buttons on the left, the cycle list on the
// right, the notes at the bottom and the picture in the centre, with a
// splitter between the picture and each of the list and the notes.

#include "components/canvas/canvas.h"

namespace lunea {

struct ReportWindowAreas {
    Rect toolBar;
    Rect pageButtons;
    Rect listSplitter;
    Rect cycleList;
    Rect notesSplitter;
    Rect notes;
    Rect picture;
};

class ReportWindowLayout {
  public:
    static constexpr int kToolBarHeight = 24;
    static constexpr int kPageButtonsWidth = 65;
    static constexpr int kSplitterSize = 3;
    static constexpr int kInitialListWidth = 89;
    static constexpr int kInitialNotesHeight = 82;

    ReportWindowAreas AreasFor(int clientWidth, int clientHeight) const;
    // A splitter dragged to a point of the client area: the pane it sizes
    // follows, within what leaves every area some room.
    void DragListSplitter(int x, int clientWidth);
    void DragNotesSplitter(int y, int clientHeight);

  private:
    int listWidth_ = kInitialListWidth;
    int notesHeight_ = kInitialNotesHeight;
};

} // namespace lunea
