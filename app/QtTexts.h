#pragma once

// Qt's own texts in German (the file dialog's buttons and questions, the
// shortcuts' key names), as the rest of the program speaks. Loaded when a
// dialog or menu first needs them, not at start; safe to call repeatedly.
// Where the translations are not installed, Qt's English texts stay.
void LoadQtTexts();
