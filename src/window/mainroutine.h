#pragma once

class frmMain;

// Creates the one main window, keeps it in MainForm() and shows it.
void Main();
frmMain* MainForm();
