// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The six windows of the game, made once at start-up in this order and kept for the whole run.

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm6;
class TForm7;

extern TForm1* Form1;
extern TForm2* Form2;
extern TForm3* Form3;
extern TForm4* Form4;
extern TForm6* Form6;
extern TForm7* Form7;

// Creates the windows in their order (the main window's FormCreate runs inside the first) and
// points the generator's two text outputs at their text boxes.
void CreateForms();

// Destroys them again; the program's end does this, and so does each test.
void DestroyForms();
