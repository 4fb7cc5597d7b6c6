#pragma once

class QWidget;

// The gallery pages, one per control family member.
QWidget* BuildSafetabsPage();
QWidget* BuildFxFramePage();
QWidget* BuildXButtonPage();
QWidget* BuildYCommandPage();
QWidget* BuildYComboPage();
QWidget* BuildJcFramesPage();
