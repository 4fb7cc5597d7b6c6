#pragma once

class form1;

// Start-up: fills the colour palette, then creates and shows the main window.
namespace ColorListMod {

// Writes all 256 entries of ColorPalette in index order.
void FillColorPalette();

void Main();

// The main window Main created, or null before Main and after the window closed.
form1* MainWindow();

}  // namespace ColorListMod
