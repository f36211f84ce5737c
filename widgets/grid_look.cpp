#include "widgets/grid_look.h"

#include <QHeaderView>
#include <QTableView>

namespace tallyrix {

void applyGridLook(QTableView& view, int rowHeight) {
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Cells show their text as given: no wrapping and no "..." in place of it.
    view.setWordWrap(false);
    view.setTextElideMode(Qt::ElideNone);
    view.setCornerButtonEnabled(false);
    view.setTabKeyNavigation(false);

    QHeaderView* rows = view.verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(rowHeight);
    rows->setDefaultSectionSize(rowHeight);
    rows->setSectionResizeMode(QHeaderView::Fixed);

    QHeaderView* columns = view.horizontalHeader();
    columns->setHighlightSections(false);
    columns->setSectionsClickable(false);
    columns->setMinimumSectionSize(0);
    columns->setStretchLastSection(false);
    columns->setDefaultAlignment(Qt::AlignCenter);
    columns->setFixedHeight(rowHeight + 2);
}

}  // namespace tallyrix
