#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

#include "Gdi.h"

// The pure geometry of the drop-down list: where its rows, drop button and scroll bar lie, how
// the thumb follows the first shown row, and the size of the hover prompt. W and H are the
// control's client width and height in pixels.
namespace YComboGeometry {

constexpr int kClosedHeight = 20;
constexpr int kFirstRowTop = 22;  // rows start under the header row
constexpr int kVisibleRows = 7;
constexpr int kLineStep = 1;
constexpr int kPageStep = 10;
constexpr int kWheelStep = 3;
// The scroll bar's buttons are 18 pixels high; the track runs between them.
constexpr int kTrackTop = 40;
constexpr int kThumbMinimum = 10;

enum class ScrollPart : int { None = -1, Track = 0, Up = 1, Down = 2, Thumb = 3 };

// What the scroll bar's arithmetic needs to know of the control.
struct ScrollMetrics {
    int height = 0;  // client height H
    int thumbLength = kThumbMinimum;
    int maxTop = 0;
};

// round((H - 60) x visibleRows / listCount), or the minimum when that is below 11.
int ThumbLengthFor(int height, int visibleRows, int listCount);
// The thumb's top for a first shown row, and the first shown row for a thumb top. A track too
// short to move the thumb on keeps it at either end.
int ThumbPosFor(int top, const ScrollMetrics& m);
int TopFor(int pos, const ScrollMetrics& m);

// The part a press at height y is on (the column itself is checked by the caller).
ScrollPart PressPartAt(int y, int thumbPos, const ScrollMetrics& m);
// The part under the mouse at (x, y), None outside the column below the header.
ScrollPart HoverPartAt(int x, int y, int width, int thumbPos, const ScrollMetrics& m);
// Whether (x, y) lies in the scroll bar's column below the header row.
bool InScrollColumn(int x, int y, QSize client);

struct ListState {
    QSize client;
    bool scrollBarVisible = false;
    int listCount = 0;
    int topIndex = 0;
    int itemHeight = 22;
};
struct HitResult {
    int index = -1;
    bool overDropButton = false;
};
// The item under (x, y), or -1; also whether the point is on the drop button.
HitResult HitTestItem(int x, int y, const ListState& s);

// The client height of the open list: a header and up to seven rows (one when empty).
int OpenHeight(int itemHeight, int listCount);

// The row rectangle of the k-th shown row.
Gdi::Rect RowRect(int k, int width, int itemHeight, bool scrollBarVisible, int relLeft);

// An open arrow head: the tip and the ends of its two arms. Direction 1 points up, 2 down.
struct Chevron {
    QPoint tip;
    QPoint left;
    QPoint right;
};
Chevron ChevronIn(const Gdi::Rect& rect, int direction, int size, int dx, int dy);

// The hover prompt's lines and outer size for a text, with measure giving a string's width and
// textHeight the font's character height.
struct PromptLayout {
    QStringList lines;
    QSize size;
};
PromptLayout LayoutPrompt(const QString& text, int textHeight,
                          const std::function<int(const QString&)>& measure);
// Moves a prompt at (x, y) of the given size back onto a screen, above its task bar.
QPoint KeepOnScreen(QPoint at, QSize size, QSize screen, int taskBarHeight);

}  // namespace YComboGeometry
