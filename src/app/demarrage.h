#pragma once

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TFormsDialog;

// The five windows, created once and kept for the whole run.
extern TForm1 *Form1;
extern TForm2 *Form2;
extern TForm3 *Form3;
extern TForm4 *Form4;
extern TFormsDialog *FormsDialog;

// Creates the five windows in their order (the main window first, its preparation
// running before the others exist), then lets the main window count as shown. The
// start-up decision follows at the first tick of its timer, once a message loop runs.
void CreerFenetres();
// Destroys the five windows (tests start the program several times in one process).
void DetruireFenetres();

// For packagers and support: saves a trial profile in the settings file the program would
// use, reads it back, deletes it again (the last profile chosen is kept) and says on the
// standard output where profiles are kept. 0 when all of it worked.
int EssaiEnregistrement();
