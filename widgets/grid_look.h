#pragma once

class QTableView;

namespace tallyrix {

// The look both text grids share: fixed row height, one line per cell drawn in
// full, a single whole-row selection and no row numbers.
void applyGridLook(QTableView& view, int rowHeight);

}  // namespace tallyrix
