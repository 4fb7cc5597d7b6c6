#pragma once

#include <QList>
#include <QWidget>
#include <optional>

// How a tab strip keeps the page of each of its children: a tab code in the child's
// WhatsThisHelpID, relative to the active tab, and a parked position far below the strip.
//
//   0              on the active tab, its tab stop its own
//   1000 + d       d tabs after the active one (before it when d < 0); parked, tab stop off
//                  for now and switched back on when shown
//   100000         on the active tab with its tab stop off for good
//   100000 + d     d tabs away, parked, tab stop staying off when shown
namespace TabCodes {

// Parked children sit this many twips lower than their home position.
constexpr int kParkOffsetTwips = 63000;

struct ChildPlace {
    int top = 0;                  // twips
    int code = 0;                 // WhatsThisHelpID
    std::optional<bool> tabStop;  // nullopt: the child has none
    bool operator==(const ChildPlace&) const = default;
};

// Where one child goes when the active tab moves by d = previous - active.
ChildPlace Arrange(const ChildPlace& child, int d);

// Rearranges the children of a strip after the active tab changed from previous to active.
void ArrangeTabPages(const QList<QWidget*>& children, int previous, int active);

}  // namespace TabCodes
