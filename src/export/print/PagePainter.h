#pragma once

#include "export/print/PageLayout.h"

class QPainter;

// What painting a page needs besides the layout.
struct PageDecoration {
    QString header; // set-time codes already filled in
    QString footer;
    QString title;
    int frameSides = 0;
};

// Paints page (1-based) of layout onto painter, whose coordinates are
// device pixels at dpi; the paper's top left corner is at the origin.
void PaintPage(QPainter &painter, double dpi, const PageLayout &layout, const PageSetup &setup,
               const PageDecoration &decoration, int page);
