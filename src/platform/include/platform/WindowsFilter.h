// File-dialog filters written the Windows way, turned into Qt's form.
#pragma once

#include <QString>

namespace platform {

// "desc|pat1;pat2|desc|pat" becomes "desc (pat1 pat2);;desc (pat)". Blanks around patterns
// are dropped, and "*.*", which on Windows matches every file, becomes "*" (on Linux "*.*"
// would leave out files without a dot). A description without a pattern gets "*".
//
//   WindowsFilterToQt("mod file|*.mod")  ==  "mod file (*.mod)"
QString WindowsFilterToQt(const QString& windowsFilter);

}  // namespace platform
