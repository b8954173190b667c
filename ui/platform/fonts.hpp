#pragma once

namespace vovodi {

// Makes the faces the windows ask for (Tahoma for the marks, MS Sans Serif
// for the controls) available where the system lacks them but has Wine's
// free versions of them installed. Safe to call more than once.
void ensureFonts();

}  // namespace vovodi
