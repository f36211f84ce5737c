#pragma once

#include <QString>
#include <QStringList>

namespace tallyrix {

// The page template: the lines of the last loaded style file, in order. Line 0
// is the header line, every other line one drawing item; the first empty line
// ends the page. Composers rewrite its lines by index before each render.
using StyleTemplate = QStringList;

// Reads a style file (code page 932, CR LF or LF), empty lines kept. A missing
// file gives an empty template (a blank page); a file that exists but cannot be
// read raises a FileError.
StyleTemplate loadStyleTemplate(const QString& path);

}  // namespace tallyrix
