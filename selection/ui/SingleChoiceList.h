#pragma once

class QAbstractItemView;

namespace talvo {

// Once a row of `list` is chosen, no click, modifier or key leaves the list without one: Qt's single-choice list
// clears its choice on a click under the last row, a Ctrl-click on the chosen row and Ctrl+Space. A refused change
// signals nothing, so no click handler runs for it.
void KeepSingleChoice(QAbstractItemView& list);

} // namespace talvo
