// The places where the other parts of the program plug into the main window. Each keeps the
// main window's side of its contract until its part arrives.
#include "app/main_form.h"
