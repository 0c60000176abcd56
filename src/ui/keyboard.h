#pragma once

#include <functional>

class QLineEdit;
class QWidget;
class Query;

// Keyboard habits the windows share.

// Up and Down move the query's current row to the previous or next row
// wherever the focus is inside the window (the list follows), as the old
// windows did with their key preview. The key goes no further.
void arrowsMoveList(QWidget *window, Query *query);

// A read-only box that is never typed into: any key pressed in it (except
// Tab, Shift+Tab, Esc and modifier keys alone) runs `open`, which usually
// opens a lookup dialog.
void openOnAnyKey(QLineEdit *box, std::function<void()> open);

// Runs `left` when the focus moves from the control to another control of
// the same window (not when the window itself loses the focus).
void onLeave(QWidget *control, std::function<void()> left);
