#pragma once

class TStrColGrid;

// The summary grid's column widths and its cell display parameters: the
// column captions, the alignment of each column and the grey subtotal rows.
void setUpSummaryGrid(TStrColGrid& grid);
